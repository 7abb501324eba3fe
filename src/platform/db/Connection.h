// The one database connection: settings in the driver or data-source form, opened over libpq.
#pragma once

#include "platform/db/Value.h"

#include <QString>
#include <memory>
#include <string>
#include <vector>

// pqxx::connection is an alias template instance in libpqxx 6, so only the result is declared here.
namespace pqxx { class result; }

namespace platform::db {

// What a connection string says. The driver form names a server and a database; the
// data-source form names a data source (a libpq connection service).
struct ConnectionSettings {
    enum class Form { Driver, DataSource };
    Form form = Form::DataSource;
    QString server;       // driver form: host name, address or socket directory
    QString database;     // driver form
    QString dataSource;   // data-source form
    QString user;
    QString password;

    static ConnectionSettings driver(const QString& server, const QString& database,
                                     const QString& user, const QString& password);
    static ConnectionSettings dataSourceName(const QString& name, const QString& user, const QString& password);

    // The connection-string text exactly as the login builds it (see Unit23): values inserted
    // as typed, without quoting.
    QString render() const;
    // Reads a connection string of either form back: KEY=VALUE pairs split on ';', keys
    // case-insensitive, a value in {braces} may hold ';'. Unknown options are ignored.
    static ConnectionSettings parse(const QString& text);

    // The libpq connection parameters (conninfo text, every value quoted by libpq's rules;
    // empty values left out so libpq or the service file supplies them). Driver form: host,
    // port 5432, dbname, sslmode=allow; data-source form: service. Both add user, password,
    // client_encoding UTF8 and DateStyle "ISO, DMY".
    std::string conninfo() const;
};

class Connection {
public:
    Connection();
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Opens with these settings; throws DbError when the server refuses.
    void open(const ConnectionSettings& settings);
    void close();
    bool isOpen() const;
    const ConnectionSettings& settings() const { return settings_; }

    // Runs one statement with `$1..$n` placeholders and the given values, inside the open
    // transaction if there is one, else committed by itself. With no values the text may hold
    // several statements (sent in one call). Throws DbError.
    pqxx::result exec(const std::string& sql, const std::vector<Value>& values = {});

    // Transaction support (used by Transaction): nesting is not allowed (begin() inside an
    // open transaction throws Error). rollback() without a transaction does nothing.
    void begin();
    void commit();
    void rollback();
    bool inTransaction() const;

private:
    struct Impl;
    std::unique_ptr<Impl> d_;
    ConnectionSettings settings_;
};

} // namespace platform::db
