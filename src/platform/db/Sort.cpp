#include "platform/db/Sort.h"

#include "platform/db/Error.h"

#include <QLocale>
#include <algorithm>
#include <numeric>
#include <optional>

namespace platform::db {

QCollator textCollator()
{
    QCollator collator(QLocale(QLocale::Russian, QLocale::Russia));
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(false);
    collator.setIgnorePunctuation(false);
    return collator;
}

std::vector<SortColumn> parseSortString(const QString& sort)
{
    std::vector<SortColumn> columns;
    const QStringList pieces = sort.split(QLatin1Char(','));
    for (const QString& piece : pieces) {
        const QStringList words = piece.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (words.isEmpty()) {
            if (pieces.size() == 1)
                break; // an empty sort string: no sort
            throw Error(QStringLiteral("Неверная строка сортировки «%1»: пустой элемент списка").arg(sort));
        }
        SortColumn column;
        column.name = words.at(0);
        if (column.name.size() >= 2
            && ((column.name.startsWith(QLatin1Char('[')) && column.name.endsWith(QLatin1Char(']')))
                || (column.name.startsWith(QLatin1Char('"')) && column.name.endsWith(QLatin1Char('"')))))
            column.name = column.name.mid(1, column.name.size() - 2);
        if (words.size() == 2) {
            const QString dir = words.at(1).toUpper();
            if (dir == QLatin1String("DESC"))
                column.descending = true;
            else if (dir != QLatin1String("ASC"))
                throw Error(QStringLiteral("Неверная строка сортировки «%1»: «%2» вместо ASC или DESC")
                                .arg(sort, words.at(1)));
        } else if (words.size() > 2) {
            throw Error(QStringLiteral("Неверная строка сортировки «%1»: «%2»").arg(sort, piece.trimmed()));
        }
        columns.push_back(column);
    }
    return columns;
}

namespace {

// The precomputed keys of one sort column for every row.
class ColumnKeys {
public:
    ColumnKeys(const CellSource& cells, int rowCount, const SortKey& key) : key_(key)
    {
        nulls_.resize(std::size_t(rowCount));
        if (fieldtext::isNumeric(key.type)) {
            kind_ = Kind::Number;
            numbers_.resize(std::size_t(rowCount));
            for (int r = 0; r < rowCount; ++r) {
                const auto v = fieldtext::numberOf(key.type, cells.cell(r, key.column));
                nulls_[r] = !v;
                numbers_[r] = v.value_or(0);
            }
        } else if (fieldtext::isTemporal(key.type)) {
            kind_ = Kind::Instant;
            instants_.resize(std::size_t(rowCount));
            for (int r = 0; r < rowCount; ++r) {
                const CellRef c = cells.cell(r, key.column);
                const auto v = fieldtext::instantOf(c.data, c.size);
                nulls_[r] = !v;
                instants_[r] = v.value_or(0);
            }
        } else {
            kind_ = Kind::Text;
            const QCollator collator = textCollator();
            texts_.reserve(std::size_t(rowCount));
            QString buffer;
            for (int r = 0; r < rowCount; ++r) {
                const CellRef c = cells.cell(r, key.column);
                nulls_[r] = c.isNull();
                buffer = c.toQString();
                texts_.push_back(collator.sortKey(buffer));
            }
        }
    }

    // <0, 0, >0 in ascending order, nulls first.
    int compare(int a, int b) const
    {
        if (nulls_[a] || nulls_[b])
            return int(nulls_[b]) - int(nulls_[a]);
        switch (kind_) {
        case Kind::Number: return numbers_[a] < numbers_[b] ? -1 : (numbers_[b] < numbers_[a] ? 1 : 0);
        case Kind::Instant: return instants_[a] < instants_[b] ? -1 : (instants_[b] < instants_[a] ? 1 : 0);
        case Kind::Text: return texts_[std::size_t(a)].compare(texts_[std::size_t(b)]);
        }
        return 0;
    }

    bool descending() const { return key_.descending; }

private:
    enum class Kind { Number, Instant, Text };
    SortKey key_;
    Kind kind_ = Kind::Text;
    std::vector<char> nulls_;
    std::vector<double> numbers_;
    std::vector<std::int64_t> instants_;
    std::vector<QCollatorSortKey> texts_;
};

} // namespace

std::vector<int> sortedRows(const CellSource& cells, int rowCount, const std::vector<SortKey>& keys)
{
    std::vector<int> rows(static_cast<std::size_t>(rowCount));
    std::iota(rows.begin(), rows.end(), 0);
    if (keys.empty())
        return rows;
    std::vector<ColumnKeys> columns;
    columns.reserve(keys.size());
    for (const SortKey& key : keys)
        columns.emplace_back(cells, rowCount, key);
    std::stable_sort(rows.begin(), rows.end(), [&columns](int a, int b) {
        for (const ColumnKeys& column : columns) {
            const int c = column.compare(a, b);
            if (c != 0)
                return column.descending() ? c > 0 : c < 0;
        }
        return false;
    });
    return rows;
}

} // namespace platform::db
