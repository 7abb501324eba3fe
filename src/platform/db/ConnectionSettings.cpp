// The two connection-string forms of the login: rendered exactly, read back, and turned into
// libpq connection parameters.
#include "platform/db/Connection.h"

#include <QHash>

namespace platform::db {

namespace {

// The fixed options the driver form carries after the credentials.
const char* const kDriverOptions =
    ";SSLmode=allow;"
    "ReadOnly=0;Protocol=7.4;FakeOidIndex=0;ShowOidColumn=0;RowVersioning=0;ShowSystemTables=0;Fetch=100;"
    "UnknownSizes=0;MaxVarcharSize=255;MaxLongVarcharSize=8190;"
    "Debug=0;CommLog=0;UseDeclareFetch=0;TextAsLongVarchar=1;UnknownsAsLongVarchar=0;BoolsAsChar=1;Parse=0;"
    "ExtraSysTablePrefixes=;LFConversion=1;UpdatableCursors=1;"
    "TrueIsMinus1=0;BI=0;ByteaAsLongVarBinary=1;UseServerSidePrepare=1;LowerCaseIdentifier=0;D6=-101;"
    "OptionalErrors=0;XaOpt=1";

// KEY=VALUE pairs separated by ';'; a value starting with '{' runs to the matching '}'.
QHash<QString, QString> splitOptions(const QString& text)
{
    QHash<QString, QString> options;
    int i = 0;
    const int n = int(text.size());
    while (i < n) {
        const int eq = int(text.indexOf(QLatin1Char('='), i));
        const int semi = int(text.indexOf(QLatin1Char(';'), i));
        if (eq < 0 || (semi >= 0 && semi < eq)) { // a piece without '=': skip it
            if (semi < 0)
                break;
            i = semi + 1;
            continue;
        }
        const QString key = text.mid(i, eq - i).trimmed().toLower();
        int v = eq + 1;
        QString value;
        if (v < n && text.at(v) == QLatin1Char('{')) {
            int close = int(text.indexOf(QLatin1Char('}'), v + 1));
            if (close < 0)
                close = n;
            value = text.mid(v + 1, close - v - 1);
            const int next = int(text.indexOf(QLatin1Char(';'), close));
            i = next < 0 ? n : next + 1;
        } else {
            const int next = int(text.indexOf(QLatin1Char(';'), v));
            const int end = next < 0 ? n : next;
            value = text.mid(v, end - v);
            i = end + 1;
        }
        if (!options.contains(key))
            options.insert(key, value);
    }
    return options;
}

QString firstOf(const QHash<QString, QString>& options, std::initializer_list<const char*> keys)
{
    for (const char* key : keys) {
        auto it = options.constFind(QString::fromLatin1(key));
        if (it != options.constEnd())
            return it.value();
    }
    return {};
}

// One keyword='value' pair of a libpq conninfo string: quote and backslash escaped. An empty
// value is left out, so libpq (or the service file) supplies its default.
void appendParam(std::string& conninfo, const char* keyword, const QString& value)
{
    if (value.isEmpty())
        return;
    if (!conninfo.empty())
        conninfo += ' ';
    conninfo += keyword;
    conninfo += "='";
    for (char c : value.toStdString()) {
        if (c == '\'' || c == '\\')
            conninfo += '\\';
        conninfo += c;
    }
    conninfo += '\'';
}

} // namespace

ConnectionSettings ConnectionSettings::driver(const QString& server, const QString& database,
                                              const QString& user, const QString& password)
{
    ConnectionSettings s;
    s.form = Form::Driver;
    s.server = server;
    s.database = database;
    s.user = user;
    s.password = password;
    return s;
}

ConnectionSettings ConnectionSettings::dataSourceName(const QString& name, const QString& user, const QString& password)
{
    ConnectionSettings s;
    s.form = Form::DataSource;
    s.dataSource = name;
    s.user = user;
    s.password = password;
    return s;
}

QString ConnectionSettings::render() const
{
    if (form == Form::Driver) {
        return QStringLiteral("DRIVER={PostgreSQL UNICODE};DATABASE=") + database
            + QStringLiteral(";SERVER=") + server
            + QStringLiteral(";PORT=5432;UID=") + user
            + QStringLiteral(";PWD=") + password
            + QString::fromLatin1(kDriverOptions);
    }
    return QStringLiteral("Provider=MSDASQL.1;Password=") + password
        + QStringLiteral(";Persist Security Info=True;User ID=") + user
        + QStringLiteral(";Data Source=") + dataSource;
}

ConnectionSettings ConnectionSettings::parse(const QString& text)
{
    const auto options = splitOptions(text);
    ConnectionSettings s;
    const bool driverForm = options.contains(QStringLiteral("driver")) || options.contains(QStringLiteral("server"))
        || options.contains(QStringLiteral("database"));
    s.form = driverForm ? Form::Driver : Form::DataSource;
    s.server = firstOf(options, {"server", "servername", "host"});
    s.database = firstOf(options, {"database", "initial catalog"});
    s.dataSource = firstOf(options, {"data source", "dsn"});
    s.user = firstOf(options, {"uid", "user id", "user", "username"});
    s.password = firstOf(options, {"pwd", "password"});
    return s;
}

std::string ConnectionSettings::conninfo() const
{
    std::string info;
    if (form == Form::Driver) {
        appendParam(info, "host", server);
        appendParam(info, "port", QStringLiteral("5432"));
        appendParam(info, "dbname", database);
        appendParam(info, "sslmode", QStringLiteral("allow"));
    } else {
        appendParam(info, "service", dataSource);
    }
    appendParam(info, "user", user);
    appendParam(info, "password", password);
    appendParam(info, "client_encoding", QStringLiteral("UTF8"));
    // Dates travel as ISO text; a bare day.month.year text reads as the workstation writes it.
    appendParam(info, "options", QStringLiteral("-c DateStyle=ISO,DMY"));
    appendParam(info, "application_name", QStringLiteral("VELTRO.ERP"));
    return info;
}

} // namespace platform::db
