#include "reference/Unit14.h"

#include "data/Unit6.h"
#include "platform/ui/Handler.h"
#include "ui/CardScreen.h"
#include "ui/ListScreen.h"
#include "ui/Screen.h"

using platform::ui::connectHandler;

TForm14* Form14 = nullptr;

namespace {

constexpr const char* kInsertCounterparty =
    R"sql(INSERT INTO cmn_contractor.jur_person(s_caption, s_full_caption, s_ogrn, s_inn)VALUES(:s_caption,:s_full_caption ,:s_ogrn, :s_inn))sql";
constexpr const char* kUpdateCounterparty =
    R"sql(UPDATE cmn_contractor.jur_person  SET s_caption=:s_caption, s_full_caption=:s_full_caption, s_ogrn=:s_ogrn, s_inn=:s_inn WHERE id=:id)sql";

// Column size of the counterparty texts.
constexpr int kTextLength = 254;

} // namespace

TForm14::TForm14(QWidget* parent)
    : Form(parent)
{
    setWindowTitle(QStringLiteral("Ведение контрагентов"));
    ui::CardBuilder card(*this, QStringLiteral("Данные о позиции"));
    Edit2 = card.addEdit(QStringLiteral("Наименование"));
    Edit1 = card.addEdit(QStringLiteral("Полное ниамен."));
    Edit3 = card.addEdit(QStringLiteral("ИНН"));
    Edit4 = card.addEdit(QStringLiteral("ОГРН"));
    for (QLineEdit* edit : {Edit1, Edit2, Edit3, Edit4})
        edit->setMaxLength(kTextLength);
    const auto buttons = card.finish(QSize(422, 153));
    Button5 = buttons.save;
    Button6 = buttons.cancel;

    connectHandler(Button5, &QPushButton::clicked, this, &TForm14::Button5Click);
}

void TForm14::FormCreate()
{
    ui::setupWindow(*this);
}

void TForm14::Button5Click()
{
    // Only the full name is required; the texts are stored as typed, blanks included.
    if (!ui::requireFilled({Edit1}))
        return;
    auto& cmd = DataModule6->cmd_all;
    const bool inserting = Tag == 1;
    cmd.setText(QString::fromLatin1(inserting ? kInsertCounterparty : kUpdateCounterparty));
    cmd.setParam(QStringLiteral("s_caption"), Edit2->text());
    cmd.setParam(QStringLiteral("s_full_caption"), Edit1->text());
    cmd.setParam(QStringLiteral("s_ogrn"), Edit4->text());
    cmd.setParam(QStringLiteral("s_inn"), Edit3->text());
    if (!inserting)
        cmd.setParam(QStringLiteral("id"), DataModule6->jur_person.field("id").asInt());
    cmd.execute();
    ui::reopen(DataModule6->jur_person);
    closeModal(platform::ui::mrOk);
}
