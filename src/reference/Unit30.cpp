#include "reference/Unit30.h"

#include "data/Unit6.h"
#include "platform/ui/Handler.h"
#include "reference/Unit31.h"
#include "ui/ListScreen.h"
#include "ui/Screen.h"

using platform::ui::connectHandler;

TForm30* Form30 = nullptr;

namespace {

constexpr const char* kDeleteDepartment = R"sql(delete from cmn_department.department where id=:id)sql";

constexpr const char* kSearchPrefix = "s_caption like '";
constexpr const char* kSearchSuffix = "%'";

} // namespace

TForm30::TForm30(QWidget* parent)
    : Form(parent)
{
    setWindowTitle(QStringLiteral("Подразделения (30)"));
    DBGrid1 = new platform::ui::Grid(&DataModule6->department);
    DBGrid1->addColumn(QStringLiteral("s_caption"), QStringLiteral("Наименование"), 200);
    DBGrid1->addColumn(QStringLiteral("s_description"), QStringLiteral("Примечание"), 240);
    DBGrid1->addColumn(QStringLiteral("s_parent"), QStringLiteral("Род.  подразделение"), 170);
    DBGrid1->addColumn(QStringLiteral("s_type"), QStringLiteral("Тип склада"), 130);
    const ui::ListPanel panel = ui::buildListScreen(*this, DBGrid1, QSize(766, 640));
    Button5 = panel.add;
    Button2 = panel.change;
    Button3 = panel.remove;
    Edit1 = panel.search;
    Button4 = panel.exit;

    ui::installSearch(Edit1, DataModule6->department, QString::fromLatin1(kSearchPrefix),
                      QString::fromLatin1(kSearchSuffix), ui::SearchKeys::A);
    connectHandler(Button5, &QPushButton::clicked, this, &TForm30::Button5Click);
    connectHandler(Button2, &QPushButton::clicked, this, &TForm30::Button2Click);
    connectHandler(Button3, &QPushButton::clicked, this, &TForm30::Button3Click);
}

void TForm30::FormCreate()
{
    ui::setupWindow(*this);
}

void TForm30::Button5Click()
{
    Form31->Tag = 1;
    Form31->OpenParents();
    Form31->cb_department.first();
    Form31->Edit1->clear();
    Form31->Edit2->clear();
    // The parent box keeps the department chosen last.
    Form31->ShowKind(-1);
    Form31->showModal();
}

void TForm30::Button2Click()
{
    auto& department = DataModule6->department;
    if (department.isEmpty())
        return;
    const int recNo = department.recNo();
    Form31->Tag = 0;
    Form31->Edit1->setText(department.field("s_caption").asString().trimmed());
    Form31->Edit2->setText(department.field("s_description").asString().trimmed());
    Form31->OpenParents();
    Form31->ShowKind(department.field("type").isNull() ? -1 : department.field("type").asInt());
    Form31->p_department->setKeyValue(department.field("id_parent").asInt64());
    Form31->showModal();
    // A save has reopened the list: back to the changed row.
    if (!department.isEmpty())
        department.setRecNo(recNo);
}

void TForm30::Button3Click()
{
    auto& department = DataModule6->department;
    if (department.isEmpty())
        return;
    ui::deleteRow(department, [&department] {
        auto& cmd = DataModule6->cmd_all;
        cmd.setText(QString::fromLatin1(kDeleteDepartment));
        cmd.setParam(QStringLiteral("id"), department.field("id").asInt());
        cmd.execute();
    });
}
