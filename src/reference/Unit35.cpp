#include "reference/Unit35.h"

#include "data/Unit6.h"
#include "platform/ui/Handler.h"
#include "reference/Unit58.h"
#include "ui/ListScreen.h"
#include "ui/Screen.h"

using platform::ui::connectHandler;

TForm35* Form35 = nullptr;

TForm35::TForm35(QWidget* parent)
    : Form(parent)
{
    setWindowTitle(QStringLiteral("Роли"));
    DBGridEh1 = new platform::ui::Grid(&DataModule6->role);
    DBGridEh1->addColumn(QStringLiteral("s_caption"), QStringLiteral("Наименование"), 280);
    DBGridEh1->addColumn(QStringLiteral("s_name"), QStringLiteral("Системное имя"), 180);
    DBGridEh1->addColumn(QStringLiteral("d_begin"), QStringLiteral("Дата начала"), 110);
    DBGridEh1->addColumn(QStringLiteral("d_end"), QStringLiteral("Дата оконч."), 110);
    platform::ui::GridColumn active;
    active.field = QStringLiteral("yesno");
    active.title = QStringLiteral("Активна");
    active.width = 80;
    active.alignment = Qt::AlignCenter;
    DBGridEh1->addColumn(active);
    const ui::ListPanel panel = ui::buildListScreen(*this, DBGridEh1, QSize(825, 617));
    Button1 = panel.add;
    Button2 = panel.change;
    Button3 = panel.remove;
    Edit1 = panel.search;
    Button4 = panel.exit;

    connectHandler(Button1, &QPushButton::clicked, this, &TForm35::Button1Click);
    connectHandler(Button2, &QPushButton::clicked, this, &TForm35::Button2Click);
}

void TForm35::FormCreate()
{
    ui::setupWindow(*this);
}

void TForm35::FormActivate()
{
    DataModule6->role.open();
}

void TForm35::FormClose()
{
    DataModule6->role.close();
}

void TForm35::Button1Click()
{
    Form58->Edit1->clear();
    Form58->Edit2->clear();
    Form58->CheckBox1->setChecked(true);
    Form58->Tag = 0;
    Form58->showModal();
    ui::reopen(DataModule6->role);
}

void TForm35::Button2Click()
{
    auto& role = DataModule6->role;
    if (role.isEmpty())
        return;
    Form58->Tag = 1;
    Form58->Edit2->setText(role.field("s_caption").asString().trimmed());
    Form58->Edit1->setText(role.field("s_name").asString().trimmed());
    Form58->CheckBox1->setChecked(role.field("b_active").asInt() != 0);
    Form58->showModal();
    // The card does not move the list: its record number is still the one to return to.
    ui::refresh(role);
}
