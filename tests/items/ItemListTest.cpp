// Item list: what it shows, search and sorts, the editor round trip, deleting, the processes
// button, and each pick mode handing back what its caller expects (first and second list).
#include "app/Unit1.h"
#include "data/Unit6.h"
#include "items/Unit3.h"
#include "items/Unit303.h"
#include "items/Unit7.h"
#include "reference/Unit28.h"
#include "reference/Unit29.h"
#include "support/AppFixture.h"
#include "support/UserActions.h"
#include "support/Screenshot.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QSet>
#include <functional>

using testsupport::cell;
using testsupport::pressKey;

namespace {

using platform::ui::mrOk;

QString title(platform::ui::Grid* grid, int column)
{
    return grid->model()->headerData(column, Qt::Horizontal).toString();
}

// Stands in for every caller of the item pickers: the process editor (2, 3), the receipt
// lines (4), the order line editor (5) and the purchase line editor (63).
struct PickCallerStandIn : ItemPickCallerProcess, ItemPickCallerReceipt, ItemPickCallerLine {
    QLineEdit productBox, materialBox, itemBox;
    QLabel unitLabel;
    qint64 productId = -1, materialId = -1, itemId = -1, unitId = -1, processMaterialId = -1;
    int paintFlag = -1;

    QLineEdit* pickProductBox() override { return &productBox; }
    void pickSetProductId(qint64 id) override { productId = id; }
    QLineEdit* pickMaterialBox() override { return &materialBox; }
    void pickSetMaterialId(qint64 id) override { materialId = id; }
    QLineEdit* pickItemBox() override { return &itemBox; }
    QLabel* pickUnitLabel() override { return &unitLabel; }
    void pickSetItem(qint64 id, qint64 unit) override
    {
        itemId = id;
        unitId = unit;
    }
    void pickSetItem(qint64 id, int paint, qint64 material) override
    {
        itemId = id;
        paintFlag = paint;
        processMaterialId = material;
    }
    // Everything handed back, in one line for comparisons.
    QString handedBack() const
    {
        return QStringLiteral("product '%1' %2; material '%3' %4; item '%5' %6 unit %7 '%8' paint %9 process material %10")
            .arg(productBox.text())
            .arg(productId)
            .arg(materialBox.text())
            .arg(materialId)
            .arg(itemBox.text())
            .arg(itemId)
            .arg(unitId)
            .arg(unitLabel.text())
            .arg(paintFlag)
            .arg(processMaterialId);
    }
};

// Stands in for the process list that the ellipsis button of an item opens.
struct ProcessListStandIn : platform::ui::Form, ItemProcessesList {
    qint64 heldId = 0;
    QString heldName;
    platform::ui::Form& processesForm() override { return *this; }
    void setHeldItem(qint64 id, const QString& name) override
    {
        heldId = id;
        heldName = name;
    }
};

class ItemListTest : public testsupport::DemoAppTest {
protected:
    platform::db::Dataset& items() { return DataModule6->inventory_items; }

