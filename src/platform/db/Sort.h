// Client-side sort of fetched rows: "marka DESC, s_nom ASC".
#pragma once

#include "platform/db/Dataset.h"
#include "platform/db/FieldText.h"

#include <QCollator>
#include <QString>
#include <vector>

namespace platform::db {

// Text order of lists: Russian collation, case-insensitive (Latin before Cyrillic, ё beside е).
QCollator textCollator();

struct SortColumn {
    QString name;
    bool descending = false;
};

// Reads a sort string: field names separated by commas, each optionally followed by ASC or
// DESC (any case). Throws Error for anything else.
std::vector<SortColumn> parseSortString(const QString& sort);

struct SortKey {
    int column = 0;
    Field::Type type = Field::Type::Text;
    bool descending = false;
};

// The rows 0..rowCount-1 ordered by the keys: stable (equal rows keep the fetched order),
// numbers as numbers, dates as dates, text by textCollator(); nulls come first ascending and
// last descending. Each row's key is computed once.
std::vector<int> sortedRows(const CellSource& cells, int rowCount, const std::vector<SortKey>& keys);

} // namespace platform::db
