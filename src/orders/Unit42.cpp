#include "orders/Unit42.h"

#include "data/Unit6.h"
#include "orders/Unit44.h"
#include "platform/ui/DatasetModel.h"
#include "platform/ui/Handler.h"
#include "platform/ui/Prompter.h"
#include "ui/ListScreen.h"
#include "ui/Screen.h"

#include <QGridLayout>
#include <QVBoxLayout>

using platform::ui::connectHandler;

TForm42* Form42 = nullptr;

namespace {

constexpr const char* kLines =
    R"sql(SELECT as1.id, id_ii, ii.marka ii_s_caption, ii.id_msm, m.s_identification as msm_s_caption, cnt, id_app_doc, as1.state, ii2.marka as ral_s_code, as1.price, as1.cost_price
FROM mnf_app.app_spec as1
left join cmn_inventory_items.inventory_items ii2 on as1.id_ral = ii2.id
left join cmn_inventory_items.inventory_items ii on as1.id_ii = ii.id
left join cmn_msm.msm m on m.id = ii.id_msm
where as1.id_app_doc =:id_app_doc)sql";

constexpr const char* kDeleteLine = R"sql(delete from  mnf_app.app_spec where id=:id)sql";

const QString kLineAccepted = QStringLiteral("Невозможно удалить принятую в работу строку спецификации!");
const QString kGroupCaption = QStringLiteral("Заявка в производство № ");

QLineEdit* headerBox()
{
    auto* box = new QLineEdit;
    box->setReadOnly(true);
    box->setEnabled(false);
    return box;
}

} // namespace

TForm42::TForm42(QWidget* parent)
    : Form(parent), app_spec(DataModule6->ADO_DB)
{
    setWindowTitle(QStringLiteral("Ведение данных (42)"));
    app_spec.setSql(QString::fromUtf8(kLines));

    GroupBox1 = new QGroupBox(QStringLiteral("Заявка"));
    DBEdit1 = headerBox();
    DBEdit2 = headerBox();
    DBEdit3 = headerBox();
    DBEdit4 = headerBox();
    DBEdit5 = headerBox();
    auto* header = new QGridLayout(GroupBox1);
    header->setContentsMargins(6, 4, 6, 4);
    header->setVerticalSpacing(3);
    auto addRow = [header](int row, int column, const QString& label, QLineEdit* box) {
        auto* caption = new QLabel(label);
        caption->setBuddy(box);
        header->addWidget(caption, row, column * 2);
        header->addWidget(box, row, column * 2 + 1);
    };
    addRow(0, 0, QStringLiteral("Номер:"), DBEdit1);
    addRow(0, 1, QStringLiteral("Дата пр-ва:"), DBEdit2);
    addRow(1, 0, QStringLiteral("Контрагент:"), DBEdit3);
    addRow(1, 1, QStringLiteral("Дата отгр.:"), DBEdit4);
    addRow(2, 0, QStringLiteral("Исполнитель:"), DBEdit5);
    header->setColumnStretch(1, 3);
    header->setColumnStretch(3, 1);
    Label6 = new QLabel(QStringLiteral("Спецификация:"));

    DBGridEh1 = new platform::ui::Grid(&app_spec);
    DBGridEh1->addColumn(QStringLiteral("ii_s_caption"), QStringLiteral("Изделие"), 300);
    DBGridEh1->addColumn(QStringLiteral("cnt"), QStringLiteral("Количество"), 90);
    DBGridEh1->addColumn(QStringLiteral("msm_s_caption"), QStringLiteral("Ед. изм."), 65);
    platform::ui::GridColumn colour;
    colour.field = QStringLiteral("ral_s_code");
    colour.title = QStringLiteral("Цвет");
    colour.width = 110;
    colour.alignment = Qt::AlignLeft | Qt::AlignVCenter;
    DBGridEh1->addColumn(colour);
    DBGridEh1->addColumn(QStringLiteral("price"), QStringLiteral("Цена"), 90);
    DBGridEh1->addColumn(QStringLiteral("cost_price"), QStringLiteral("Себес."), 90);
    // New lines (state 0), which may still be deleted, stand out in pale red.
    DBGridEh1->setRowBackground([this](int row) -> std::optional<QColor> {
        if (app_spec.fieldAt(row, QStringLiteral("state")).asInt() == 0)
            return platform::ui::kPaleRed;
        return std::nullopt;
    });

    const ui::ListPanel panel = ui::buildListScreen(*this, DBGridEh1, QSize(800, 480));
    Button1 = panel.add;
    Button3 = panel.remove;
    Edit2 = panel.search;
    Button4 = panel.exit;
    // No "Изменить" here: a written line is not edited, and a double click does nothing.
    QObject::disconnect(DBGridEh1, &platform::ui::Grid::rowDoubleClicked, panel.change, nullptr);
    panel.change->setEnabled(false);
    panel.change->hide();
    auto* layout = static_cast<QVBoxLayout*>(this->layout());
    layout->insertWidget(0, GroupBox1);
    layout->insertWidget(1, Label6);

    connectHandler(Button1, &QPushButton::clicked, this, &TForm42::Button1Click);
    connectHandler(Button3, &QPushButton::clicked, this, &TForm42::Button3Click);
}

void TForm42::FormCreate()
{
    ui::setupWindow(*this);
}

void TForm42::FormActivate()
{
    showHeader();
}

void TForm42::showHeader()
{
    const auto& orders = DataModule6->app_doc;
    const bool row = orders.active() && !orders.isEmpty();
    auto text = [&](const char* field) {
        return row ? platform::ui::displayText(orders.field(QString::fromLatin1(field))) : QString();
    };
    DBEdit1->setText(text("id"));
    DBEdit2->setText(text("d_mnf"));
    DBEdit3->setText(text("s_jp_caption"));
    DBEdit4->setText(text("d_out"));
    DBEdit5->setText(text("s_person_caption"));
}

void TForm42::Button1Click()
{
    Form44->Edit1->clear();
    Form44->Edit2->clear();
    Form44->Edit3->clear();
    Form44->forgetProduct();
    Form44->ral.close();
    Form44->ral.open();
    Form44->LCB_ral->setKeyValue(0);
    Form44->GroupBox1->setTitle(kGroupCaption + QString::number(HeldOrderId));
    Form44->Label2->clear();
    Form44->Tag = 1;
    DataModule6->msm.open();
    Form44->showModal();
    DataModule6->msm.close();
    Form44->ral.close();
    // A line just written is listed at once.
    ui::reopen(app_spec);
}

void TForm42::Button3Click()
{
    if (!app_spec.active() || app_spec.isEmpty())
        return;
    if (app_spec.field("state").asInt() != 0) {
        platform::ui::Prompter::error(platform::ui::kErrorTitle, kLineAccepted);
        return;
    }
    const int id = app_spec.field("id").asInt();
    ui::deleteRow(app_spec, [id] {
        auto& cmd = DataModule6->cmd_all;
        cmd.setText(QString::fromLatin1(kDeleteLine));
        cmd.setParam(QStringLiteral("id"), id);
        cmd.execute();
    });
}
