#include "items/Unit33.h"

#include "data/Unit6.h"
#include "items/Unit10.h"
#include "items/Unit303.h"
#include "platform/ui/Handler.h"
#include "platform/ui/Prompter.h"
#include "ui/ListScreen.h"
#include "ui/Screen.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

using platform::ui::connectHandler;

TForm33* Form33 = nullptr;

namespace {

constexpr const char* kFullPrice = R"sql(select sum(o.price) as full_price from mnf_operation.operation o  
where o.id_proc_tech = :id_pt)sql";

// The new process's number comes back from the insert itself: another workstation may insert a
// process at the same moment, so the sequence's last value is not necessarily ours.
constexpr const char* kInsertProcess =
    R"sql(insert into mnf_proc_tech.proc_tech(s_caption, id_inventory_items, id_gds)VALUES(:s_caption ,:id_inventory_items ,:id_gds) returning id)sql";

constexpr const char* kUpdateProcess =
    R"sql(UPDATE mnf_proc_tech.proc_tech SET s_caption=:s_caption, id_inventory_items=:id_inventory_items, id_gds=:id_gds where id=:id)sql";

constexpr const char* kDeleteOperation = R"sql(delete from mnf_operation.operation where id=:id)sql";

const QString kProcessCaption = QStringLiteral("Техпроцесс № ");
const QString kAllFilled = QStringLiteral("Все поля должны быть заполнены.");
const QString kSaveTitle = QStringLiteral("Сохраннение");
const QString kSaveQuestion = QStringLiteral("Сохранить изменения?");
const QString kChooseItems = QStringLiteral("Необходимо выбрать издение и материал.");
const QString kDeleteQuestion = QStringLiteral("Удалить строку (будет удалена вся спецификация ТП)?");

// The second item list knows only the material mode; while the first list is on screen beneath
// this editor, the product is chosen there too and handed to the product box.
class ProductThroughMaterialPick : public ItemPickCallerProcess {
public:
    explicit ProductThroughMaterialPick(TForm33& editor) : editor_(editor) {}
    QLineEdit* pickProductBox() override { return editor_.Edit2; }
    void pickSetProductId(qint64 itemId) override { editor_.HeldProductId = itemId; }
    QLineEdit* pickMaterialBox() override { return editor_.Edit2; }
    void pickSetMaterialId(qint64 itemId) override { editor_.HeldProductId = itemId; }

private:
    TForm33& editor_;
};

// The item list is on screen beneath when this editor was reached from it: it cannot be shown
// a second time, so the second list chooses.
bool itemListOnScreen()
{
    return Form3 && Form3->isVisible();
}

QPushButton* ellipsisButton()
{
    auto* button = new QPushButton(QStringLiteral("..."));
    button->setFixedWidth(28);
    return button;
}

} // namespace

