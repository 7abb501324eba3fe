// The main window: its menu, "Очистить базу", and errors shown while the window stays open.
#include "support/AppFixture.h"

#include "app/Unit1.h"
#include "app/Unit23.h"

#include <QMenu>

using namespace testsupport;

namespace {

QStringList captions(const QList<QAction*>& actions)
{
    QStringList result;
    for (QAction* a : actions)
        result << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return result;
}

class MainWindowTest : public DemoAppTest {
protected:
    // Logs in as the built-in account and runs body while the main window is shown.
    void inMainWindow(std::function<void(TForm1&)> body)
    {
        host.once<TForm1>([&](TForm1& f) {
            body(f);
            f.closeModal(platform::ui::mrCancel);
        });
        Form23->activateForm();
        Form23->Button1->click();
        ASSERT_EQ(host.shows<TForm1>(), 1);
    }

    // Rows of every working table, and of a few reference tables that must survive.
    QString workingRows()
    {
        return value("select (select count(*) from mnf_app.app_doc) + (select count(*) from mnf_app.app_spec)"
                     " + (select count(*) from mnf_proc_tech.tp_operation) + (select count(*) from accounts_dep.smena)"
                     " + (select count(*) from accounts_dep.h_tabel) + (select count(*) from accounts_dep.person_temp)"
                     " + (select count(*) from stk_stocks.stock) + (select count(*) from stk_stocks.stock_in)"
                     " + (select count(*) from stk_stocks.spec_in) + (select count(*) from stk_stocks.spec_out)"
                     " + (select count(*) from stk_purchase.purchase_doc) + (select count(*) from stk_purchase.purchase_spec)");
    }
    QString referenceRows()
    {
        return value("select (select count(*) from cmn_contractor.person) || '/' ||"
                     " (select count(*) from cmn_inventory_items.inventory_items) || '/' ||"
                     " (select count(*) from mnf_proc_tech.proc_tech) || '/' || (select count(*) from mnf_operation.operation)");
    }
};

TEST_F(MainWindowTest, MenuAsDesigned)
{
    EXPECT_EQ(captions(Form1->MainMenu1->actions()),
              QStringList({"Справочники", "Снабжение", "Склады", "Производство", "Маркетинг", "База", "Выход"}));
    EXPECT_EQ(captions(Form1->N2->actions()),
              QStringList({"Подразделения", "Персонал", "Должности", "Роли", "Контрагенты", "-", "Вид номенклатуры",
                           "ТМЦ", "Операции", "Техпроцессы", "-", "Администрарование"}));
    EXPECT_EQ(captions(Form1->N29->actions()), QStringList({"Потребность", "Закупка"}));
    EXPECT_EQ(captions(Form1->N13->actions()), QStringList({"Склад сырья и заготовок", "Склад ГП и заготовок"}));
    EXPECT_EQ(captions(Form1->N18->actions()), QStringList({"Номенклатура", "Заявки", "Табель"}));
    EXPECT_EQ(captions(Form1->N16->actions()), QStringList({"Заявки"}));
    EXPECT_EQ(captions(Form1->N12->actions()), QStringList({"Очистить базу"}));
    EXPECT_EQ(Form1->windowTitle(), "VELTRO.ERP");
}

TEST_F(MainWindowTest, ClearBaseEmptiesTheWorkingTablesOnlyOnYes)
{
    sql("insert into accounts_dep.person_temp (id_smena, id_person) select id, w_id from accounts_dep.smena limit 1");
    const QString working = workingRows();
    const QString reference = referenceRows();
    ASSERT_NE(working, "0");
    for (const char* table : {"mnf_app.app_spec", "accounts_dep.smena", "accounts_dep.h_tabel", "stk_stocks.stock",
                                 "stk_purchase.purchase_spec", "mnf_proc_tech.tp_operation", "accounts_dep.person_temp"})
        ASSERT_NE(value(QString("select count(*) from ") + table), "0") << table;

    inMainWindow([&](TForm1& f) {
        prompter.answerNo();
        f.N28->trigger();
        EXPECT_EQ(workingRows(), working);
        EXPECT_EQ(prompter.last().kind, platform::ui::MessageKind::QuestionWarning);
        EXPECT_EQ(prompter.last().title, "Запрос");

        prompter.answerYes();
        f.N28->trigger();
        EXPECT_EQ(workingRows(), "0");
        EXPECT_EQ(referenceRows(), reference);
        EXPECT_EQ(prompter.count(), 2); // the question each time, nothing else
    });
}

TEST_F(MainWindowTest, ServerErrorInAHandlerIsShownAndTheWindowStaysOpen)
{
    sql("drop function truncate_tables(text)");
    inMainWindow([&](TForm1& f) {
        prompter.answerYes();
        f.N28->trigger();
        EXPECT_EQ(prompter.last().kind, platform::ui::MessageKind::Error);
        EXPECT_EQ(prompter.last().title, "Ошибка");
        EXPECT_TRUE(prompter.last().text.contains("truncate_tables")) << prompter.last().text.toStdString();
        EXPECT_TRUE(f.isVisible());
    });
    EXPECT_NE(workingRows(), "0");
}

TEST_F(MainWindowTest, ExitClosesTheWindowAndEndsTheProgram)
{
    inMainWindow([&](TForm1& f) {
        f.N5->trigger();
        EXPECT_FALSE(f.isVisible());
    });
    EXPECT_EQ(terminations(), 1);
}

} // namespace
