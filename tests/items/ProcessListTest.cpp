// Process list: what it shows (the price is the sum of the operation prices, fresh after the
// editor closes), search by the beginning of the product name, title-click sorts, and deleting a
// process with its operations.
#include "support/UserActions.h"
#include "items/ProcessScreens.h"

#include "items/Unit3.h"

#include <QApplication>
#include <QKeyEvent>
#include <QSet>

using testsupport::pressKey;

namespace {

using processtest::cell;
using processtest::title;

class ProcessListTest : public processtest::ProcessScreensTest {
protected:
    QSet<int> listedIds()
    {
        QSet<int> ids;
        for (int row = 0; row < processes().recordCount(); ++row)
            ids.insert(processes().fieldAt(row, "id").asInt());
        return ids;
    }
    QString listedPrice(int processId)
    {
        EXPECT_TRUE(processes().locate("id", processId));
        return processes().field("full_price").asDecimal(2);
    }
};

TEST_F(ProcessListTest, MenuListsEveryProcessPricedAsTheSumOfItsOperations)
{
    withList([&](TForm4& list) {
        EXPECT_EQ(list.windowTitle(), "Техпроцессы (4)");
        const QStringList titles{"Номер", "Изделие", "Материал", "Наименование", "Цена"};
        ASSERT_EQ(list.DBGrid1->model()->columnCount(), titles.size());
        for (int c = 0; c < titles.size(); ++c)
            EXPECT_EQ(title(list.DBGrid1, c), titles[c]);
        EXPECT_EQ(processes().recordCount(), processCount());
        EXPECT_EQ(listedPrice(4), "114.50");
        EXPECT_EQ(cell(list.DBGrid1, processes().recNo() - 1, 1), "Шкаф распределительный ШР-1");
        EXPECT_EQ(cell(list.DBGrid1, processes().recNo() - 1, 2), "Заготовка корпуса ШР-1");
        EXPECT_EQ(listedPrice(8), "0.00") << "a process without operations costs 0";
        EXPECT_EQ(cell(list.DBGrid1, processes().recNo() - 1, 4), "0");
    });
    EXPECT_FALSE(processes().active());
}

// Operations added or removed in the editor show in the list's price once the editor closes,
// and the list stands on the edited process again.
TEST_F(ProcessListTest, PriceIsFreshAfterTheEditorCloses)
{
    withList([&](TForm4& list) {
        ASSERT_TRUE(processes().locate("id", 8));
        const int row = processes().recNo();
        host.once<TForm33>([&](TForm33& editor) {
            addOperation(editor, 1, "Резка", 1, "7,5");
            addOperation(editor, 2, "Гибка", 1, "2.25");
            editor.Button8->click(); // "Отмена": the operations are written already
        });
        list.Button2->click();
        EXPECT_EQ(processes().recNo(), row);
        EXPECT_EQ(processes().field("full_price").asDecimal(2), "9.75");

        host.once<TForm33>([&](TForm33& editor) {
            for (int i = 0; i < 2; ++i) {
                prompter.answerYes();
                editor.Button3->click();
            }
            editor.Button8->click();
        });
        list.DBGrid1->doubleClickRow(row - 1);
        EXPECT_EQ(processes().field("id").asInt(), 8);
        EXPECT_EQ(processes().field("full_price").asDecimal(2), "0.00");
    });
    EXPECT_EQ(operationsOf(8), "");
}

TEST_F(ProcessListTest, DeleteAsksAndOnYesDeletesTheProcessWithItsOperations)
{
    const QString question = QStringLiteral("Удалить строку (будет удалена вся спецификация ТП)?");
    for (const bool yes : {false, true}) {
        SCOPED_TRACE(yes ? "Yes" : "No");
        withList([&](TForm4& list) {
            ASSERT_TRUE(processes().locate("id", 7));
            const int row = processes().recNo();
            const int next = processes().fieldAt(row, "id").asInt();
            yes ? prompter.answerYes(question) : prompter.answerNo(question);
            list.Button3->click();
            EXPECT_EQ(prompter.last().title, "Удаление");
            EXPECT_EQ(processes().recNo(), row);
            EXPECT_EQ(processes().field("id").asInt(), yes ? next : 7);
        });
        EXPECT_EQ(value("select count(*) from mnf_proc_tech.proc_tech where id = 7"), yes ? "0" : "1");
        EXPECT_EQ(value("select count(*) from mnf_operation.operation where id_proc_tech = 7"), yes ? "0" : "3");
    }
}

TEST_F(ProcessListTest, SearchMatchesTheBeginningOfTheProductName)
{
    struct Case {
        const char* typed;
        QSet<int> ids;
    };
    const Case cases[] = {
        {"Шкаф", {4, 9}},
        {"шкаф р", {4}},        // case does not matter
        {"ШР-1", {}},           // inside the name, not at its beginning
        {"Заготовка", {1, 2, 3}},
        {"Кронштейн's", {}},    // a quote is just a character
    };
    withList([&](TForm4& list) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.typed);
            list.Edit1->setText(c.typed);
            EXPECT_EQ(listedIds(), c.ids);
        }
        // Nothing listed: "Изменить" and "Удалить" do nothing (no editor, no question).
        list.Button2->click();
        list.Button3->click();

        list.Edit1->setText("Заготовка");
        pressKey(list.Edit1, Qt::Key_Down);
        EXPECT_EQ(processes().recNo(), 2);
        EXPECT_EQ(list.DBGrid1->currentRow(), 1);
        list.Edit1->clear();
        EXPECT_EQ(processes().recordCount(), processCount());
    });
    EXPECT_TRUE(prompter.noMessages());
}

// Opened from the item list with a search text left from an earlier use, the list shows the
// processes whose product begins with that text instead of the item's.
TEST_F(ProcessListTest, ActivationAppliesALeftSearchTextOverTheItemFilter)
{
    withList([&](TForm4& list) { list.Edit1->setText("Шкаф"); });
    host.once<TForm3>([&](TForm3& items) {
        ASSERT_TRUE(DataModule6->inventory_items.locate("id", 9)); // its process is 1
        host.once<TForm4>([&](TForm4& list) {
            EXPECT_EQ(list.Tag, TForm4::kModeOfItem);
            EXPECT_EQ(listedIds(), (QSet<int>{4, 9}));
        });
        items.DBGridEh1->clickEllipsis(DataModule6->inventory_items.recNo() - 1, 11);
    });
    Form1->N3->trigger();
    EXPECT_EQ(Form4->Tag, 0);
}

TEST_F(ProcessListTest, TitleClicksToggleTheirSorts)
{
    struct Click {
        int column;
        const char* sort;
        int firstId;
    };
    // Each click sorts descending unless the current sort is descending already.
    const Click clicks[] = {
        {0, "id DESC, s_ii ASC", 9},
        {0, "id ASC", 1},
        {1, "s_ii DESC, id ASC", 9},  // "Шкаф ШР-1 в сборе с панелью"
        {3, "s_caption  ASC", 3},     // "Заготовка кронштейна КР-40"
        {4, "full_price DESC, s_ii, id ASC", 6},
        {2, "full_price DESC, s_ii, id ASC", 6}, // "Материал" does nothing
        {4, "full_price, s_ii, id ASC", 8},
    };
    withList([&](TForm4& list) {
        for (const Click& c : clicks) {
            SCOPED_TRACE(c.sort);
            list.DBGrid1->clickTitle(c.column);
            EXPECT_EQ(processes().sort(), c.sort);
            EXPECT_EQ(processes().fieldAt(0, "id").asInt(), c.firstId);
        }
    });
}

} // namespace
