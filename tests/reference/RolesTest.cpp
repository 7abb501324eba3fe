// Roles list, role administration and role card: what the user sees, what reaches the database,
// the validity dates on activation and deactivation, and that roles are never deleted.
#include "app/Unit1.h"
#include "data/Unit6.h"
#include "reference/Unit32.h"
#include "reference/Unit35.h"
#include "reference/Unit58.h"
#include "support/AppFixture.h"
#include "support/UserActions.h"

#include <QApplication>
#include <QDate>
#include <QKeyEvent>
#include <functional>

using testsupport::cell;
using testsupport::pressKey;

namespace {

const QString kFilled = QStringLiteral("Все поля должны быть заполнены!");

QStringList titles(platform::ui::Grid* grid)
{
    QStringList result;
    for (int c = 0; c < grid->model()->columnCount(); ++c)
        result << grid->model()->headerData(c, Qt::Horizontal).toString();
    return result;
}

class RolesTest : public testsupport::DemoAppTest {
protected:
    platform::db::Dataset& roles() { return DataModule6->role; }

    // "Роли" from the main menu: the read-only list.
    void withRolesList(const std::function<void(TForm32&)>& drive)
    {
        host.once<TForm32>([drive](TForm32& list) { drive(list); });
        Form1->N21->trigger();
    }
    // "Администрарование" from the main menu.
    void withAdministration(const std::function<void(TForm35&)>& drive)
    {
        host.once<TForm35>([drive](TForm35& list) { drive(list); });
        Form1->N20->trigger();
    }
    int select(int id)
    {
        EXPECT_TRUE(roles().locate("id", id)) << "role " << id << " not listed";
        return roles().recNo();
    }
    int count() const { return value("select count(*) from adm_role.roles").toInt(); }
    // "caption|system name|active|days since d_begin|days since d_end" ("-" for an empty date).
    QString stored(const QString& where) const
    {
        return value("select concat_ws('|', s_caption, s_name, b_active, coalesce((current_date - d_begin)::text, '-'), "
                     "coalesce((current_date - d_end)::text, '-')) from adm_role.roles where "
                     + where);
    }
};

TEST_F(RolesTest, RolesListIsReadOnlyAndItsSearchMovesTheRoles)
{
    const int before = count();
    withRolesList([&](TForm32& list) {
        EXPECT_EQ(list.windowTitle(), "Роли");
        EXPECT_EQ(titles(list.DBGrid1), QStringList({"Наименование", "Системное имя"}));
        EXPECT_EQ(roles().recordCount(), before);
        EXPECT_EQ(cell(list.DBGrid1, 0, 0), "Администратор");
        EXPECT_EQ(cell(list.DBGrid1, 0, 1), "admin");

        // Add, change, delete and a double click do nothing here.
        list.Button5->click();
        list.Button2->click();
        list.Button3->click();
        list.DBGrid1->doubleClickRow(2);
        EXPECT_EQ(host.totalShows(), 1);

        list.Edit1->setText("м"); // Мастер производства, Менеджер
        EXPECT_EQ(roles().recordCount(), 2);
        pressKey(list.Edit1, Qt::Key_Down);
        EXPECT_EQ(roles().field("s_caption").asString(), "Менеджер");
        EXPECT_EQ(list.DBGrid1->currentRow(), 1);
        pressKey(list.Edit1, Qt::Key_Up);
        EXPECT_EQ(roles().field("s_caption").asString(), "Мастер производства");
        EXPECT_EQ(list.Edit1->text(), "м") << "Up and Down do not reach the box";
    });
    EXPECT_TRUE(prompter.noMessages());
    EXPECT_EQ(count(), before);
    EXPECT_FALSE(roles().active());

    // The administration list shares the roles and has no search box: it opens unfiltered.
    withAdministration([&](TForm35&) { EXPECT_EQ(roles().recordCount(), before); });
}

TEST_F(RolesTest, AdministrationShowsValidityAndActiveFlagAndNeverDeletes)
{
    const int before = count();
    withAdministration([&](TForm35& list) {
        EXPECT_EQ(list.windowTitle(), "Роли");
        EXPECT_EQ(titles(list.DBGridEh1),
                  QStringList({"Наименование", "Системное имя", "Дата начала", "Дата оконч.", "Активна"}));
        const int guest = select(7) - 1;
        EXPECT_EQ(cell(list.DBGridEh1, guest, 2), QDate::currentDate().addDays(-200).toString("dd.MM.yyyy"));
        EXPECT_EQ(cell(list.DBGridEh1, guest, 3), QDate::currentDate().addDays(-30).toString("dd.MM.yyyy"));
        EXPECT_EQ(cell(list.DBGridEh1, guest, 4), "-");
        const int admin = select(1) - 1;
        EXPECT_EQ(cell(list.DBGridEh1, admin, 3), "");
        EXPECT_EQ(cell(list.DBGridEh1, admin, 4), "+");
        const auto alignment = list.DBGridEh1->model()->index(admin, 4).data(Qt::TextAlignmentRole).value<Qt::Alignment>();
        EXPECT_TRUE(alignment & Qt::AlignHCenter) << "the active flag is centred";

        list.Button3->click(); // "Удалить" has no action
        EXPECT_EQ(roles().recNo(), admin + 1);
    });
    EXPECT_TRUE(prompter.noMessages());
    EXPECT_EQ(host.totalShows(), 1);
    EXPECT_EQ(count(), before);
}

TEST_F(RolesTest, AddStoresTrimmedTextsAndStartsTheValidityToday)
{
    struct Case {
        const char* name;
        bool active;
        const char* stored;
    };
    const Case cases[] = {
        {"active", true, "Технолог|tech|t|0|-"},
        {"inactive", false, "Технолог|tech|f|0|-"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        sql("delete from adm_role.roles where s_name = 'tech'");
        withAdministration([&](TForm35& list) {
            roles().setRecNo(4);
            host.once<TForm58>([&](TForm58& card) {
                EXPECT_EQ(card.windowTitle(), "Ведение ролей (58)");
                EXPECT_EQ(card.Tag, 0);
                EXPECT_TRUE(card.Edit1->text().isEmpty());
                EXPECT_TRUE(card.Edit2->text().isEmpty());
                EXPECT_TRUE(card.CheckBox1->isChecked());
                card.Edit2->setText("  Технолог ");
                card.Edit1->setText(" tech  ");
                card.CheckBox1->setChecked(c.active);
                card.Button5->click();
                EXPECT_FALSE(card.isVisible());
            });
            list.Button1->click();
            EXPECT_EQ(roles().recNo(), 1) << "after an add the list starts at its first row";
            EXPECT_TRUE(roles().locate("s_caption", "Технолог"));
        });
        EXPECT_EQ(stored("s_name = 'tech'"), c.stored);
    }
}

TEST_F(RolesTest, CaptionAndSystemNameAreBothRequired)
{
    struct Case {
        const char* caption;
        const char* systemName;
    };
    const Case cases[] = {{"", "tech"}, {"Технолог", ""}, {"  ", "tech"}, {"Технолог", "   "}};
    const int before = count();
    withAdministration([&](TForm35& list) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.caption) + "/" + c.systemName);
            host.once<TForm58>([&](TForm58& card) {
                card.Edit2->setText(c.caption);
                card.Edit1->setText(c.systemName);
                card.Button5->click();
                EXPECT_TRUE(prompter.lastIsError(kFilled));
                EXPECT_TRUE(card.isVisible());
            });
            list.Button1->click();
        }
    });
    EXPECT_EQ(count(), before);
}

