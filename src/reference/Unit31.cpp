#include "reference/Unit31.h"

#include "data/Unit6.h"
#include "platform/ui/Handler.h"
#include "ui/CardScreen.h"
#include "ui/ListScreen.h"
#include "ui/Screen.h"

using platform::ui::connectHandler;

TForm31* Form31 = nullptr;

namespace {

constexpr const char* kInsertDepartment =
    R"sql(insert into cmn_department.department(s_caption, s_description, id_parent, type, s_type)VALUES(:s_caption ,:s_description, :id_parent, :type,:s_type))sql";
constexpr const char* kUpdateDepartment =
    R"sql(UPDATE cmn_department.department SET s_caption=:s_caption, s_description=:s_description, id_parent=:id_parent, type=:type, s_type=:s_type where id=:id)sql";

constexpr const char* kDepartmentTable = "cmn_department.department";
constexpr const char* kByCaption = "s_caption ASC";

// Column sizes of the department table.
constexpr int kCaptionLength = 254;
constexpr int kDescriptionLength = 4000;

} // namespace

TForm31::TForm31(QWidget* parent)
    : Form(parent), cb_department(DataModule6->ADO_DB)
{
    setWindowTitle(QStringLiteral("Ведение подразделений (31)"));
    cb_department.setTable(QString::fromLatin1(kDepartmentTable));

    ui::CardBuilder card(*this, QStringLiteral("Данные о позиции"));
    Edit1 = card.addEdit(QStringLiteral("Наименование"));
    Edit1->setMaxLength(kCaptionLength);
    Edit2 = card.addEdit(QStringLiteral("Описание"));
    Edit2->setMaxLength(kDescriptionLength);
    CheckBox1 = card.addWide(new QCheckBox(QStringLiteral("Склад")));
    type_combo = card.add(QStringLiteral("Тип склада"), new QComboBox, &type_label);
    type_combo->addItems({QStringLiteral("Склад ГП"), QStringLiteral("Склад заготовок"), QStringLiteral("Склад сырья")});
    p_department = card.addLookup(QStringLiteral("Род. подразделение"));
    p_department->setList(&cb_department, QStringLiteral("id"), QStringLiteral("s_caption"));
    const auto buttons = card.finish(QSize(425, 180));
    Button1 = buttons.save;
    Button2 = buttons.cancel;
    ShowKind(-1);

    connectHandler(Button1, &QPushButton::clicked, this, &TForm31::Button1Click);
    // Only the user's click: the list sets the box without the click's side effect.
    connectHandler(CheckBox1, &QCheckBox::clicked, this, &TForm31::CheckBox1Click);
}

void TForm31::FormCreate()
{
    ui::setupWindow(*this);
    ui::installWheelKeys(*this, {p_department});
}

void TForm31::FormClose()
{
    cb_department.close();
}

void TForm31::OpenParents()
{
    if (cb_department.active())
        return;
    cb_department.open();
    cb_department.setSort(QString::fromLatin1(kByCaption));
}

void TForm31::ShowKind(int kind)
{
    const bool store = kind >= 0 && kind < type_combo->count();
    type_combo->setCurrentIndex(store ? kind : -1);
    CheckBox1->setChecked(store);
    type_combo->setEnabled(store);
    type_label->setEnabled(store);
}

void TForm31::CheckBox1Click()
{
    ShowKind(CheckBox1->isChecked() ? 0 : -1);
}

void TForm31::Button1Click()
{
    if (!ui::requireFilled({Edit1}))
        return;
    const qint64 parent = p_department->hasValue() ? p_department->keyValue() : 0;
    const int kind = type_combo->currentIndex();
    const QString kindText = kind >= 0 ? type_combo->currentText() : QString();

    auto& cmd = DataModule6->cmd_all;
    const bool inserting = Tag == 1;
    cmd.setText(QString::fromLatin1(inserting ? kInsertDepartment : kUpdateDepartment));
    cmd.setParam(QStringLiteral("s_caption"), Edit1->text().trimmed());
    cmd.setParam(QStringLiteral("s_description"), Edit2->text().trimmed());
    cmd.setParam(QStringLiteral("id_parent"), parent);
    cmd.setParam(QStringLiteral("type"), kind);
    cmd.setParam(QStringLiteral("s_type"), kindText);
    if (!inserting)
        cmd.setParam(QStringLiteral("id"), DataModule6->department.field("id").asInt());
    cmd.execute();
    ui::reopen(DataModule6->department);
    closeModal(platform::ui::mrOk);
}
