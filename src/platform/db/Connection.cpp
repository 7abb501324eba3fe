#include "platform/db/Connection.h"

#include "platform/db/Error.h"

#include <pqxx/pqxx>

namespace platform::db {

namespace {

// The server's text split into its primary message and its DETAIL line; libpq's severity
// prefix ("ERROR:  ", "FATAL:  ") and the statement position lines are dropped.
struct ServerMessage {
    QString primary;
    QString detail;
};

QString withoutSeverity(QString line)
{
    static const char* const prefixes[] = {"ERROR:", "FATAL:", "PANIC:"};
    for (const char* prefix : prefixes) {
        const QString p = QString::fromLatin1(prefix);
        if (line.startsWith(p))
            return line.mid(p.size()).trimmed();
        const QString inner = QStringLiteral("failed: ") + p;
        const int at = int(line.indexOf(inner));
        if (at >= 0) // libpq's "connection to server ... failed: FATAL:  ..."
            return (line.left(at) + QStringLiteral("failed: ") + line.mid(at + inner.size()).trimmed()).trimmed();
    }
    return line.trimmed();
}

ServerMessage splitServerMessage(const char* what)
{
    ServerMessage m;
    const QStringList lines = QString::fromUtf8(what).split(QLatin1Char('\n'));
    for (const QString& raw : lines) {
        const QString line = raw.trimmed();
        if (line.isEmpty())
            continue;
        if (m.primary.isEmpty()) {
            m.primary = withoutSeverity(line);
        } else if (line.startsWith(QLatin1String("DETAIL:")) && m.detail.isEmpty()) {
            m.detail = line.mid(7).trimmed();
        }
    }
    if (m.primary.isEmpty())
        m.primary = QStringLiteral("Ошибка базы данных");
    return m;
}

QStringList displayValues(const std::vector<Value>& values)
{
    QStringList out;
    out.reserve(qsizetype(values.size()));
    for (const Value& v : values)
        out << v.toDisplay();
    return out;
}

// Turns whatever libpq/libpqxx threw into a DbError carrying the statement and its values.
[[noreturn]] void rethrowAsDbError(const std::string& sql, const std::vector<Value>& values)
{
    const QString statement = QString::fromStdString(sql);
    try {
        throw;
    } catch (const DbError&) {
        throw;
    } catch (const pqxx::sql_error& e) {
        const ServerMessage m = splitServerMessage(e.what());
        throw DbError(m.primary, QString::fromStdString(e.sqlstate()), statement, displayValues(values), m.detail);
    } catch (const std::exception& e) {
        const ServerMessage m = splitServerMessage(e.what());
        throw DbError(m.primary, QString(), statement, displayValues(values), m.detail);
    }
}

template <class Tx>
pqxx::result run(Tx& tx, const std::string& sql, const std::vector<Value>& values)
{
    if (values.empty())
        return tx.exec(sql);
    std::vector<std::optional<std::string>> wire;
    wire.reserve(values.size());
    for (const Value& v : values)
        wire.push_back(v.toWire());
    std::vector<const char*> pointers;
    pointers.reserve(wire.size());
    for (const auto& w : wire)
        pointers.push_back(w ? w->c_str() : nullptr);
    return tx.exec_params(sql, pqxx::prepare::make_dynamic_params(pointers));
}

} // namespace

struct Connection::Impl {
    // Declared in this order so that the transaction goes first, then the notice handler,
    // then the connection itself.
    std::unique_ptr<pqxx::connection> conn;
    std::unique_ptr<pqxx::quiet_errorhandler> quiet;
    std::unique_ptr<pqxx::work> tx;
};

Connection::Connection() : d_(std::make_unique<Impl>()) {}

Connection::~Connection()
{
    close();
}

void Connection::open(const ConnectionSettings& settings)
{
    close();
    settings_ = settings;
    try {
        auto conn = std::make_unique<pqxx::connection>(settings.conninfo());
        // Server notices ("table does not exist, skipping") are not shown anywhere.
        d_->quiet = std::make_unique<pqxx::quiet_errorhandler>(*conn);
        d_->conn = std::move(conn);
    } catch (...) {
        d_->quiet.reset();
        d_->conn.reset();
        rethrowAsDbError({}, {});
    }
}

void Connection::close()
{
    if (d_->tx) {
        try {
            d_->tx->abort();
        } catch (...) {
        }
        d_->tx.reset();
    }
    d_->quiet.reset();
    if (d_->conn) {
        try {
            d_->conn->disconnect();
        } catch (...) {
        }
        d_->conn.reset();
    }
}

bool Connection::isOpen() const
{
    return d_->conn && d_->conn->is_open();
}

pqxx::result Connection::exec(const std::string& sql, const std::vector<Value>& values)
{
    if (!d_->conn)
        throw DbError(QStringLiteral("Нет подключения к базе данных"), {}, QString::fromStdString(sql),
                      displayValues(values));
    try {
        if (d_->tx)
            return run(*d_->tx, sql, values);
        pqxx::nontransaction tx(*d_->conn);
        return run(tx, sql, values);
    } catch (...) {
        rethrowAsDbError(sql, values);
    }
}

void Connection::begin()
{
    if (d_->tx)
        throw Error(QStringLiteral("Транзакция уже открыта: вложенные транзакции не поддерживаются"));
    if (!d_->conn)
        throw DbError(QStringLiteral("Нет подключения к базе данных"), {}, QStringLiteral("begin"));
    try {
        d_->tx = std::make_unique<pqxx::work>(*d_->conn);
    } catch (...) {
        d_->tx.reset();
        rethrowAsDbError("begin", {});
    }
}

void Connection::commit()
{
    if (!d_->tx)
        throw Error(QStringLiteral("Нет открытой транзакции"));
    auto tx = std::move(d_->tx);
    try {
        tx->commit();
    } catch (...) {
        rethrowAsDbError("commit", {});
    }
}

void Connection::rollback()
{
    if (!d_->tx)
        return;
    auto tx = std::move(d_->tx);
    try {
        tx->abort();
    } catch (...) {
        rethrowAsDbError("rollback", {});
    }
}

bool Connection::inTransaction() const
{
    return d_->tx != nullptr;
}

} // namespace platform::db
