// What the two item lists share: the search box, the title-click sorts, the sort on activation, painted rows marked.
#pragma once

#include "platform/db/Dataset.h"
#include "platform/ui/Grid.h"

#include <QLineEdit>
#include <QString>

namespace itemlist {

// The order both lists take on each activation.
inline const QString kItemListSort = QStringLiteral("marka, s_nom ASC");

// Typing searches anywhere in the name; Up and Down move the list. Titles of the name and kind
// columns toggle their sorts. Painted items are shown on a pale green background.
void installItemListBehaviour(platform::ui::Grid* grid, QLineEdit* search, platform::db::Dataset& dataset);

// A column whose cells are centred.
platform::ui::GridColumn centred(const QString& field, const QString& title, int width);

// Opens the list when it is closed and sorts it by name, then kind.
void openSorted(platform::db::Dataset& dataset);

} // namespace itemlist
