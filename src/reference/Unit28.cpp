#include "reference/Unit28.h"

#include "data/Unit6.h"
#include "items/Unit3.h"
#include "platform/ui/Handler.h"
#include "reference/Unit29.h"
#include "ui/ListScreen.h"
#include "ui/Screen.h"

using platform::ui::connectHandler;

TForm28* Form28 = nullptr;

namespace {

constexpr const char* kDeleteKind = R"sql(delete from cmn_inventory_items.nomenclature where id=:id)sql";

constexpr const char* kSearchPrefix = "s_caption like '";
constexpr const char* kSearchSuffix = "%'";

// The client-side filter of the item list on one kind.
constexpr const char* kItemsOfKind = "id_nom=";

} // namespace

TForm28::TForm28(QWidget* parent)
    : Form(parent)
{
    setWindowTitle(QStringLiteral("Номенклатура"));
    DBGridEh1 = new platform::ui::Grid(&DataModule6->nomenclature);
    DBGridEh1->addColumn(QStringLiteral("s_caption"), QStringLiteral("Наименование"), 330);
    DBGridEh1->addColumn(QStringLiteral("s_department"), QStringLiteral("Подразделение"), 220);
    DBGridEh1->addEllipsisColumn();
    const ui::ListPanel panel = ui::buildListScreen(*this, DBGridEh1, QSize(629, 686));
    Button5 = panel.add;
    Button2 = panel.change;
    Button3 = panel.remove;
    Edit1 = panel.search;
    Button4 = panel.exit;

    ui::installSearch(Edit1, DataModule6->nomenclature, QString::fromLatin1(kSearchPrefix),
                      QString::fromLatin1(kSearchSuffix), ui::SearchKeys::A);
    connectHandler(Button5, &QPushButton::clicked, this, &TForm28::Button5Click);
    connectHandler(Button2, &QPushButton::clicked, this, &TForm28::Button2Click);
    connectHandler(Button3, &QPushButton::clicked, this, &TForm28::Button3Click);
    connectHandler(DBGridEh1, &platform::ui::Grid::ellipsisClicked, this, &TForm28::ItemsClick);
}

void TForm28::FormCreate()
{
    ui::setupWindow(*this);
}

void TForm28::Button5Click()
{
    Form29->Tag = 1;
    Form29->Edit1->clear();
    Form29->OpenDepartments();
    // The store box keeps the store chosen last.
    Form29->cb_department.first();
    Form29->showModal();
}

void TForm28::Button2Click()
{
    auto& kinds = DataModule6->nomenclature;
    if (kinds.isEmpty())
        return;
    const int recNo = kinds.recNo();
    Form29->Tag = 0;
    Form29->Edit1->setText(kinds.field("s_caption").asString().trimmed());
    Form29->OpenDepartments();
    Form29->p_department->setKeyValue(kinds.field("id_department").asInt64());
    Form29->showModal();
    // A save has reopened the list: back to the changed row.
    if (!kinds.isEmpty())
        kinds.setRecNo(recNo);
}

void TForm28::Button3Click()
{
    auto& kinds = DataModule6->nomenclature;
    if (kinds.isEmpty())
        return;
    ui::deleteRow(kinds, [&kinds] {
        auto& cmd = DataModule6->cmd_all;
        cmd.setText(QString::fromLatin1(kDeleteKind));
        cmd.setParam(QStringLiteral("id"), kinds.field("id").asInt());
        cmd.execute();
    });
}

void TForm28::ItemsClick()
{
    auto& kinds = DataModule6->nomenclature;
    if (kinds.isEmpty())
        return;
    const int kind = kinds.field("id").asInt();
    auto& items = DataModule6->inventory_items;
    items.open();
    items.setFilter(QString::fromLatin1(kItemsOfKind) + QString::number(kind));
    items.setFiltered(true);
    // The item list opens in list mode with this kind as the preset of new items.
    Form3->HeldNomKind = kind;
    Form3->Tag = TForm3::kModeList;
    Form3->showModal();
    items.close();
    items.setFiltered(false);
    items.setFilter(QString());
}
