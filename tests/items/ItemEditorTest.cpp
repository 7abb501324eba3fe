// Item editor: what it shows for an item, what reaches the database on add and change (trimmed
// name, numbers through ToDbDecimal, the paint flag from the paint consumption), and the saves it
// refuses without writing anything.
#include "app/Unit1.h"
#include "data/Unit6.h"
#include "items/Unit3.h"
#include "items/Unit7.h"
#include "support/AppFixture.h"

#include <functional>

namespace {

class ItemEditorTest : public testsupport::DemoAppTest {
protected:
    platform::db::Dataset& items() { return DataModule6->inventory_items; }

    void withList(const std::function<void(TForm3&)>& drive)
    {
        host.once<TForm3>([drive](TForm3& list) { drive(list); });
        Form1->N3->trigger();
    }
    // Adds an item through the editor, which the script fills.
    void add(const std::function<void(TForm7&)>& fill)
    {
        withList([&](TForm3& list) {
            host.once<TForm7>([&](TForm7& editor) { fill(editor); });
            list.Button1->click();
        });
    }
    // Changes one item through the editor.
    void change(int id, const std::function<void(TForm7&)>& fill)
    {
        withList([&](TForm3& list) {
            ASSERT_TRUE(items().locate("id", id));
            host.once<TForm7>([&](TForm7& editor) { fill(editor); });
            list.Button2->click();
        });
    }
    int count() const { return value("select count(*) from cmn_inventory_items.inventory_items").toInt(); }
    // "marka|id_nom|id_type|id_msm|massa|width|thick|ral|ral_cons" of an item (the newest by default).
    QString stored(const QString& id = QStringLiteral("(select max(id) from cmn_inventory_items.inventory_items)")) const
    {
        return value("select marka||'|'||id_nom||'|'||id_type||'|'||id_msm||'|'||massa||'|'||width||'|'||thick||'|'||"
                     "ral||'|'||ral_cons from cmn_inventory_items.inventory_items where id = "
                     + id);
    }
};

// The number boxes show numbers with the workstation's decimal mark; compare them with a point.
QString withPoint(const QLineEdit* box)
{
    return box->text().replace(QLatin1Char(','), QLatin1Char('.'));
}

TEST_F(ItemEditorTest, AddSavesTheTrimmedNameTheNumbersAndThePaintFlagOfTheConsumption)
{
    struct Case {
        const char* name;
        const char* massa;
        const char* width;
        const char* ralCons;
        const char* stored;
    };
    const Case cases[] = {
        {"  Уголок 40х40 ", "2,5", "", "", "Уголок 40х40|0|2|4|2.5|0|4|false|0"},
        {"Уголок 'Б'; 50х50", "", "6000", "0,5", "Уголок 'Б'; 50х50|0|2|4|0|6000|4|true|0.5"},
        {"Уголок 63", "3.75", "1,5", "0.25", "Уголок 63|0|2|4|3.75|1.5|4|true|0.25"},
        {"Уголок 75", "1", "2", "0", "Уголок 75|0|2|4|1|2|4|false|0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        add([&](TForm7& editor) {
            EXPECT_EQ(editor.windowTitle(), "Ведение (7)");
            EXPECT_EQ(editor.Tag, 1);
            for (QLineEdit* box : {editor.Edit1, editor.Edit2, editor.Edit3, editor.Edit4, editor.Edit5})
                EXPECT_TRUE(box->text().isEmpty());
            EXPECT_FALSE(editor.combo_nomenclature->hasValue()) << "the menu's list presets no kind";
            editor.Edit1->setText(c.name);
            editor.Edit2->setText(c.massa);
            editor.Edit3->setText(c.width);
            editor.Edit4->setText("4");
            editor.Edit5->setText(c.ralCons);
            editor.cb_operation_state->setKeyValue(2);
            editor.cb_msm->setKeyValue(4);
            editor.Button1->click();
            EXPECT_FALSE(editor.isVisible());
            EXPECT_TRUE(items().locate("marka", QString(c.name).trimmed())) << "the list shows the new item";
        });
        EXPECT_EQ(stored(), c.stored);
    }
    EXPECT_TRUE(prompter.noMessages());
}

