// The visual styles the login window offers: "Windows" (the platform's own look) and 39 named
// palettes over the Fusion style. Applies one by name.
#pragma once

#include <QPalette>
#include <QString>
#include <QStringList>

namespace platform::ui {

class StyleManager {
public:
    static const QString kDefaultStyle; // "Windows"

    // The 40 style names, "Windows" first.
    static QStringList styleNames();
    static bool isKnown(const QString& name);

    // Switches to the style. An unknown name keeps the current style, returns false and, when
    // showErrors is set, shows the error "Стиль «X» не найден".
    static bool apply(const QString& name, bool showErrors = true);
    static QString activeStyle();

    // The palette a named style uses (the application's original palette for "Windows").
    static QPalette paletteOf(const QString& name);
};

} // namespace platform::ui
