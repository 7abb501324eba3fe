// The order screens over the demo plant, driven as a user does: the list from the main menu, the
// header editor with the real worker and counterparty pickers, the lines screen and the line editor
// with the real item picker.
#pragma once

#include "app/Unit1.h"
#include "data/Unit6.h"
#include "items/Unit3.h"
#include "orders/Unit41.h"
#include "orders/Unit42.h"
#include "orders/Unit43.h"
#include "orders/Unit44.h"
#include "reference/Unit34.h"
#include "reference/Unit5.h"
#include "support/AppFixture.h"

#include <QBrush>
#include <functional>
#include <ostream>

// Failure messages show texts as text.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace orderstest {

inline const QString kAllFields = QStringLiteral("Все поля должны быть заполнены!");

// Demo plant: items and what the order lines rely on.
inline constexpr int kCabinet = 12;   // Шкаф распределительный ШР-1: painted, process material 9, cost 1450
inline constexpr int kBracket = 13;   // Кронштейн КР-40 окрашенный: painted, material 2, cost 87.4
inline constexpr int kRack = 14;      // Стеллаж СТ-2000: painted
inline constexpr int kShelf = 15;     // Полка ПЛ-800: unpainted, material 4, cost 390
inline constexpr int kCableDuct = 16; // Короб кабельный КК-100: painted, no process
inline constexpr int kRal7024 = 6;
inline constexpr int kRal3005 = 7;

// What one line of the editor is given.
struct LineInput {
    int item;
    QString quantity;
    QString price;
    int paint = 0; // the colour chosen in the box; 0 leaves the box empty
};

class OrdersTest : public testsupport::DemoAppTest {
protected:
    static platform::db::Dataset& orders() { return DataModule6->app_doc; }

    // Opens the order list from "Маркетинг" / "Заявки" and drives it.
    void withOrderList(const std::function<void(TForm41&)>& drive)
    {
        host.once<TForm41>([drive](TForm41& list) { drive(list); });
        Form1->N17->trigger();
    }

    // Makes the order current in the list; returns its grid row.
    static int selectOrder(int orderId)
    {
        EXPECT_TRUE(orders().locate("id", orderId)) << "order " << orderId << " not listed";
        return orders().recNo() - 1;
    }

    // Opens the lines of the order by a double click on its row, and drives the lines screen.
    void withLines(TForm41& list, int orderId, const std::function<void(TForm42&)>& drive)
    {
        const int row = selectOrder(orderId);
        host.once<TForm42>([drive](TForm42& lines) { drive(lines); });
        list.DBGridEh1->doubleClickRow(row);
    }

    // The next worker pick (personnel list in mode 43) chooses this person.
    void scriptWorkerPick(int personId)
    {
        host.once<TForm5>([personId](TForm5& list) {
            EXPECT_EQ(list.Tag, 43);
            EXPECT_EQ(list.Button2->text(), "Выбрать");
            EXPECT_TRUE(list.Button2->isDefault());
            EXPECT_FALSE(list.Button1->isVisible());
            EXPECT_FALSE(list.Button3->isVisible());
            ASSERT_TRUE(DataModule6->workers.locate("id", personId));
            list.DBGrid1->doubleClickRow(DataModule6->workers.recNo() - 1);
        });
    }

    // The next counterparty pick (counterparty list in mode 43) chooses this counterparty.
    void scriptCounterpartyPick(int counterpartyId)
    {
        host.once<TForm34>([counterpartyId](TForm34& list) {
            EXPECT_EQ(list.Tag, 43);
            EXPECT_EQ(list.Button2->text(), "Выбрать");
            EXPECT_FALSE(list.Button1->isVisible());
            EXPECT_FALSE(list.Button3->isVisible());
            ASSERT_TRUE(DataModule6->jur_person.locate("id", counterpartyId));
            list.Button2->click();
        });
    }

    // The next product pick (item list in mode 5) chooses this item.
    void scriptProductPick(int itemId)
    {
        host.once<TForm3>([itemId](TForm3& list) {
            EXPECT_EQ(list.Tag, TForm3::kModeOrderLine);
            EXPECT_EQ(list.Button2->text(), "Выбрать");
            ASSERT_TRUE(DataModule6->inventory_items.locate("id", itemId)) << "item " << itemId << " not offered";
            list.Button2->click();
        });
    }

    // Fills the line editor as a user does: picks the product, types quantity and price, chooses
    // the colour. Leaves the editor open.
    void fillLine(TForm44& editor, const LineInput& in)
    {
        if (in.item != 0) {
            scriptProductPick(in.item);
            editor.Button5->click();
        }
        editor.Edit3->setText(in.quantity);
        editor.Edit1->setText(in.price);
        if (in.paint != 0) {
            ASSERT_TRUE(editor.ral.locate("id", in.paint));
            editor.LCB_ral->choose(editor.ral.recNo() - 1);
        }
    }

    // "Добавить" on the lines screen, with the editor driven by drive.
    void withLineEditor(TForm42& lines, const std::function<void(TForm44&)>& drive)
    {
        host.once<TForm44>([drive](TForm44& editor) { drive(editor); });
        lines.Button1->click();
    }

    // Adds a line through the editor and "Записать"; the editor is expected to close.
    void addLine(TForm42& lines, const LineInput& in)
    {
        withLineEditor(lines, [&](TForm44& editor) {
            fillLine(editor, in);
            editor.Button1->click();
            EXPECT_FALSE(editor.isVisible()) << "the line was not written";
        });
    }

    static QString cell(platform::ui::Grid* grid, int row, int column)
    {
        return grid->model()->index(row, column).data().toString();
    }
    static bool paintedPaleRed(platform::ui::Grid* grid, int row)
    {
        const QVariant background = grid->model()->index(row, 0).data(Qt::BackgroundRole);
        return background.isValid() && background.value<QBrush>().color() == platform::ui::kPaleRed;
    }

    int lineCount(int orderId) const
    {
        return value(QStringLiteral("select count(*) from mnf_app.app_spec where id_app_doc = %1").arg(orderId)).toInt();
    }
    int orderCount() const { return value("select count(*) from mnf_app.app_doc").toInt(); }
};

} // namespace orderstest
