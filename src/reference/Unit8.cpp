#include "reference/Unit8.h"

#include "data/Unit6.h"
#include "platform/ui/Handler.h"
#include "reference/Unit9.h"
#include "ui/ListScreen.h"
#include "ui/Screen.h"

using platform::ui::connectHandler;

TForm8* Form8 = nullptr;

namespace {

constexpr const char* kDeleteOperationType = R"sql(delete from mnf_operation.operation_type where id=:id)sql";

constexpr const char* kSearchPrefix = "s_caption like '";
constexpr const char* kSearchSuffix = "%'";

} // namespace

TForm8::TForm8(QWidget* parent)
    : Form(parent)
{
    setWindowTitle(QStringLiteral("Операции"));
    DBGrid1 = new platform::ui::Grid(&DataModule6->operation_type);
    DBGrid1->addColumn(QStringLiteral("s_caption"), QStringLiteral("Операции"), 220);
    DBGrid1->addColumn(QStringLiteral("s_description"), QStringLiteral("Описание"), 380);
    const ui::ListPanel panel = ui::buildListScreen(*this, DBGrid1, QSize(646, 641));
    Button1 = panel.add;
    Button2 = panel.change;
    Button3 = panel.remove;
    Edit1 = panel.search;
    Button4 = panel.exit;

    ui::installSearch(Edit1, DataModule6->operation_type, QString::fromLatin1(kSearchPrefix),
                      QString::fromLatin1(kSearchSuffix), ui::SearchKeys::A);
    connectHandler(Button1, &QPushButton::clicked, this, &TForm8::Button1Click);
    connectHandler(Button2, &QPushButton::clicked, this, &TForm8::Button2Click);
    connectHandler(Button3, &QPushButton::clicked, this, &TForm8::Button3Click);
}

void TForm8::FormCreate()
{
    ui::setupWindow(*this);
}

void TForm8::FormActivate()
{
    if (Edit1->isVisible())
        Edit1->setFocus();
}

void TForm8::Button1Click()
{
    Form9->Edit1->clear();
    Form9->Edit2->clear();
    Form9->Tag = 1;
    Form9->showModal();
}

void TForm8::Button2Click()
{
    auto& operation_type = DataModule6->operation_type;
    if (operation_type.isEmpty())
        return;
    const int recNo = operation_type.recNo();
    if (Tag != 0)
        pickForOperation(Caller10);
    else
        changeOperationType();
    // A save has reopened the list: back to the row it stood on.
    if (!operation_type.isEmpty())
        operation_type.setRecNo(recNo);
}

void TForm8::changeOperationType()
{
    auto& operation_type = DataModule6->operation_type;
    Form9->Tag = 2;
    Form9->Edit1->setText(operation_type.field("s_caption").asString().trimmed());
    Form9->Edit2->setText(operation_type.field("s_description").asString().trimmed());
    Form9->showModal();
}

void TForm8::pickForOperation(OperationTypePickCaller* caller)
{
    auto& operation_type = DataModule6->operation_type;
    if (caller) {
        caller->pickTypeBox()->setText(operation_type.field("s_caption").asString().trimmed());
        caller->pickSetHeldOperationTypeId(operation_type.field("id").asInt());
    }
    closeModal(platform::ui::mrOk);
}

void TForm8::Button3Click()
{
    auto& operation_type = DataModule6->operation_type;
    if (operation_type.isEmpty())
        return;
    ui::deleteRow(operation_type, [&operation_type] {
        auto& cmd = DataModule6->cmd_all;
        cmd.setText(QString::fromLatin1(kDeleteOperationType));
        cmd.setParam(QStringLiteral("id"), operation_type.field("id").asInt());
        cmd.execute();
    });
}
