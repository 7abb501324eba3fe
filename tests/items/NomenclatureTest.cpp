// Nomenclature kinds list and card: what reaches the database, what the list shows, and the item
// list opened on one kind (its items only, new items get the kind, nothing left behind).
#include "app/Unit1.h"
#include "data/Unit6.h"
#include "items/Unit3.h"
#include "items/Unit7.h"
#include "reference/Unit28.h"
#include "reference/Unit29.h"
#include "support/AppFixture.h"
#include "support/UserActions.h"

#include <functional>

using testsupport::cell;
using testsupport::pressKey;

namespace {

class NomenclatureTest : public testsupport::DemoAppTest {
protected:
    platform::db::Dataset& kinds() { return DataModule6->nomenclature; }
    platform::db::Dataset& items() { return DataModule6->inventory_items; }

    void withList(const std::function<void(TForm28&)>& drive)
    {
        host.once<TForm28>([drive](TForm28& list) { drive(list); });
        Form1->N9->trigger();
    }
    // Adds a kind through the card.
    void add(TForm28& list, const QString& name, qint64 store)
    {
        host.once<TForm29>([&](TForm29& card) {
            EXPECT_EQ(card.Tag, 1);
            EXPECT_TRUE(card.Edit1->text().isEmpty());
            card.Edit1->setText(name);
            card.p_department->setKeyValue(store);
            card.Button1->click();
            EXPECT_FALSE(card.isVisible());
        });
        list.Button5->click();
    }
    // "caption|store" of the newest kind.
    QString newest() const
    {
        return value("select s_caption || '|' || id_department from cmn_inventory_items.nomenclature "
                     "where id = (select max(id) from cmn_inventory_items.nomenclature)");
    }
    // The rows of the shared item query for one kind.
    int itemRows(int kind) const
    {
        return value(QString("select count(*) from cmn_inventory_items.inventory_items ii left join "
                             "mnf_proc_tech.proc_tech pt2 on ii.id = pt2.id_inventory_items where ii.id_nom = %1")
                         .arg(kind))
            .toInt();
    }
};

TEST_F(NomenclatureTest, ListShowsKindsWithTheirStoreAndSearchesByNameStart)
{
    withList([&](TForm28& list) {
        EXPECT_EQ(list.windowTitle(), "Номенклатура");
        EXPECT_EQ(list.DBGridEh1->model()->headerData(0, Qt::Horizontal).toString(), "Наименование");
        EXPECT_EQ(list.DBGridEh1->model()->headerData(1, Qt::Horizontal).toString(), "Подразделение");
        EXPECT_TRUE(list.DBGridEh1->gridColumn(2).ellipsis);
        EXPECT_TRUE(list.Button5->isDefault());
        EXPECT_EQ(kinds().recordCount(), value("select count(*) from cmn_inventory_items.nomenclature").toInt());
        ASSERT_TRUE(kinds().locate("id", 2));
        EXPECT_EQ(cell(list.DBGridEh1, kinds().recNo() - 1, 1), "Склад заготовок");
        list.Edit1->setText("ме"); // Металлопрокат, Метизы
        EXPECT_EQ(kinds().recordCount(), 2);
        list.Edit1->clear();
        EXPECT_EQ(kinds().recordCount(), value("select count(*) from cmn_inventory_items.nomenclature").toInt());
    });
    EXPECT_FALSE(kinds().active());
}

TEST_F(NomenclatureTest, AddStoresTheTrimmedNameAndTheStore)
{
    struct Case {
        const char* typed;
        qint64 store;
        const char* stored;
        bool listed; // a kind without a store is missing from the list, which joins the stores
    };
    const Case cases[] = {
        {"  Трубы ", 5, "Трубы|5", true},
        {"Без склада", 0, "Без склада|0", false},
        {"Краски 'Премиум'; drop table x; --", 5, "Краски 'Премиум'; drop table x; --|5", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        withList([&](TForm28& list) {
            add(list, c.typed, c.store);
            const QString name = QString(c.typed).trimmed();
            EXPECT_EQ(kinds().locate("s_caption", name), c.listed);
            if (c.listed) {
                EXPECT_EQ(cell(list.DBGridEh1, kinds().recNo() - 1, 0), name);
                EXPECT_EQ(cell(list.DBGridEh1, kinds().recNo() - 1, 1), "Склад сырья");
            }
        });
        EXPECT_EQ(newest(), c.stored);
    }
    EXPECT_TRUE(prompter.noMessages());
}

TEST_F(NomenclatureTest, BlankNameIsRefused)
{
    const QString before = value("select count(*) from cmn_inventory_items.nomenclature");
    withList([&](TForm28& list) {
        host.once<TForm29>([&](TForm29& card) {
            card.Edit1->setText("   ");
            card.p_department->setKeyValue(5);
            card.Button1->click();
            EXPECT_TRUE(prompter.lastIsError("Все поля должны быть заполнены!"));
            EXPECT_TRUE(card.isVisible());
        });
        list.Button5->click();
    });
    EXPECT_EQ(value("select count(*) from cmn_inventory_items.nomenclature"), before);
}

TEST_F(NomenclatureTest, ChangeShowsTheKindUpdatesItAndReturnsToTheRow)
{
    withList([&](TForm28& list) {
        ASSERT_TRUE(kinds().locate("id", 4));
        const int row = kinds().recNo();
        host.once<TForm29>([&](TForm29& card) {
            EXPECT_EQ(card.Tag, 0);
            EXPECT_EQ(card.Edit1->text(), "Метизы");
            EXPECT_EQ(card.p_department->currentText(), "Склад сырья");
            card.Edit1->setText(" Метизы и крепёж ");
            card.p_department->setKeyValue(6);
            card.Button1->click();
        });
        list.DBGridEh1->doubleClickRow(row - 1);
        EXPECT_EQ(kinds().recNo(), row);
        EXPECT_EQ(kinds().field("id").asInt(), 4);
        EXPECT_EQ(kinds().field("s_department").asString(), "Склад заготовок");
    });
    EXPECT_EQ(value("select s_caption || '|' || id_department from cmn_inventory_items.nomenclature where id = 4"),
              "Метизы и крепёж|6");
}

TEST_F(NomenclatureTest, DeleteAsksAndOnYesDeletesOrShowsTheDatabaseRefusal)
{
    sql("insert into cmn_inventory_items.nomenclature (s_caption, id_department) values ('Лишний вид', 5)");
    withList([&](TForm28& list) {
        ASSERT_TRUE(kinds().locate("s_caption", "Лишний вид"));
        prompter.answerNo("Удалить строку?");
        list.Button3->click();
        EXPECT_TRUE(kinds().locate("s_caption", "Лишний вид"));
        prompter.answerYes("Удалить строку?");
        list.Button3->click();
        EXPECT_EQ(prompter.last().title, "Удаление");
        EXPECT_FALSE(kinds().locate("s_caption", "Лишний вид"));

        ASSERT_TRUE(kinds().locate("id", 1)); // items still use it
        prompter.answerYes();
        list.Button3->click();
        EXPECT_EQ(prompter.last().kind, platform::ui::MessageKind::Error);
    });
    EXPECT_EQ(value("select count(*) from cmn_inventory_items.nomenclature where s_caption = 'Лишний вид' or id = 1"),
              "1");
}

TEST_F(NomenclatureTest, EllipsisShowsOnlyTheKindsItemsAndNewItemsThereGetTheKind)
{
    withList([&](TForm28& list) {
        ASSERT_TRUE(kinds().locate("id", 4)); // Метизы
        host.once<TForm3>([&](TForm3& items3) {
            EXPECT_EQ(items3.Tag, 0);
            EXPECT_EQ(items3.HeldNomKind, 4);
            EXPECT_EQ(items().recordCount(), itemRows(4));
            for (int row = 0; row < items().recordCount(); ++row)
                EXPECT_EQ(items().fieldAt(row, "id_nom").asInt(), 4);
            host.once<TForm7>([&](TForm7& editor) {
                EXPECT_EQ(editor.combo_nomenclature->keyValue(), 4);
                EXPECT_EQ(editor.combo_nomenclature->currentText(), "Метизы");
                editor.Edit1->setText("Гайка М8");
                editor.cb_operation_state->setKeyValue(2);
                editor.cb_msm->setKeyValue(4);
                editor.Button1->click();
            });
            items3.Button1->click();
            EXPECT_EQ(items().recordCount(), itemRows(4)) << "the new item is listed under its kind";
            EXPECT_TRUE(items().locate("marka", "Гайка М8"));
            items3.Button8->click();
        });
        list.DBGridEh1->clickEllipsis(kinds().recNo() - 1, 2);
    });
    EXPECT_EQ(value("select id_nom from cmn_inventory_items.inventory_items where marka = 'Гайка М8'"), "4");
    EXPECT_FALSE(items().active());
    EXPECT_FALSE(items().filtered());
    EXPECT_TRUE(items().filter().isEmpty());
    EXPECT_EQ(Form3->HeldNomKind, -1);

    // The menu's item list afterwards: every item, and no kind preset on add.
    host.once<TForm3>([&](TForm3& items3) {
        EXPECT_EQ(items().recordCount(), value("select count(*) from cmn_inventory_items.inventory_items ii left join "
                                               "mnf_proc_tech.proc_tech pt2 on ii.id = pt2.id_inventory_items")
                                             .toInt());
        host.once<TForm7>([&](TForm7& editor) {
            EXPECT_FALSE(editor.combo_nomenclature->hasValue());
            editor.Button2->click();
        });
        items3.Button1->click();
    });
    Form1->N3->trigger();
}

} // namespace
