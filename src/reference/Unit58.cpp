#include "reference/Unit58.h"

#include "data/Unit6.h"
#include "platform/ui/Handler.h"
#include "ui/CardScreen.h"
#include "ui/Screen.h"

using platform::ui::connectHandler;

TForm58* Form58 = nullptr;

namespace {

// A new role starts its validity today.
constexpr const char* kInsertRole =
    R"sql(INSERT INTO adm_role.roles(s_name, s_caption, d_begin, b_active)VALUES(:s_name, :s_caption, now()::t_date, :b_active::t_boolean))sql";
// Saving an active role restarts its validity today.
constexpr const char* kUpdateActiveRole =
    R"sql(UPDATE adm_role.roles SET s_caption=:s_caption, s_name= :s_name, b_active= :b_active::t_boolean, d_begin=now()::t_date, d_end=NULL where id=:id)sql";
// Saving an inactive role ends its validity today.
constexpr const char* kUpdateInactiveRole =
    R"sql(UPDATE adm_role.roles SET s_caption=:s_caption, s_name= :s_name, b_active= :b_active::t_boolean, d_end=now()::t_date where id=:id)sql";

// Column sizes of the role table.
constexpr int kCaptionLength = 254;
constexpr int kSystemNameLength = 30;

} // namespace

TForm58::TForm58(QWidget* parent)
    : Form(parent)
{
    setWindowTitle(QStringLiteral("Ведение ролей (58)"));
    ui::CardBuilder card(*this, QStringLiteral("Данные о роли"));
    Edit2 = card.addEdit(QStringLiteral("Наименование"));
    Edit2->setMaxLength(kCaptionLength);
    Edit1 = card.addEdit(QStringLiteral("Ситемное имя"));
    Edit1->setMaxLength(kSystemNameLength);
    CheckBox1 = card.addWide(new QCheckBox(QStringLiteral("Активна")));
    const auto buttons = card.finish(QSize(427, 148), QStringLiteral("Записать"), QStringLiteral("Выход"));
    Button5 = buttons.save;
    Button4 = buttons.cancel;

    connectHandler(Button5, &QPushButton::clicked, this, &TForm58::Button5Click);
}

void TForm58::FormCreate()
{
    ui::setupWindow(*this);
}

void TForm58::Button5Click()
{
    if (!ui::requireFilled({Edit2, Edit1}))
        return;
    const bool active = CheckBox1->isChecked();

    auto& cmd = DataModule6->cmd_all;
    if (Tag == 0) {
        cmd.setText(QString::fromLatin1(kInsertRole));
    } else {
        cmd.setText(QString::fromLatin1(active ? kUpdateActiveRole : kUpdateInactiveRole));
        cmd.setParam(QStringLiteral("id"), DataModule6->role.field("id").asInt64());
    }
    cmd.setParam(QStringLiteral("s_caption"), Edit2->text().trimmed());
    cmd.setParam(QStringLiteral("s_name"), Edit1->text().trimmed());
    cmd.setParam(QStringLiteral("b_active"), active ? 1 : 0);
    cmd.execute();
    closeModal(platform::ui::mrOk);
}
