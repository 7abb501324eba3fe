// Fixture of the process screens' tests: the demo plant, the process list opened from the main
// menu, the process editor opened on a process or on a new one, and what the database holds.
#pragma once

#include "app/Unit1.h"
#include "data/Unit6.h"
#include "items/Unit10.h"
#include "items/Unit33.h"
#include "items/Unit4.h"
#include "support/AppFixture.h"
#include "support/UserActions.h"

#include <functional>
#include <string>

namespace processtest {

using testsupport::cell;

inline QString title(platform::ui::Grid* grid, int column)
{
    return grid->model()->headerData(column, Qt::Horizontal).toString();
}

// Demo processes: 4 "Изготовление шкафа ШР-1" (product 12, material 9, four operations summing to
// 114.5), 7 "Изготовление полки ПЛ-800" (three operations, none in production), 8 without operations.
class ProcessScreensTest : public testsupport::DemoAppTest {
protected:
    platform::db::Dataset& processes() { return DataModule6->proc_tech; }
    platform::db::Dataset& operations() { return DataModule6->operation; }

    // The process list as the main menu opens it.
    void withList(const std::function<void(TForm4&)>& drive)
    {
        host.once<TForm4>([drive](TForm4& list) { drive(list); });
        Form1->N4->trigger();
    }
    // The process editor on an existing process ("Изменить" in the list).
    void withProcess(int processId, const std::function<void(TForm33&)>& drive)
    {
        withList([&](TForm4& list) {
            ASSERT_TRUE(processes().locate("id", processId)) << "process " << processId << " not listed";
            host.once<TForm33>([drive](TForm33& editor) { drive(editor); });
            list.Button2->click();
        });
    }
    // The process editor on a new process ("Добавить" in the list).
    void withNewProcess(const std::function<void(TForm33&)>& drive)
    {
        withList([&](TForm4& list) {
            host.once<TForm33>([drive](TForm33& editor) { drive(editor); });
            list.Button1->click();
        });
    }
    // A product and a material as the pickers would hand them back.
    static void chooseItems(TForm33& editor, qint64 productId, const QString& product, qint64 materialId,
                            const QString& material)
    {
        editor.Edit2->setText(product);
        editor.pickSetProductId(productId);
        editor.Edit4->setText(material);
        editor.pickSetMaterialId(materialId);
    }

    // "Добавить" in the editor, and in the operation editor a type and result as chosen, a price
    // as typed, "Записать".
    void addOperation(TForm33& editor, int typeId, const QString& typeCaption, qint64 result, const QString& price)
    {
        host.once<TForm10>([=](TForm10& operation) {
            operation.pickTypeBox()->setText(typeCaption);
            operation.pickSetHeldOperationTypeId(typeId);
            operation.ShowResult(result);
            operation.Edit3->setText(price);
            operation.Button3->click();
        });
        editor.Button1->click();
    }

    // What the database holds (as std::string, so that a failure prints it readably).
    std::string header(qint64 processId) const
    {
        return value(QStringLiteral("select concat(s_caption, '|', id_inventory_items, '|', id_gds) "
                                    "from mnf_proc_tech.proc_tech where id = %1")
                         .arg(processId))
            .toStdString();
    }
    int processCount() const { return value("select count(*) from mnf_proc_tech.proc_tech").toInt(); }
    // "orderby:type:state:price:product" of each operation, in number order.
    std::string operationsOf(qint64 processId) const
    {
        return value(QStringLiteral("select coalesce(string_agg(concat(orderby, ':', id_type, ':', id_state, ':', "
                                    "price::numeric(15,2), ':', id_inventory_items), ' ' order by orderby), '') "
                                    "from mnf_operation.operation where id_proc_tech = %1")
                         .arg(processId))
            .toStdString();
    }
};

} // namespace processtest
