// The behaviour every list and card shares, on a small test screen over a table of its own.
#include "support/ScreenTest.h"
#include "support/TestDatabase.h"
#include "support/UserActions.h"

#include "platform/db/Command.h"
#include "platform/db/Dataset.h"
#include "platform/ui/Grid.h"
#include "platform/ui/LookupCombo.h"
#include "ui/CardScreen.h"
#include "ui/ListScreen.h"
#include "ui/Screen.h"

#include <QApplication>
#include <QKeyEvent>

using namespace testsupport;
using platform::db::Dataset;

namespace {

// A list screen declared the way the program's lists are.
class TestList : public platform::ui::Form {
public:
    TestList(platform::db::Connection& conn, ui::SearchKeys keys)
        : items(conn)
    {
        items.setSql("select id, s_caption, n from t_item order by id");
        DBGrid1 = new platform::ui::Grid(&items);
        DBGrid1->addColumn("s_caption", "Наименование");
        DBGrid1->addColumn("n", "Число");
        const ui::ListPanel panel = ui::buildListScreen(*this, DBGrid1, QSize(500, 300));
        Button1 = panel.add;
        Button2 = panel.change;
        Edit1 = panel.search;
        ui::installSearch(Edit1, items, "s_caption like '", "%'", keys);
        ui::installTitleSort(DBGrid1, {{"s_caption", "s_caption DESC, id ASC", "s_caption, id ASC"},
                                       {"n", "n DESC", "n ASC"}});
        QObject::connect(Button2, &QPushButton::clicked, this, [this] { ++changes; });
    }
    Dataset items;
    platform::ui::Grid* DBGrid1;
    QPushButton* Button1;
    QPushButton* Button2;
    QLineEdit* Edit1;
    int changes = 0;
};

class CommonBehaviourTest : public DbTest {
protected:
    void SetUp() override
    {
        DbTest::SetUp();
        db->adminTables("create table t_item (id int primary key, s_caption text, n int);"
                        "insert into t_item values (1, 'стол', 5), (2, 'Стул', 3), (3, 'шкаф', 9),"
                        " (4, 'ст''ойка', 1), (5, 'табурет', 7)");
    }
    QStringList captions(Dataset& ds)
    {
        QStringList result;
        for (int row = 0; row < ds.recordCount(); ++row)
            result << ds.fieldAt(row, "s_caption").asString();
        return result;
    }
    ScriptedUi ui;
};

TEST_F(CommonBehaviourTest, SearchFiltersLiterallyAndClearingShowsAll)
{
    TestList list(*conn, ui::SearchKeys::A);
    list.items.open();
    struct Case {
        QString typed;
        QStringList shown;
    };
    const std::vector<Case> cases = {
        {"ст", {"стол", "Стул", "ст'ойка"}}, // case-insensitive prefix
        {"СТО", {"стол"}},
        {"ст'", {"ст'ойка"}},               // a typed quote is just a character
        {"x", {}},
        {"", {"стол", "Стул", "шкаф", "ст'ойка", "табурет"}},
    };
    for (const Case& c : cases) {
        list.Edit1->setText(c.typed);
        EXPECT_EQ(captions(list.items), c.shown) << c.typed.toStdString();
    }
    EXPECT_TRUE(ui.prompter.noMessages());
}

TEST_F(CommonBehaviourTest, SearchKeysMoveTheListAndVariantASwallowsEditingKeys)
{
    for (const auto variant : {ui::SearchKeys::A, ui::SearchKeys::B}) {
        TestList list(*conn, variant);
        list.items.open();
        list.Edit1->setText("ст");
        list.Edit1->setCursorPosition(2);
        pressKey(list.Edit1, Qt::Key_Down);
        pressKey(list.Edit1, Qt::Key_Down);
        EXPECT_EQ(list.items.recNo(), 3);
        pressKey(list.Edit1, Qt::Key_Up);
        EXPECT_EQ(list.items.recNo(), 2);
        EXPECT_EQ(list.DBGrid1->currentRow(), 1);
        EXPECT_EQ(list.Edit1->text(), "ст");
        pressKey(list.Edit1, Qt::Key_Left);
        EXPECT_EQ(list.Edit1->cursorPosition(), variant == ui::SearchKeys::A ? 2 : 1);
        pressKey(list.Edit1, Qt::Key_Backspace);
        EXPECT_EQ(list.Edit1->text().size(), 1); // Backspace reaches the box in both variants
    }
}

TEST_F(CommonBehaviourTest, TitleClickTogglesAndTheFirstClickOnAnAscendingListSortsDescending)
{
    TestList list(*conn, ui::SearchKeys::A);
    list.items.open();
    list.items.setSort("n ASC");
    list.DBGrid1->clickTitle(0);
    EXPECT_EQ(list.items.sort(), "s_caption DESC, id ASC");
    EXPECT_EQ(captions(list.items).first(), "шкаф");
    list.DBGrid1->clickTitle(0);
    EXPECT_EQ(list.items.sort(), "s_caption, id ASC");
    list.DBGrid1->clickTitle(1); // the previous sort was ascending: descending now
    EXPECT_EQ(list.items.sort(), "n DESC");
    list.DBGrid1->clickTitle(1);
    EXPECT_EQ(list.items.sort(), "n ASC");
    EXPECT_EQ(ui::nextSort("n DESC", {"s_caption", "s_caption DESC", "s_caption ASC"}), "s_caption ASC");
}

TEST_F(CommonBehaviourTest, RefreshReturnsToTheRowAndKeepsTheSortOnlyWhenAsked)
{
    TestList list(*conn, ui::SearchKeys::A);
    list.items.open();
    list.items.setSort("n DESC");
    list.items.setRecNo(3);
    ui::refresh(list.items, true);
    EXPECT_EQ(list.items.sort(), "n DESC");
    EXPECT_EQ(list.items.recNo(), 3);
    EXPECT_EQ(list.items.field("s_caption").asString(), "стол");
    ui::refresh(list.items);
    EXPECT_EQ(list.items.sort(), "");
    EXPECT_EQ(list.items.recNo(), 3);
    EXPECT_EQ(list.items.field("s_caption").asString(), "шкаф");
}

TEST_F(CommonBehaviourTest, DeleteActsOnlyOnYesAndReturnsToTheRememberedRow)
{
    TestList list(*conn, ui::SearchKeys::A);
    list.items.open();
    auto del = [&] {
        platform::db::execute(*conn, "delete from t_item where id = :id", {{"id", list.items.field("id").asInt()}});
    };
    list.items.setRecNo(2);
    ui.prompter.answerNo("Удалить строку?");
    EXPECT_FALSE(ui::deleteRow(list.items, del));
    EXPECT_EQ(list.items.recordCount(), 5);
    EXPECT_EQ(list.items.recNo(), 2);
    EXPECT_EQ(ui.prompter.last().title, "Удаление");

    ui.prompter.answerYes();
    EXPECT_TRUE(ui::deleteRow(list.items, del));
    EXPECT_EQ(captions(list.items), QStringList({"стол", "шкаф", "ст'ойка", "табурет"}));
    EXPECT_EQ(list.items.recNo(), 2); // the next row takes the deleted row's place

    list.items.last();
    ui.prompter.answerYes();
    ui::deleteRow(list.items, del);
    EXPECT_EQ(list.items.recNo(), 3); // the last row went: the new last row
}

TEST_F(CommonBehaviourTest, DoubleClickDoesWhatChangeDoes)
{
    TestList list(*conn, ui::SearchKeys::A);
    list.items.open();
    list.DBGrid1->doubleClickRow(1);
    EXPECT_EQ(list.changes, 1);
    EXPECT_EQ(list.items.recNo(), 2);
}

TEST_F(CommonBehaviourTest, CardRequiresItsFieldsAndFiltersNumbers)
{
    platform::ui::Form card;
    ui::CardBuilder builder(card, "Данные");
    QLineEdit* name = builder.addEdit("Наименование");
    QLineEdit* price = builder.addEdit("Цена");
    QLineEdit* qty = builder.addEdit("Кол-во");
    QLineEdit* count = builder.addEdit("Штук");
    builder.finish(QSize(300, 200));
    name->setText("   ");
    EXPECT_FALSE(ui::requireFilled({name, price}));
    EXPECT_TRUE(ui.prompter.lastIsError("Все поля должны быть заполнены!"));
    name->setText(" a ");
    price->setText("1");
    EXPECT_TRUE(ui::requireFilled({name, price}));

    ui::installNumberFilter(price, ui::NumberEntry::Decimal);
    ui::installNumberFilter(qty, ui::NumberEntry::DecimalComma);
    ui::installNumberFilter(count, ui::NumberEntry::Integer);
    for (QLineEdit* e : {price, qty, count}) {
        e->clear();
        for (const QString ch : {"1", "x", ".", "2", ",", "-", "5"})
            pressKey(e, 0, ch);
    }
    EXPECT_EQ(price->text(), "1.2,5");
    EXPECT_EQ(qty->text(), "1,2,5");
    EXPECT_EQ(count->text(), "125");
}

TEST_F(CommonBehaviourTest, WheelOverTheCardMovesTheFocusedLookup)
{
    Dataset list(*conn);
    list.setSql("select id, s_caption from t_item order by id");
    list.open();
    platform::ui::Form card;
    ui::CardBuilder builder(card, "Данные");
    platform::ui::LookupCombo* combo = builder.addLookup("Позиция");
    QLineEdit* other = builder.addEdit("Прочее");
    builder.finish(QSize(300, 200));
    combo->setList(&list, "id", "s_caption");
    combo->setKeyValue(2);
    ui::installWheelKeys(card, {combo});
    card.show();
    combo->setFocus();
    QApplication::processEvents();
    ASSERT_TRUE(combo->hasFocus());
    QWheelEvent down(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                     Qt::NoScrollPhase, false);
    QApplication::sendEvent(other, &down);
    EXPECT_EQ(combo->keyValue(), 3);
    QWheelEvent up(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                   Qt::NoScrollPhase, false);
    QApplication::sendEvent(other, &up);
    EXPECT_EQ(combo->keyValue(), 2);
}

} // namespace
