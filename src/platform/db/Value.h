// A value bound to a statement parameter: null, integer, number, text, date, date-time or flag.
#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QVariant>
#include <cstdint>
#include <optional>
#include <string>
#include <variant>

namespace platform::db {

class Value {
public:
    Value() = default;                       // SQL NULL
    Value(int v) : v_(std::int64_t(v)) {}
    Value(long v) : v_(std::int64_t(v)) {}       // std::int64_t is one of long / long long
    Value(long long v) : v_(std::int64_t(v)) {}  // qint64
    Value(double v) : v_(v) {}
    Value(bool v) : v_(v) {}
    Value(const QString& v) : v_(v) {}
    Value(const char* v) : v_(QString::fromUtf8(v)) {}
    Value(const QDate& v) : v_(v) {}
    Value(const QDateTime& v) : v_(v) {}

    // From a QVariant (invalid or null -> NULL; ints, doubles, bools, texts, dates as such).
    static Value fromVariant(const QVariant& v);

    bool isNull() const { return std::holds_alternative<std::monostate>(v_); }
    // The text the server receives (ISO dates, "." as the decimal mark, true/false); nullopt for NULL.
    std::optional<std::string> toWire() const;
    // How the value reads to a person (for error details).
    QString toDisplay() const;

private:
    std::variant<std::monostate, std::int64_t, double, bool, QString, QDate, QDateTime> v_;
};

} // namespace platform::db
