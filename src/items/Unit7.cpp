#include "items/Unit7.h"

#include "data/Unit6.h"
#include "platform/ui/Handler.h"
#include "platform/ui/Prompter.h"
#include "ui/CardScreen.h"
#include "ui/ListScreen.h"
#include "ui/NumberInput.h"
#include "ui/Screen.h"

#include <optional>

using platform::ui::connectHandler;

TForm7* Form7 = nullptr;

namespace {

constexpr const char* kInsertItem =
    R"sql(insert into cmn_inventory_items.inventory_items(marka, id_nom, massa,id_type, width, thick, ral, id_msm, ral_cons)VALUES(:marka , :id_nom, :massa, :id_type, :width, :thick, :ral::t_boolean, :id_msm, :ral_cons))sql";
constexpr const char* kUpdateItem =
    R"sql(UPDATE cmn_inventory_items.inventory_items SET marka=:marka, massa=:massa, id_nom=:id_nom, id_type=:id_type, width=:width, thick=:thick, ral=:ral::t_boolean, id_msm=:id_msm, ral_cons=:ral_cons where id=:id)sql";

constexpr const char* kMsmTable = "cmn_msm.msm";
constexpr const char* kNomenclature = R"sql(select * from cmn_inventory_items.nomenclature order by s_caption)sql";
constexpr const char* kItemTypeTable = "cmn_inventory_items.ii_type";

constexpr int kNameLength = 254;

const QString kNoType = QStringLiteral("Не выбран тип ТМЦ!");
const QString kNoUnit = QStringLiteral("Не выбрана единица измерения!");

void openIfClosed(platform::db::Dataset& dataset)
{
    if (!dataset.active())
        dataset.open();
}

// The numbers of the card as the database receives them; nullopt when one box is not a number
// (its message has been shown).
struct ItemNumbers {
    QString massa;
    QString width;
    QString thick;
    QString ralCons;
};

std::optional<ItemNumbers> readNumbers(const TForm7& card)
{
    const auto massa = ui::readNumber(card.Edit2);
    if (!massa)
        return std::nullopt;
    const auto width = ui::readNumber(card.Edit3);
    if (!width)
        return std::nullopt;
    const auto thick = ui::readNumber(card.Edit4);
    if (!thick)
        return std::nullopt;
    const auto ralCons = ui::readNumber(card.Edit5);
    if (!ralCons)
        return std::nullopt;
    return ItemNumbers{*massa, *width, *thick, *ralCons};
}

// The paint flag follows the paint consumption: painted when it is more than 0.
int paintFlag(const QString& ralCons)
{
    return ralCons.toDouble() > 0 ? 1 : 0;
}

} // namespace

TForm7::TForm7(QWidget* parent)
    : Form(parent), msm(DataModule6->ADO_DB), nomenclature(DataModule6->ADO_DB), operation_state(DataModule6->ADO_DB)
{
    setWindowTitle(QStringLiteral("Ведение (7)"));
    msm.setTable(QString::fromLatin1(kMsmTable));
    nomenclature.setSql(QString::fromUtf8(kNomenclature));
    operation_state.setTable(QString::fromLatin1(kItemTypeTable));

    ui::CardBuilder card(*this, QStringLiteral("Данные ТМЦ"));
    Edit1 = card.addEdit(QStringLiteral("Наименование"));
    Edit1->setMaxLength(kNameLength);
    cb_msm = card.addLookup(QStringLiteral("Ед. изм."));
    cb_msm->setList(&msm, QStringLiteral("id"), QStringLiteral("s_identification"));
    combo_nomenclature = card.addLookup(QStringLiteral("Вид номенклатуры"));
    combo_nomenclature->setList(&nomenclature, QStringLiteral("id"), QStringLiteral("s_caption"));
    cb_operation_state = card.addLookup(QStringLiteral("Тип"));
    cb_operation_state->setList(&operation_state, QStringLiteral("id"), QStringLiteral("s_caption"));
    Edit3 = card.addEdit(QStringLiteral("Длина (мм)"));
    Edit4 = card.addEdit(QStringLiteral("Толщина (мм)"));
    Edit2 = card.addEdit(QStringLiteral("Масса"));
    Edit5 = card.addEdit(QStringLiteral("Расход краски"));
    const auto buttons = card.finish(QSize(430, 270));
    Button1 = buttons.save;
    Button2 = buttons.cancel;

    for (QLineEdit* box : {Edit2, Edit3, Edit4, Edit5})
        ui::installNumberFilter(box, ui::NumberEntry::Decimal);
    connectHandler(Button1, &QPushButton::clicked, this, &TForm7::Button1Click);
}

void TForm7::FormCreate()
{
    ui::setupWindow(*this);
    ui::installWheelKeys(*this, {combo_nomenclature});
}

void TForm7::FormActivate()
{
    Edit1->setFocus();
}

void TForm7::FormClose()
{
    nomenclature.close();
}

void TForm7::OpenTables()
{
    openIfClosed(msm);
    openIfClosed(nomenclature);
    openIfClosed(operation_state);
}

void TForm7::CloseTables()
{
    msm.close();
    nomenclature.close();
    operation_state.close();
}

void TForm7::showType(qint64 type)
{
    cb_operation_state->setKeyValue(type);
}

void TForm7::Button1Click()
{
    if (!ui::requireFilled({Edit1}))
        return;
    const qint64 kind = combo_nomenclature->hasValue() ? combo_nomenclature->keyValue() : 0;
    if (!cb_operation_state->hasValue()) {
        platform::ui::Prompter::error(platform::ui::kErrorTitle, kNoType);
        cb_operation_state->setFocus();
        return;
    }
    if (!cb_msm->hasValue()) {
        platform::ui::Prompter::error(platform::ui::kErrorTitle, kNoUnit);
        cb_msm->setFocus();
        return;
    }
    const auto numbers = readNumbers(*this);
    if (!numbers)
        return;

    auto& items = DataModule6->inventory_items;
    auto& cmd = DataModule6->cmd_all;
    const bool inserting = Tag == kModeInsert;
    cmd.setText(QString::fromLatin1(inserting ? kInsertItem : kUpdateItem));
    cmd.setParam(QStringLiteral("marka"), Edit1->text().trimmed());
    cmd.setParam(QStringLiteral("id_nom"), kind);
    cmd.setParam(QStringLiteral("id_type"), cb_operation_state->keyValue());
    cmd.setParam(QStringLiteral("id_msm"), cb_msm->keyValue());
    cmd.setParam(QStringLiteral("massa"), numbers->massa);
    cmd.setParam(QStringLiteral("width"), numbers->width);
    cmd.setParam(QStringLiteral("thick"), numbers->thick);
    cmd.setParam(QStringLiteral("ral_cons"), numbers->ralCons);
    cmd.setParam(QStringLiteral("ral"), paintFlag(numbers->ralCons));
    if (!inserting)
        cmd.setParam(QStringLiteral("id"), items.field("id").asInt64());
    cmd.execute();
    ui::reopen(items, true);
    closeModal(platform::ui::mrOk);
}
