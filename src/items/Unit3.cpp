#include "items/Unit3.h"

#include "data/Unit6.h"
#include "items/ItemListCommon.h"
#include "items/Unit303.h"
#include "items/Unit7.h"
#include "platform/ui/DatasetModel.h"
#include "platform/ui/Handler.h"
#include "platform/ui/Prompter.h"
#include "ui/ListScreen.h"
#include "ui/Screen.h"

using platform::ui::connectHandler;

TForm3* Form3 = nullptr;

namespace {

constexpr const char* kDeleteItem = R"sql(delete from cmn_inventory_items.inventory_items where id=:id)sql";

constexpr const char* kCountProcesses =
    R"sql(select count(*) as cnt from mnf_proc_tech.proc_tech pt where pt.id_inventory_items = :id_ii)sql";

constexpr const char* kPickerSql =
    R"sql(select ii.*, (CASE ii.ral WHEN true THEN 'Да' END) as s_ral, it.s_caption as s_type, n.s_caption as s_nom, s_identification, (select count(pt.id) from  mnf_proc_tech.proc_tech pt where pt.id_inventory_items = ii.id) as tp_cnt, pt2.id_gds, ii2.marka as s_caption_gds  from cmn_inventory_items.inventory_items ii left join cmn_inventory_items.ii_type it on ii.id_type = it.id left join cmn_inventory_items.nomenclature n on ii.id_nom = n.id left join  cmn_msm.msm m on m.id = ii.id_msm left join mnf_proc_tech.proc_tech pt2 on ii.id=pt2.id_inventory_items left join cmn_inventory_items.inventory_items ii2 on ii2.id=pt2.id_gds)sql";

// The client-side filter of the process list on one item.
constexpr const char* kProcessesOfItem = "id_inventory_items=";

const QString kNoProcess = QStringLiteral("Техпроцесс не найден!");
const QString kChooseCaption = QStringLiteral("Выбрать");

// The editor's number boxes show a stored number as the grid does (the workstation's decimal mark).
QString numberText(const platform::db::Field& field)
{
    return platform::ui::displayText(field).trimmed();
}


} // namespace

QString itemPickerSql(const QString& tail)
{
    return QString::fromUtf8(kPickerSql) + QLatin1Char(' ') + tail;
}

TForm3::TForm3(QWidget* parent)
    : Form(parent), pt_cnt(DataModule6->ADO_DB)
{
    setWindowTitle(QStringLiteral("ТМЦ (3)"));
    pt_cnt.setSql(QString::fromLatin1(kCountProcesses));

    auto& items = DataModule6->inventory_items;
    DBGridEh1 = new platform::ui::Grid(&items);
    DBGridEh1->addColumn(QStringLiteral("marka"), QStringLiteral("Наименование"), 255);
    DBGridEh1->addColumn(QStringLiteral("s_nom"), QStringLiteral("Вид номенклатуры"), 200);
    DBGridEh1->addColumn(QStringLiteral("cost_price"), QStringLiteral("Себес."), 75);
    DBGridEh1->addColumn(itemlist::centred(QStringLiteral("s_identification"), QStringLiteral("Ед. изм."), 65));
    DBGridEh1->addColumn(QStringLiteral("width"), QStringLiteral("Длина"), 65);
    DBGridEh1->addColumn(QStringLiteral("thick"), QStringLiteral("Толщина"), 70);
    DBGridEh1->addColumn(QStringLiteral("massa"), QStringLiteral("Масса"), 60);
    DBGridEh1->addColumn(itemlist::centred(QStringLiteral("s_ral"), QStringLiteral("Краска"), 60));
    DBGridEh1->addColumn(QStringLiteral("ral_cons"), QStringLiteral("Расх. кр."), 70);
    DBGridEh1->addColumn(QStringLiteral("s_type"), QStringLiteral("Тип ТМЦ"), 145);
    DBGridEh1->addColumn(itemlist::centred(QStringLiteral("tp_cnt"), QStringLiteral("ТП"), 40));
    DBGridEh1->addEllipsisColumn();

    const ui::ListPanel panel = ui::buildListScreen(*this, DBGridEh1, QSize(1160, 600));
    Button1 = panel.add;
    Button2 = panel.change;
    Button3 = panel.remove;
    Edit1 = panel.search;
    Button8 = panel.exit;
    // Enter chooses: "Изменить" (or "Выбрать") is the default button of this list.
    Button1->setDefault(false);
    Button2->setDefault(true);

    itemlist::installItemListBehaviour(DBGridEh1, Edit1, items);
    connectHandler(Button1, &QPushButton::clicked, this, &TForm3::Button1Click);
    connectHandler(Button2, &QPushButton::clicked, this, &TForm3::Button2Click);
    connectHandler(Button3, &QPushButton::clicked, this, &TForm3::Button3Click);
    connectHandler(DBGridEh1, &platform::ui::Grid::ellipsisClicked, this, &TForm3::ProcessesClick);
}

