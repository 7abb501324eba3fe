// Reading the server's text form of a value: column types, numbers, dates, decimals.
#pragma once

#include "platform/db/Dataset.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace platform::db {

// One cell of a fetched result: the server's text (nullptr for NULL) and its length in bytes.
struct CellRef {
    const char* data = nullptr;
    int size = 0;
    bool isNull() const { return data == nullptr; }
    QString toQString() const { return data ? QString::fromUtf8(data, size) : QString(); }
};

// Read access to the cells of a fetched result (rows and columns 0-based).
class CellSource {
public:
    virtual ~CellSource() = default;
    virtual CellRef cell(int row, int column) const = 0;
};

namespace fieldtext {

// Field type of a column from its type OID (the server reports domains as their base type).
Field::Type typeFromOid(unsigned oid);

bool isNumeric(Field::Type type);
bool isTemporal(Field::Type type);

std::optional<std::int64_t> toInt64(const char* s, int size);
std::optional<double> toDouble(const char* s, int size);
// A cell of a numeric or boolean column as a number ("t"/"f" read as 1/0).
std::optional<double> numberOf(Field::Type type, CellRef cell);

// ISO text as the server sends it ("2023-10-18", "2023-10-18 16:33:58.5", "...+03").
QDate toDate(const char* s, int size);
QDateTime toDateTime(const char* s, int size);
// A sortable instant (microseconds since 2000-01-01 UTC for zoned values, else local wall
// clock); "infinity"/"-infinity" give the extremes. nullopt when unreadable.
std::optional<std::int64_t> instantOf(const char* s, int size);

// A decimal text rounded half away from zero to `scale` fractional digits, "." as the mark
// ("12.5" -> "12.50"; "-0.005" at 2 -> "-0.01"). Empty for a text that is no number.
QString roundDecimal(const QString& text, int scale);

// A date typed by a person or written in a filter: "18.10.2023", "2023-10-18", with an
// optional time "16:33[:58]". Invalid when unreadable.
QDateTime parseUserDateTime(const QString& text);

} // namespace fieldtext
} // namespace platform::db

namespace platform::db::fieldtext {
// A cell as a person reads it (Field::asString): booleans "1"/"0", numbers and text as the
// server sends them, dates "dd.MM.yyyy", date-times "dd.MM.yyyy H:mm:ss" (the date alone at
// midnight); "" for null.
QString displayText(Field::Type type, CellRef cell);
}

namespace platform::db::fieldtext {
// Bytes libpq holds for a result: the row pointer array, one (length, pointer) pair per cell
// and the NUL-terminated text of every non-null value (`textBytes` = sum of length + 1), plus
// the result header and column descriptors.
inline std::size_t resultFootprint(std::size_t rows, std::size_t columns, std::size_t textBytes)
{
    return 256 + columns * 64 + rows * sizeof(void*) + rows * columns * 16 + textBytes;
}
}
