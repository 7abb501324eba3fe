// Program start: the style file, the style applied before any window, the screens created once.
#include "support/AppFixture.h"

#include "app/Startup.h"
#include "app/StyleFile.h"
#include "app/Unit1.h"
#include "app/Unit23.h"
#include "data/Unit6.h"
#include "platform/ui/Application.h"
#include "platform/ui/StyleManager.h"
#include "production/Unit45.h"

#include <QFile>
#include <QTemporaryDir>

using namespace testsupport;

namespace {

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void writeAll(const QString& path, const QByteArray& content)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(content);
}

TEST(StyleFileTest, MissingOrEmptyFirstLineIsRewrittenWithWindows)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("t_style.txt");
    struct Case {
        const char* name;
        std::optional<QByteArray> content;
        QString style;
        QByteArray after;
    };
    const Case cases[] = {
        {"missing", std::nullopt, "Windows", "Windows\r\n"},
        {"empty", QByteArray(""), "Windows", "Windows\r\n"},
        {"empty first line", QByteArray("\r\nSky\r\n"), "Windows", "Windows\r\n"},
        {"a style", QByteArray("Sky\r\nignored\r\n"), "Sky", "Sky\r\nignored\r\n"},
        {"no line end", QByteArray("Glow"), "Glow", "Glow"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(path);
        if (c.content)
            writeAll(path, *c.content);
        EXPECT_EQ(readStyleFile(path), c.style);
        EXPECT_EQ(readAll(path), c.after);
    }
}

class StartupTest : public AppTest {
protected:
    bool createScreensInSetUp() const override { return false; }
};

TEST_F(StartupTest, StyleFromTheFileIsAppliedBeforeAnyWindowAndTheScreensAreCreatedOnce)
{
    writeAll(platform::ui::Application::styleFilePath(), "Sky\r\n");
    ASSERT_TRUE(startProgram());
    EXPECT_EQ(platform::ui::StyleManager::activeStyle(), "Sky");
    ASSERT_NE(Form1, nullptr);
    ASSERT_NE(DataModule6, nullptr);
    ASSERT_NE(Form23, nullptr);
    ASSERT_NE(Form45, nullptr);
    EXPECT_TRUE(DataModule6->ADO_DB.isOpen());
    EXPECT_EQ(platform::ui::Application::mainWindow(), Form23);
    EXPECT_TRUE(Form23->isVisible());
    EXPECT_FALSE(Form1->isVisible());
    EXPECT_FALSE(Form45->isVisible());
    // The login window lists every style, sorted, and selects the active one when activated.
    EXPECT_EQ(Form23->ComboBox1->count(), 40);
    Form23->activateForm();
    EXPECT_EQ(Form23->ComboBox1->currentText(), "Sky");
    platform::ui::StyleManager::apply("Windows", false);
}

TEST_F(StartupTest, ChoosingAStyleWritesTheFileAtOnce)
{
    ASSERT_TRUE(startProgram());
    const int glow = Form23->ComboBox1->findText("Glow");
    ASSERT_GE(glow, 0);
    Form23->ComboBox1->setCurrentIndex(glow);
    Form23->ComboBox1Change();
    EXPECT_EQ(readAll(platform::ui::Application::styleFilePath()), "Glow\r\n");
    EXPECT_EQ(platform::ui::StyleManager::activeStyle(), "Glow");
    platform::ui::StyleManager::apply("Windows", false);
}

TEST_F(StartupTest, NoDesignTimeConnectionEndsTheProgramWithAMessage)
{
    qputenv("PGSERVICEFILE", "/nonexistent/pg_service.conf");
    EXPECT_FALSE(startProgram());
    EXPECT_TRUE(prompter.lastIsError("Подключение к БД отсутсвует (Data Source: veltro_erp_dev)"));
    EXPECT_EQ(terminations(), 1);
}

} // namespace
