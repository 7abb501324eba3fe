#include "platform/db/Value.h"

#include <charconv>

namespace platform::db {

namespace {

std::string shortestDouble(double v)
{
    char buf[64];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v);
    return ec == std::errc() ? std::string(buf, end) : std::to_string(v);
}

QString dateTimeWire(const QDateTime& v)
{
    return v.time().msec() ? v.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz"))
                           : v.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

} // namespace

Value Value::fromVariant(const QVariant& v)
{
    if (!v.isValid() || v.isNull())
        return {};
    switch (v.typeId()) {
    case QMetaType::Bool: return Value(v.toBool());
    case QMetaType::Int:
    case QMetaType::Short:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
    case QMetaType::UShort:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::LongLong:
    case QMetaType::ULong:
    case QMetaType::ULongLong: return Value(static_cast<long long>(v.toLongLong()));
    case QMetaType::Double:
    case QMetaType::Float: return Value(v.toDouble());
    case QMetaType::QDate: return Value(v.toDate());
    case QMetaType::QDateTime: return Value(v.toDateTime());
    default: return Value(v.toString());
    }
}

std::optional<std::string> Value::toWire() const
{
    struct Wire {
        std::optional<std::string> operator()(std::monostate) const { return std::nullopt; }
        std::optional<std::string> operator()(std::int64_t v) const { return std::to_string(v); }
        std::optional<std::string> operator()(double v) const { return shortestDouble(v); }
        std::optional<std::string> operator()(bool v) const { return std::string(v ? "true" : "false"); }
        std::optional<std::string> operator()(const QString& v) const { return v.toStdString(); }
        std::optional<std::string> operator()(const QDate& v) const
        {
            if (!v.isValid())
                return std::nullopt;
            return v.toString(Qt::ISODate).toStdString();
        }
        std::optional<std::string> operator()(const QDateTime& v) const
        {
            if (!v.isValid())
                return std::nullopt;
            return dateTimeWire(v).toStdString();
        }
    };
    return std::visit(Wire{}, v_);
}

QString Value::toDisplay() const
{
    struct Display {
        QString operator()(std::monostate) const { return QStringLiteral("NULL"); }
        QString operator()(std::int64_t v) const { return QString::number(v); }
        QString operator()(double v) const { return QString::fromStdString(shortestDouble(v)); }
        QString operator()(bool v) const { return v ? QStringLiteral("true") : QStringLiteral("false"); }
        QString operator()(const QString& v) const { return v; }
        QString operator()(const QDate& v) const { return v.toString(QStringLiteral("dd.MM.yyyy")); }
        QString operator()(const QDateTime& v) const { return v.toString(QStringLiteral("dd.MM.yyyy HH:mm:ss")); }
    };
    return std::visit(Display{}, v_);
}

} // namespace platform::db
