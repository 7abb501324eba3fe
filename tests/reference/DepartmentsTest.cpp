// Departments list and department card: parent and warehouse kind, what reaches the database,
// where the list stands after each action.
#include "app/Unit1.h"
#include "data/Unit6.h"
#include "reference/Unit30.h"
#include "reference/Unit31.h"
#include "support/AppFixture.h"
#include "support/UserActions.h"

#include <QApplication>
#include <QKeyEvent>
#include <functional>

using testsupport::cell;
using testsupport::pressKey;

namespace {

class DepartmentsTest : public testsupport::DemoAppTest {
protected:
    platform::db::Dataset& departments() { return DataModule6->department; }

    void withList(const std::function<void(TForm30&)>& drive)
    {
        host.once<TForm30>([drive](TForm30& list) { drive(list); });
        Form1->N19->trigger();
    }
    int select(int id)
    {
        EXPECT_TRUE(departments().locate("id", id)) << "department " << id << " not listed";
        return departments().recNo();
    }
    int count() const { return value("select count(*) from cmn_department.department").toInt(); }
    // "caption|description|parent|type|type text" of the department.
    QString stored(const QString& where) const
    {
        return value("select s_caption || '|' || s_description || '|' || id_parent || '|' || type || '|' || s_type "
                     "from cmn_department.department where "
                     + where);
    }
};

TEST_F(DepartmentsTest, ListShowsEveryDepartmentWithParentAndKind)
{
    withList([&](TForm30& list) {
        EXPECT_EQ(list.windowTitle(), "Подразделения (30)");
        const QStringList titles{"Наименование", "Примечание", "Род.  подразделение", "Тип склада"};
        ASSERT_EQ(list.DBGrid1->model()->columnCount(), titles.size());
        for (int c = 0; c < titles.size(); ++c)
            EXPECT_EQ(list.DBGrid1->model()->headerData(c, Qt::Horizontal).toString(), titles[c]);
        EXPECT_TRUE(list.Button5->isDefault());
        EXPECT_EQ(departments().recordCount(), count()) << "departments without parent are listed through row 0";
        int row = select(6) - 1;
        EXPECT_EQ(cell(list.DBGrid1, row, 0), "Склад заготовок");
        EXPECT_EQ(cell(list.DBGrid1, row, 2), "Производственный цех");
        EXPECT_EQ(cell(list.DBGrid1, row, 3), "Склад заготовок");
        row = select(1) - 1;
        EXPECT_EQ(cell(list.DBGrid1, row, 2), "");
    });
    EXPECT_FALSE(departments().active());
}

TEST_F(DepartmentsTest, AddStoresTrimmedTextsParentAndKindTogether)
{
    struct Case {
        const char* name;
        std::function<void(TForm31&)> choose;
        const char* stored;
    };
    const Case cases[] = {
        {"no parent, not a store", [](TForm31& c) { c.p_department->setKeyValue(0); }, "Литейка|Отливки|0|-1|"},
        {"store checked: finished goods",
         [](TForm31& c) {
             c.CheckBox1->click();
             EXPECT_TRUE(c.type_combo->isEnabled());
             EXPECT_TRUE(c.type_label->isEnabled());
         },
         "Литейка|Отливки|0|0|Склад ГП"},
        {"raw materials under the shop",
         [](TForm31& c) {
             c.CheckBox1->click();
             c.type_combo->setCurrentIndex(2);
             c.p_department->setKeyValue(2);
         },
         "Литейка|Отливки|2|2|Склад сырья"},
        {"checked, then unchecked",
         [](TForm31& c) {
             c.p_department->setKeyValue(0);
             c.CheckBox1->click();
             c.type_combo->setCurrentIndex(1);
             c.CheckBox1->click();
             EXPECT_EQ(c.type_combo->currentIndex(), -1);
             EXPECT_FALSE(c.type_combo->isEnabled());
             EXPECT_FALSE(c.type_label->isEnabled());
         },
         "Литейка|Отливки|0|-1|"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        sql("delete from cmn_department.department where s_caption = 'Литейка'");
        withList([&](TForm30& list) {
            departments().setRecNo(5);
            host.once<TForm31>([&](TForm31& card) {
                EXPECT_EQ(card.windowTitle(), "Ведение подразделений (31)");
                EXPECT_EQ(card.Tag, 1);
                EXPECT_TRUE(card.Edit1->text().isEmpty());
                EXPECT_FALSE(card.CheckBox1->isChecked());
                EXPECT_EQ(card.type_combo->currentIndex(), -1);
                EXPECT_FALSE(card.type_combo->isEnabled());
                card.Edit1->setText("  Литейка ");
                card.Edit2->setText(" Отливки  ");
                c.choose(card);
                card.Button1->click();
                EXPECT_FALSE(card.isVisible());
            });
            list.Button5->click();
            EXPECT_EQ(departments().recNo(), 1) << "after an add the list starts at its first row";
            EXPECT_TRUE(departments().locate("s_caption", "Литейка")) << "listed, also without a parent";
        });
        EXPECT_EQ(stored("s_caption like 'Литейка%'"), c.stored);
    }
}

TEST_F(DepartmentsTest, NameWithQuoteAndSemicolonRoundTripsIntoTheList)
{
    const QString name = QStringLiteral("Цех «Б'»; drop table x; --");
    withList([&](TForm30& list) {
        host.once<TForm31>([&](TForm31& card) {
            card.Edit1->setText(name);
            card.Edit2->setText("it's; fine");
            card.Button1->click();
        });
        list.Button5->click();
        ASSERT_TRUE(departments().locate("s_caption", name));
        EXPECT_EQ(cell(list.DBGrid1, departments().recNo() - 1, 0), name);
        EXPECT_EQ(cell(list.DBGrid1, departments().recNo() - 1, 1), "it's; fine");
    });
    EXPECT_TRUE(prompter.noMessages());
}

TEST_F(DepartmentsTest, NameIsTheOnlyRequiredField)
{
    const int before = count();
    withList([&](TForm30& list) {
        for (const char* typed : {"", "   "}) {
            host.once<TForm31>([&](TForm31& card) {
                card.Edit1->setText(typed);
                card.Edit2->setText("примечание");
                card.Button1->click();
                EXPECT_TRUE(prompter.lastIsError("Все поля должны быть заполнены!"));
                EXPECT_TRUE(card.isVisible());
            });
            list.Button5->click();
        }
        EXPECT_EQ(count(), before);
        host.once<TForm31>([&](TForm31& card) {
            card.Edit1->setText("Гараж");
            card.p_department->setKeyValue(0);
            card.Button1->click();
        });
        list.Button5->click();
    });
    EXPECT_EQ(stored("s_caption = 'Гараж'"), "Гараж||0|-1|");
}

TEST_F(DepartmentsTest, ChangeShowsTheRowUpdatesItAndReturnsToIt)
{
    struct Case {
        const char* name;
        bool doubleClick;
        std::function<void(TForm31&)> edit;
        const char* stored;
    };
    const Case cases[] = {
        {"uncheck the store", false, [](TForm31& c) { c.CheckBox1->click(); },
         "Склад заготовок|Заготовки собственного производства|2|-1|"},
        {"raw materials", true, [](TForm31& c) { c.type_combo->setCurrentIndex(2); },
         "Склад заготовок|Заготовки собственного производства|2|2|Склад сырья"},
        {"its own parent", false, [](TForm31& c) { c.p_department->setKeyValue(6); },
         "Склад заготовок|Заготовки собственного производства|6|1|Склад заготовок"},
        {"cancel", true, [](TForm31& c) { c.Button2->click(); },
         "Склад заготовок| Заготовки собственного производства |2|1|Склад заготовок"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        sql("update cmn_department.department set id_parent = 2, type = 1, s_type = 'Склад заготовок', "
            "s_description = ' Заготовки собственного производства ' where id = 6");
        withList([&](TForm30& list) {
            const int row = select(6);
            host.once<TForm31>([&](TForm31& card) {
                EXPECT_EQ(card.Tag, 0);
                EXPECT_EQ(card.Edit1->text(), "Склад заготовок");
                EXPECT_EQ(card.Edit2->text(), "Заготовки собственного производства") << "trimmed";
                EXPECT_TRUE(card.CheckBox1->isChecked());
                EXPECT_EQ(card.type_combo->currentIndex(), 1);
                EXPECT_TRUE(card.type_combo->isEnabled());
                EXPECT_TRUE(card.type_label->isEnabled());
                EXPECT_EQ(card.p_department->currentText(), "Производственный цех");
                c.edit(card);
                if (card.isVisible())
                    card.Button1->click();
            });
            if (c.doubleClick)
                list.DBGrid1->doubleClickRow(row - 1);
            else
                list.Button2->click();
            EXPECT_EQ(departments().recNo(), row);
            EXPECT_EQ(list.DBGrid1->currentRow(), row - 1);
            EXPECT_EQ(departments().field("id").asInt(), 6);
            EXPECT_EQ(departments().field("s_caption").asString() + "|" + departments().field("s_description").asString()
                          + "|" + departments().field("id_parent").asString() + "|" + departments().field("type").asString()
                          + "|" + departments().field("s_type").asString(),
                      QString::fromUtf8(c.stored))
                << "the list shows the change";
        });
        EXPECT_EQ(stored("id = 6"), c.stored);
    }
}

TEST_F(DepartmentsTest, DeleteAsksAndOnYesDeletesKeepingTheRowNumber)
{
    sql("insert into cmn_department.department (s_caption, s_description) values ('Бокс', '')");
    for (const bool yes : {false, true}) {
        SCOPED_TRACE(yes ? "Yes" : "No");
        withList([&](TForm30& list) {
            ASSERT_TRUE(departments().locate("s_caption", "Бокс"));
            const int row = departments().recNo();
            const QString next = departments().fieldAt(row, "s_caption").asString();
            yes ? prompter.answerYes("Удалить строку?") : prompter.answerNo("Удалить строку?");
            list.Button3->click();
            EXPECT_EQ(prompter.last().title, "Удаление");
            EXPECT_EQ(departments().recNo(), row);
            EXPECT_EQ(departments().field("s_caption").asString(), yes ? next : "Бокс");
        });
        EXPECT_EQ(value("select count(*) from cmn_department.department where s_caption = 'Бокс'"), yes ? "0" : "1");
    }
}

TEST_F(DepartmentsTest, DeleteRefusedByTheDatabaseShowsItsMessageAndKeepsTheList)
{
    const int before = count();
    withList([&](TForm30& list) {
        const int row = select(3); // workers, positions and children refer to it
        prompter.answerYes();
        list.Button3->click();
        EXPECT_EQ(prompter.last().kind, platform::ui::MessageKind::Error);
        EXPECT_TRUE(prompter.last().text.contains("foreign key")) << prompter.last().text.toStdString();
        EXPECT_EQ(departments().recordCount(), before);
        EXPECT_EQ(departments().recNo(), row);
        EXPECT_EQ(departments().field("id").asInt(), 3);
    });
    EXPECT_EQ(count(), before);
}

TEST_F(DepartmentsTest, SearchFiltersByCaptionStartAndUpDownMoveTheList)
{
    withList([&](TForm30& list) {
        list.Edit1->setText("склад");
        EXPECT_EQ(departments().recordCount(), 3);
        pressKey(list.Edit1, Qt::Key_Down);
        EXPECT_EQ(departments().recNo(), 2);
        EXPECT_EQ(list.DBGrid1->currentRow(), 1);
        pressKey(list.Edit1, Qt::Key_Up);
        EXPECT_EQ(departments().recNo(), 1);
        list.Edit1->clear();
        EXPECT_EQ(departments().recordCount(), count());
    });
}

} // namespace
