// Operation types list and card: what the user sees, what reaches the database (texts trimmed),
// and the picker's hand-back to the operation editor.
#include "app/Unit1.h"
#include "data/Unit6.h"
#include "reference/Unit8.h"
#include "reference/Unit9.h"
#include "support/AppFixture.h"
#include "support/UserActions.h"

#include <QApplication>
#include <QKeyEvent>
#include <functional>

using testsupport::cell;
using testsupport::pressKey;

namespace {

using platform::ui::mrOk;

const QString kFilled = QStringLiteral("Все поля должны быть заполнены!");

// Stands in for the operation editor: its type box and the held operation type id.
struct OperationEditorStandIn : OperationTypePickCaller {
    QLineEdit Edit2;
    int heldOperationTypeId = 0;
    QLineEdit* pickTypeBox() override { return &Edit2; }
    void pickSetHeldOperationTypeId(int id) override { heldOperationTypeId = id; }
};

class OperationTypesTest : public testsupport::DemoAppTest {
protected:
    platform::db::Dataset& types() { return DataModule6->operation_type; }

    void withList(const std::function<void(TForm8&)>& drive)
    {
        host.once<TForm8>([drive](TForm8& list) { drive(list); });
        Form1->N6->trigger();
    }
    int select(int id)
    {
        EXPECT_TRUE(types().locate("id", id)) << "operation type " << id << " not listed";
        return types().recNo();
    }
    int count() const { return value("select count(*) from mnf_operation.operation_type").toInt(); }
    QString stored(const QString& where) const
    {
        return value("select concat('[', s_caption, ']|[', s_description, ']') from mnf_operation.operation_type where "
                     + where);
    }
};

TEST_F(OperationTypesTest, ListShowsTypesAndSearchMovesIt)
{
    withList([&](TForm8& list) {
        EXPECT_EQ(list.windowTitle(), "Операции");
        EXPECT_FALSE(list.windowFlags() & Qt::WindowCloseButtonHint) << "left only through \"Выход\"";
        const QStringList titles{"Операции", "Описание"};
        ASSERT_EQ(list.DBGrid1->model()->columnCount(), titles.size());
        for (int c = 0; c < titles.size(); ++c)
            EXPECT_EQ(list.DBGrid1->model()->headerData(c, Qt::Horizontal).toString(), titles[c]);
        EXPECT_EQ(types().recordCount(), count());
        const int row = select(4) - 1;
        EXPECT_EQ(cell(list.DBGrid1, row, 0), "Покраска");
        EXPECT_EQ(cell(list.DBGrid1, row, 1), "Порошковая окраска с полимеризацией");

        list.Edit1->setText("с"); // Сборка, Сварка
        EXPECT_EQ(types().recordCount(), 2);
        pressKey(list.Edit1, Qt::Key_Down);
        EXPECT_EQ(types().field("s_caption").asString(), "Сварка");
        EXPECT_EQ(list.DBGrid1->currentRow(), 1);
        pressKey(list.Edit1, Qt::Key_Up);
        EXPECT_EQ(types().field("s_caption").asString(), "Сборка");
        list.Edit1->clear();
        EXPECT_EQ(types().recordCount(), count());
    });
    EXPECT_FALSE(types().active());
}

TEST_F(OperationTypesTest, AddStoresTrimmedTextsAndNeedsOnlyTheName)
{
    struct Case {
        const char* name;
        const char* description;
        const char* stored;
    };
    const Case cases[] = {
        {"  Шлифовка ", " Шлифовка кромок  ", "[Шлифовка]|[Шлифовка кромок]"},
        {"Шлифовка", "   ", "[Шлифовка]|[]"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.description);
        sql("delete from mnf_operation.operation_type where s_caption = 'Шлифовка'");
        withList([&](TForm8& list) {
            types().setRecNo(4);
            host.once<TForm9>([&](TForm9& card) {
                EXPECT_EQ(card.windowTitle(), "Ведение оераций");
                EXPECT_EQ(card.Tag, 1);
                card.Edit1->setText(c.name);
                card.Edit2->setText(c.description);
                card.Button1->click();
                EXPECT_FALSE(card.isVisible());
            });
            list.Button1->click();
            EXPECT_EQ(types().recNo(), 1) << "after an add the list starts at its first row";
            EXPECT_TRUE(types().locate("s_caption", "Шлифовка"));
        });
        EXPECT_EQ(stored("s_caption = 'Шлифовка'"), c.stored);
    }
}

TEST_F(OperationTypesTest, NameIsRequired)
{
    const int before = count();
    withList([&](TForm8& list) {
        for (const char* typed : {"", "   "}) {
            host.once<TForm9>([&](TForm9& card) {
                card.Edit1->setText(typed);
                card.Edit2->setText("описание");
                card.Button1->click();
                EXPECT_TRUE(prompter.lastIsError(kFilled));
                EXPECT_TRUE(card.isVisible());
            });
            list.Button1->click();
        }
    });
    EXPECT_EQ(count(), before);
}

TEST_F(OperationTypesTest, ChangeShowsTheRowUpdatesItAndReturnsToIt)
{
    struct Case {
        const char* name;
        bool doubleClick;
        bool save;
        const char* stored;
    };
    const Case cases[] = {
        {"button", false, true, "[Покраска]|[Окраска порошком]"},
        {"double click", true, true, "[Покраска]|[Окраска порошком]"},
        {"cancel", false, false, "[Покраска ]|[ Порошковая окраска]"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        sql("update mnf_operation.operation_type set s_caption = 'Покраска ', s_description = ' Порошковая окраска' "
            "where id = 4");
        withList([&](TForm8& list) {
            const int row = select(4);
            ASSERT_GT(row, 1);
            host.once<TForm9>([&](TForm9& card) {
                EXPECT_EQ(card.Tag, 2);
                EXPECT_EQ(card.Edit1->text(), "Покраска");
                EXPECT_EQ(card.Edit2->text(), "Порошковая окраска");
                card.Edit1->setText(" Покраска  ");
                card.Edit2->setText(" Окраска порошком ");
                (c.save ? card.Button1 : card.Button2)->click();
            });
            if (c.doubleClick)
                list.DBGrid1->doubleClickRow(row - 1);
            else
                list.Button2->click();
            EXPECT_EQ(types().recNo(), row);
            EXPECT_EQ(list.DBGrid1->currentRow(), row - 1);
            EXPECT_EQ(types().field("id").asInt(), 4);
        });
        EXPECT_EQ(stored("id = 4"), c.stored);
    }
}

TEST_F(OperationTypesTest, CardStartsEmptyForAnAddAfterAChange)
{
    withList([&](TForm8& list) {
        select(3);
        host.once<TForm9>([&](TForm9& card) {
            EXPECT_EQ(card.Edit1->text(), "Сварка");
            card.Button2->click();
        });
        list.Button2->click();
        host.once<TForm9>([&](TForm9& card) {
            EXPECT_EQ(card.Tag, 1);
            EXPECT_TRUE(card.Edit1->text().isEmpty());
            EXPECT_TRUE(card.Edit2->text().isEmpty());
            card.Edit1->setText("Правка");
            card.Button1->click();
        });
        list.Button1->click();
    });
    EXPECT_EQ(stored("s_caption = 'Правка'"), "[Правка]|[]");
    EXPECT_EQ(stored("id = 3"), "[Сварка]|[Полуавтоматическая сварка]");
}

TEST_F(OperationTypesTest, DeleteAsksAndOnYesDeletesKeepingTheRowNumber)
{
    sql("insert into mnf_operation.operation_type (s_caption, s_description) values ('Контроль', '')");
    for (const bool yes : {false, true}) {
        SCOPED_TRACE(yes ? "Yes" : "No");
        withList([&](TForm8& list) {
            ASSERT_TRUE(types().locate("s_caption", "Контроль"));
            const int row = types().recNo();
            const QString next = types().fieldAt(row, "s_caption").asString();
            yes ? prompter.answerYes("Удалить строку?") : prompter.answerNo("Удалить строку?");
            list.Button3->click();
            EXPECT_EQ(prompter.last().title, "Удаление");
            EXPECT_EQ(types().recNo(), row);
            EXPECT_EQ(types().field("s_caption").asString(), yes ? next : "Контроль");
        });
        EXPECT_EQ(value("select count(*) from mnf_operation.operation_type where s_caption = 'Контроль'"),
                  yes ? "0" : "1");
    }
}

TEST_F(OperationTypesTest, DeleteRefusedByTheDatabaseShowsItsMessageAndKeepsTheList)
{
    const int before = count();
    withList([&](TForm8& list) {
        const int row = select(1); // Резка: operations of processes use it
        prompter.answerYes();
        list.Button3->click();
        EXPECT_EQ(prompter.last().kind, platform::ui::MessageKind::Error);
        EXPECT_TRUE(prompter.last().text.contains("foreign key")) << prompter.last().text.toStdString();
        EXPECT_EQ(types().recordCount(), before);
        EXPECT_EQ(types().recNo(), row);
        EXPECT_EQ(types().field("id").asInt(), 1);
    });
    EXPECT_EQ(count(), before);
}

TEST_F(OperationTypesTest, NameWithQuoteAndSemicolonRoundTripsIntoTheList)
{
    const QString name = QStringLiteral("Резка 'в размер'; drop table mnf_operation.operation_type; --");
    const QString description = QString(4000, QChar(u'д'));
    withList([&](TForm8& list) {
        host.once<TForm9>([&](TForm9& card) {
            card.Edit1->setText(name);
            card.Edit2->setText(description + "лишнее"); // no more than the column holds
            card.Button1->click();
        });
        list.Button1->click();
        ASSERT_TRUE(types().locate("s_caption", name));
        EXPECT_EQ(cell(list.DBGrid1, types().recNo() - 1, 0), name);
        EXPECT_EQ(cell(list.DBGrid1, types().recNo() - 1, 1), description);
    });
    EXPECT_TRUE(prompter.noMessages());
}

// The operation editor opens the list with a non-zero Tag: "Изменить" or a double click hands
// the trimmed caption and the id back and closes the list at once, its row unmoved.
TEST_F(OperationTypesTest, PickHandsTheTypeToTheOperationEditor)
{
    sql("update mnf_operation.operation_type set s_caption = ' Покраска  ' where id = 4");
    for (const bool doubleClick : {false, true}) {
        SCOPED_TRACE(doubleClick ? "double click" : "button");
        OperationEditorStandIn editor;
        Form8->Tag = 1;
        Form8->Caller10 = &editor;
        types().open();
        int row = 0;
        host.once<TForm8>([&](TForm8& list) {
            row = select(4);
            if (doubleClick)
                list.DBGrid1->doubleClickRow(row - 1);
            else
                list.Button2->click();
            EXPECT_FALSE(list.isVisible());
        });
        EXPECT_EQ(Form8->showModal(), mrOk);
        EXPECT_EQ(types().recNo(), row);
        types().close();
        Form8->Caller10 = nullptr;
        EXPECT_EQ(editor.Edit2.text(), "Покраска");
        EXPECT_EQ(editor.heldOperationTypeId, 4);
    }
    EXPECT_EQ(host.shows<TForm9>(), 0);
}

} // namespace