TForm33::TForm33(QWidget* parent)
    : Form(parent), full_price(DataModule6->ADO_DB)
{
    setWindowTitle(QStringLiteral("Список операций (33)"));
    full_price.setSql(QString::fromUtf8(kFullPrice));

    // The header.
    GroupBox1 = new QGroupBox(kProcessCaption);
    Edit2 = new QLineEdit;
    Edit2->setEnabled(false);
    Button5 = ellipsisButton();
    Edit3 = new QLineEdit;
    Edit3->setMaxLength(254);
    Edit4 = new QLineEdit;
    Edit4->setEnabled(false);
    Button7 = ellipsisButton();
    Button6 = new QPushButton(QStringLiteral("Сохранить"));
    price = new platform::ui::DataText;
    price->setSource(&full_price, QStringLiteral("full_price"));
    price->setMinimumWidth(90);
    auto* header = new QGridLayout(GroupBox1);
    header->setContentsMargins(6, 4, 6, 4);
    header->setVerticalSpacing(3);
    header->addWidget(new QLabel(QStringLiteral("Изделие:")), 0, 0);
    header->addWidget(Edit2, 0, 1);
    header->addWidget(Button5, 0, 2);
    header->addWidget(new QLabel(QStringLiteral("Наименование ТП:")), 1, 0);
    header->addWidget(Edit3, 1, 1, 1, 2);
    header->addWidget(new QLabel(QStringLiteral("Исходный ТМЦ:")), 2, 0);
    header->addWidget(Edit4, 2, 1);
    header->addWidget(Button7, 2, 2);
    auto* totals = new QHBoxLayout;
    totals->addWidget(Button6);
    totals->addStretch();
    totals->addWidget(new QLabel(QStringLiteral("Итого:")));
    totals->addSpacing(4);
    totals->addWidget(price);
    header->addLayout(totals, 3, 0, 1, 3);

    // The operations and the bottom panel.
    DBGrid1 = new platform::ui::Grid(&DataModule6->operation);
    DBGrid1->addColumn(QStringLiteral("orderby"), QStringLiteral("Номер п.п."), 80);
    DBGrid1->addColumn(QStringLiteral("s_type"), QStringLiteral("Операция"), 240);
    DBGrid1->addColumn(QStringLiteral("s_state"), QStringLiteral("Результат"), 170);
    DBGrid1->addColumn(QStringLiteral("price"), QStringLiteral("Цена"), 90);
    const ui::ListPanel panel = ui::buildListScreen(*this, DBGrid1, QSize(680, 500));
    Button1 = panel.add;
    Button2 = panel.change;
    Button3 = panel.remove;
    Edit1 = panel.search;
    Edit1->setMinimumWidth(60);
    Button8 = panel.exit;
    Button8->setText(QStringLiteral("Отмена"));
    Button4 = new QPushButton(QStringLiteral("Сохранить и выйти"));
    auto* layout = static_cast<QVBoxLayout*>(this->layout());
    layout->insertWidget(0, GroupBox1);
    if (auto* bottom = qobject_cast<QHBoxLayout*>(layout->itemAt(layout->count() - 1)->layout()))
        bottom->insertWidget(bottom->indexOf(Button8), Button4);

    connectHandler(Button1, &QPushButton::clicked, this, &TForm33::Button1Click);
    connectHandler(Button2, &QPushButton::clicked, this, &TForm33::Button2Click);
    connectHandler(Button3, &QPushButton::clicked, this, &TForm33::Button3Click);
    connectHandler(Button4, &QPushButton::clicked, this, &TForm33::Button4Click);
    connectHandler(Button5, &QPushButton::clicked, this, &TForm33::Button5Click);
    connectHandler(Button6, &QPushButton::clicked, this, &TForm33::Button6Click);
    connectHandler(Button7, &QPushButton::clicked, this, &TForm33::Button7Click);
}

void TForm33::FormCreate()
{
    ui::setupWindow(*this);
}

void TForm33::EnableOperationButtons(bool enabled)
{
    for (QPushButton* button : {Button1, Button2, Button3, Button4})
        button->setEnabled(enabled);
}

void TForm33::ShowProcessNumber()
{
    GroupBox1->setTitle(HeldProcessId == 0 ? kProcessCaption : kProcessCaption + QString::number(HeldProcessId));
}

// ---------------------------------------------------------------------------------------------
// The header.

void TForm33::Button6Click()
{
    SaveHeader();
}

void TForm33::Button4Click()
{
    SaveHeader();
    closeModal(platform::ui::mrOk);
}

bool TForm33::headerUnchanged() const
{
    return Edit2->text() == SavedProduct && Edit3->text() == SavedName && Edit4->text() == SavedMaterial
           && HeldProcessId != 0;
}

void TForm33::SaveHeader()
{
    auto& processes = DataModule6->proc_tech;
    const int recNo = processes.recNo();
    if (Edit2->text().isEmpty() && Edit3->text().isEmpty() && Edit4->text().isEmpty())
        return; // nothing typed
    if (!headerUnchanged()) {
        const QString name = Edit3->text().trimmed();
        if (Edit2->text().trimmed().isEmpty() || name.isEmpty() || Edit4->text().trimmed().isEmpty()) {
            platform::ui::Prompter::error(platform::ui::kErrorTitle, kAllFilled);
        } else if (platform::ui::Prompter::question(kSaveTitle, kSaveQuestion)) {
            if (Tag == kModeExisting)
                updateHeader(name);
            else
                insertHeader(name);
            SavedProduct = Edit2->text();
            SavedName = Edit3->text();
            SavedMaterial = Edit4->text();
            EnableOperationButtons(true);
        }
    }
    if (processes.active() && !processes.isEmpty())
        processes.setRecNo(recNo);
}

