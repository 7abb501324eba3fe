// Client-side filter expressions over fetched rows:
//   s_caption like 'ст%'   marka like '%0,5%'   tp_cnt>0 and (id_nom=7 or not id<2)
// Comparisons = <> != < > <= >= like, not like, is [not] null of a field with a literal
// ('text' with '' for a quote, or a number); and/or/not; parentheses. Text compares
// case-insensitively (Cyrillic included); a numeric field compares numerically; a date field
// compares with a date literal ('18.10.2023' or '2023-10-18'). A null field matches no
// comparison. In like, % stands for any text and _ for one character.
#pragma once

#include "platform/db/Dataset.h"
#include "platform/db/FieldText.h"

#include <QString>
#include <memory>
#include <vector>

namespace platform::db {

struct FilterColumn {
    QString name;
    Field::Type type = Field::Type::Text;
};

class RowFilter {
public:
    RowFilter();
    ~RowFilter();
    RowFilter(const RowFilter&);
    RowFilter& operator=(const RowFilter&);

    // Reads an expression; throws Error (in Russian, naming the fault) when it is malformed.
    // An empty or blank expression gives a filter that lets every row through.
    static RowFilter parse(const QString& expression);

    // Ties field names to columns (case-insensitive) and prepares the literals for their
    // column types; throws Error for an unknown field or a literal that does not fit.
    void bind(const std::vector<FilterColumn>& columns);

    bool isEmpty() const;
    bool matches(const CellSource& cells, int row) const; // bind() first

    struct Node;

private:
    QString text_;
    std::shared_ptr<Node> root_;
};

} // namespace platform::db
