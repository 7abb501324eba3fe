// Renders a widget offscreen to a PNG (for looking at a screen's layout and fonts).
#pragma once

#include <QString>

class QWidget;

namespace testsupport {

// Lays the widget out (showing it offscreen if it is hidden), grabs it and saves a PNG.
// Returns false when the file could not be written.
bool saveScreenshot(QWidget* widget, const QString& path);

} // namespace testsupport