// Saving an active role restarts its validity today; saving an inactive one ends it today.
TEST_F(RolesTest, ChangeRestartsOrEndsTheValidity)
{
    struct Case {
        const char* name;
        int id;
        bool wasActive;
        bool active;
        bool doubleClick;
        const char* stored;
    };
    const Case cases[] = {
        // Мастер производства: d_begin 400 days ago, active.
        {"active stays active", 2, true, true, false, "Мастер производства|master|t|0|-"},
        {"deactivate", 2, true, false, true, "Мастер производства|master|f|400|0"},
        // Гость: from 200 to 30 days ago, inactive.
        {"reactivate", 7, false, true, false, "Гость|guest|t|0|-"},
        {"inactive stays inactive", 7, false, false, true, "Гость|guest|f|200|0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        sql("update adm_role.roles set s_caption = 'Мастер производства', b_active = true, d_begin = current_date - 400, "
            "d_end = null where id = 2");
        sql("update adm_role.roles set s_caption = 'Гость', b_active = false, d_begin = current_date - 200, "
            "d_end = current_date - 30 where id = 7");
        withAdministration([&](TForm35& list) {
            const int row = select(c.id);
            const QString caption = roles().field("s_caption").asString();
            const QString systemName = roles().field("s_name").asString();
            host.once<TForm58>([&](TForm58& card) {
                EXPECT_EQ(card.Tag, 1);
                EXPECT_EQ(card.Edit2->text(), caption);
                EXPECT_EQ(card.Edit1->text(), systemName);
                EXPECT_EQ(card.CheckBox1->isChecked(), c.wasActive);
                card.Edit2->setText("  " + caption + " ");
                card.Edit1->setText(" " + systemName);
                card.CheckBox1->setChecked(c.active);
                card.Button5->click();
            });
            if (c.doubleClick)
                list.DBGridEh1->doubleClickRow(row - 1);
            else
                list.Button2->click();
            EXPECT_EQ(roles().recNo(), row);
            EXPECT_EQ(list.DBGridEh1->currentRow(), row - 1);
            EXPECT_EQ(roles().field("id").asInt(), c.id);
            EXPECT_EQ(roles().field("yesno").asString(), c.active ? "+" : "-");
        });
        EXPECT_EQ(stored(QStringLiteral("id = %1").arg(c.id)), c.stored);
    }
}

