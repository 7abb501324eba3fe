// Renders the login window and the main window with a menu open to PNG files (in
// $VELTRO_SCREENSHOT_DIR, or a temporary folder), for a person to look at.
#include "support/AppFixture.h"
#include "support/Screenshot.h"

#include "app/Unit1.h"
#include "app/Unit23.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QMenu>
#include <QPainter>

using namespace testsupport;

namespace {

class ScreenshotTest : public DemoAppTest {
protected:
    QString path(const QString& name)
    {
        const QString dir = qEnvironmentVariable("VELTRO_SCREENSHOT_DIR", QDir::tempPath());
        return QDir(dir).filePath(name);
    }
};

TEST_F(ScreenshotTest, LoginAndMainWindowWithItsMenuOpen)
{
    Form23->show();
    Form23->activateForm();
    ASSERT_TRUE(saveScreenshot(Form23, path("login.png")));
    EXPECT_FALSE(QImage(path("login.png")).isNull());

    host.once<TForm1>([&](TForm1& f) {
        QApplication::processEvents();
        QPixmap window = f.grab();
        f.N2->popup(f.mapToGlobal(QPoint(0, f.MainMenu1->height())));
        QApplication::processEvents();
        QPainter painter(&window);
        painter.drawPixmap(QPoint(2, f.MainMenu1->height()), f.N2->grab());
        painter.end();
        f.N2->hide();
        EXPECT_TRUE(window.save(path("main-menu.png")));
        f.closeModal(platform::ui::mrCancel);
    });
    Form23->Button1->click();
    EXPECT_FALSE(QImage(path("main-menu.png")).isNull());
}

} // namespace
