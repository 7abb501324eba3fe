#include "reference/Unit29.h"

#include "data/Unit6.h"
#include "platform/ui/Handler.h"
#include "ui/CardScreen.h"
#include "ui/ListScreen.h"
#include "ui/Screen.h"

using platform::ui::connectHandler;

TForm29* Form29 = nullptr;

namespace {

constexpr const char* kInsertKind =
    R"sql(insert into cmn_inventory_items.nomenclature(s_caption, id_department)VALUES(:s_caption ,:id_department))sql";
constexpr const char* kUpdateKind =
    R"sql(UPDATE cmn_inventory_items.nomenclature SET s_caption=:s_caption, id_department=:id_department where id=:id)sql";

constexpr const char* kDepartmentTable = "cmn_department.department";
constexpr const char* kByCaption = "s_caption ASC";

constexpr int kCaptionLength = 254;

} // namespace

TForm29::TForm29(QWidget* parent)
    : Form(parent), cb_department(DataModule6->ADO_DB)
{
    setWindowTitle(QStringLiteral("Номенклатура"));
    cb_department.setTable(QString::fromLatin1(kDepartmentTable));

    ui::CardBuilder card(*this, QStringLiteral("Данные о позиции"));
    Edit1 = card.addEdit(QStringLiteral("Наименование"));
    Edit1->setMaxLength(kCaptionLength);
    p_department = card.addLookup(QStringLiteral("Склад"));
    p_department->setList(&cb_department, QStringLiteral("id"), QStringLiteral("s_caption"));
    const auto buttons = card.finish(QSize(422, 113));
    Button1 = buttons.save;
    Button2 = buttons.cancel;

    connectHandler(Button1, &QPushButton::clicked, this, &TForm29::Button1Click);
}

void TForm29::FormCreate()
{
    ui::setupWindow(*this);
    ui::installWheelKeys(*this, {p_department});
}

void TForm29::FormClose()
{
    cb_department.close();
}

void TForm29::OpenDepartments()
{
    if (cb_department.active())
        return;
    cb_department.open();
    cb_department.setSort(QString::fromLatin1(kByCaption));
}

void TForm29::Button1Click()
{
    // The store is not required: a kind without one is saved with department 0.
    if (!ui::requireFilled({Edit1}))
        return;
    const qint64 department = p_department->hasValue() ? p_department->keyValue() : 0;

    auto& cmd = DataModule6->cmd_all;
    const bool inserting = Tag == 1;
    cmd.setText(QString::fromLatin1(inserting ? kInsertKind : kUpdateKind));
    cmd.setParam(QStringLiteral("s_caption"), Edit1->text().trimmed());
    cmd.setParam(QStringLiteral("id_department"), department);
    if (!inserting)
        cmd.setParam(QStringLiteral("id"), DataModule6->nomenclature.field("id").asInt());
    cmd.execute();
    ui::reopen(DataModule6->nomenclature);
    closeModal(platform::ui::mrOk);
}
