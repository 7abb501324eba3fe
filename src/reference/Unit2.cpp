#include "reference/Unit2.h"

#include "data/Unit6.h"
#include "platform/ui/Handler.h"
#include "ui/CardScreen.h"
#include "ui/Screen.h"

using platform::ui::connectHandler;

TForm2* Form2 = nullptr;

namespace {

constexpr const char* kInsertPerson =
    R"sql(INSERT INTO cmn_contractor.person (s_caption, s_second_name, s_first_name, s_third_name, id_staffpos, id_department, id_role)VALUES(:s_caption, :s_second_name, :s_first_name, :s_third_name, :id_staffpos, :id_department, :id_role))sql";
constexpr const char* kUpdatePerson =
    R"sql(UPDATE cmn_contractor.person SET s_caption=:s_caption, s_second_name=:s_second_name, s_first_name=:s_first_name, s_third_name=:s_third_name, id_staffpos=:id_staffpos, id_department=:id_department, id_role=:id_role where cmn_contractor.person.id=:id)sql";

constexpr const char* kStaffposTable = "hrms_staffpos.staffpos";
constexpr const char* kDepartmentTable = "cmn_department.department";
constexpr const char* kRolesTable = "adm_role.roles";
constexpr const char* kByCaption = "s_caption ASC";

void openSorted(platform::db::Dataset& list)
{
    if (list.active())
        return;
    list.open();
    list.setSort(QString::fromLatin1(kByCaption));
}

} // namespace

TForm2::TForm2(QWidget* parent)
    : Form(parent),
      staffpos(DataModule6->ADO_DB),
      department(DataModule6->ADO_DB),
      roles(DataModule6->ADO_DB),
      cmd_person(DataModule6->ADO_DB)
{
    setWindowTitle(QStringLiteral("Работники"));
    staffpos.setTable(QString::fromLatin1(kStaffposTable));
    department.setTable(QString::fromLatin1(kDepartmentTable));
    roles.setTable(QString::fromLatin1(kRolesTable));

    ui::CardBuilder card(*this, QStringLiteral("Данные о работнике"));
    Edit1 = card.addEdit(QStringLiteral("Фамилия"));
    Edit2 = card.addEdit(QStringLiteral("Имя"));
    Edit3 = card.addEdit(QStringLiteral("Отчество"));
    for (QLineEdit* name : {Edit1, Edit2, Edit3})
        name->setMaxLength(kNameLength);
    LCB_staffpos = card.addLookup(QStringLiteral("Должность"));
    LCB_department = card.addLookup(QStringLiteral("Подразделение"));
    LCB_roles = card.addLookup(QStringLiteral("Роль"));
    LCB_staffpos->setList(&staffpos, QStringLiteral("id"), QStringLiteral("s_caption"));
    LCB_department->setList(&department, QStringLiteral("id"), QStringLiteral("s_caption"));
    LCB_roles->setList(&roles, QStringLiteral("id"), QStringLiteral("s_caption"));
    const auto buttons = card.finish(QSize(418, 220));
    Button1 = buttons.save;
    Button2 = buttons.cancel;

    connectHandler(Button1, &QPushButton::clicked, this, &TForm2::Button1Click);
}

void TForm2::FormCreate()
{
    ui::setupWindow(*this);
    ui::installWheelKeys(*this, {LCB_roles, LCB_staffpos, LCB_department});
}

void TForm2::FormActivate()
{
    Edit1->setFocus();
}

void TForm2::FormClose()
{
    CloseTables();
}

void TForm2::OpenTables()
{
    openSorted(staffpos);
    openSorted(roles);
    openSorted(department);
}

void TForm2::CloseTables()
{
    staffpos.close();
    roles.close();
    department.close();
}

void TForm2::Button1Click()
{
    if (!ui::requireFilled({Edit1, Edit2, Edit3, LCB_roles, LCB_department, LCB_staffpos}))
        return;
    const QString f = Edit1->text().trimmed();
    const QString i = Edit2->text().trimmed();
    const QString o = Edit3->text().trimmed();
    const QString caption = f + QLatin1Char(' ') + i + QLatin1Char(' ') + o;

    const bool inserting = Tag == 1;
    cmd_person.setText(QString::fromUtf8(inserting ? kInsertPerson : kUpdatePerson));
    cmd_person.setParam(QStringLiteral("s_caption"), caption);
    cmd_person.setParam(QStringLiteral("s_second_name"), f);
    cmd_person.setParam(QStringLiteral("s_first_name"), i);
    cmd_person.setParam(QStringLiteral("s_third_name"), o);
    cmd_person.setParam(QStringLiteral("id_staffpos"), LCB_staffpos->keyValue());
    cmd_person.setParam(QStringLiteral("id_department"), LCB_department->keyValue());
    cmd_person.setParam(QStringLiteral("id_role"), LCB_roles->keyValue());
    if (!inserting)
        cmd_person.setParam(QStringLiteral("id"), EditedId);
    cmd_person.execute();
    closeModal(platform::ui::mrOk);
}
