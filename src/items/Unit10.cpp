#include "items/Unit10.h"

#include "data/Unit6.h"
#include "items/Unit33.h"
#include "platform/ui/Handler.h"
#include "ui/CardScreen.h"
#include "ui/ListScreen.h"
#include "ui/NumberInput.h"
#include "ui/Screen.h"

#include <QHBoxLayout>

using platform::ui::connectHandler;

TForm10* Form10 = nullptr;

namespace {

constexpr const char* kOperationStates = "mnf_operation.operation_state";
// Only the results "finished product" (0) and "blanks" (1) are offered.
constexpr const char* kOfferedStates = "id<2";

constexpr const char* kMaxNum =
    R"sql(select (case when max(o.orderby) is null then 0 else max(o.orderby) end) +1 as orderby from mnf_operation.operation o 
where o.id_proc_tech=:id_pt)sql";

constexpr const char* kInsertOperation =
    R"sql(INSERT INTO mnf_operation.operation(id_type, id_state, price, id_inventory_items, id_proc_tech, orderby)VALUES(:id_type,:id_state ,:price, :id_inventory_items, :id_proc_tech, :orderby))sql";

constexpr const char* kUpdateOperation =
    R"sql(UPDATE mnf_operation.operation SET id_type=:id_type, id_state=:id_state, price=:price, id_inventory_items=:id_inventory_items, orderby=:orderby WHERE id=:id)sql";

// The operation type list as a picker for the life of the object: "Выбрать" by Enter, no adding
// or deleting, an empty search box; everything is put back afterwards.
class OperationTypePicker {
public:
    explicit OperationTypePicker(OperationTypePickCaller* caller)
        : list_(*Form8), tag_(list_.Tag), addVisible_(!list_.Button1->isHidden()),
          removeVisible_(!list_.Button3->isHidden()), searchVisible_(!list_.Edit1->isHidden()),
          addDefault_(list_.Button1->isDefault())
    {
        list_.Tag = 1;
        list_.Caller10 = caller;
        list_.Button1->setVisible(false);
        list_.Button3->setVisible(false);
        list_.Button1->setDefault(false);
        list_.Button2->setDefault(true);
        list_.Edit1->setVisible(true);
        list_.Edit1->clear();
        DataModule6->operation_type.open();
    }
    ~OperationTypePicker()
    {
        platform::ui::runGuarded([this] {
            DataModule6->operation_type.close();
            list_.Button2->setDefault(false);
            list_.Button1->setDefault(addDefault_);
            list_.Edit1->setVisible(searchVisible_);
            list_.Button1->setVisible(addVisible_);
            list_.Button3->setVisible(removeVisible_);
            list_.Caller10 = nullptr;
            list_.Tag = tag_;
        });
    }
    OperationTypePicker(const OperationTypePicker&) = delete;
    OperationTypePicker& operator=(const OperationTypePicker&) = delete;

    int show() { return list_.showModal(); }

private:
    TForm8& list_;
    int tag_;
    bool addVisible_;
    bool removeVisible_;
    bool searchVisible_;
    bool addDefault_;
};

} // namespace

TForm10::TForm10(QWidget* parent)
    : Form(parent), operation_state(DataModule6->ADO_DB), max_num(DataModule6->ADO_DB)
{
    setWindowTitle(QStringLiteral("Операция (10)"));
    operation_state.setTable(QString::fromLatin1(kOperationStates));
    operation_state.setFilter(QString::fromLatin1(kOfferedStates));
    operation_state.setFiltered(true);
    max_num.setSql(QString::fromLatin1(kMaxNum));

    ui::CardBuilder card(*this, QStringLiteral("Цена операции"));
    Edit1 = card.addEdit(QStringLiteral("№ по порядку"));
    ui::installNumberFilter(Edit1, ui::NumberEntry::Integer);
    auto* type = new QWidget;
    auto* typeRow = new QHBoxLayout(type);
    typeRow->setContentsMargins(0, 0, 0, 0);
    typeRow->setSpacing(2);
    Edit2 = new QLineEdit;
    Edit2->setReadOnly(true);
    Edit2->setEnabled(false);
    Button4 = new QPushButton(QStringLiteral("..."));
    Button4->setFixedWidth(28);
    Button4->setAutoDefault(false);
    typeRow->addWidget(Edit2, 1);
    typeRow->addWidget(Button4);
    card.add(QStringLiteral("Операция"), type);
    cb_operation_state = card.addLookup(QStringLiteral("Вид"));
    cb_operation_state->setList(&operation_state, QStringLiteral("id"), QStringLiteral("s_caption"));
    Edit3 = card.addEdit(QStringLiteral("Цена"));
    ui::installNumberFilter(Edit3, ui::NumberEntry::Decimal);
    const auto buttons = card.finish(QSize(340, 150));
    Button3 = buttons.save;
    Button5 = buttons.cancel;

    connectHandler(Button3, &QPushButton::clicked, this, &TForm10::Button3Click);
    connectHandler(Button4, &QPushButton::clicked, this, &TForm10::Button4Click);
}

void TForm10::FormCreate()
{
    ui::setupWindow(*this);
}

void TForm10::FormActivate()
{
    Button3->setFocus();
}

void TForm10::ShowResult(qint64 stateId)
{
    cb_operation_state->setKeyValue(stateId);
}

void TForm10::Button4Click()
{
    OperationTypePicker(this).show();
}

void TForm10::Button3Click()
{
    // The number, the type and the result are needed; the price may stay empty (0).
    if (!ui::requireFilled({Edit1, Edit2, cb_operation_state}))
        return;
    const auto number = ui::readInteger(Edit1);
    if (!number)
        return;
    const auto price = ui::readNumber(Edit3);
    if (!price)
        return;
    const bool inserting = Tag == kModeInsert;
    auto& cmd = DataModule6->cmd_all;
    cmd.setText(QString::fromLatin1(inserting ? kInsertOperation : kUpdateOperation));
    cmd.setParam(QStringLiteral("id_type"), HeldOperationTypeId);
    cmd.setParam(QStringLiteral("id_state"), cb_operation_state->keyValue());
    cmd.setParam(QStringLiteral("price"), *price);
    cmd.setParam(QStringLiteral("id_inventory_items"), Form33->HeldProductId);
    cmd.setParam(QStringLiteral("orderby"), *number);
    if (inserting)
        cmd.setParam(QStringLiteral("id_proc_tech"), Form33->HeldProcessId);
    else
        cmd.setParam(QStringLiteral("id"), DataModule6->operation.field("id").asInt64());
    cmd.execute();
    ui::reopen(DataModule6->operation);
    closeModal(platform::ui::mrOk);
}
