// The line editor's refusals, its price checks and the product picker's filter.
#include "OrdersFixture.h"

namespace orderstest {
namespace {

class OrderLineEditorTest : public OrdersTest {
protected:
    // Opens the lines of the order from the menu-opened list and drives the line editor there.
    void withEditorOn(int orderId, const std::function<void(TForm44&)>& drive)
    {
        withOrderList([&](TForm41& list) {
            withLines(list, orderId, [&](TForm42& lines) { withLineEditor(lines, drive); });
        });
    }
};

TEST_F(OrderLineEditorTest, RefusalsShowTheirMessageAndWriteNothing)
{
    struct Case {
        const char* name;
        LineInput input;
        const char* message;
    };
    // Order 5 already holds a line with the rack.
    const Case cases[] = {
        {"no product", {0, "1", "100"}, "Все поля должны быть заполнены!"},
        {"no quantity", {kShelf, "  ", "100"}, "Все поля должны быть заполнены!"},
        {"no price", {kShelf, "1", ""}, "Все поля должны быть заполнены!"},
        {"product already in the order", {kRack, "1", "5000", kRal3005}, "Такая позиция есть в спецификации!"},
        {"painted product without colour", {kCabinet, "1", "2000"}, "Необходимо указать RAL!"},
        {"price not a number", {kShelf, "1", "1,2,3"}, "Неверное число в поле «Цена:»: 1,2,3"},
        {"quantity not a number", {kShelf, "1..5", "450"}, "Неверное число в поле «Количество:»: 1..5"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        prompter.clear();
        withEditorOn(5, [&](TForm44& editor) {
            fillLine(editor, c.input);
            editor.Button1->click();
            EXPECT_TRUE(prompter.lastIsError(QString::fromUtf8(c.message)));
            EXPECT_TRUE(editor.isVisible());
        });
        EXPECT_EQ(lineCount(5), 2);
    }
}

TEST_F(OrderLineEditorTest, SameProductIsAllowedInAnotherOrder)
{
    withEditorOn(7, [&](TForm44& editor) {
        fillLine(editor, {kRack, "2", "5000", kRal3005});
        editor.Button1->click();
        EXPECT_FALSE(editor.isVisible());
    });
    EXPECT_TRUE(prompter.noMessages());
    EXPECT_EQ(value("select concat_ws('|', id_ii, cnt, id_ral, id_gds) from mnf_app.app_spec where id_app_doc = 7"),
              "14|2|7|3");
}

TEST_F(OrderLineEditorTest, PriceAgainstCost)
{
    // The bracket costs 87.4.
    struct Case {
        const char* name;
        const char* price;
        int questions;       // "Цена ниже себестоимости! Принять цену?" asked
        bool answer;         // the answer given
        const char* stored;  // the price written, "" for none
    };
    const Case cases[] = {
        {"equal to the cost", "87,4", 0, false, "87.4000"},
        {"equal, written with a point", "87.40", 0, false, "87.4000"},
        {"one cent below, No", "87,39", 1, false, ""},
        {"one cent below, Yes", "87,39", 1, true, "87.3900"},
        {"zero", "0", 0, false, ""},
        {"zero with decimals", "0,00", 0, false, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        sql("delete from mnf_app.app_spec where id_app_doc = 7");
        prompter.clear();
        if (c.questions)
            c.answer ? prompter.answerYes("Цена ниже себестоимости! Принять цену?")
                     : prompter.answerNo("Цена ниже себестоимости! Принять цену?");
        withEditorOn(7, [&](TForm44& editor) {
            fillLine(editor, {kBracket, "5", c.price, kRal7024});
            EXPECT_EQ(editor.DBText1->text().replace(',', '.'), "87.4");
            editor.Button1->click();
            EXPECT_EQ(editor.isVisible(), *c.stored == '\0');
        });
        EXPECT_EQ(prompter.count(), c.questions);
        if (c.questions) {
            EXPECT_TRUE(prompter.lastIs(testsupport::ScriptedPrompter::MessageKind::Question, "Запрос",
                                        "Цена ниже себестоимости! Принять цену?"));
        }
        EXPECT_EQ(value("select coalesce(max(price)::text, '') from mnf_app.app_spec where id_app_doc = 7"), c.stored);
        if (*c.stored) {
            EXPECT_EQ(value("select cost_price from mnf_app.app_spec where id_app_doc = 7"), "87.4000");
        }
    }
}

TEST_F(OrderLineEditorTest, ProductWithoutProcessIsHiddenUntilSearchedAndThenRefused)
{
    const QString sharedSql = DataModule6->inventory_items.sql();
    withEditorOn(7, [&](TForm44& editor) {
        host.once<TForm3>([&](TForm3& list) {
            auto& items = DataModule6->inventory_items;
            EXPECT_FALSE(items.locate("id", kCableDuct)) << "offered although it has no process";
            EXPECT_FALSE(items.locate("id", 1)) << "a raw material is offered";
            EXPECT_TRUE(items.locate("id", kShelf));
            list.Edit1->setText("Короб");
            ASSERT_TRUE(items.locate("id", kCableDuct));
            list.Button2->click();
            EXPECT_TRUE(prompter.lastIsError("Техпроцесс не найден!"));
            EXPECT_TRUE(list.isVisible());
            list.Button8->click();
        });
        editor.Button5->click();
        EXPECT_EQ(editor.Edit2->text(), "");
        EXPECT_EQ(editor.ProductId, 0);
        EXPECT_EQ(editor.DBText1->text(), "");
        // The item list is itself again.
        EXPECT_EQ(Form3->Button2->text(), "Изменить");
        EXPECT_TRUE(Form3->Button1->isVisibleTo(Form3));
        EXPECT_FALSE(DataModule6->inventory_items.filtered());
        EXPECT_FALSE(DataModule6->inventory_items.active());
        EXPECT_EQ(DataModule6->inventory_items.sql(), sharedSql);
    });
    EXPECT_EQ(lineCount(7), 0);
}

} // namespace
} // namespace orderstest