TEST_F(ItemEditorTest, AddPresetsNoKindButTheTypeAndUnitShownLast)
{
    withList([&](TForm3& list) {
        ASSERT_TRUE(items().locate("id", 17)); // Болт М8х20: raw material (type 0), pieces
        host.closeWith<TForm7>(platform::ui::mrCancel);
        list.Button2->click();
        host.once<TForm7>([&](TForm7& editor) {
            EXPECT_FALSE(editor.combo_nomenclature->hasValue());
            EXPECT_EQ(editor.cb_operation_state->currentText(), "Сырьё");
            EXPECT_EQ(editor.cb_msm->currentText(), "шт");
            editor.Edit1->setText("Шайба М8");
            editor.Button1->click();
        });
        list.Button1->click();
    });
    EXPECT_EQ(stored(), "Шайба М8|0|0|4|0|0|0|false|0");
}

TEST_F(ItemEditorTest, ChangeShowsTheItemAndUpdatesIt)
{
    struct Case {
        int id;
        const char* shown;  // name|massa|width|thick|ral_cons|kind|type|unit as the editor shows them
        const char* ralCons; // typed
        const char* stored;
    };
    const Case cases[] = {
        {15, "Полка ПЛ-800|3.1|800|0.7|0|Готовая продукция|Готовая продукция|шт", "0,5",
         "Полка ПЛ-800М|3|2|4|3.1|800|0.7|true|0.5"},
        {12, "Шкаф распределительный ШР-1|1|600|1.5|0.35|Готовая продукция|Готовая продукция|шт", "",
         "Полка ПЛ-800М|3|2|4|1|600|1.5|false|0"},
        {17, "Болт М8х20|0|20|8|0|Метизы|Сырьё|шт", "0",
         "Полка ПЛ-800М|4|0|4|0|20|8|false|0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        change(c.id, [&](TForm7& editor) {
            EXPECT_EQ(editor.Tag, 2);
            const QStringList shown{editor.Edit1->text(),
                                    withPoint(editor.Edit2),
                                    withPoint(editor.Edit3),
                                    withPoint(editor.Edit4),
                                    withPoint(editor.Edit5),
                                    editor.combo_nomenclature->currentText(),
                                    editor.cb_operation_state->currentText(),
                                    editor.cb_msm->currentText()};
            EXPECT_EQ(shown.join('|'), c.shown);
            editor.Edit1->setText(" Полка ПЛ-800М ");
            editor.Edit5->setText(c.ralCons);
            editor.Button1->click();
            EXPECT_FALSE(editor.isVisible());
        });
        EXPECT_EQ(stored(QString::number(c.id)), c.stored) << "the name is saved trimmed";
    }
}

TEST_F(ItemEditorTest, RefusedSavesShowWhyAndWriteNothing)
{
    struct Case {
        const char* name;
        bool change; // change item 15, else add
        std::function<void(TForm7&)> fill;
        const char* message;
    };
    const Case cases[] = {
        {"empty name", false, [](TForm7& e) { e.Edit1->clear(); }, "Все поля должны быть заполнены!"},
        {"blank name", true, [](TForm7& e) { e.Edit1->setText("   "); }, "Все поля должны быть заполнены!"},
        {"mass 1,2,3 on add", false, [](TForm7& e) { e.Edit2->setText("1,2,3"); },
         "Неверное число в поле «Масса»: 1,2,3"},
        {"mass 1,2,3 on change", true, [](TForm7& e) { e.Edit2->setText("1,2,3"); },
         "Неверное число в поле «Масса»: 1,2,3"},
        {"paint 1..2", true, [](TForm7& e) { e.Edit5->setText("1..2"); },
         "Неверное число в поле «Расход краски»: 1..2"},
        {"length ,", false, [](TForm7& e) { e.Edit3->setText(","); }, "Неверное число в поле «Длина (мм)»: ,"},
        {"no type", false, [](TForm7& e) { e.cb_operation_state->setKeyValue(-1); }, "Не выбран тип ТМЦ!"},
        {"no unit", false, [](TForm7& e) { e.cb_msm->setKeyValue(-1); }, "Не выбрана единица измерения!"},
    };
    const QString before = stored("15");
    const int itemsBefore = count();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto script = [&](TForm7& editor) {
            if (!c.change) {
                editor.Edit1->setText("Новая позиция");
                editor.cb_operation_state->setKeyValue(2);
                editor.cb_msm->setKeyValue(4);
            }
            c.fill(editor);
            editor.Button1->click();
            EXPECT_TRUE(prompter.lastIsError(c.message));
            EXPECT_TRUE(editor.isVisible()) << "the editor stays open";
            editor.Button2->click();
        };
        if (c.change)
            change(15, script);
        else
            add(script);
    }
    EXPECT_EQ(count(), itemsBefore);
    EXPECT_EQ(stored("15"), before);
}

} // namespace
