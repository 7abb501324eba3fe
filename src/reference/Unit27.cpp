#include "reference/Unit27.h"

#include "data/Unit6.h"
#include "platform/ui/Handler.h"
#include "ui/CardScreen.h"
#include "ui/ListScreen.h"
#include "ui/Screen.h"

using platform::ui::connectHandler;

TForm27* Form27 = nullptr;

namespace {

constexpr const char* kInsertPosition =
    R"sql(insert into hrms_staffpos.staffpos(s_caption, s_description, id_department)VALUES(:s_caption ,:s_description, :id_department))sql";
constexpr const char* kUpdatePosition =
    R"sql(UPDATE hrms_staffpos.staffpos SET s_caption=:s_caption, s_description=:s_description, id_department=:id_department where id=:id)sql";

constexpr const char* kDepartmentTable = "cmn_department.department";
constexpr const char* kByCaption = "s_caption ASC";

// Column sizes of the position table.
constexpr int kCaptionLength = 254;
constexpr int kDescriptionLength = 4000;

} // namespace

TForm27::TForm27(QWidget* parent)
    : Form(parent), cb_department(DataModule6->ADO_DB)
{
    setWindowTitle(QStringLiteral("Ведение должностей"));
    cb_department.setTable(QString::fromLatin1(kDepartmentTable));

    ui::CardBuilder card(*this, QStringLiteral("Данные о позиции"));
    Edit1 = card.addEdit(QStringLiteral("Наименование"));
    Edit1->setMaxLength(kCaptionLength);
    Edit2 = card.addEdit(QStringLiteral("Описание"));
    Edit2->setMaxLength(kDescriptionLength);
    p_department = card.addLookup(QStringLiteral("Подразделение"));
    p_department->setList(&cb_department, QStringLiteral("id"), QStringLiteral("s_caption"));
    const auto buttons = card.finish(QSize(430, 146));
    Button1 = buttons.save;
    Button2 = buttons.cancel;

    connectHandler(Button1, &QPushButton::clicked, this, &TForm27::Button1Click);
}

void TForm27::FormCreate()
{
    ui::setupWindow(*this);
    ui::installWheelKeys(*this, {p_department});
}

void TForm27::FormClose()
{
    cb_department.close();
}

void TForm27::OpenDepartments()
{
    if (cb_department.active())
        return;
    cb_department.open();
    cb_department.setSort(QString::fromLatin1(kByCaption));
}

void TForm27::Button1Click()
{
    if (!ui::requireFilled({Edit1}))
        return;
    const qint64 department = p_department->hasValue() ? p_department->keyValue() : 0;

    auto& cmd = DataModule6->cmd_all;
    const bool inserting = Tag == 1;
    cmd.setText(QString::fromLatin1(inserting ? kInsertPosition : kUpdatePosition));
    cmd.setParam(QStringLiteral("s_caption"), Edit1->text().trimmed());
    cmd.setParam(QStringLiteral("s_description"), Edit2->text().trimmed());
    cmd.setParam(QStringLiteral("id_department"), department);
    if (!inserting)
        cmd.setParam(QStringLiteral("id"), DataModule6->staffpos.field("id").asInt());
    cmd.execute();
    ui::reopen(DataModule6->staffpos);
    closeModal(platform::ui::mrOk);
}
