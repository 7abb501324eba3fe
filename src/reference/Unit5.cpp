#include "reference/Unit5.h"

#include "data/Unit6.h"
#include "platform/ui/Handler.h"
#include "reference/Unit2.h"
#include "ui/ListScreen.h"
#include "ui/Screen.h"

using platform::ui::connectHandler;

TForm5* Form5 = nullptr;

namespace {

constexpr const char* kDeletePerson = R"sql(delete from cmn_contractor.person where id =:id)sql";

constexpr const char* kSearchPrefix = "s_caption like '";
constexpr const char* kSearchSuffix = "%'";

} // namespace

TForm5::TForm5(QWidget* parent)
    : Form(parent)
{
    setWindowTitle(QStringLiteral("Список рабочих (5)"));
    DBGrid1 = new platform::ui::Grid(&DataModule6->workers);
    DBGrid1->addColumn(QStringLiteral("s_caption"), QStringLiteral("ФИО"), 330);
    DBGrid1->addColumn(QStringLiteral("s_staffpos"), QStringLiteral("Должность"), 230);
    DBGrid1->addColumn(QStringLiteral("s_department"), QStringLiteral("Подразделение"), 230);
    DBGrid1->addColumn(QStringLiteral("s_role"), QStringLiteral("Роль"), 200);
    const ui::ListPanel panel = ui::buildListScreen(*this, DBGrid1, QSize(1036, 596));
    Button1 = panel.add;
    Button2 = panel.change;
    Button3 = panel.remove;
    Edit1 = panel.search;
    Button4 = panel.exit;

    ui::installSearch(Edit1, DataModule6->workers, QString::fromLatin1(kSearchPrefix),
                      QString::fromLatin1(kSearchSuffix), ui::SearchKeys::A);
    connectHandler(Button1, &QPushButton::clicked, this, &TForm5::Button1Click);
    connectHandler(Button2, &QPushButton::clicked, this, &TForm5::Button2Click);
    connectHandler(Button3, &QPushButton::clicked, this, &TForm5::Button3Click);
}

void TForm5::FormCreate()
{
    ui::setupWindow(*this);
}

void TForm5::FormActivate()
{
    Picked = 0;
    if (Edit1->isVisible())
        Edit1->setFocus();
}

void TForm5::Button1Click()
{
    Form2->Edit1->clear();
    Form2->Edit2->clear();
    Form2->Edit3->clear();
    Form2->setWindowTitle(QStringLiteral("Заведение данных нового работника"));
    Form2->Tag = 1;
    // The lookup boxes keep the position, department and role chosen last.
    Form2->OpenTables();
    Form2->staffpos.first();
    Form2->roles.first();
    Form2->department.first();
    Form2->showModal();
    ui::reopen(DataModule6->workers);
}

void TForm5::Button2Click()
{
    switch (Tag) {
    case 0: changeWorker(); break;
    case 11: pickForRecord(Caller11); break;
    case 43: pickForHeader(Caller43); break;
    case 61: pickForHeader(Caller61); break;
    default: break; // other modes: nothing to do
    }
}

void TForm5::changeWorker()
{
    auto& workers = DataModule6->workers;
    if (workers.isEmpty())
        return;
    Form2->setWindowTitle(QStringLiteral("Изменение данных работника"));
    Form2->Tag = 2;
    Form2->CloseTables();
    Form2->OpenTables();
    Form2->Edit1->setText(workers.field("s_second_name").asString().trimmed());
    Form2->Edit2->setText(workers.field("s_first_name").asString().trimmed());
    Form2->Edit3->setText(workers.field("s_third_name").asString().trimmed());
    Form2->LCB_roles->setKeyValue(workers.field("role_id").asInt64());
    Form2->LCB_department->setKeyValue(workers.field("dep_id").asInt64());
    Form2->LCB_staffpos->setKeyValue(workers.field("staff_id").asInt64());
    Form2->EditedId = workers.field("id").asInt();
    Form2->showModal();
    // The card does not move the list: its record number is still the one to return to.
    ui::refresh(workers);
}

void TForm5::pickForRecord(WorkerPickCaller11* caller)
{
    auto& workers = DataModule6->workers;
    Picked = 0;
    if (!workers.isEmpty() && caller) {
        const int id = workers.field("id").asInt();
        const int recordWorker = caller->pickRecordWorkerId();
        if (recordWorker == 0)
            caller->pickNameBox()->setText(workers.field("s_caption").asString().trimmed());
        if (id != recordWorker) {
            caller->pickSetWorker(id);
            Picked = 1;
        }
    }
    closeModal(platform::ui::mrOk);
}

void TForm5::pickForHeader(WorkerPickCallerHeader* caller)
{
    auto& workers = DataModule6->workers;
    if (!workers.isEmpty() && caller) {
        const int id = workers.field("id").asInt();
        if (id != caller->pickHeldPersonId())
            caller->pickSetHeldPersonId(id);
        if (caller->pickHeldPersonId() != 0)
            caller->pickNameBox()->setText(workers.field("s_caption").asString().trimmed());
    }
    closeModal(platform::ui::mrOk);
}

void TForm5::Button3Click()
{
    auto& workers = DataModule6->workers;
    if (workers.isEmpty())
        return;
    ui::deleteRow(workers, [&workers] {
        Form2->cmd_person.setText(QString::fromLatin1(kDeletePerson));
        Form2->cmd_person.setParam(QStringLiteral("id"), workers.field("id").asInt());
        Form2->cmd_person.execute();
    }, QStringLiteral("Удалить работника?"));
}