void TForm33::insertHeader(const QString& name)
{
    auto& cmd = DataModule6->cmd_all;
    cmd.setText(QString::fromLatin1(kInsertProcess));
    cmd.setParam(QStringLiteral("s_caption"), name);
    cmd.setParam(QStringLiteral("id_inventory_items"), HeldProductId);
    cmd.setParam(QStringLiteral("id_gds"), HeldMaterialId);
    HeldProcessId = cmd.executeScalar().toLongLong();
    ShowProcessNumber();
    // From now on the operations and the total are those of the new process.
    DataModule6->operation.setParam(QStringLiteral("id_proc_tech"), HeldProcessId);
    full_price.setParam(QStringLiteral("id_pt"), HeldProcessId);
    ui::reopen(DataModule6->proc_tech);
    Tag = kModeExisting;
}

void TForm33::updateHeader(const QString& name)
{
    auto& cmd = DataModule6->cmd_all;
    cmd.setText(QString::fromLatin1(kUpdateProcess));
    cmd.setParam(QStringLiteral("s_caption"), name);
    cmd.setParam(QStringLiteral("id_inventory_items"), HeldProductId);
    cmd.setParam(QStringLiteral("id_gds"), HeldMaterialId);
    cmd.setParam(QStringLiteral("id"), HeldProcessId);
    cmd.execute();
    ui::reopen(DataModule6->proc_tech);
}

// ---------------------------------------------------------------------------------------------
// The pickers of the product and the material.

void TForm33::Button5Click()
{
    const QString sql = itemPickerSql(kPickTailProduct);
    if (itemListOnScreen()) {
        ProductThroughMaterialPick product(*this);
        Form303->Caller3 = &product;
        ItemPicker(*Form303, TForm303::kModeMaterial, sql).show();
    } else {
        Form3->Caller2 = this;
        ItemPicker(*Form3, TForm3::kModeProduct, sql).show();
    }
}

void TForm33::Button7Click()
{
    if (Tag == kModeNewOfItem || itemListOnScreen()) {
        // A new process of an item: its material is no blank and no paint.
        const QString& tail = Tag == kModeNewOfItem ? kPickTailNewProcessMaterial : kPickTailMaterial;
        Form303->Caller3 = this;
        ItemPicker(*Form303, TForm303::kModeMaterial, itemPickerSql(tail)).show();
    } else {
        Form3->Caller3 = this;
        ItemPicker(*Form3, TForm3::kModeMaterial, itemPickerSql(kPickTailMaterial)).show();
    }
}

// ---------------------------------------------------------------------------------------------
// The operations.

void TForm33::refreshPrice()
{
    ui::reopen(full_price);
}

void TForm33::Button1Click()
{
    if (HeldProductId == 0 || HeldMaterialId == 0) {
        platform::ui::Prompter::error(platform::ui::kErrorTitle, kChooseItems);
        return;
    }
    TForm10& editor = *Form10;
    editor.Tag = TForm10::kModeInsert;
    editor.max_num.close();
    editor.max_num.setParam(QStringLiteral("id_pt"), HeldProcessId);
    editor.max_num.open();
    editor.Edit1->setText(editor.max_num.field("orderby").asString());
    editor.Edit2->clear();
    editor.Edit3->clear();
    // A new operation starts without a type.
    editor.HeldOperationTypeId = 0;
    editor.operation_state.open();
    editor.ShowResult(-1);
    editor.showModal();
    editor.max_num.close();
    editor.operation_state.close();
    refreshPrice();
}

void TForm33::Button2Click()
{
    auto& operations = DataModule6->operation;
    if (!operations.active() || operations.isEmpty())
        return;
    const int recNo = operations.recNo();
    TForm10& editor = *Form10;
    editor.Tag = TForm10::kModeUpdate;
    editor.HeldOperationTypeId = operations.field("id_type").asInt();
    editor.Edit1->setText(operations.field("orderby").asString());
    editor.Edit2->setText(operations.field("s_type").asString());
    editor.Edit3->setText(platform::ui::displayText(operations.field("price")));
    editor.operation_state.open();
    editor.ShowResult(operations.field("id_state").asInt64());
    editor.showModal();
    editor.operation_state.close();
    if (!operations.isEmpty())
        operations.setRecNo(recNo);
    refreshPrice();
}

void TForm33::Button3Click()
{
    auto& operations = DataModule6->operation;
    if (!operations.active() || operations.isEmpty())
        return;
    ui::deleteRow(
        operations,
        [&operations] {
            auto& cmd = DataModule6->cmd_all;
            cmd.setText(QString::fromLatin1(kDeleteOperation));
            cmd.setParam(QStringLiteral("id"), operations.field("id").asInt64());
            cmd.execute();
        },
        kDeleteQuestion);
    refreshPrice();
}
