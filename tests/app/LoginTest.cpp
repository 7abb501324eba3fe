// Start-up and login: command-line forms, the service code, trimming, rights by login name,
// connection failure, and Esc on the main window.
#include "support/AppFixture.h"
#include "support/UserActions.h"

#include "app/Unit1.h"
#include "app/Unit23.h"
#include "data/Unit6.h"
#include "platform/db/Command.h"
#include "production/Unit45.h"

#include <QApplication>
#include <QKeyEvent>

using namespace testsupport;

namespace {

class LoginTest : public DemoAppTest {
protected:
    // Logs in with the texts typed into the login window; returns the main window's caption as
    // it was while the main window was shown ("" when it was not shown).
    QString login(const QString& name, const QString& password, std::function<void(TForm1&)> inMain = {})
    {
        QString caption;
        host.on<TForm1>([&](TForm1& f) {
            caption = f.windowTitle();
            if (inMain)
                inMain(f);
            f.closeModal(platform::ui::mrCancel);
        });
        Form23->deactivateForm(); // the user comes back to the login window
        Form23->activateForm();
        Form23->Edit1->setText(name);
        Form23->Edit2->setText(password);
        Form23->Button1->click();
        return caption;
    }
    QString currentUser() { return platform::db::scalar(DataModule6->ADO_DB, "select current_user").toString(); }
};

TEST_F(LoginTest, CommandLineDecidesTheConnectionAndTheCaption)
{
    const QString socket = clusterSocketDir();
    struct Case {
        QStringList args;
        QString service; // the data source the test sets up, if any
        QString caption;
        QString label3;
    };
    const std::vector<Case> cases = {
        {{}, "veltro_erp_dev", "VELTRO.ERP (Data Source: veltro_erp_dev)", ""},
        {{"svc_one"}, "svc_one", "VELTRO.ERP (Data Source: svc_one)", ""},
        {{socket, db->name()}, "", QString("VELTRO.ERP (сервер: %1, БД: %2)").arg(socket, db->name()),
         QString("Сервер: %1, БД: %2").arg(socket, db->name())},
        {{socket, db->name(), "ignored"}, "", QString("VELTRO.ERP (сервер: %1, БД: %2)").arg(socket, db->name()),
         QString("Сервер: %1, БД: %2").arg(socket, db->name())},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        TForm23::Arguments = c.args;
        if (!c.service.isEmpty())
            db->installService(c.service);
        Form23->Label3->clear();
        EXPECT_EQ(login("", "4682"), c.caption);
        EXPECT_EQ(Form23->Label3->text(), c.label3);
        EXPECT_TRUE(prompter.noMessages());
        EXPECT_EQ(currentUser(), "sys");
    }
    // The driver form's text as the login builds it.
    EXPECT_TRUE(DataModule6->ADO_DB.settings().render().startsWith(
        QString("DRIVER={PostgreSQL UNICODE};DATABASE=%1;SERVER=%2;PORT=5432;UID=sys;PWD=brumvex;SSLmode=allow;")
            .arg(db->name(), socket)));
}

TEST_F(LoginTest, TwoArgumentsWithOneEmptyFallBackToAnEmptyDataSource)
{
    TForm23::Arguments = {QString(), db->name()};
    EXPECT_EQ(login("", "4682"), ""); // the main window is not shown
    EXPECT_TRUE(prompter.lastIsError("Подключение к БД отсутсвует (Data Source: )"));
    EXPECT_GE(terminations(), 1);
}

TEST_F(LoginTest, EnterInTheUntouchedWindowLogsInAsTheBuiltInAccount)
{
    bool shown = false;
    host.once<TForm1>([&](TForm1& f) {
        shown = true;
        f.closeModal(platform::ui::mrCancel);
    });
    Form23->show(); // visible from its creation, as at start-up
    Form23->activateForm();
    EXPECT_TRUE(Form23->Button1->isDefault());
    pressKey(Form23, Qt::Key_Return);
    EXPECT_TRUE(shown);
    EXPECT_EQ(Form45->UserLogin, "sys");
    EXPECT_EQ(Form45->UserPassword, "brumvex");
    EXPECT_EQ(Form45->ShiftNo, 1);
    EXPECT_EQ(currentUser(), "sys");
    EXPECT_EQ(terminations(), 1); // closing the main window ends the program
}

TEST_F(LoginTest, ServiceCodeAndTrimming)
{
    // The service code with blanks still counts; the login name is trimmed before lookup and connection.
    login("  whoever  ", "  4682  ");
    EXPECT_EQ(Form45->UserLogin, "sys");
    EXPECT_EQ(currentUser(), "sys");

    login("  master ", " master1 ");
    EXPECT_EQ(Form45->UserLogin, "master");
    EXPECT_EQ(Form45->UserPassword, "master1");
    EXPECT_EQ(currentUser(), "master");
    EXPECT_EQ(QString::number(Form45->UserId), value("select id from adm_user.users where s_name = 'master'"));
    EXPECT_EQ(QString::number(Form45->PersonId), value("select id_person from adm_user.users where s_name = 'master'"));
    EXPECT_EQ(Form1->windowTitle(), "VELTRO.ERP (Data Source: veltro_erp_dev)");
}

TEST_F(LoginTest, ServiceCodeFollowedByMoreIsAnOrdinaryPassword)
{
    TForm23::Arguments = {clusterSocketDir(), db->name()};
    EXPECT_EQ(login("master", "4682x"), "");
    EXPECT_TRUE(prompter.lastIsError(
        QString("Подключение к БД отсутсвует (сервер: %1, БД: %2)").arg(clusterSocketDir(), db->name())));
    EXPECT_EQ(Form45->UserLogin, "master");
    EXPECT_EQ(Form45->UserPassword, "4682x");
    EXPECT_EQ(host.shows<TForm1>(), 0);
    EXPECT_EQ(terminations(), 1);
}

TEST_F(LoginTest, UnknownUserHasNoIdsAndTheServerDecides)
{
    EXPECT_EQ(login("nobody", "secret"), "");
    EXPECT_EQ(Form45->UserId, 0);
    EXPECT_EQ(Form45->PersonId, 0);
    EXPECT_TRUE(prompter.lastIsError("Подключение к БД отсутсвует (Data Source: veltro_erp_dev)"));
}

TEST_F(LoginTest, RightsByLoginName)
{
    sql("DO $$ BEGIN IF NOT EXISTS (SELECT FROM pg_roles WHERE rolname = 'Clerk_a') THEN "
        "CREATE ROLE \"Clerk_a\" LOGIN PASSWORD 'clerk1' IN ROLE veltro_users; END IF; END $$");
    struct Case {
        QString login, password;
        bool full, journal;
    };
    const std::vector<Case> cases = {
        {"master", "master1", true, true},
        {"clerk_a", "clerk1", false, true},
        {"Clerk_a", "clerk1", true, true},
        {"econom", "econom1", false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.login.toStdString());
        // Rights are applied once per run: every case starts from a freshly created program.
        TearDown();
        SetUp();
        bool menuEnabled = false;
        login(c.login, c.password, [&](TForm1& f) { menuEnabled = f.N2->isEnabled() && f.N2->menuAction()->isEnabled(); });
        EXPECT_EQ(currentUser(), c.login);
        EXPECT_EQ(menuEnabled, c.full);
        EXPECT_EQ(Form45->Button1->isEnabled(), c.full);
        EXPECT_EQ(Form45->Button2->isEnabled(), c.full);
        for (QWidget* w : std::initializer_list<QWidget*>{Form45->RadioButton1, Form45->RadioButton4, Form45->CBox1,
                                                          Form45->Button8, Form45->DBGrid2, Form45->DateT})
            EXPECT_EQ(w->isEnabled(), c.journal);
    }
}

TEST_F(LoginTest, SmenaListsHideNothingAfterLogin)
{
    login("", "4682");
    for (auto* smena : {&DataModule6->Smena1, &DataModule6->Smena2, &DataModule6->Smena3, &DataModule6->Smena4})
        EXPECT_EQ(smena->param("OK").toDisplay(), "ta");
}

TEST_F(LoginTest, EscOnTheMainWindowEndsTheProgram)
{
    host.once<TForm1>([&](TForm1& f) { pressKey(&f, Qt::Key_Escape); });
    Form23->activateForm();
    Form23->Button1->click();
    EXPECT_EQ(host.shows<TForm1>(), 1);
    EXPECT_FALSE(Form1->isVisible());
    EXPECT_FALSE(Form23->isVisible());
    EXPECT_EQ(terminations(), 1);
}

TEST_F(LoginTest, CancelEndsTheProgram)
{
    Form23->Button2->click();
    EXPECT_EQ(terminations(), 1);
    EXPECT_EQ(host.totalShows(), 0);
}

} // namespace
