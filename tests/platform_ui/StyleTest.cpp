// Visual styles by name, and the application services (termination, style file location).
#include "platform/ui/Application.h"
#include "platform/ui/StyleManager.h"
#include "support/ScreenTest.h"

#include <QApplication>
#include <QPalette>
#include <QStyle>
#include <QTemporaryDir>

using namespace platform::ui;
using testsupport::ScreenTest;

namespace {

using ApplicationServicesTest = ScreenTest;

class StyleManagerTest : public ScreenTest {
protected:
    void TearDown() override { StyleManager::apply(StyleManager::kDefaultStyle); }
    static QColor window() { return QApplication::palette().color(QPalette::Window); }
};

TEST_F(StyleManagerTest, OffersTheFortyStylesOfTheLoginWindow)
{
    QStringList names = StyleManager::styleNames();
    EXPECT_EQ(names.size(), 40);
    EXPECT_EQ(names.removeDuplicates(), 0);
    for (const char* name : {"Windows", "Amakrits", "Cyan Night", "Metropolis UI Black", "Smokey Quartz Kamri",
                             "TabletDark", "Tablet Light", "Windows10 SlateGray"})
        EXPECT_TRUE(names.contains(name)) << name;
}

TEST_F(StyleManagerTest, AppliesKnownNamesAndKeepsTheStyleOnAnUnknownOne)
{
    const QString originalStyle = QApplication::style()->name();
    const QColor originalWindow = window();

    EXPECT_TRUE(StyleManager::apply("Carbon"));
    EXPECT_EQ(StyleManager::activeStyle(), "Carbon");
    EXPECT_EQ(QApplication::style()->name().toLower(), "fusion");
    EXPECT_LT(window().lightness(), 80) << "dark names are dark";
    EXPECT_GT(QApplication::palette().color(QPalette::WindowText).lightness(), 180);

    EXPECT_TRUE(StyleManager::apply("Windows10 Green"));
    EXPECT_GT(window().green(), window().red() + 30) << "colour names in their colour";
    EXPECT_GT(window().green(), window().blue() + 30);

    EXPECT_TRUE(StyleManager::apply("Tablet Light"));
    EXPECT_GT(window().lightness(), 200);

    EXPECT_FALSE(StyleManager::apply("Windows 95"));
    EXPECT_TRUE(ui.prompter.lastIsError("Стиль «Windows 95» не найден"));
    EXPECT_EQ(StyleManager::activeStyle(), "Tablet Light");
    EXPECT_GT(window().lightness(), 200);

    EXPECT_FALSE(StyleManager::apply("", false));
    EXPECT_EQ(ui.prompter.count(), 1) << "no dialog when errors are off";

    EXPECT_TRUE(StyleManager::apply("Windows"));
    EXPECT_EQ(QApplication::style()->name(), originalStyle);
    EXPECT_EQ(window(), originalWindow);
}

TEST_F(ApplicationServicesTest, TerminateIsRecordedOnceInTests)
{
    EXPECT_FALSE(Application::terminated());
    Application::terminate();
    Application::terminate();
    EXPECT_TRUE(Application::terminated());
    EXPECT_EQ(ui.terminateCalls, 1);
}

TEST_F(ApplicationServicesTest, StyleFileLivesInTheUsersConfigFolder)
{
    QTemporaryDir home;
    const QByteArray previous = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
    EXPECT_EQ(Application::styleFilePath(), home.path() + "/t_style.txt");
    if (previous.isEmpty())
        qunsetenv("XDG_CONFIG_HOME");
    else
        qputenv("XDG_CONFIG_HOME", previous);
}

} // namespace
