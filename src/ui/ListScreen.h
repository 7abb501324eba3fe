// What every list screen shares: the grid and bottom panel, the search box, title-click sort,
// refreshing after a change and the delete protocol.
#pragma once

#include "platform/db/Dataset.h"
#include "platform/ui/Form.h"
#include "platform/ui/Grid.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSize>
#include <functional>
#include <vector>

namespace ui {

// The bottom panel of a list screen, left to right.
struct ListPanel {
    QPushButton* add;    // "Добавить", the default button (Enter)
    QPushButton* change; // "Изменить"
    QPushButton* remove; // "Удалить"
    QLineEdit* search;   // the search box
    QPushButton* exit;   // "Выход", the cancel button (Esc): closes the list with the cancel result
};

// Lays the list screen out: the grid filling the window over the bottom panel; sets the
// client size. A double click on the grid does what "Изменить" does.
ListPanel buildListScreen(platform::ui::Form& form, platform::ui::Grid* grid, const QSize& clientSize);

// Keys in the search box: Up moves the list one row back, Down one forward. Variant A then
// swallows every key that is not a typed character or Backspace (so Left, Right, Home, End and
// Delete do not reach the box); variant B swallows only Up and Down.
enum class SearchKeys { A, B };

// Each change of the box's text filters the list on the client: prefix + text + suffix, the
// text taken literally (a typed quote is just a character); an empty box switches the filter off.
// For example prefix "s_caption like '", suffix "%'".
void installSearch(QLineEdit* box, platform::db::Dataset& dataset, const QString& prefix, const QString& suffix,
                   SearchKeys keys);
// What one change of the search text does (also for a list that applies its search again on activation).
void applySearch(platform::db::Dataset& dataset, const QString& prefix, const QString& suffix, const QString& text);

// A column's two sort strings: a title click sorts descending when the current sort string does
// not contain "DESC", else ascending.
struct TitleSortPair {
    QString field;
    QString descending;
    QString ascending;
};
void installTitleSort(platform::ui::Grid* grid, std::vector<TitleSortPair> pairs);
// The sort string a title click on this pair gives, from the current sort string.
QString nextSort(const QString& currentSort, const TitleSortPair& pair);

// Refreshing a list after a change: remembers the record number, closes and reopens the dataset
// (keeping its client-side sort when asked), and returns to the remembered record number.
void refresh(platform::db::Dataset& dataset, bool keepSort = false);
// Closes and reopens keeping the sort; the list starts at its first row.
void reopen(platform::db::Dataset& dataset, bool keepSort = false);

// The delete protocol: remembers the record number and asks the question (title "Удаление");
// only on Yes runs the delete and reopens the list. Then, whatever the answer, if the list has
// rows it returns to the remembered record number. Returns whether the row was deleted.
bool deleteRow(platform::db::Dataset& dataset, const std::function<void()>& del,
               const QString& question = QStringLiteral("Удалить строку?"), bool keepSort = false);

} // namespace ui
