// A statement that changes data: text with :named parameters, bound values, executed.
#pragma once

#include "platform/db/Connection.h"
#include "platform/db/Value.h"

#include <QString>
#include <QStringList>
#include <QVariant>
#include <initializer_list>
#include <memory>
#include <utility>

namespace platform::db {

class Command {
public:
    explicit Command(Connection& connection);
    ~Command();

    void setText(const QString& sql);   // clears the parameter values
    QString text() const;
    void setParam(const QString& name, const Value& value); // throws Error for a name not in the text

    // Runs the statement; returns the number of rows affected.
    long execute();
    // Runs a statement with "returning" (or a select) and gives the first column of the first row
    // (an invalid QVariant for null or no row; integers as qlonglong, numeric as double, bool,
    // QDate, QDateTime, else QString).
    QVariant executeScalar();

private:
    struct Impl;
    std::unique_ptr<Impl> d_;
};

// Runs one statement with named parameters: execute(conn, "delete from t where id=:id", {{"id", 5}}).
long execute(Connection& connection, const QString& sql,
             std::initializer_list<std::pair<QString, Value>> params = {});
QVariant scalar(Connection& connection, const QString& sql,
                std::initializer_list<std::pair<QString, Value>> params = {});

} // namespace platform::db
