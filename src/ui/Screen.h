// Window set-up shared by every screen: icon, single fixed border, border icons and position by screen.
#pragma once

#include "platform/ui/Form.h"

#include <QIcon>
#include <QPixmap>

namespace ui {

enum class WindowVariant {
    Designed,         // no minimise/maximise; position as designed (centred on the main window)
    CentreDesktop,    // no minimise/maximise; centred on the desktop
    CentreMainWindow, // no minimise/maximise; centred on the application's main window
    NoSystemMenu,     // no system menu: left only through the screen's own buttons
    IconOnly,         // icon only; border as designed (a dialog border)
};

// The variant of a screen class ("TForm5" -> CentreDesktop ...).
WindowVariant windowVariantFor(const QString& className);

// The window set-up every screen runs on creation: the program icon, a single non-resizable
// border, the border icons and the position of the screen's variant.
void setupWindow(platform::ui::Form& form);
void setupWindow(platform::ui::Form& form, WindowVariant variant);

// Positions a screen about to be shown as its variant says.
void placeWindow(platform::ui::Form& form);

// The program icon ("Icon_1") and the main window's background picture.
QIcon appIcon();
QPixmap backgroundPicture(const QSize& size);

} // namespace ui