    void withList(const std::function<void(TForm3&)>& drive)
    {
        host.once<TForm3>([drive](TForm3& list) { drive(list); });
        Form1->N3->trigger();
    }
    // The rows of the shared item query (one per item and process).
    int rows(const QString& where = QStringLiteral("true")) const
    {
        return value("select count(*) from cmn_inventory_items.inventory_items ii left join mnf_proc_tech.proc_tech pt2 "
                     "on ii.id = pt2.id_inventory_items where "
                     + where)
            .toInt();
    }
    // The item list is back in list mode with the shared statement closed and unfiltered.
    void expectPutBack()
    {
        EXPECT_EQ(items().sql(), TDataModule6::inventoryItemsSql());
        EXPECT_FALSE(items().active());
        EXPECT_FALSE(items().filtered());
        EXPECT_TRUE(items().filter().isEmpty());
        EXPECT_FALSE(Form3->Button1->isHidden());
        EXPECT_FALSE(Form3->Button3->isHidden());
        EXPECT_EQ(Form3->Button2->text(), "Изменить");
        EXPECT_EQ(Form3->Tag, 0);
        EXPECT_EQ(Form3->Caller5, nullptr);
    }
};

TEST_F(ItemListTest, MenuOpensTheListSortedByNameWithEveryItemAndClosesItAfterwards)
{
    withList([&](TForm3& list) {
        EXPECT_EQ(list.windowTitle(), "ТМЦ (3)");
        const QStringList titles{"Наименование", "Вид номенклатуры", "Себес.", "Ед. изм.", "Длина", "Толщина",
                                 "Масса", "Краска", "Расх. кр.", "Тип ТМЦ", "ТП", ""};
        ASSERT_EQ(list.DBGridEh1->model()->columnCount(), titles.size());
        for (int c = 0; c < titles.size(); ++c)
            EXPECT_EQ(title(list.DBGridEh1, c), titles[c]) << "column " << c;
        EXPECT_TRUE(list.DBGridEh1->gridColumn(11).ellipsis);
        EXPECT_TRUE(list.Button2->isDefault());
        EXPECT_EQ(items().sort(), "marka, s_nom ASC");
        EXPECT_EQ(items().recordCount(), rows());
        ASSERT_TRUE(items().locate("id", 12));
        EXPECT_EQ(items().field("s_nom").asString(), "Готовая продукция");
        EXPECT_EQ(items().field("s_ral").asString(), "+");
        EXPECT_EQ(items().field("tp_cnt").asInt(), 1);
        EXPECT_EQ(items().field("s_caption_gds").asString(), "Заготовка корпуса ШР-1");
        list.HeldNomKind = 3;
    });
    EXPECT_FALSE(items().active());
    EXPECT_EQ(Form3->HeldNomKind, -1) << "closing the list forgets the held kind";
}

TEST_F(ItemListTest, SearchFindsTheTextAnywhereInTheNameAndArrowsMoveTheList)
{
    withList([&](TForm3& list) {
        struct Case {
            const char* typed;
            QString where;
        };
        const Case cases[] = {
            {"шр-1", "marka like '%ШР-1%'"}, // in the middle and at the end, any case
            {"Лист", "marka like '%Лист%'"}, // at the start
            {"'", "marka like '%''%'"},        // a quote is just a character
            {"нет такого", "false"},
            {"", "true"},
        };
        for (const Case& c : cases) {
            SCOPED_TRACE(c.typed);
            list.Edit1->setText(c.typed);
            EXPECT_EQ(items().recordCount(), rows(c.where));
            EXPECT_EQ(list.DBGridEh1->model()->rowCount(), rows(c.where));
        }
        EXPECT_TRUE(prompter.noMessages());

        list.Edit1->setText("Лист");
        ASSERT_GE(items().recordCount(), 3);
        pressKey(list.Edit1, Qt::Key_Down);
        pressKey(list.Edit1, Qt::Key_Down);
        EXPECT_EQ(items().recNo(), 3);
        pressKey(list.Edit1, Qt::Key_Up);
        EXPECT_EQ(items().recNo(), 2);
        EXPECT_EQ(list.DBGridEh1->currentRow(), 1);
        // Other keys keep their effect in the box.
        EXPECT_EQ(list.Edit1->cursorPosition(), 4);
        pressKey(list.Edit1, Qt::Key_Left);
        EXPECT_EQ(list.Edit1->cursorPosition(), 3);
    });
}

TEST_F(ItemListTest, TitleClicksToggleTheNameAndKindSorts)
{
    withList([&](TForm3& list) {
        struct Click {
            int column;
            const char* sort;
        };
        const Click clicks[] = {
            {0, "marka DESC, s_nom ASC"}, {0, "marka, s_nom ASC"},     {1, "s_nom DESC, marka ASC"},
            {1, "s_nom, marka ASC"},      {0, "marka DESC, s_nom ASC"}, {1, "s_nom, marka ASC"},
            {2, "s_nom, marka ASC"}, // other titles do nothing
        };
        for (const Click& c : clicks) {
            list.DBGridEh1->clickTitle(c.column);
            EXPECT_EQ(items().sort(), c.sort) << "after a click on column " << c.column;
        }
        // The sort is real: the descending order starts where the ascending one ends.
        list.DBGridEh1->clickTitle(0);
        ASSERT_EQ(items().sort(), "marka DESC, s_nom ASC");
        items().first();
        const QString firstDescending = items().field("marka").asString();
        list.DBGridEh1->clickTitle(0);
        items().last();
        EXPECT_EQ(items().field("marka").asString(), firstDescending);
        EXPECT_EQ(list.DBGridEh1->currentRow(), items().recordCount() - 1);
    });
}

TEST_F(ItemListTest, EditorSaveKeepsTheSortAndSearchThenTheListResortsAndReturnsToTheRow)
{
    withList([&](TForm3& list) {
        list.Edit1->setText("лист");
        list.DBGridEh1->clickTitle(0);
        ASSERT_GE(items().recordCount(), 3);
        items().setRecNo(2);
        const qint64 id = items().field("id").asInt64();
        host.once<TForm7>([&](TForm7& editor) {
            EXPECT_EQ(editor.Tag, 2);
            editor.Edit4->setText("1,8");
            editor.Button1->click();
            EXPECT_FALSE(editor.isVisible());
            EXPECT_EQ(items().sort(), "marka DESC, s_nom ASC") << "the save reopens the list keeping its sort";
        });
        list.Button2->click();
        EXPECT_EQ(items().sort(), "marka, s_nom ASC") << "back on the list it is sorted by name again";
        EXPECT_TRUE(items().filtered());
        EXPECT_EQ(items().recordCount(), rows("marka like '%Лист%'"));
        EXPECT_EQ(items().recNo(), 2);
        EXPECT_EQ(list.DBGridEh1->currentRow(), 1);
        EXPECT_EQ(value(QString("select thick from cmn_inventory_items.inventory_items where id = %1").arg(id)), "1.8");
    });
}

TEST_F(ItemListTest, DeleteAsksAndOnYesDeletesOrShowsTheDatabaseRefusal)
{
    sql("insert into cmn_inventory_items.inventory_items (marka, id_type, id_msm) values ('Удаляемый А', 0, 1), "
        "('Удаляемый Б', 0, 1)");
    withList([&](TForm3& list) {
        list.Edit1->setText("Удаляемый");
        ASSERT_EQ(items().recordCount(), 2);
        items().setRecNo(2);
        prompter.answerNo("Удалить строку?");
        list.Button3->click();
        EXPECT_EQ(prompter.last().title, "Удаление");
        EXPECT_EQ(items().recordCount(), 2);
        EXPECT_EQ(items().recNo(), 2);

        prompter.answerYes();
        list.Button3->click();
        EXPECT_EQ(items().recordCount(), 1) << "the search filter survives the reopen";
        prompter.answerYes();
        list.Button3->click();
        EXPECT_EQ(items().recordCount(), 0) << "the last row is gone and nothing is positioned";
        list.Button3->click(); // an empty list: nothing to ask
        EXPECT_EQ(prompter.count(), 3);

        list.Edit1->clear();
        ASSERT_TRUE(items().locate("id", 1)); // the material of two processes
        const int row = items().recNo();
        prompter.answerYes();
        list.Button3->click();
        EXPECT_EQ(prompter.last().kind, platform::ui::MessageKind::Error);
        EXPECT_EQ(items().recNo(), row);
    });
    EXPECT_EQ(value("select count(*) from cmn_inventory_items.inventory_items where marka like 'Удаляемый%' or id = 1"),
              "1");
}

TEST_F(ItemListTest, ItemWithTwoProcessesIsListedOncePerProcess)
{
    sql("insert into mnf_proc_tech.proc_tech (s_caption, id_inventory_items, id_gds) values ('Из трубы', 12, 3)");
    withList([&](TForm3& list) {
        list.Edit1->setText("Шкаф распределительный");
        ASSERT_EQ(items().recordCount(), 2);
        QSet<QString> materials;
        for (int row = 0; row < 2; ++row) {
            EXPECT_EQ(items().fieldAt(row, "id").asInt(), 12);
            EXPECT_EQ(items().fieldAt(row, "tp_cnt").asInt(), 2);
            materials.insert(items().fieldAt(row, "s_caption_gds").asString());
        }
        EXPECT_EQ(materials, (QSet<QString>{"Заготовка корпуса ШР-1", "Труба профильная 40х20х2"}));
    });
}

TEST_F(ItemListTest, EllipsisOpensTheProcessesOfTheItem)
{
    ProcessListStandIn processes;
    Form3->ProcessList = &processes;
    withList([&](TForm3& list) {
        ASSERT_TRUE(items().locate("id", 12));
        host.once<ProcessListStandIn>([&](ProcessListStandIn& shown) {
            EXPECT_EQ(shown.Tag, 2);
            EXPECT_EQ(shown.heldId, 12);
            EXPECT_EQ(shown.heldName, "Шкаф распределительный ШР-1");
            auto& pt = DataModule6->proc_tech;
            EXPECT_TRUE(pt.active());
            EXPECT_EQ(pt.recordCount(), 1);
            EXPECT_EQ(pt.field("id").asInt(), 4);
        });
        list.DBGridEh1->clickEllipsis(items().recNo() - 1, 11);
        EXPECT_EQ(processes.Tag, 0);
        EXPECT_FALSE(DataModule6->proc_tech.active());
        EXPECT_FALSE(DataModule6->proc_tech.filtered());
    });
    Form3->ProcessList = nullptr;
}

TEST_F(ItemListTest, EachPickModeHandsBackWhatItsCallerExpects)
{
    // Names and units with blanks round them show which values are handed back trimmed.
    sql("update cmn_inventory_items.inventory_items set marka = '  ' || marka || ' ' where id in (1, 3, 12, 17)");
    sql("update cmn_msm.msm set s_identification = s_identification || ' ' where id in (2, 4)");
    struct Case {
        const char* name;
        int mode;
        QString tail;
        QString filter;
        QString rowsWhere; // every row offered satisfies it
        int pick;
        QString handedBack;
    };
    const Case cases[] = {
        {"process product", 2, kPickTailProduct, {}, "id_type <> 0", 12,
         "product 'Шкаф распределительный ШР-1' 12; material '' -1; item '' -1 unit -1 '' paint -1 process material -1"},
        {"process material", 3, kPickTailMaterial, {}, "true", 1,
         "product '' -1; material 'Лист 08пс 1,5 мм' 1; item '' -1 unit -1 '' paint -1 process material -1"},
        {"receipt line", 4, kPickTailMaterial, {}, "true", 3,
         "product '' -1; material '' -1; item 'Труба профильная 40х20х2' 3 unit 2 'м' paint -1 process material -1"},
        {"order line", 5, kPickTailOrderLine, kPickFilterOrderLine, "tp_cnt > 0", 12,
         "product '' -1; material '' -1; item 'Шкаф распределительный ШР-1' 12 unit -1 'шт ' paint 1 process material 9"},
        {"purchase line", 63, kPickTailPurchase, {}, "id_type = 0", 17,
         "product '' -1; material '' -1; item 'Болт М8х20' 17 unit -1 'шт ' paint 0 process material 0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PickCallerStandIn caller;
        Form3->Caller2 = Form3->Caller3 = &caller;
        Form3->Caller4 = &caller;
        Form3->Caller5 = Form3->Caller63 = &caller;
        host.once<TForm3>([&](TForm3& list) {
            EXPECT_EQ(list.Tag, c.mode);
            EXPECT_TRUE(list.Button1->isHidden());
            EXPECT_TRUE(list.Button3->isHidden());
            EXPECT_EQ(list.Button2->text(), "Выбрать");
            EXPECT_EQ(items().recordCount(),
                      value("select count(*) from (" + itemPickerSql(c.tail) + ") q where " + c.rowsWhere).toInt());
            ASSERT_TRUE(items().locate("id", c.pick));
            list.DBGridEh1->doubleClickRow(items().recNo() - 1);
            EXPECT_FALSE(list.isVisible());
        });
        const int result = ItemPicker(*Form3, c.mode, itemPickerSql(c.tail), c.filter).show();
        EXPECT_EQ(result, mrOk);
        EXPECT_EQ(caller.handedBack(), c.handedBack);
        expectPutBack();
    }
    EXPECT_TRUE(prompter.noMessages());
}

TEST_F(ItemListTest, OrderLinePickRefusesAnItemWithoutProcess)
{
    PickCallerStandIn caller;
    Form3->Caller5 = &caller;
    host.once<TForm3>([&](TForm3& list) {
        EXPECT_FALSE(items().locate("id", 16)) << "items without a process are not offered";
        list.Edit1->setText("КК-100"); // the search replaces the filter
        ASSERT_TRUE(items().locate("id", 16));
        list.Button2->click();
        EXPECT_TRUE(prompter.lastIsError("Техпроцесс не найден!"));
        EXPECT_TRUE(list.isVisible());
        EXPECT_EQ(items().field("id").asInt(), 16);
        list.Edit1->clear();
        list.Button8->click();
    });
    ItemPicker(*Form3, TForm3::kModeOrderLine, itemPickerSql(kPickTailOrderLine), kPickFilterOrderLine).show();
    EXPECT_EQ(caller.itemId, -1);
    EXPECT_TRUE(caller.itemBox.text().isEmpty());
    expectPutBack();
}

TEST_F(ItemListTest, PickerPutsBackAListTheCallerHadOpen)
{
    // A caller that opened the shared list with a filter of its own gets it back as it was.
    items().setFilter("id_nom=1");
    items().setFiltered(true);
    items().open();
    const int kindRows = items().recordCount();
    host.closeWith<TForm3>(platform::ui::mrCancel);
    ItemPicker(*Form3, TForm3::kModePurchase, itemPickerSql(kPickTailPurchase)).show();
    EXPECT_EQ(items().sql(), TDataModule6::inventoryItemsSql());
    EXPECT_TRUE(items().active());
    EXPECT_EQ(items().filter(), "id_nom=1");
    EXPECT_EQ(items().recordCount(), kindRows);
    EXPECT_EQ(Form3->Tag, 0);
    items().close();
    items().setFiltered(false);
    items().setFilter({});
}

TEST_F(ItemListTest, SecondListPicksTheMaterialOfANewProcess)
{
    PickCallerStandIn caller;
    Form303->Caller3 = &caller;
    host.once<TForm303>([&](TForm303& list) {
        EXPECT_EQ(list.windowTitle(), "ТМЦ (3)");
        EXPECT_EQ(list.Button2->text(), "Выбрать");
        EXPECT_EQ(list.inventory_items.sort(), "marka, s_nom ASC");
        EXPECT_EQ(list.inventory_items.recordCount(),
                  rows("ii.id_type <> 1 and ii.id_type <> 3"));
        list.Edit1->setText("08пс 2,0");
        ASSERT_EQ(list.inventory_items.recordCount(), 1);
        list.DBGridEh1->clickTitle(1);
        EXPECT_EQ(list.inventory_items.sort(), "s_nom DESC, marka ASC");
        list.Button2->click();
    });
    ItemPicker(*Form303, TForm303::kModeMaterial, itemPickerSql(kPickTailNewProcessMaterial)).show();
    EXPECT_EQ(caller.handedBack(),
              "product '' -1; material 'Лист 08пс 2,0 мм' 2; item '' -1 unit -1 '' paint -1 process material -1");
    EXPECT_FALSE(Form303->inventory_items.active());
    EXPECT_EQ(Form303->Button2->text(), "Изменить");
    EXPECT_EQ(Form303->Caller3, nullptr);
}

// Renders the item list, the item editor, the kinds list and card and the second list (set
// VELTRO_SCREENSHOT_DIR to keep the PNGs).
TEST_F(ItemListTest, Screenshot)
{
    const QString dir = qEnvironmentVariable("VELTRO_SCREENSHOT_DIR");
    if (dir.isEmpty())
        GTEST_SKIP() << "VELTRO_SCREENSHOT_DIR not set";
    const auto shot = [&dir](QWidget* screen, const char* name) {
        EXPECT_TRUE(testsupport::saveScreenshot(screen, QDir(dir).filePath(name)));
    };
    withList([&](TForm3& list) {
        ASSERT_TRUE(items().locate("id", 12));
        shot(&list, "item_list.png");
        host.once<TForm7>([&](TForm7& editor) { shot(&editor, "item_editor.png"); });
        list.Button2->click();
    });
    host.once<TForm28>([&](TForm28& kinds) {
        shot(&kinds, "nomenclature.png");
        host.once<TForm29>([&](TForm29& card) { shot(&card, "nomenclature_card.png"); });
        kinds.Button2->click();
    });
    Form1->N9->trigger();
    host.once<TForm303>([&](TForm303& second) { shot(&second, "second_list.png"); });
    ItemPicker(*Form303, TForm303::kModeMaterial, itemPickerSql(kPickTailNewProcessMaterial)).show();
}

} // namespace