TEST_F(RolesTest, CancelledChangeWritesNothingAndKeepsTheRow)
{
    const QString before = stored("id = 3");
    withAdministration([&](TForm35& list) {
        const int row = select(3);
        host.once<TForm58>([&](TForm58& card) {
            card.Edit2->setText("Другое");
            card.CheckBox1->setChecked(false);
            card.Button4->click();
        });
        list.Button2->click();
        EXPECT_EQ(roles().recNo(), row);
    });
    EXPECT_EQ(stored("id = 3"), before);
}

TEST_F(RolesTest, NamesWithQuotesSemicolonsAndFullLengthRoundTripIntoTheList)
{
    struct Case {
        QString typedCaption;
        QString typedName;
        QString caption; // as stored and listed
        QString systemName;
    };
    const QString quoted = QStringLiteral("Начальник 'смены'; drop table adm_role.roles; --");
    const Case cases[] = {
        {quoted, QStringLiteral("o'brien;"), quoted, QStringLiteral("o'brien;")},
        // The boxes take no more than the columns hold (254 and 30 characters).
        {QString(300, QChar(u'Ж')), QString(40, QChar(u'q')), QString(254, QChar(u'Ж')), QString(30, QChar(u'q'))},
    };
    for (const Case& c : cases) {
        withAdministration([&](TForm35& list) {
            host.once<TForm58>([&](TForm58& card) {
                card.Edit2->setText(c.typedCaption);
                card.Edit1->setText(c.typedName);
                card.Button5->click();
            });
            list.Button1->click();
            ASSERT_TRUE(roles().locate("s_caption", c.caption));
            EXPECT_EQ(cell(list.DBGridEh1, roles().recNo() - 1, 0), c.caption);
            EXPECT_EQ(cell(list.DBGridEh1, roles().recNo() - 1, 1), c.systemName);
        });
    }
    EXPECT_TRUE(prompter.noMessages());
}

} // namespace
