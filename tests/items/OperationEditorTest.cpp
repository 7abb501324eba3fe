// Operation editor: the proposed number, what an insert and an update write, the type picked in
// the operation type list, the results offered, deleting, and refused saves.
#include "items/ProcessScreens.h"

#include "reference/Unit8.h"

namespace {

const QString kFilled = QStringLiteral("Все поля должны быть заполнены!");

class OperationEditorTest : public processtest::ProcessScreensTest {
protected:
    // The price as shown (the workstation's decimal mark) read with a point.
    static QString shownPrice(const QString& text) { return QString(text).replace(QLatin1Char(','), QLatin1Char('.')); }
    // "Итого:" of the editor.
    static QString total(TForm33& editor) { return shownPrice(editor.price->text()); }
};

TEST_F(OperationEditorTest, NewOperationIsProposedTheHighestNumberPlusOne)
{
    struct Case {
        int process;
        const char* before; // SQL run first
        const char* proposed;
    };
    const Case cases[] = {
        {4, "", "5"},
        {8, "", "1"}, // no operations yet
        {7, "delete from mnf_operation.operation where id_proc_tech = 7 and orderby = 2", "4"}, // a gap stays
        {7, "delete from mnf_operation.operation where id_proc_tech = 7 and orderby = 3", "2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.process);
        if (*c.before)
            sql(c.before);
        withProcess(c.process, [&](TForm33& editor) {
            host.once<TForm10>([&](TForm10& operation) {
                EXPECT_EQ(operation.windowTitle(), "Операция (10)");
                EXPECT_EQ(operation.Tag, TForm10::kModeInsert);
                EXPECT_EQ(operation.Edit1->text(), c.proposed);
                EXPECT_TRUE(operation.Edit2->text().isEmpty());
                EXPECT_TRUE(operation.Edit3->text().isEmpty());
                EXPECT_FALSE(operation.cb_operation_state->hasValue());
                EXPECT_EQ(operation.HeldOperationTypeId, 0) << "a new operation starts without a type";
                operation.Button5->click();
            });
            editor.Button1->click();
        });
    }
}

// Only the results 0 and 1 are offered, whatever else the result table holds; the type comes from
// the operation type list in its pick mode, which is put back afterwards.
TEST_F(OperationEditorTest, InsertWritesThePickedTypeTheResultAndThePriceForTheProcessProduct)
{
    sql("insert into mnf_operation.operation_state (id, s_caption) values (2, 'Брак')");
    withProcess(8, [&](TForm33& editor) {
        EXPECT_TRUE(editor.price->text().isEmpty()) << "no operations: no total";
        host.once<TForm10>([&](TForm10& operation) {
            host.once<TForm8>([&](TForm8& types) {
                EXPECT_NE(types.Tag, 0);
                EXPECT_EQ(types.Caller10, &operation);
                EXPECT_TRUE(types.Button1->isHidden());
                EXPECT_TRUE(types.Button3->isHidden());
                EXPECT_TRUE(types.Button2->isDefault());
                EXPECT_TRUE(types.Edit1->isVisible());
                EXPECT_TRUE(types.Edit1->text().isEmpty());
                ASSERT_TRUE(DataModule6->operation_type.locate("id", 4));
                types.Button2->click();
            });
            operation.Button4->click();
            EXPECT_EQ(operation.Edit2->text(), "Покраска");
            EXPECT_EQ(operation.HeldOperationTypeId, 4);

            ASSERT_EQ(operation.cb_operation_state->count(), 2);
            EXPECT_EQ(operation.cb_operation_state->itemText(0), "Готовая продукция");
            EXPECT_EQ(operation.cb_operation_state->itemText(1), "Заготовки");
            operation.cb_operation_state->choose(0);
            operation.Edit3->setText("12,5");
            operation.Button3->click();
            EXPECT_FALSE(operation.isVisible());
        });
        editor.Button1->click();
        ASSERT_EQ(operations().recordCount(), 1);
        EXPECT_EQ(operations().field("s_type").asString(), "Покраска");
        EXPECT_EQ(operations().field("s_state").asString(), "Готовая продукция");
        EXPECT_EQ(total(editor), "12.5");
    });
    EXPECT_EQ(operationsOf(8), "1:4:0:12.50:18");
    EXPECT_FALSE(DataModule6->operation_type.active());
    EXPECT_EQ(Form8->Caller10, nullptr);
    EXPECT_FALSE(Form8->Button1->isHidden());
    EXPECT_FALSE(Form8->Button3->isHidden());
    EXPECT_FALSE(Form8->Edit1->isHidden());
    EXPECT_FALSE(Form8->Button2->isDefault());
}

TEST_F(OperationEditorTest, ChangeShowsTheOperationAndUpdatesItInPlace)
{
    withProcess(4, [&](TForm33& editor) {
        EXPECT_EQ(total(editor), "114.5");
        ASSERT_TRUE(operations().locate("orderby", 2)); // Покраска, finished product, 38.50
        const int row = operations().recNo();
        host.once<TForm10>([&](TForm10& operation) {
            EXPECT_EQ(operation.Tag, TForm10::kModeUpdate);
            EXPECT_EQ(operation.Edit1->text(), "2");
            EXPECT_EQ(operation.Edit2->text(), "Покраска");
            EXPECT_EQ(shownPrice(operation.Edit3->text()), "38.5");
            EXPECT_EQ(operation.cb_operation_state->currentText(), "Готовая продукция") << "result 0 is shown";
            EXPECT_EQ(operation.cb_operation_state->keyValue(), 0);
            operation.Edit1->setText("7");
            operation.cb_operation_state->choose(1);
            operation.Edit3->setText("40.25");
            operation.Button3->click();
        });
        editor.DBGrid1->doubleClickRow(row - 1);
        EXPECT_EQ(operations().recNo(), row);
        EXPECT_EQ(total(editor), "116.25");
    });
    EXPECT_EQ(operationsOf(4), "1:3:1:45.00:12 3:6:0:25.00:12 4:5:0:6.00:12 7:4:1:40.25:12");
}

TEST_F(OperationEditorTest, DeleteAsksAndOnYesDeletesTheOperation)
{
    const QString question = QStringLiteral("Удалить строку (будет удалена вся спецификация ТП)?");
    for (const bool yes : {false, true}) {
        SCOPED_TRACE(yes ? "Yes" : "No");
        withProcess(7, [&](TForm33& editor) {
            ASSERT_TRUE(operations().locate("orderby", 2));
            yes ? prompter.answerYes(question) : prompter.answerNo(question);
            editor.Button3->click();
            EXPECT_EQ(prompter.last().title, "Удаление");
            EXPECT_EQ(operations().recNo(), 2);
            EXPECT_EQ(operations().field("orderby").asInt(), yes ? 3 : 2);
            EXPECT_EQ(total(editor), yes ? "8" : "13");
        });
        EXPECT_EQ(operationsOf(7), yes ? "1:1:1:6.00:15 3:5:0:2.00:15" : "1:1:1:6.00:15 2:2:1:5.00:15 3:5:0:2.00:15");
    }
}

TEST_F(OperationEditorTest, RefusedSavesSayWhyAndWriteNothing)
{
    struct Case {
        const char* name;
        std::function<void(TForm10&)> spoil;
        QString message;
    };
    const Case cases[] = {
        {"no number", [](TForm10& o) { o.Edit1->setText("  "); }, kFilled},
        {"no type", [](TForm10& o) { o.Edit2->clear(); }, kFilled},
        {"no result", [](TForm10& o) { o.ShowResult(-1); }, kFilled},
        {"number not a number", [](TForm10& o) { o.Edit1->setText("1,2,3"); },
         QStringLiteral("Неверное число в поле «№ по порядку»: 1,2,3")},
        {"price not a number", [](TForm10& o) { o.Edit3->setText("1,2,3"); },
         QStringLiteral("Неверное число в поле «Цена»: 1,2,3")},
    };
    const std::string before = operationsOf(4);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        withProcess(4, [&](TForm33& editor) {
            host.once<TForm10>([&](TForm10& operation) {
                c.spoil(operation);
                operation.Button3->click();
                EXPECT_TRUE(prompter.lastIsError(c.message));
                EXPECT_TRUE(operation.isVisible());
            });
            editor.Button2->click();
        });
    }
    EXPECT_EQ(operationsOf(4), before);
}

} // namespace
