#include "reference/Unit32.h"

#include "data/Unit6.h"
#include "ui/ListScreen.h"
#include "ui/Screen.h"

TForm32* Form32 = nullptr;

namespace {

constexpr const char* kSearchPrefix = "s_caption like '";
constexpr const char* kSearchSuffix = "%'";

} // namespace

TForm32::TForm32(QWidget* parent)
    : Form(parent)
{
    setWindowTitle(QStringLiteral("Роли"));
    DBGrid1 = new platform::ui::Grid(&DataModule6->role);
    DBGrid1->addColumn(QStringLiteral("s_caption"), QStringLiteral("Наименование"), 300);
    DBGrid1->addColumn(QStringLiteral("s_name"), QStringLiteral("Системное имя"), 220);
    const ui::ListPanel panel = ui::buildListScreen(*this, DBGrid1, QSize(576, 479));
    Button5 = panel.add;
    Button2 = panel.change;
    Button3 = panel.remove;
    Edit1 = panel.search;
    Button4 = panel.exit;
    Edit1->setMinimumWidth(120);

    ui::installSearch(Edit1, DataModule6->role, QString::fromLatin1(kSearchPrefix), QString::fromLatin1(kSearchSuffix),
                      ui::SearchKeys::A);
}

void TForm32::FormCreate()
{
    ui::setupWindow(*this);
}

void TForm32::FormClose()
{
    // The administration list shares the roles dataset and has no search box: the search ends
    // with this screen, so that list never opens filtered.
    Edit1->clear();
}
