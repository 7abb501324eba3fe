#include "support/Screenshot.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPixmap>
#include <QWidget>

namespace testsupport {

bool saveScreenshot(QWidget* widget, const QString& path)
{
    if (!widget)
        return false;
    const bool wasVisible = widget->isVisible();
    if (!wasVisible)
        widget->show();
    // Let layouts, polishing and deferred resizes settle before grabbing.
    QCoreApplication::sendPostedEvents();
    const QPixmap image = widget->grab();
    if (!wasVisible)
        widget->hide();
    QDir().mkpath(QFileInfo(path).absolutePath());
    return image.save(path, "PNG");
}

} // namespace testsupport
