// What a user does to a screen in a test: a key pressed on a widget, the text of a grid cell.
#pragma once

#include "platform/ui/Grid.h"

#include <QApplication>
#include <QKeyEvent>
#include <QString>
#include <QWidget>

namespace testsupport {

// Sends a key press (and its typed text, if any) to the widget.
inline void pressKey(QWidget* widget, int key, const QString& text = {})
{
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &event);
}

// The text a grid shows in a cell.
inline QString cell(platform::ui::Grid* grid, int row, int column)
{
    return grid->model()->index(row, column).data().toString();
}

} // namespace testsupport
