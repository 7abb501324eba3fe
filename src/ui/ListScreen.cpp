#include "ui/ListScreen.h"

#include "platform/db/Dataset.h"
#include "platform/ui/Handler.h"
#include "platform/ui/Prompter.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QVBoxLayout>

namespace ui {

using platform::db::Dataset;

namespace {

// Up/Down in the search box move the list; variant A swallows the editing keys after that.
class SearchKeyFilter : public QObject {
public:
    SearchKeyFilter(QObject* parent, Dataset& dataset, SearchKeys keys)
        : QObject(parent), dataset_(dataset), keys_(keys) {}

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down) {
            platform::ui::runGuarded([&] {
                if (dataset_.active())
                    key->key() == Qt::Key_Up ? dataset_.prior() : dataset_.next();
            });
            return true;
        }
        if (keys_ == SearchKeys::B)
            return false;
        // Variant A: typed characters and Backspace still reach the box; Enter and Esc reach the screen.
        const bool typed = !key->text().isEmpty() && key->text().at(0).isPrint();
        const bool passes = typed || key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Return
                            || key->key() == Qt::Key_Enter || key->key() == Qt::Key_Escape || key->key() == Qt::Key_Tab
                            || key->key() == Qt::Key_Backtab || key->matches(QKeySequence::Paste);
        return !passes;
    }

private:
    Dataset& dataset_;
    SearchKeys keys_;
};

} // namespace

ListPanel buildListScreen(platform::ui::Form& form, platform::ui::Grid* grid, const QSize& clientSize)
{
    ListPanel panel{new QPushButton(QStringLiteral("Добавить")), new QPushButton(QStringLiteral("Изменить")),
                    new QPushButton(QStringLiteral("Удалить")), new QLineEdit, new QPushButton(QStringLiteral("Выход"))};
    panel.add->setDefault(true);
    panel.search->setMinimumWidth(200);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(panel.add);
    bottom->addWidget(panel.change);
    bottom->addWidget(panel.remove);
    bottom->addSpacing(12);
    bottom->addWidget(panel.search, 1);
    bottom->addSpacing(12);
    bottom->addWidget(panel.exit);
    auto* layout = new QVBoxLayout(&form);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(grid, 1);
    layout->addLayout(bottom);
    form.resize(clientSize);
    platform::ui::connectHandler(panel.exit, &QPushButton::clicked, &form, [&form] { form.closeModal(platform::ui::mrCancel); });
    QObject::connect(grid, &platform::ui::Grid::rowDoubleClicked, panel.change, [change = panel.change] {
        if (change->isEnabled())
            change->click();
    });
    return panel;
}

void installSearch(QLineEdit* box, Dataset& dataset, const QString& prefix, const QString& suffix, SearchKeys keys)
{
    box->installEventFilter(new SearchKeyFilter(box, dataset, keys));
    platform::ui::connectHandler(box, &QLineEdit::textChanged, box, [&dataset, prefix, suffix](const QString& text) {
        applySearch(dataset, prefix, suffix, text);
    });
}

void applySearch(Dataset& dataset, const QString& prefix, const QString& suffix, const QString& text)
{
    if (text.isEmpty()) {
        dataset.setFiltered(false);
        return;
    }
    dataset.setFilter(prefix + platform::db::filterLiteral(text) + suffix);
    dataset.setFiltered(true);
}

QString nextSort(const QString& currentSort, const TitleSortPair& pair)
{
    return currentSort.contains(QLatin1String("DESC")) ? pair.ascending : pair.descending;
}

void installTitleSort(platform::ui::Grid* grid, std::vector<TitleSortPair> pairs)
{
    platform::ui::connectHandler(grid, &platform::ui::Grid::titleClicked, grid,
                                 [grid, pairs = std::move(pairs)](int, const QString& field) {
                                     Dataset* dataset = grid->dataset();
                                     if (!dataset || !dataset->active())
                                         return;
                                     for (const TitleSortPair& pair : pairs) {
                                         if (pair.field.compare(field, Qt::CaseInsensitive) == 0) {
                                             dataset->setSort(nextSort(dataset->sort(), pair));
                                             return;
                                         }
                                     }
                                 });
}

void reopen(Dataset& dataset, bool keepSort)
{
    const QString sort = dataset.sort();
    dataset.close();
    dataset.open();
    if (keepSort && !sort.isEmpty())
        dataset.setSort(sort);
}

void refresh(Dataset& dataset, bool keepSort)
{
    const int recNo = dataset.recNo();
    reopen(dataset, keepSort);
    if (!dataset.isEmpty())
        dataset.setRecNo(recNo);
}

bool deleteRow(Dataset& dataset, const std::function<void()>& del, const QString& question, bool keepSort)
{
    const int recNo = dataset.recNo();
    const bool yes = platform::ui::Prompter::question(platform::ui::kDeleteTitle, question);
    if (yes) {
        del();
        reopen(dataset, keepSort);
    }
    if (!dataset.isEmpty())
        dataset.setRecNo(recNo);
    return yes;
}

} // namespace ui
