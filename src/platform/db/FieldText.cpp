#include "platform/db/FieldText.h"

#include <QTimeZone>
#include <charconv>
#include <cmath>
#include <limits>

namespace platform::db::fieldtext {

namespace {

// Type OIDs of the built-in types (pg_type.h).
enum Oid : unsigned {
    BoolOid = 16, NameOid = 19, Int8Oid = 20, Int2Oid = 21, Int4Oid = 23, TextOid = 25, OidOid = 26,
    Float4Oid = 700, Float8Oid = 701, BpcharOid = 1042, VarcharOid = 1043, DateOid = 1082,
    TimestampOid = 1114, TimestamptzOid = 1184, NumericOid = 1700,
};

// Reads `count` digits at s[pos]; false when there are not that many.
bool digits(const char* s, int size, int& pos, int count, int& value)
{
    value = 0;
    for (int k = 0; k < count; ++k, ++pos) {
        if (pos >= size || s[pos] < '0' || s[pos] > '9')
            return false;
        value = value * 10 + (s[pos] - '0');
    }
    return true;
}

struct Stamp {
    QDate date;
    int hour = 0, minute = 0, second = 0;
    int micros = 0;
    bool hasOffset = false;
    int offsetSeconds = 0;
};

std::optional<Stamp> parseStamp(const char* s, int size)
{
    Stamp st;
    int pos = 0;
    int year = 0;
    while (pos < size && s[pos] >= '0' && s[pos] <= '9')
        year = year * 10 + (s[pos++] - '0');
    if (pos < 4 || pos >= size || s[pos] != '-')
        return std::nullopt;
    ++pos;
    int month, day;
    if (!digits(s, size, pos, 2, month) || pos >= size || s[pos++] != '-' || !digits(s, size, pos, 2, day))
        return std::nullopt;
    if (size - pos >= 3 && s[size - 3] == ' ' && s[size - 2] == 'B' && s[size - 1] == 'C') {
        year = 1 - year;
        size -= 3;
    }
    st.date = QDate(year, month, day);
    if (!st.date.isValid())
        return std::nullopt;
    if (pos < size && (s[pos] == ' ' || s[pos] == 'T')) {
        ++pos;
        if (!digits(s, size, pos, 2, st.hour) || pos >= size || s[pos++] != ':'
            || !digits(s, size, pos, 2, st.minute))
            return std::nullopt;
        if (pos < size && s[pos] == ':') {
            ++pos;
            if (!digits(s, size, pos, 2, st.second))
                return std::nullopt;
        }
        if (pos < size && s[pos] == '.') {
            ++pos;
            int scale = 100000;
            while (pos < size && s[pos] >= '0' && s[pos] <= '9') {
                st.micros += (s[pos++] - '0') * scale;
                scale /= 10;
            }
        }
        if (pos < size && (s[pos] == '+' || s[pos] == '-')) {
            const int sign = s[pos++] == '-' ? -1 : 1;
            int h = 0, m = 0, sec = 0;
            if (!digits(s, size, pos, 2, h))
                return std::nullopt;
            if (pos < size && s[pos] == ':') {
                ++pos;
                digits(s, size, pos, 2, m);
            }
            if (pos < size && s[pos] == ':') {
                ++pos;
                digits(s, size, pos, 2, sec);
            }
            st.hasOffset = true;
            st.offsetSeconds = sign * (h * 3600 + m * 60 + sec);
        }
    }
    return st;
}

bool isInfinity(const char* s, int size, bool& negative)
{
    const std::string_view v(s, std::size_t(size));
    negative = v == "-infinity";
    return negative || v == "infinity";
}

} // namespace

Field::Type typeFromOid(unsigned oid)
{
    switch (oid) {
    case BoolOid: return Field::Type::Boolean;
    case Int2Oid:
    case Int4Oid:
    case Int8Oid:
    case OidOid: return Field::Type::Integer;
    case NumericOid: return Field::Type::Decimal;
    case Float4Oid:
    case Float8Oid: return Field::Type::Double;
    case DateOid: return Field::Type::Date;
    case TimestampOid:
    case TimestamptzOid: return Field::Type::DateTime;
    case TextOid:
    case VarcharOid:
    case BpcharOid:
    case NameOid: return Field::Type::Text;
    default: return Field::Type::Other;
    }
}

bool isNumeric(Field::Type type)
{
    return type == Field::Type::Integer || type == Field::Type::Decimal || type == Field::Type::Double
        || type == Field::Type::Boolean;
}

bool isTemporal(Field::Type type)
{
    return type == Field::Type::Date || type == Field::Type::DateTime;
}

std::optional<std::int64_t> toInt64(const char* s, int size)
{
    if (!s)
        return std::nullopt;
    std::int64_t v = 0;
    const char* begin = s;
    if (size > 0 && *begin == '+')
        ++begin;
    auto [end, ec] = std::from_chars(begin, s + size, v);
    if (ec != std::errc() || end != s + size)
        return std::nullopt;
    return v;
}

std::optional<double> toDouble(const char* s, int size)
{
    if (!s || size == 0)
        return std::nullopt;
    double v = 0;
    const char* begin = s;
    if (*begin == '+')
        ++begin;
    auto [end, ec] = std::from_chars(begin, s + size, v);
    if (ec == std::errc() && end == s + size)
        return v;
    const std::string_view t(s, std::size_t(size));
    if (t == "NaN")
        return std::numeric_limits<double>::quiet_NaN();
    if (t == "Infinity")
        return std::numeric_limits<double>::infinity();
    if (t == "-Infinity")
        return -std::numeric_limits<double>::infinity();
    return std::nullopt;
}

std::optional<double> numberOf(Field::Type type, CellRef cell)
{
    if (cell.isNull())
        return std::nullopt;
    if (type == Field::Type::Boolean)
        return (cell.size > 0 && cell.data[0] == 't') ? 1.0 : 0.0;
    return toDouble(cell.data, cell.size);
}

QDate toDate(const char* s, int size)
{
    if (!s)
        return {};
    const auto st = parseStamp(s, size);
    return st ? st->date : QDate();
}

QDateTime toDateTime(const char* s, int size)
{
    if (!s)
        return {};
    const auto st = parseStamp(s, size);
    if (!st)
        return {};
    const QTime time(st->hour, st->minute, st->second, st->micros / 1000);
    if (st->hasOffset)
        return QDateTime(st->date, time, QTimeZone(st->offsetSeconds)).toLocalTime();
    return QDateTime(st->date, time);
}

std::optional<std::int64_t> instantOf(const char* s, int size)
{
    if (!s)
        return std::nullopt;
    bool negative = false;
    if (isInfinity(s, size, negative))
        return negative ? std::numeric_limits<std::int64_t>::min() : std::numeric_limits<std::int64_t>::max();
    const auto st = parseStamp(s, size);
    if (!st)
        return std::nullopt;
    static const qint64 epoch = QDate(2000, 1, 1).toJulianDay();
    const std::int64_t seconds = (st->date.toJulianDay() - epoch) * 86400LL + st->hour * 3600LL + st->minute * 60LL
        + st->second - st->offsetSeconds;
    return seconds * 1000000LL + st->micros;
}

QString roundDecimal(const QString& text, int scale)
{
    QString t = text.trimmed();
    if (scale < 0)
        scale = 0;
    bool negative = false;
    if (t.startsWith(QLatin1Char('-')) || t.startsWith(QLatin1Char('+'))) {
        negative = t.at(0) == QLatin1Char('-');
        t.remove(0, 1);
    }
    const qsizetype exp = t.indexOf(QLatin1Char('e'), 0, Qt::CaseInsensitive);
    if (exp >= 0) { // scientific notation (floating columns): go through double
        bool ok = false;
        const double v = text.toDouble(&ok);
        return ok && std::isfinite(v) ? QString::number(v, 'f', scale) : QString();
    }
    const qsizetype dot = t.indexOf(QLatin1Char('.'));
    QString whole = dot < 0 ? t : t.left(dot);
    QString frac = dot < 0 ? QString() : t.mid(dot + 1);
    if (whole.isEmpty())
        whole = QStringLiteral("0");
    for (const QString& part : {whole, frac})
        for (QChar c : part)
            if (!c.isDigit())
                return {};
    bool roundUp = false;
    if (frac.size() > scale) {
        roundUp = frac.at(scale) >= QLatin1Char('5');
        frac.truncate(scale);
    }
    frac = frac.leftJustified(scale, QLatin1Char('0'));
    QString digitsText = whole + frac;
    if (roundUp) {
        qsizetype i = digitsText.size() - 1;
        for (; i >= 0; --i) {
            if (digitsText.at(i) == QLatin1Char('9')) {
                digitsText[i] = QLatin1Char('0');
            } else {
                digitsText[i] = QChar(digitsText.at(i).unicode() + 1);
                break;
            }
        }
        if (i < 0)
            digitsText.prepend(QLatin1Char('1'));
    }
    QString intPart = digitsText.left(digitsText.size() - scale);
    while (intPart.size() > 1 && intPart.startsWith(QLatin1Char('0')))
        intPart.remove(0, 1);
    const QString fracPart = digitsText.right(scale);
    bool zero = true;
    for (QChar c : digitsText)
        if (c != QLatin1Char('0'))
            zero = false;
    QString result = (negative && !zero ? QStringLiteral("-") : QString()) + intPart;
    if (scale > 0)
        result += QLatin1Char('.') + fracPart;
    return result;
}

QDateTime parseUserDateTime(const QString& text)
{
    const QString t = text.trimmed();
    static const char* const formats[] = {
        "dd.MM.yyyy HH:mm:ss", "dd.MM.yyyy HH:mm", "dd.MM.yyyy", "d.M.yyyy H:mm:ss", "d.M.yyyy H:mm", "d.M.yyyy",
        "yyyy-MM-dd HH:mm:ss", "yyyy-MM-dd HH:mm", "yyyy-MM-dd", "yyyy-MM-ddTHH:mm:ss",
    };
    for (const char* format : formats) {
        const QString f = QString::fromLatin1(format);
        const QDateTime dt = QDateTime::fromString(t, f);
        if (dt.isValid())
            return dt;
        if (!f.contains(QLatin1Char('H'))) {
            const QDate d = QDate::fromString(t, f);
            if (d.isValid())
                return QDateTime(d, QTime(0, 0));
        }
    }
    return {};
}

} // namespace platform::db::fieldtext

namespace platform::db::fieldtext {

QString displayText(Field::Type type, CellRef cell)
{
    if (cell.isNull())
        return {};
    switch (type) {
    case Field::Type::Boolean:
        return (cell.size > 0 && (cell.data[0] == 't' || cell.data[0] == '1')) ? QStringLiteral("1")
                                                                                : QStringLiteral("0");
    case Field::Type::Date: {
        const QDate d = toDate(cell.data, cell.size);
        return d.isValid() ? d.toString(QStringLiteral("dd.MM.yyyy")) : cell.toQString();
    }
    case Field::Type::DateTime: {
        const QDateTime dt = toDateTime(cell.data, cell.size);
        if (!dt.isValid())
            return cell.toQString();
        if (dt.time() == QTime(0, 0))
            return dt.toString(QStringLiteral("dd.MM.yyyy"));
        return dt.toString(QStringLiteral("dd.MM.yyyy H:mm:ss"));
    }
    default: return cell.toQString();
    }
}

} // namespace platform::db::fieldtext
