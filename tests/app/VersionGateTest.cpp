// The version gate: the build stamp, raising the stamp in ver, refusing an older client.
#include "support/AppFixture.h"

#include "app/BuildStamp.h"
#include "app/Unit1.h"
#include "app/Unit23.h"
#include "data/Unit6.h"
#include "platform/ui/Application.h"

using namespace testsupport;

namespace {

TEST(BuildStampTest, ComputedFromTheCompilersTexts)
{
    struct Case {
        const char* date;
        const char* time;
        int expectedDate;
        int expectedTime;
    };
    const Case cases[] = {
        {"Oct 18 2023", "16:33:58", 20231018, 59638},
        {"Jan  5 2024", "00:00:00", 20240105, 0},
        {"Dec 31 2026", "23:59:59", 20261231, 86399},
        {"", "", 19000101, 0},
        {"??? ?? ????", "12:00:00", 19000101, 43200},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.date);
        const BuildStamp stamp = computeBuildStamp(c.date, c.time);
        EXPECT_EQ(stamp.date, c.expectedDate);
        EXPECT_EQ(stamp.time, c.expectedTime);
    }
}

class VersionGateTest : public AppTest {
protected:
    void TearDown() override
    {
        clearBuildStampOverride();
        AppTest::TearDown();
    }
    void setVer(int d, int t) { sql(QString("update ver set d = %1, t = %2").arg(d).arg(t)); }
    QString ver() { return value("select d || '/' || t || '/' || delim from ver"); }
};

TEST_F(VersionGateTest, NewerClientRaisesTheStampAndShowsItInTheCaption)
{
    overrideBuildStamp({20231018, 59638});
    setVer(20231018, 59000);
    Form23->activateForm();
    EXPECT_EQ(ver(), "20231018/59638/.");
    EXPECT_EQ(Form1->BuildDate, 20231018);
    EXPECT_EQ(Form1->BuildTime, 59638);
    EXPECT_EQ(Form23->windowTitle(), "Авторизация (build: 20231018.59638)");
    EXPECT_EQ(DataModule6->DbDelim, ".");
    EXPECT_TRUE(prompter.noMessages());
    EXPECT_EQ(terminations(), 0);
}

TEST_F(VersionGateTest, EqualStampChangesNothingButReadsTheSeparator)
{
    overrideBuildStamp({20231018, 59638});
    setVer(20231018, 59638);
    sql("update ver set delim = ','");
    Form1->CheckVersion();
    EXPECT_EQ(ver(), "20231018/59638/,");
    EXPECT_EQ(DataModule6->DbDelim, ",");
    EXPECT_EQ(DataModule6->ToDbDecimal("12.5"), "12,5");
    EXPECT_TRUE(prompter.noMessages());
    EXPECT_EQ(terminations(), 0);
}

TEST_F(VersionGateTest, OlderClientIsRefusedAndEndsEvenWhileTheMessageIsOpen)
{
    overrideBuildStamp({20231018, 59638});
    struct Case {
        int d, t;
    };
    for (const Case c : {Case{20231019, 0}, Case{20231018, 59639}}) {
        SCOPED_TRACE(c.t);
        setVer(c.d, c.t);
        Form23->Timer1->stop();
        int ended = 0;
        platform::ui::Application::setTerminateHandler([&] { ++ended; });
        bool timerRunningUnderMessage = false;
        prompter.onMessage([&](const platform::ui::Message&) {
            timerRunningUnderMessage = Form23->Timer1->isActive() && Form23->Timer1->interval() == 5500;
        });
        Form1->CheckVersion();
        prompter.onMessage(nullptr);
        EXPECT_TRUE(prompter.lastIsError("Версия программы не соответсвует БД! Запустите программу через 5 мин."));
        EXPECT_TRUE(timerRunningUnderMessage);
        EXPECT_EQ(ended, 1);
        EXPECT_EQ(ver(), QString("%1/%2/.").arg(c.d).arg(c.t)); // the stamp never goes down

        // The termination timer ends the program by itself, whether or not the message was answered.
        platform::ui::Application::setTerminateHandler([&] { ++ended; });
        Form23->Timer1Timer();
        EXPECT_EQ(ended, 2);
        platform::ui::Application::setTerminateHandler([this] { ++ui.terminateCalls; });
    }
}

TEST_F(VersionGateTest, MainWindowRunsTheGateEveryThirtySeconds)
{
    EXPECT_TRUE(Form1->Timer1->isActive());
    EXPECT_EQ(Form1->Timer1->interval(), 30000);
    overrideBuildStamp({20300101, 1});
    Form1->Timer1Timer();
    EXPECT_EQ(ver(), "20300101/1/.");
}

} // namespace
