#include "reference/Unit26.h"

#include "data/Unit6.h"
#include "platform/ui/Handler.h"
#include "reference/Unit27.h"
#include "ui/ListScreen.h"
#include "ui/Screen.h"

using platform::ui::connectHandler;

TForm26* Form26 = nullptr;

namespace {

constexpr const char* kDeletePosition = R"sql(delete from hrms_staffpos.staffpos where id=:id)sql";

constexpr const char* kSearchPrefix = "s_caption like '";
constexpr const char* kSearchSuffix = "%'";

} // namespace

TForm26::TForm26(QWidget* parent)
    : Form(parent)
{
    setWindowTitle(QStringLiteral("Должности"));
    DBGrid1 = new platform::ui::Grid(&DataModule6->staffpos);
    DBGrid1->addColumn(QStringLiteral("s_caption"), QStringLiteral("Наименование"), 200);
    DBGrid1->addColumn(QStringLiteral("s_description"), QStringLiteral("Описание"), 330);
    DBGrid1->addColumn(QStringLiteral("s_dep"), QStringLiteral("Подразделение"), 210);
    const ui::ListPanel panel = ui::buildListScreen(*this, DBGrid1, QSize(770, 574));
    Button1 = panel.add;
    Button2 = panel.change;
    Button3 = panel.remove;
    Edit1 = panel.search;
    Button4 = panel.exit;

    ui::installSearch(Edit1, DataModule6->staffpos, QString::fromLatin1(kSearchPrefix),
                      QString::fromLatin1(kSearchSuffix), ui::SearchKeys::A);
    connectHandler(Button1, &QPushButton::clicked, this, &TForm26::Button1Click);
    connectHandler(Button2, &QPushButton::clicked, this, &TForm26::Button2Click);
    connectHandler(Button3, &QPushButton::clicked, this, &TForm26::Button3Click);
}

void TForm26::FormCreate()
{
    ui::setupWindow(*this);
}

void TForm26::Button1Click()
{
    Form27->Tag = 1;
    Form27->OpenDepartments();
    Form27->Edit1->clear();
    Form27->Edit2->clear();
    // The department box keeps the department chosen last.
    Form27->cb_department.first();
    Form27->showModal();
}

void TForm26::Button2Click()
{
    auto& staffpos = DataModule6->staffpos;
    if (staffpos.isEmpty())
        return;
    const int recNo = staffpos.recNo();
    Form27->Tag = 0;
    Form27->Edit1->setText(staffpos.field("s_caption").asString().trimmed());
    Form27->Edit2->setText(staffpos.field("s_description").asString().trimmed());
    Form27->OpenDepartments();
    Form27->p_department->setKeyValue(staffpos.field("id_department").asInt64());
    Form27->showModal();
    // A save has reopened the list: back to the changed row.
    if (!staffpos.isEmpty())
        staffpos.setRecNo(recNo);
}

void TForm26::Button3Click()
{
    auto& staffpos = DataModule6->staffpos;
    if (staffpos.isEmpty())
        return;
    ui::deleteRow(staffpos, [&staffpos] {
        auto& cmd = DataModule6->cmd_all;
        cmd.setText(QString::fromLatin1(kDeletePosition));
        cmd.setParam(QStringLiteral("id"), staffpos.field("id").asInt());
        cmd.execute();
    });
}
