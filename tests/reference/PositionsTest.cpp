// Positions list and position card: what reaches the database and where the list stands after
// each action.
#include "app/Unit1.h"
#include "data/Unit6.h"
#include "reference/Unit26.h"
#include "reference/Unit27.h"
#include "support/AppFixture.h"
#include "support/UserActions.h"

#include <QApplication>
#include <QKeyEvent>
#include <functional>

using testsupport::cell;
using testsupport::pressKey;

namespace {

class PositionsTest : public testsupport::DemoAppTest {
protected:
    platform::db::Dataset& positions() { return DataModule6->staffpos; }

    void withList(const std::function<void(TForm26&)>& drive)
    {
        host.once<TForm26>([drive](TForm26& list) { drive(list); });
        Form1->N8->trigger();
    }
    int select(int id)
    {
        EXPECT_TRUE(positions().locate("id", id)) << "position " << id << " not listed";
        return positions().recNo();
    }
    int count() const { return value("select count(*) from hrms_staffpos.staffpos").toInt(); }
    // "caption|description|department" of the position.
    QString stored(const QString& where) const
    {
        return value("select s_caption || '|' || s_description || '|' || id_department from hrms_staffpos.staffpos "
                     "where "
                     + where);
    }
};

TEST_F(PositionsTest, ListShowsPositionsWithTheirDepartment)
{
    withList([&](TForm26& list) {
        EXPECT_EQ(list.windowTitle(), "Должности");
        const QStringList titles{"Наименование", "Описание", "Подразделение"};
        ASSERT_EQ(list.DBGrid1->model()->columnCount(), titles.size());
        for (int c = 0; c < titles.size(); ++c)
            EXPECT_EQ(list.DBGrid1->model()->headerData(c, Qt::Horizontal).toString(), titles[c]);
        EXPECT_EQ(positions().recordCount(), count());
        const int row = select(8) - 1;
        EXPECT_EQ(cell(list.DBGrid1, row, 0), "Кладовщик");
        EXPECT_EQ(cell(list.DBGrid1, row, 2), "Склад сырья");
    });
    EXPECT_FALSE(positions().active());
}

TEST_F(PositionsTest, AddStoresTrimmedTextsAndTheDepartment)
{
    struct Case {
        const char* name;
        qint64 department;
        const char* stored;
        bool listed; // a position without department is missing from the list
    };
    const Case cases[] = {
        {"with a department", 4, "Шлифовщик|Зачистка швов|4", true},
        {"without a department", 0, "Шлифовщик|Зачистка швов|0", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        sql("delete from hrms_staffpos.staffpos where s_caption = 'Шлифовщик'");
        withList([&](TForm26& list) {
            positions().setRecNo(4);
            host.once<TForm27>([&](TForm27& card) {
                EXPECT_EQ(card.windowTitle(), "Ведение должностей");
                EXPECT_EQ(card.Tag, 1);
                EXPECT_TRUE(card.Edit1->text().isEmpty());
                card.Edit1->setText(" Шлифовщик  ");
                card.Edit2->setText("  Зачистка швов ");
                card.p_department->setKeyValue(c.department);
                card.Button1->click();
                EXPECT_FALSE(card.isVisible());
            });
            list.Button1->click();
            EXPECT_EQ(positions().recNo(), 1) << "after an add the list starts at its first row";
            EXPECT_EQ(positions().locate("s_caption", "Шлифовщик"), c.listed);
        });
        EXPECT_EQ(stored("s_caption like 'Шлифовщик%'"), c.stored);
    }
}

TEST_F(PositionsTest, NameWithQuoteAndSemicolonRoundTripsIntoTheList)
{
    const QString name = QStringLiteral("Мастер 'золотые руки'; drop table x; --");
    withList([&](TForm26& list) {
        host.once<TForm27>([&](TForm27& card) {
            card.Edit1->setText(name);
            card.p_department->setKeyValue(2);
            card.Button1->click();
        });
        list.Button1->click();
        ASSERT_TRUE(positions().locate("s_caption", name));
        EXPECT_EQ(cell(list.DBGrid1, positions().recNo() - 1, 0), name);
        EXPECT_EQ(cell(list.DBGrid1, positions().recNo() - 1, 2), "Производственный цех");
    });
    EXPECT_TRUE(prompter.noMessages());
}

TEST_F(PositionsTest, NameIsTheOnlyRequiredField)
{
    const int before = count();
    withList([&](TForm26& list) {
        for (const char* typed : {"", "  "}) {
            host.once<TForm27>([&](TForm27& card) {
                card.Edit1->setText(typed);
                card.Edit2->setText("описание");
                card.p_department->setKeyValue(2);
                card.Button1->click();
                EXPECT_TRUE(prompter.lastIsError("Все поля должны быть заполнены!"));
                EXPECT_TRUE(card.isVisible());
            });
            list.Button1->click();
        }
    });
    EXPECT_EQ(count(), before);
}

TEST_F(PositionsTest, ChangeShowsTheRowUpdatesItAndReturnsToIt)
{
    struct Case {
        const char* name;
        bool doubleClick;
        bool save;
        const char* stored;
    };
    const Case cases[] = {
        {"button", false, true, "Маляр|Окраска и сушка|2"},
        {"double click", true, true, "Маляр|Окраска и сушка|2"},
        {"cancel", false, false, "Маляр|Порошковая окраска|4"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        sql("update hrms_staffpos.staffpos set s_description = 'Порошковая окраска', id_department = 4 where id = 6");
        withList([&](TForm26& list) {
            const int row = select(6);
            ASSERT_GT(row, 1);
            host.once<TForm27>([&](TForm27& card) {
                EXPECT_EQ(card.Tag, 0);
                EXPECT_EQ(card.Edit1->text(), "Маляр");
                EXPECT_EQ(card.Edit2->text(), "Порошковая окраска");
                EXPECT_EQ(card.p_department->currentText(), "Участок покраски");
                card.Edit2->setText(" Окраска и сушка ");
                card.p_department->setKeyValue(2);
                (c.save ? card.Button1 : card.Button2)->click();
            });
            if (c.doubleClick)
                list.DBGrid1->doubleClickRow(row - 1);
            else
                list.Button2->click();
            EXPECT_EQ(positions().recNo(), row);
            EXPECT_EQ(list.DBGrid1->currentRow(), row - 1);
            EXPECT_EQ(positions().field("id").asInt(), 6);
            EXPECT_EQ(positions().field("s_dep").asString(), c.save ? "Производственный цех" : "Участок покраски")
                << "the list shows the change";
        });
        EXPECT_EQ(stored("id = 6"), c.stored);
    }
}

TEST_F(PositionsTest, DeleteAsksAndOnYesDeletesKeepingTheRowNumber)
{
    sql("insert into hrms_staffpos.staffpos (s_caption, s_description, id_department) values ('Контролёр', '', 4)");
    for (const bool yes : {false, true}) {
        SCOPED_TRACE(yes ? "Yes" : "No");
        withList([&](TForm26& list) {
            ASSERT_TRUE(positions().locate("s_caption", "Контролёр"));
            const int row = positions().recNo();
            const QString next = positions().fieldAt(row, "s_caption").asString();
            yes ? prompter.answerYes("Удалить строку?") : prompter.answerNo("Удалить строку?");
            list.Button3->click();
            EXPECT_EQ(prompter.last().title, "Удаление");
            EXPECT_EQ(positions().recNo(), row);
            EXPECT_EQ(positions().field("s_caption").asString(), yes ? next : "Контролёр");
        });
        EXPECT_EQ(value("select count(*) from hrms_staffpos.staffpos where s_caption = 'Контролёр'"), yes ? "0" : "1");
    }
}

TEST_F(PositionsTest, DeleteRefusedByTheDatabaseShowsItsMessageAndKeepsTheList)
{
    const int before = count();
    withList([&](TForm26& list) {
        const int row = select(3); // Резчик: workers hold it
        prompter.answerYes();
        list.Button3->click();
        EXPECT_EQ(prompter.last().kind, platform::ui::MessageKind::Error);
        EXPECT_TRUE(prompter.last().text.contains("foreign key")) << prompter.last().text.toStdString();
        EXPECT_EQ(positions().recordCount(), before);
        EXPECT_EQ(positions().recNo(), row);
        EXPECT_EQ(positions().field("id").asInt(), 3);
    });
    EXPECT_EQ(count(), before);
}

TEST_F(PositionsTest, SearchFiltersByCaptionStartAndUpDownMoveTheList)
{
    withList([&](TForm26& list) {
        list.Edit1->setText("м"); // Маляр, Мастер смены, two managers
        EXPECT_EQ(positions().recordCount(), 4);
        pressKey(list.Edit1, Qt::Key_Down);
        pressKey(list.Edit1, Qt::Key_Down);
        EXPECT_EQ(positions().recNo(), 3);
        EXPECT_EQ(list.DBGrid1->currentRow(), 2);
        pressKey(list.Edit1, Qt::Key_Up);
        EXPECT_EQ(positions().recNo(), 2);
        EXPECT_EQ(positions().field("s_caption").asString(), "Мастер смены");
        list.Edit1->clear();
        EXPECT_EQ(positions().recordCount(), count());
    });
}

} // namespace
