#include "orders/Unit41.h"

#include "data/Unit6.h"
#include "orders/Unit42.h"
#include "orders/Unit43.h"
#include "platform/ui/Handler.h"
#include "platform/ui/Prompter.h"
#include "ui/ListScreen.h"
#include "ui/Screen.h"

#include <QDate>

using platform::ui::connectHandler;

TForm41* Form41 = nullptr;

namespace {

constexpr const char* kCountAcceptedLines = R"sql(select count(as2.id) as cnt
from mnf_app.app_spec as2 
where as2.id_app_doc  = :id_app_doc and as2.state !=0 )sql";

constexpr const char* kDeleteOrder = R"sql(delete from mnf_app.app_doc where id=:id)sql";

const QString kHasAcceptedLines =
    QStringLiteral("У ордера есть принятые строки спецификации!\nУдаление невозможно.");
const QString kDeleteQuestion = QStringLiteral("Удалить заявку (будут удалены все строки спецификации)?");

} // namespace

TForm41::TForm41(QWidget* parent)
    : Form(parent), cnt_order_in(DataModule6->ADO_DB)
{
    setWindowTitle(QStringLiteral("Заявки в производство (41)"));
    cnt_order_in.setSql(QString::fromUtf8(kCountAcceptedLines));

    DBGridEh1 = new platform::ui::Grid(&DataModule6->app_doc);
    DBGridEh1->addColumn(QStringLiteral("id"), QStringLiteral("№ заявки"), 70);
    DBGridEh1->addColumn(QStringLiteral("s_person_caption"), QStringLiteral("Исполнитель"), 230);
    DBGridEh1->addColumn(QStringLiteral("s_jp_caption"), QStringLiteral("Контрагент"), 430);
    DBGridEh1->addColumn(QStringLiteral("d_mnf"), QStringLiteral("Дата пр-ва"), 85);
    DBGridEh1->addColumn(QStringLiteral("d_out"), QStringLiteral("Дата отгруз."), 90);
    DBGridEh1->addColumn(QStringLiteral("d_date"), QStringLiteral("Дата заведения"), 145);
    DBGridEh1->addEllipsisColumn();

    const ui::ListPanel panel = ui::buildListScreen(*this, DBGridEh1, QSize(1100, 520));
    Button1 = panel.add;
    Button2 = panel.change;
    Button3 = panel.remove;
    Edit1 = panel.search;
    Button4 = panel.exit;

    // A double click opens the order's lines here, not the header editor.
    QObject::disconnect(DBGridEh1, &platform::ui::Grid::rowDoubleClicked, Button2, nullptr);
    connectHandler(DBGridEh1, &platform::ui::Grid::rowDoubleClicked, this, &TForm41::DBGridEh1DblClick);
    connectHandler(DBGridEh1, &platform::ui::Grid::ellipsisClicked, this, &TForm41::DBGridEh1DblClick);
    connectHandler(Button1, &QPushButton::clicked, this, &TForm41::Button1Click);
    connectHandler(Button2, &QPushButton::clicked, this, &TForm41::Button2Click);
    connectHandler(Button3, &QPushButton::clicked, this, &TForm41::Button3Click);
}

void TForm41::FormCreate()
{
    ui::setupWindow(*this);
}

void TForm41::Button1Click()
{
    // The person, the counterparty and the held ids stay as the editor was used last.
    Form43->Tag = TForm43::kModeNew;
    Form43->DateTimePicker1->setDate(QDate::currentDate());
    Form43->DateTimePicker2->setDate(QDate::currentDate());
    Form43->showModal();
}

void TForm41::Button2Click()
{
    auto& orders = DataModule6->app_doc;
    if (!orders.active() || orders.isEmpty())
        return;
    Form43->Tag = TForm43::kModeChange;
    Form43->DateTimePicker1->setDate(orders.field("d_mnf").asDate());
    Form43->DateTimePicker2->setDate(orders.field("d_out").asDate());
    Form43->Edit2->setText(orders.field("s_person_caption").asString().trimmed());
    Form43->Edit1->setText(orders.field("s_jp_caption").asString().trimmed());
    Form43->HeldPersonId = orders.field("id_person").asInt();
    Form43->HeldCounterpartyId = orders.field("id_jp").asInt();
    Form43->showModal();
}

int TForm41::acceptedLines(int orderId)
{
    cnt_order_in.close();
    cnt_order_in.setParam(QStringLiteral("id_app_doc"), orderId);
    cnt_order_in.open();
    const int count = cnt_order_in.field("cnt").asInt();
    cnt_order_in.close();
    return count;
}

void TForm41::Button3Click()
{
    auto& orders = DataModule6->app_doc;
    if (!orders.active() || orders.isEmpty())
        return;
    const int id = orders.field("id").asInt();
    if (acceptedLines(id) != 0) {
        platform::ui::Prompter::error(platform::ui::kErrorTitle, kHasAcceptedLines);
        return;
    }
    // The order's lines go with it (the database cascades).
    ui::deleteRow(orders, [id] {
        auto& cmd = DataModule6->cmd_all;
        cmd.setText(QString::fromLatin1(kDeleteOrder));
        cmd.setParam(QStringLiteral("id"), id);
        cmd.execute();
    }, kDeleteQuestion, true);
}

void TForm41::DBGridEh1DblClick()
{
    auto& orders = DataModule6->app_doc;
    if (!orders.active() || orders.isEmpty())
        return;
    const int id = orders.field("id").asInt();
    Form42->Tag = 1;
    Form42->HeldOrderId = id;
    Form42->app_spec.close();
    Form42->app_spec.setParam(QStringLiteral("id_app_doc"), id);
    Form42->app_spec.open();
    Form42->showModal();
    Form42->app_spec.close();
}
