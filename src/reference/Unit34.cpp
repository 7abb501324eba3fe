#include "reference/Unit34.h"

#include "data/Unit6.h"
#include "platform/ui/Handler.h"
#include "reference/Unit14.h"
#include "ui/ListScreen.h"
#include "ui/Screen.h"

using platform::ui::connectHandler;

TForm34* Form34 = nullptr;

namespace {

constexpr const char* kDeleteCounterparty = R"sql(delete from cmn_contractor.jur_person where id=:id)sql";
// Pick mode 60: the picked counterparty becomes the supplier of the caller's current request.
constexpr const char* kSetRequestSupplier =
    R"sql(UPDATE stk_purchase.purchase_doc SET id_jur_person=:id_jur_person where id=:id)sql";

// The search goes by the short name, although the grid shows the full name.
constexpr const char* kSearchPrefix = "s_caption like '";
constexpr const char* kSearchSuffix = "%'";

} // namespace

TForm34::TForm34(QWidget* parent)
    : Form(parent)
{
    setWindowTitle(QStringLiteral("Контрагенты"));
    DBGrid1 = new platform::ui::Grid(&DataModule6->jur_person);
    DBGrid1->addColumn(QStringLiteral("s_full_caption"), QStringLiteral("Наименование"), 460);
    DBGrid1->addColumn(QStringLiteral("s_ogrn"), QStringLiteral("ОГРН"), 160);
    DBGrid1->addColumn(QStringLiteral("s_inn"), QStringLiteral("ИНН"), 160);
    const ui::ListPanel panel = ui::buildListScreen(*this, DBGrid1, QSize(836, 499));
    Button1 = panel.add;
    Button2 = panel.change;
    Button3 = panel.remove;
    Edit1 = panel.search;
    Button4 = panel.exit;

    ui::installSearch(Edit1, DataModule6->jur_person, QString::fromLatin1(kSearchPrefix),
                      QString::fromLatin1(kSearchSuffix), ui::SearchKeys::A);
    connectHandler(Button1, &QPushButton::clicked, this, &TForm34::Button1Click);
    connectHandler(Button2, &QPushButton::clicked, this, &TForm34::Button2Click);
    connectHandler(Button3, &QPushButton::clicked, this, &TForm34::Button3Click);
}

void TForm34::FormCreate()
{
    ui::setupWindow(*this);
}

void TForm34::Button1Click()
{
    Form14->Tag = 1;
    Form14->Edit1->clear();
    Form14->Edit2->clear();
    Form14->Edit3->clear();
    Form14->Edit4->clear();
    Form14->showModal();
}

void TForm34::Button2Click()
{
    switch (Tag) {
    case 0: changeCounterparty(); break;
    case 43: pickForHeader(Caller43); break;
    case 60: pickSupplierOfRequest(Caller60); break;
    case 61: pickForHeader(Caller61); break;
    default: break; // other modes: nothing to do
    }
}

void TForm34::changeCounterparty()
{
    auto& jur_person = DataModule6->jur_person;
    if (jur_person.isEmpty())
        return;
    const int recNo = jur_person.recNo();
    Form14->Tag = 0;
    Form14->Edit2->setText(jur_person.field("s_caption").asString().trimmed());
    Form14->Edit1->setText(jur_person.field("s_full_caption").asString().trimmed());
    Form14->Edit3->setText(jur_person.field("s_inn").asString().trimmed());
    Form14->Edit4->setText(jur_person.field("s_ogrn").asString().trimmed());
    Form14->showModal();
    // A save has reopened the list: back to the changed row.
    if (!jur_person.isEmpty())
        jur_person.setRecNo(recNo);
}

void TForm34::pickForHeader(CounterpartyPickCallerHeader* caller)
{
    auto& jur_person = DataModule6->jur_person;
    if (!jur_person.isEmpty() && caller) {
        const int id = jur_person.field("id").asInt();
        if (id != caller->pickHeldCounterpartyId())
            caller->pickSetHeldCounterpartyId(id);
        if (caller->pickHeldCounterpartyId() != 0)
            caller->pickNameBox()->setText(jur_person.field("s_full_caption").asString().trimmed());
    }
    closeModal(platform::ui::mrOk);
}

void TForm34::pickSupplierOfRequest(CounterpartyPickCaller60* caller)
{
    auto& jur_person = DataModule6->jur_person;
    if (!jur_person.isEmpty() && caller) {
        platform::db::Dataset& requests = caller->pickPurchaseDocs();
        auto& cmd = DataModule6->cmd_all;
        cmd.setText(QString::fromLatin1(kSetRequestSupplier));
        cmd.setParam(QStringLiteral("id_jur_person"), jur_person.field("id").asInt());
        cmd.setParam(QStringLiteral("id"), requests.field("id").asInt());
        cmd.execute();
        ui::refresh(requests);
    }
    closeModal(platform::ui::mrOk);
}

void TForm34::Button3Click()
{
    auto& jur_person = DataModule6->jur_person;
    if (jur_person.isEmpty())
        return;
    ui::deleteRow(jur_person, [&jur_person] {
        auto& cmd = DataModule6->cmd_all;
        cmd.setText(QString::fromLatin1(kDeleteCounterparty));
        cmd.setParam(QStringLiteral("id"), jur_person.field("id").asInt());
        cmd.execute();
    });
}
