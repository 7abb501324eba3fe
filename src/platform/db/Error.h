// Database errors: one exception type carrying the server's text, the SQLSTATE, the statement and its values.
#pragma once

#include <QString>
#include <QStringList>
#include <stdexcept>

namespace platform {

// Any failure of the platform layer that a handler boundary shows to the user.
class Error : public std::runtime_error {
public:
    explicit Error(const QString& message);
    QString message() const { return message_; }

private:
    QString message_;
};

namespace db {

// A statement the server refused, or a connection that failed.
class DbError : public platform::Error {
public:
    // serverText: the server's primary message (message()); detail: its DETAIL line, if any.
    DbError(const QString& serverText, QString sqlState = {}, QString statement = {}, QStringList values = {},
            QString detail = {});
    QString sqlState() const { return sqlState_; }
    QString detail() const { return detail_; }
    QString statement() const { return statement_; }
    QStringList values() const { return values_; }

private:
    QString sqlState_;
    QString statement_;
    QStringList values_;
    QString detail_;
};

} // namespace db
} // namespace platform
