#include "items/Unit4.h"

#include "data/Unit6.h"
#include "items/Unit33.h"
#include "platform/ui/Handler.h"
#include "ui/ListScreen.h"
#include "ui/Screen.h"

using platform::ui::connectHandler;

TForm4* Form4 = nullptr;

namespace {

constexpr const char* kDeleteProcess = R"sql(delete from mnf_proc_tech.proc_tech where id=:id)sql";

const QString kDeleteQuestion = QStringLiteral("Удалить строку (будет удалена вся спецификация ТП)?");

// The product name begins with the typed text.
const QString kSearchPrefix = QStringLiteral("s_ii like '");
const QString kSearchSuffix = QStringLiteral("%'");

platform::db::Dataset& processes()
{
    return DataModule6->proc_tech;
}

// The process editor's operations and total of one process (0 for a process not saved yet).
void openOperationsOf(qint64 processId)
{
    auto& total = Form33->full_price;
    total.close();
    total.setParam(QStringLiteral("id_pt"), processId);
    total.open();
    auto& operations = DataModule6->operation;
    operations.close();
    operations.setParam(QStringLiteral("id_proc_tech"), processId);
    operations.open();
}

void closeOperations()
{
    DataModule6->operation.close();
    Form33->full_price.close();
}

} // namespace

TForm4::TForm4(QWidget* parent)
    : Form(parent)
{
    setWindowTitle(QStringLiteral("Техпроцессы (4)"));
    auto& list = processes();
    DBGrid1 = new platform::ui::Grid(&list);
    DBGrid1->addColumn(QStringLiteral("id"), QStringLiteral("Номер"), 60);
    DBGrid1->addColumn(QStringLiteral("s_ii"), QStringLiteral("Изделие"), 240);
    DBGrid1->addColumn(QStringLiteral("s_gds"), QStringLiteral("Материал"), 235);
    DBGrid1->addColumn(QStringLiteral("s_caption"), QStringLiteral("Наименование"), 250);
    DBGrid1->addColumn(QStringLiteral("full_price"), QStringLiteral("Цена"), 80);

    const ui::ListPanel panel = ui::buildListScreen(*this, DBGrid1, QSize(900, 520));
    Button1 = panel.add;
    Button2 = panel.change;
    Button3 = panel.remove;
    Edit1 = panel.search;
    Button9 = panel.exit;

    ui::installSearch(Edit1, list, kSearchPrefix, kSearchSuffix, ui::SearchKeys::A);
    // A click on a title sorts by it: descending unless the list is sorted descending already.
    ui::installTitleSort(DBGrid1, {
                                      {QStringLiteral("id"), QStringLiteral("id DESC, s_ii ASC"), QStringLiteral("id ASC")},
                                      {QStringLiteral("s_ii"), QStringLiteral("s_ii DESC, id ASC"), QStringLiteral("s_ii ASC")},
                                      {QStringLiteral("s_caption"), QStringLiteral("s_caption DESC, s_ii, id ASC"),
                                       QStringLiteral("s_caption  ASC")},
                                      {QStringLiteral("full_price"), QStringLiteral("full_price DESC, s_ii, id ASC"),
                                       QStringLiteral("full_price, s_ii, id ASC")},
                                  });
    connectHandler(Button1, &QPushButton::clicked, this, &TForm4::Button1Click);
    connectHandler(Button2, &QPushButton::clicked, this, &TForm4::Button2Click);
    connectHandler(Button3, &QPushButton::clicked, this, &TForm4::Button3Click);

    // The item list's ellipsis button opens this list on the processes of one item.
    if (Form3)
        Form3->ProcessList = this;
}

TForm4::~TForm4()
{
    if (Form3 && Form3->ProcessList == this)
        Form3->ProcessList = nullptr;
}

void TForm4::FormCreate()
{
    ui::setupWindow(*this);
}

void TForm4::FormActivate()
{
    if (Edit1->isVisible())
        Edit1->setFocus();
    // A search text left from an earlier use replaces any filter the opener set.
    if (!Edit1->text().trimmed().isEmpty())
        ui::applySearch(processes(), kSearchPrefix, kSearchSuffix, Edit1->text());
}

void TForm4::setHeldItem(qint64 itemId, const QString& itemName)
{
    HeldItemId = itemId;
    HeldItemName = itemName;
}

void TForm4::Button1Click()
{
    TForm33& editor = *Form33;
    editor.Tag = TForm33::kModeNew;
    openOperationsOf(0); // an empty operation list
    editor.EnableOperationButtons(false);
    editor.HeldMaterialId = 0;
    if (Tag == kModeOfItem) {
        editor.HeldProductId = HeldItemId;
        editor.Edit2->setText(HeldItemName);
        editor.SavedProduct = editor.SavedName = editor.SavedMaterial = HeldItemName;
        editor.Tag = TForm33::kModeNewOfItem;
    } else {
        editor.HeldProductId = 0;
        editor.Edit2->clear();
        editor.SavedProduct.clear();
        editor.SavedName.clear();
        editor.SavedMaterial.clear();
    }
    editor.HeldProcessId = 0;
    editor.ShowProcessNumber();
    editor.Edit1->clear();
    editor.Edit3->clear();
    editor.Edit4->clear();
    editor.showModal();
    closeOperations();
    // Operations added to the new process change its price: show the list fresh, on that process.
    const qint64 created = editor.HeldProcessId;
    if (created != 0) {
        ui::refresh(processes());
        processes().locate(QStringLiteral("id"), created);
    }
}

void TForm4::Button2Click()
{
    auto& list = processes();
    if (!list.active() || list.isEmpty())
        return;
    const int recNo = list.recNo();
    TForm33& editor = *Form33;
    editor.HeldProcessId = list.field("id").asInt64();
    editor.HeldProductId = list.field("id_inventory_items").asInt64();
    editor.HeldMaterialId = list.field("id_gds").asInt64();
    editor.Tag = TForm33::kModeExisting;
    openOperationsOf(editor.HeldProcessId);
    editor.ShowProcessNumber();
    editor.SavedProduct = list.field("s_ii").asString().trimmed();
    editor.SavedName = list.field("s_caption").asString().trimmed();
    editor.SavedMaterial = list.field("s_gds").asString().trimmed();
    editor.Edit2->setText(editor.SavedProduct);
    editor.Edit3->setText(editor.SavedName);
    editor.Edit4->setText(editor.SavedMaterial);
    editor.Edit1->clear();
    // A new process left unsaved before must not leave its buttons off for this one.
    editor.EnableOperationButtons(true);
    editor.showModal();
    closeOperations();
    // Prices and names may have changed.
    list.close();
    list.open();
    if (!list.isEmpty())
        list.setRecNo(recNo);
}

void TForm4::Button3Click()
{
    auto& list = processes();
    if (!list.active() || list.isEmpty())
        return;
    // The operations of the process go with it (the database cascades).
    ui::deleteRow(
        list,
        [&list] {
            auto& cmd = DataModule6->cmd_all;
            cmd.setText(QString::fromLatin1(kDeleteProcess));
            cmd.setParam(QStringLiteral("id"), list.field("id").asInt64());
            cmd.execute();
        },
        kDeleteQuestion);
}
