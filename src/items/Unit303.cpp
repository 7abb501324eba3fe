#include "items/Unit303.h"

#include "data/Unit6.h"
#include "items/ItemListCommon.h"
#include "items/Unit3.h"
#include "platform/ui/Handler.h"
#include "ui/ListScreen.h"
#include "ui/Screen.h"

using platform::ui::connectHandler;

TForm303* Form303 = nullptr;

namespace {

// The list's design-time statement; the caller installs its own before showing the list.
constexpr const char* kItems = "select ii.*, (CASE ral WHEN true THEN '+' END) as s_ral, it.s_caption as s_type, "
                               "n.s_caption as s_nom,  m.s_identification,\n"
                               "(select count(pt.id) from  mnf_proc_tech.proc_tech pt where pt.id_inventory_items = "
                               "ii.id) as tp_cnt\n"
                               "from cmn_inventory_items.inventory_items ii\n"
                               "left join cmn_inventory_items.ii_type it on ii.id_type = it.id\n"
                               "left join cmn_inventory_items.nomenclature n on ii.id_nom = n.id\n"
                               "left join  cmn_msm.msm m on m.id = ii.id_msm";


} // namespace

TForm303::TForm303(QWidget* parent)
    : Form(parent), inventory_items(DataModule6->ADO_DB)
{
    setWindowTitle(QStringLiteral("ТМЦ (3)"));
    inventory_items.setSql(QString::fromLatin1(kItems));

    DBGridEh1 = new platform::ui::Grid(&inventory_items);
    DBGridEh1->addColumn(QStringLiteral("marka"), QStringLiteral("Наименование"), 270);
    DBGridEh1->addColumn(QStringLiteral("s_nom"), QStringLiteral("Номенклатура"), 200);
    DBGridEh1->addColumn(itemlist::centred(QStringLiteral("s_identification"), QStringLiteral("Ед. изм."), 65));
    DBGridEh1->addColumn(QStringLiteral("width"), QStringLiteral("Длина"), 65);
    DBGridEh1->addColumn(QStringLiteral("thick"), QStringLiteral("Толщина"), 70);
    DBGridEh1->addColumn(QStringLiteral("massa"), QStringLiteral("Масса"), 60);
    DBGridEh1->addColumn(itemlist::centred(QStringLiteral("s_ral"), QStringLiteral("Краска"), 60));
    DBGridEh1->addColumn(QStringLiteral("ral_cons"), QStringLiteral("Расх. кр."), 70);
    DBGridEh1->addColumn(QStringLiteral("s_type"), QStringLiteral("Тип ТМЦ"), 135);

    const ui::ListPanel panel = ui::buildListScreen(*this, DBGridEh1, QSize(990, 560));
    // This list only chooses: no "Добавить" and no "Удалить".
    delete panel.add;
    delete panel.remove;
    Button2 = panel.change;
    Edit1 = panel.search;
    Button8 = panel.exit;
    Button2->setDefault(true);

    itemlist::installItemListBehaviour(DBGridEh1, Edit1, inventory_items);
    connectHandler(Button2, &QPushButton::clicked, this, &TForm303::Button2Click);
}

void TForm303::FormCreate()
{
    ui::setupWindow(*this);
}

void TForm303::FormActivate()
{
    itemlist::openSorted(inventory_items);
    if (Edit1->isVisible())
        Edit1->setFocus();
}

void TForm303::FormClose()
{
    inventory_items.close();
}

void TForm303::Button2Click()
{
    if (!inventory_items.active() || inventory_items.isEmpty())
        return;
    const int recNo = inventory_items.recNo();
    if (Tag == kModeMaterial) {
        if (Caller3) {
            Caller3->pickMaterialBox()->setText(inventory_items.field("marka").asString().trimmed());
            Caller3->pickSetMaterialId(inventory_items.field("id").asInt64());
        }
        closeModal(platform::ui::mrOk);
    }
    if (inventory_items.active() && !inventory_items.isEmpty())
        inventory_items.setRecNo(recNo);
}
