#include "reference/Unit9.h"

#include "data/Unit6.h"
#include "platform/ui/Handler.h"
#include "ui/CardScreen.h"
#include "ui/ListScreen.h"
#include "ui/Screen.h"

using platform::ui::connectHandler;

TForm9* Form9 = nullptr;

namespace {

constexpr const char* kInsertOperationType =
    R"sql(insert into mnf_operation.operation_type(s_caption, s_description)VALUES(:s_caption ,:s_description))sql";
constexpr const char* kUpdateOperationType =
    R"sql(UPDATE mnf_operation.operation_type SET s_caption=:s_caption, s_description=:s_description where id=:id)sql";

// Column sizes of the operation type table.
constexpr int kCaptionLength = 254;
constexpr int kDescriptionLength = 4000;

} // namespace

TForm9::TForm9(QWidget* parent)
    : Form(parent)
{
    setWindowTitle(QStringLiteral("Ведение оераций"));
    ui::CardBuilder card(*this, QString());
    Edit1 = card.addEdit(QStringLiteral("Операция"));
    Edit1->setMaxLength(kCaptionLength);
    Edit2 = card.addEdit(QStringLiteral("Описание"));
    Edit2->setMaxLength(kDescriptionLength);
    const auto buttons = card.finish(QSize(418, 105));
    Button1 = buttons.save;
    Button2 = buttons.cancel;

    connectHandler(Button1, &QPushButton::clicked, this, &TForm9::Button1Click);
}

void TForm9::FormCreate()
{
    ui::setupWindow(*this);
}

void TForm9::FormActivate()
{
    Edit1->setFocus();
}

void TForm9::Button1Click()
{
    if (!ui::requireFilled({Edit1}))
        return;
    auto& cmd = DataModule6->cmd_all;
    const bool inserting = Tag == 1;
    cmd.setText(QString::fromLatin1(inserting ? kInsertOperationType : kUpdateOperationType));
    cmd.setParam(QStringLiteral("s_caption"), Edit1->text().trimmed());
    cmd.setParam(QStringLiteral("s_description"), Edit2->text().trimmed());
    if (!inserting)
        cmd.setParam(QStringLiteral("id"), DataModule6->operation_type.field("id").asInt());
    cmd.execute();
    ui::reopen(DataModule6->operation_type);
    closeModal(platform::ui::mrOk);
}
