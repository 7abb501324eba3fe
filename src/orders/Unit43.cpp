#include "orders/Unit43.h"

#include "data/Unit6.h"
#include "platform/ui/Handler.h"
#include "platform/ui/Prompter.h"
#include "ui/CardScreen.h"
#include "ui/ListScreen.h"
#include "ui/Screen.h"

#include <QHBoxLayout>

using platform::ui::connectHandler;

TForm43* Form43 = nullptr;

namespace {

constexpr const char* kInsertOrder =
    R"sql(INSERT INTO mnf_app.app_doc(id_jur_person, id_person, d_mnf, d_out)VALUES(:id_jur_person, :id_person, :d_mnf, :d_out))sql";
constexpr const char* kUpdateOrder =
    R"sql(UPDATE mnf_app.app_doc SET id_jur_person=:id_jur_person, id_person=:id_person, d_mnf=:d_mnf, d_out=:d_out where id=:id)sql";

const QString kAllFields = QStringLiteral("Все поля должны быть заполнены!");
const QString kChoose = QStringLiteral("Выбрать");

// A read-only name box with its "..." picker button, as one row of the card.
QWidget* pickRow(QLineEdit*& box, QPushButton*& button)
{
    box = new QLineEdit;
    box->setReadOnly(true);
    // A long name shows from its start, wherever the picker left the cursor.
    QObject::connect(box, &QLineEdit::textChanged, box, [box] { box->setCursorPosition(0); });
    button = new QPushButton(QStringLiteral("..."));
    button->setFixedWidth(28);
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(box, 1);
    layout->addWidget(button);
    return row;
}

// A list shown as a picker: "Выбрать" as the default button, no "Добавить" and "Удалить", the
// search box visible and empty. The list keeps this look afterwards (the main menu puts its
// buttons back when it opens the list itself).
void showAsPicker(platform::ui::Form& list, QPushButton* add, QPushButton* choose, QPushButton* remove,
                  QLineEdit* search)
{
    choose->setText(kChoose);
    add->setVisible(false);
    remove->setVisible(false);
    choose->setVisible(true);
    choose->setDefault(true);
    search->setVisible(true);
    search->clear();
    list.showModal();
}

} // namespace

int TForm43PersonPick::pickHeldPersonId() const
{
    return editor_.HeldPersonId;
}

void TForm43PersonPick::pickSetHeldPersonId(int personId)
{
    editor_.HeldPersonId = personId;
}

QLineEdit* TForm43PersonPick::pickNameBox()
{
    return editor_.Edit2;
}

int TForm43CounterpartyPick::pickHeldCounterpartyId() const
{
    return editor_.HeldCounterpartyId;
}

void TForm43CounterpartyPick::pickSetHeldCounterpartyId(int counterpartyId)
{
    editor_.HeldCounterpartyId = counterpartyId;
}

QLineEdit* TForm43CounterpartyPick::pickNameBox()
{
    return editor_.Edit1;
}

TForm43::TForm43(QWidget* parent)
    : Form(parent)
{
    setWindowTitle(QStringLiteral("Ведение данных (43)"));
    ui::CardBuilder card(*this, QStringLiteral("Заявка в производство"));
    GroupBox1 = card.group();
    QLabel* label = nullptr;
    card.add(QStringLiteral("Контрагент:"), pickRow(Edit1, Button3), &label);
    label->setBuddy(Edit1);
    card.add(QStringLiteral("Исполнитель:"), pickRow(Edit2, Button5), &label);
    label->setBuddy(Edit2);
    DateTimePicker1 = card.add(QStringLiteral("Дата пр-ва:"), new platform::ui::DatePicker);
    DateTimePicker2 = card.add(QStringLiteral("Дата отгрузки:"), new platform::ui::DatePicker);
    const auto buttons = card.finish(QSize(560, 150));
    Button1 = buttons.save;
    Button2 = buttons.cancel;

    connectHandler(Button1, &QPushButton::clicked, this, &TForm43::Button1Click);
    connectHandler(Button3, &QPushButton::clicked, this, &TForm43::Button3Click);
    connectHandler(Button5, &QPushButton::clicked, this, &TForm43::Button5Click);
}

void TForm43::FormCreate()
{
    ui::setupWindow(*this);
}

void TForm43::Button5Click()
{
    auto& workers = DataModule6->workers;
    Form5->Tag = 43;
    Form5->Caller43 = &PersonPick;
    workers.open();
    showAsPicker(*Form5, Form5->Button1, Form5->Button2, Form5->Button3, Form5->Edit1);
    Form5->Caller43 = nullptr;
    workers.close();
}

void TForm43::Button3Click()
{
    auto& counterparties = DataModule6->jur_person;
    Form34->Tag = 43;
    Form34->Caller43 = &CounterpartyPick;
    counterparties.open();
    showAsPicker(*Form34, Form34->Button1, Form34->Button2, Form34->Button3, Form34->Edit1);
    Form34->Caller43 = nullptr;
    counterparties.close();
}

void TForm43::Button1Click()
{
    if (HeldPersonId == 0 || HeldCounterpartyId == 0) {
        platform::ui::Prompter::error(platform::ui::kErrorTitle, kAllFields);
        return;
    }
    auto& orders = DataModule6->app_doc;
    const bool inserting = Tag == kModeNew;
    auto& cmd = DataModule6->cmd_all;
    cmd.setText(QString::fromLatin1(inserting ? kInsertOrder : kUpdateOrder));
    cmd.setParam(QStringLiteral("id_jur_person"), HeldCounterpartyId);
    cmd.setParam(QStringLiteral("id_person"), HeldPersonId);
    cmd.setParam(QStringLiteral("d_mnf"), DateTimePicker1->date());
    cmd.setParam(QStringLiteral("d_out"), DateTimePicker2->date());
    if (!inserting)
        cmd.setParam(QStringLiteral("id"), orders.field("id").asInt());
    cmd.execute();
    // The list keeps the order the main menu sorted it in; a changed order stays current.
    if (inserting)
        ui::reopen(orders, true);
    else
        ui::refresh(orders, true);
    closeModal(platform::ui::mrOk);
}
