#include "orders/Unit44.h"

#include "data/Unit6.h"
#include "orders/Unit42.h"
#include "platform/ui/Handler.h"
#include "platform/ui/Prompter.h"
#include "ui/CardScreen.h"
#include "ui/NumberInput.h"
#include "ui/Screen.h"

#include <QHBoxLayout>
#include <cmath>

using platform::ui::connectHandler;

TForm44* Form44 = nullptr;

namespace {

constexpr const char* kPaints =
    R"sql(select ii.id, ii.marka as s_code from cmn_inventory_items.inventory_items ii where ii.id_type =3 order by s_code)sql";
constexpr const char* kCostPrice = R"sql(select ii.cost_price from cmn_inventory_items.inventory_items ii
where ii.id=:id_ii)sql";
constexpr const char* kCountSameProduct =
    R"sql(SELECT count(*) as cnt FROM mnf_app.app_spec as1, cmn_inventory_items.inventory_items ii  where id_ii =:id_ii and as1.id_app_doc = :id_app_doc)sql";

constexpr const char* kInsertLine =
    R"sql(INSERT INTO mnf_app.app_spec(id_ii, cnt, id_app_doc, id_ral, id_gds, price, cost_price)VALUES(:id_ii, :cnt, :id_app_doc, :id_ral,:id_gds, :price, :cost_price))sql";

const QString kSameProduct = QStringLiteral("Такая позиция есть в спецификации!");
const QString kNoPaint = QStringLiteral("Необходимо указать RAL!");
const QString kBelowCost = QStringLiteral("Цена ниже себестоимости! Принять цену?");

// A number in the server's notation in millionths (quantities are read with six decimals).
qint64 millionths(const QString& number)
{
    return std::llround(number.toDouble() * 1e6);
}

} // namespace

TForm44::TForm44(QWidget* parent)
    : Form(parent), ral(DataModule6->ADO_DB), cost_price(DataModule6->ADO_DB), cnt_ii(DataModule6->ADO_DB)
{
    setWindowTitle(QStringLiteral("Ведение данных (44)"));
    ral.setSql(QString::fromLatin1(kPaints));
    cost_price.setSql(QString::fromLatin1(kCostPrice));
    cnt_ii.setSql(QString::fromLatin1(kCountSameProduct));

    ui::CardBuilder card(*this, QStringLiteral("Заявка в производство № "));
    GroupBox1 = card.group();

    Edit2 = new QLineEdit;
    Edit2->setReadOnly(true);
    Button5 = new QPushButton(QStringLiteral("..."));
    Button5->setFixedWidth(28);
    Label2 = new QLabel;
    Label2->setMinimumWidth(40);
    auto* product = new QWidget;
    auto* productRow = new QHBoxLayout(product);
    productRow->setContentsMargins(0, 0, 0, 0);
    productRow->addWidget(Edit2, 1);
    productRow->addWidget(Button5);
    productRow->addWidget(Label2);
    QLabel* productLabel = nullptr;
    card.add(QStringLiteral("Изделие:"), product, &productLabel);
    productLabel->setBuddy(Edit2);

    DBText1 = card.add(QStringLiteral("Себестоимость:"), new platform::ui::DataText);
    DBText1->setSource(&cost_price, QStringLiteral("cost_price"));
    Edit3 = card.addEdit(QStringLiteral("Количество:"));
    LCB_ral = card.addLookup(QStringLiteral("RAL:"));
    LCB_ral->setList(&ral, QStringLiteral("id"), QStringLiteral("s_code"));
    Edit1 = card.addEdit(QStringLiteral("Цена:"));
    const auto buttons = card.finish(QSize(430, 210));
    Button1 = buttons.save;
    Button2 = buttons.cancel;

    ui::installNumberFilter(Edit3, ui::NumberEntry::DecimalComma);
    ui::installNumberFilter(Edit1, ui::NumberEntry::DecimalComma);
    connectHandler(Button1, &QPushButton::clicked, this, &TForm44::Button1Click);
    connectHandler(Button5, &QPushButton::clicked, this, &TForm44::Button5Click);
}

void TForm44::FormCreate()
{
    ui::setupWindow(*this);
}

void TForm44::FormClose()
{
    cost_price.close();
}

void TForm44::pickSetItem(qint64 itemId, int paintFlag, qint64 materialId)
{
    ProductId = itemId;
    PaintFlag = paintFlag;
    MaterialId = materialId;
}

void TForm44::forgetProduct()
{
    pickSetItem(0, 0, 0);
    cost_price.close();
}

void TForm44::Button5Click()
{
    {
        // Only products that have a process are offered (until a search text replaces the filter).
        Form3->Caller5 = this;
        ItemPicker picker(*Form3, TForm3::kModeOrderLine, itemPickerSql(kPickTailOrderLine), kPickFilterOrderLine);
        picker.show();
    }
    cost_price.close();
    cost_price.setParam(QStringLiteral("id_ii"), ProductId);
    cost_price.open();
}

bool TForm44::productAlreadyOrdered(int orderId)
{
    cnt_ii.close();
    cnt_ii.setParam(QStringLiteral("id_app_doc"), orderId);
    cnt_ii.setParam(QStringLiteral("id_ii"), ProductId);
    cnt_ii.open();
    const int count = cnt_ii.field("cnt").asInt();
    cnt_ii.close();
    return count >= 1;
}

void TForm44::Button1Click()
{
    if (!ui::requireFilled({Edit2, Edit3, Edit1}))
        return;
    const int orderId = Form42->HeldOrderId;
    if (productAlreadyOrdered(orderId)) {
        platform::ui::Prompter::error(platform::ui::kErrorTitle, kSameProduct);
        return;
    }
    qint64 paint = 0;
    if (PaintFlag != 0) {
        if (!LCB_ral->hasValue() || LCB_ral->keyValue() <= 0) {
            platform::ui::Prompter::error(platform::ui::kErrorTitle, kNoPaint);
            LCB_ral->setFocus();
            return;
        }
        paint = LCB_ral->keyValue();
    }
    const auto quantity = ui::readNumber(Edit3);
    if (!quantity)
        return;
    const auto price = ui::readNumber(Edit1);
    if (!price)
        return;
    if (millionths(*price) <= 0)
        return; // a price of 0 is not taken, without a word
    const bool costKnown = cost_price.active() && !cost_price.isEmpty() && !cost_price.field("cost_price").isNull();
    const QString cost = costKnown ? cost_price.field("cost_price").asString() : QStringLiteral("0");
    if (millionths(*price) < millionths(cost) && !platform::ui::Prompter::question(platform::ui::kRequestTitle, kBelowCost))
        return;

    auto& cmd = DataModule6->cmd_all;
    cmd.setText(QString::fromLatin1(kInsertLine));
    cmd.setParam(QStringLiteral("id_ii"), ProductId);
    cmd.setParam(QStringLiteral("cnt"), *quantity);
    cmd.setParam(QStringLiteral("id_app_doc"), orderId);
    cmd.setParam(QStringLiteral("id_ral"), paint);
    cmd.setParam(QStringLiteral("id_gds"), MaterialId);
    cmd.setParam(QStringLiteral("price"), *price);
    cmd.setParam(QStringLiteral("cost_price"), cost);
    cmd.execute();
    closeModal(platform::ui::mrOk);
}