void TForm3::FormCreate()
{
    ui::setupWindow(*this);
}

void TForm3::FormActivate()
{
    itemlist::openSorted(DataModule6->inventory_items);
    if (Edit1->isVisible())
        Edit1->setFocus();
}

void TForm3::FormClose()
{
    DataModule6->inventory_items.close();
    HeldNomKind = -1;
}

void TForm3::Button1Click()
{
    auto& items = DataModule6->inventory_items;
    const int recNo = items.recNo();
    for (QLineEdit* box : {Form7->Edit1, Form7->Edit2, Form7->Edit3, Form7->Edit4, Form7->Edit5})
        box->clear();
    Form7->OpenTables();
    // The type and unit boxes keep what they showed last.
    Form7->combo_nomenclature->setKeyValue(HeldNomKind);
    Form7->Tag = TForm7::kModeInsert;
    Form7->showModal();
    Form7->CloseTables();
    if (items.active() && !items.isEmpty())
        items.setRecNo(recNo);
}

void TForm3::Button2Click()
{
    auto& items = DataModule6->inventory_items;
    if (!items.active() || items.isEmpty())
        return;
    const int recNo = items.recNo();
    switch (Tag) {
    case kModeList: changeItem(); break;
    case kModeProduct: pickForProcess(Caller2, true); break;
    case kModeMaterial: pickForProcess(Caller3, false); break;
    case kModeReceipt: pickForReceipt(Caller4); break;
    case kModeOrderLine: pickForLine(Caller5, true); break;
    case kModePurchase: pickForLine(Caller63, false); break;
    default: break; // other modes: nothing to do
    }
    // A pick has closed the list (and its dataset); otherwise back to the row of the click.
    if (items.active() && !items.isEmpty())
        items.setRecNo(recNo);
}

void TForm3::changeItem()
{
    auto& items = DataModule6->inventory_items;
    Form7->OpenTables();
    Form7->Tag = TForm7::kModeUpdate;
    Form7->Edit1->setText(items.field("marka").asString().trimmed());
    Form7->Edit2->setText(numberText(items.field("massa")));
    Form7->Edit3->setText(numberText(items.field("width")));
    Form7->Edit4->setText(numberText(items.field("thick")));
    Form7->Edit5->setText(numberText(items.field("ral_cons")));
    Form7->combo_nomenclature->setKeyValue(items.field("id_nom").asInt64());
    Form7->showType(items.field("id_type").isNull() ? -1 : items.field("id_type").asInt64());
    Form7->cb_msm->setKeyValue(items.field("id_msm").asInt64());
    Form7->showModal();
    Form7->CloseTables();
}

void TForm3::pickForProcess(ItemPickCallerProcess* caller, bool product)
{
    auto& items = DataModule6->inventory_items;
    if (caller) {
        const QString name = items.field("marka").asString().trimmed();
        const qint64 id = items.field("id").asInt64();
        if (product) {
            caller->pickProductBox()->setText(name);
            caller->pickSetProductId(id);
        } else {
            caller->pickMaterialBox()->setText(name);
            caller->pickSetMaterialId(id);
        }
    }
    closeModal(platform::ui::mrOk);
}

void TForm3::pickForReceipt(ItemPickCallerReceipt* caller)
{
    auto& items = DataModule6->inventory_items;
    if (caller) {
        caller->pickItemBox()->setText(items.field("marka").asString().trimmed());
        caller->pickSetItem(items.field("id").asInt64(), items.field("id_msm").asInt64());
        caller->pickUnitLabel()->setText(items.field("s_identification").asString().trimmed());
    }
    closeModal(platform::ui::mrOk);
}

