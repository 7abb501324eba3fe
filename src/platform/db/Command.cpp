#include "platform/db/Command.h"

#include "platform/db/Error.h"
#include "platform/db/FieldText.h"
#include "platform/db/SqlParams.h"

#include <QHash>
#include <pqxx/pqxx>

namespace platform::db {

namespace {

QVariant variantOf(const pqxx::field& f)
{
    if (f.is_null())
        return {};
    const char* s = f.c_str();
    const int size = int(f.size());
    switch (fieldtext::typeFromOid(f.type())) {
    case Field::Type::Boolean: return QVariant(size > 0 && s[0] == 't');
    case Field::Type::Integer:
        if (const auto i = fieldtext::toInt64(s, size))
            return QVariant(qlonglong(*i));
        break;
    case Field::Type::Decimal:
    case Field::Type::Double:
        if (const auto d = fieldtext::toDouble(s, size))
            return QVariant(*d);
        break;
    case Field::Type::Date: return QVariant(fieldtext::toDate(s, size));
    case Field::Type::DateTime: return QVariant(fieldtext::toDateTime(s, size));
    default: break;
    }
    return QVariant(QString::fromUtf8(s, size));
}

} // namespace

struct Command::Impl {
    explicit Impl(Connection& c) : connection(c) {}
    Connection& connection;
    QString text;
    NumberedSql numbered;
    QHash<QString, Value> params;

    std::vector<Value> values() const
    {
        std::vector<Value> out;
        out.reserve(std::size_t(numbered.names.size()));
        for (const QString& name : numbered.names)
            out.push_back(params.value(name));
        return out;
    }
};

Command::Command(Connection& connection) : d_(std::make_unique<Impl>(connection)) {}
Command::~Command() = default;

void Command::setText(const QString& sql)
{
    d_->text = sql;
    d_->numbered = numberParameters(sql);
    d_->params.clear();
}

QString Command::text() const
{
    return d_->text;
}

void Command::setParam(const QString& name, const Value& value)
{
    const QString key = name.toLower();
    if (!d_->numbered.names.contains(key))
        throw Error(QStringLiteral("Параметр «%1» не найден в команде").arg(name));
    d_->params.insert(key, value);
}

long Command::execute()
{
    const pqxx::result r = d_->connection.exec(d_->numbered.text, d_->values());
    return long(r.affected_rows());
}

QVariant Command::executeScalar()
{
    const pqxx::result r = d_->connection.exec(d_->numbered.text, d_->values());
    if (r.empty() || r.columns() == 0)
        return {};
    return variantOf(r[0][0]);
}

namespace {
void prepare(Command& command, const QString& sql, std::initializer_list<std::pair<QString, Value>> params)
{
    command.setText(sql);
    for (const auto& [name, value] : params)
        command.setParam(name, value);
}
} // namespace

long execute(Connection& connection, const QString& sql, std::initializer_list<std::pair<QString, Value>> params)
{
    Command command(connection);
    prepare(command, sql, params);
    return command.execute();
}

QVariant scalar(Connection& connection, const QString& sql, std::initializer_list<std::pair<QString, Value>> params)
{
    Command command(connection);
    prepare(command, sql, params);
    return command.executeScalar();
}

} // namespace platform::db