void TForm3::pickForLine(ItemPickCallerLine* caller, bool needsProcess)
{
    auto& items = DataModule6->inventory_items;
    const qint64 id = items.field("id").asInt64();
    if (needsProcess && !hasProcess(id)) {
        platform::ui::Prompter::error(platform::ui::kErrorTitle, kNoProcess);
        return;
    }
    if (caller) {
        caller->pickItemBox()->setText(items.field("marka").asString().trimmed());
        caller->pickUnitLabel()->setText(items.field("s_identification").asString());
        caller->pickSetItem(id, items.field("ral").asInt(), items.field("id_gds").asInt64());
    }
    closeModal(platform::ui::mrOk);
}

bool TForm3::hasProcess(qint64 itemId)
{
    pt_cnt.close();
    pt_cnt.setParam(QStringLiteral("id_ii"), itemId);
    pt_cnt.open();
    const int count = pt_cnt.field("cnt").asInt();
    pt_cnt.close();
    return count > 0;
}

void TForm3::Button3Click()
{
    auto& items = DataModule6->inventory_items;
    if (!items.active() || items.isEmpty())
        return;
    ui::deleteRow(items, [&items] {
        auto& cmd = DataModule6->cmd_all;
        cmd.setText(QString::fromLatin1(kDeleteItem));
        cmd.setParam(QStringLiteral("id"), items.field("id").asInt64());
        cmd.execute();
    });
}

void TForm3::ProcessesClick()
{
    auto& items = DataModule6->inventory_items;
    if (!ProcessList || !items.active() || items.isEmpty())
        return;
    const qint64 id = items.field("id").asInt64();
    auto& processes = DataModule6->proc_tech;
    processes.setFilter(QString::fromLatin1(kProcessesOfItem) + QString::number(id));
    processes.setFiltered(true);
    processes.open();
    platform::ui::Form& list = ProcessList->processesForm();
    ProcessList->setHeldItem(id, items.field("marka").asString().trimmed());
    list.Tag = 2;
    list.showModal();
    list.Tag = 0;
    processes.close();
    processes.setFiltered(false);
}

// ---------------------------------------------------------------------------------------------
// The picker protocol.

ItemPicker::ItemPicker(TForm3& list, int mode, const QString& sql, const QString& filter)
    : form_(list), dataset_(DataModule6->inventory_items), choose_(list.Button2), add_(list.Button1),
      remove_(list.Button3), mode_(mode)
{
    install(sql, filter);
}

ItemPicker::ItemPicker(TForm303& list, int mode, const QString& sql)
    : form_(list), dataset_(list.inventory_items), choose_(list.Button2), add_(nullptr), remove_(nullptr),
      mode_(mode)
{
    install(sql, {});
}

void ItemPicker::install(const QString& sql, const QString& filter)
{
    saved_.sql = dataset_.sql();
    saved_.filter = dataset_.filter();
    saved_.filtered = dataset_.filtered();
    saved_.active = dataset_.active();
    saved_.caption = choose_->text();
    saved_.tag = form_.Tag;
    saved_.addVisible = add_ && !add_->isHidden();
    saved_.removeVisible = remove_ && !remove_->isHidden();
    try {
        if (add_)
            add_->setVisible(false);
        if (remove_)
            remove_->setVisible(false);
        choose_->setText(kChooseCaption);
        dataset_.close();
        dataset_.setFiltered(false);
        dataset_.setFilter(QString());
        dataset_.setSql(sql);
        dataset_.open();
        if (!filter.isEmpty()) {
            dataset_.setFilter(filter);
            dataset_.setFiltered(true);
        }
        form_.Tag = mode_;
    } catch (...) {
        restore();
        throw;
    }
}

int ItemPicker::show()
{
    return form_.showModal();
}

ItemPicker::~ItemPicker()
{
    restore();
}

void ItemPicker::restore() noexcept
{
    platform::ui::runGuarded([this] {
        if (add_)
            add_->setVisible(saved_.addVisible);
        if (remove_)
            remove_->setVisible(saved_.removeVisible);
        choose_->setText(saved_.caption);
        form_.Tag = saved_.tag;
        if (auto* first = qobject_cast<TForm3*>(&form_)) {
            first->Caller2 = first->Caller3 = nullptr;
            first->Caller4 = nullptr;
            first->Caller5 = first->Caller63 = nullptr;
        } else if (auto* second = qobject_cast<TForm303*>(&form_)) {
            second->Caller3 = nullptr;
        }
        dataset_.close();
        dataset_.setFiltered(false);
        dataset_.setFilter(saved_.filter);
        dataset_.setSql(saved_.sql);
        dataset_.setFiltered(saved_.filtered);
        if (saved_.active)
            dataset_.open();
    });
}
