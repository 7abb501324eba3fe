#include "support/TestDatabase.h"

#include "platform/db/Error.h"

#include <QDir>
#include <QFile>
#include <QThread>
#include <atomic>
#include <pqxx/pqxx>
#include <stdexcept>
#include <unistd.h>

using platform::db::Connection;
using platform::db::ConnectionSettings;
using platform::db::DbError;

namespace testsupport {

namespace {

std::atomic<int> databaseCounter{0};

std::unique_ptr<Connection> superuserConnection(const QString& database)
{
    auto connection = std::make_unique<Connection>();
    connection->open(ConnectionSettings::driver(clusterSocketDir(), database, QStringLiteral("postgres"), QString()));
    return connection;
}

std::string quoted(const QString& identifier)
{
    return '"' + QString(identifier).replace(QLatin1Char('"'), QStringLiteral("\"\"")).toStdString() + '"';
}

void createFromTemplate(Connection& postgres, const QString& name, const QString& templateName)
{
    const std::string create = "create database " + quoted(name) + " template " + quoted(templateName);
    for (int attempt = 0;; ++attempt) {
        try {
            postgres.exec(create);
            return;
        } catch (const DbError& e) {
            // 55006: somebody else is connected to the template for a moment; wait and retry.
            if (e.sqlState() != QLatin1String("55006") || attempt >= 50)
                throw;
            QThread::msleep(100);
        }
    }
}

} // namespace

QString clusterSocketDir()
{
    const QByteArray dir = qgetenv("VELTRO_PGHOST");
    if (dir.isEmpty())
        throw std::runtime_error(
            "VELTRO_PGHOST is not set: it must name the socket directory of the throwaway test cluster "
            "(scripts/test.sh sets it; by hand: scripts/pg.sh start DIR, scripts/db-init.sh DIR veltro_template, "
            "scripts/db-init.sh DIR veltro_demo demo, VELTRO_PGHOST=DIR/socket ctest)");
    return QString::fromLocal8Bit(dir);
}

TestDatabase::TestDatabase(Content content)
{
    const QString templateName = content == Content::Demo ? QStringLiteral("veltro_demo") : QStringLiteral("veltro_template");
    name_ = QStringLiteral("vt_%1_%2").arg(::getpid()).arg(++databaseCounter);
    auto postgres = superuserConnection(QStringLiteral("postgres"));
    const pqxx::result found =
        postgres->exec("select 1 from pg_database where datname = $1", {platform::db::Value(templateName)});
    if (found.empty())
        throw std::runtime_error("The template database " + templateName.toStdString() + " does not exist in the cluster at "
                                 + clusterSocketDir().toStdString() + ": load it with scripts/db-init.sh CLUSTER_DIR "
                                 + templateName.toStdString() + (content == Content::Demo ? " demo" : ""));
    // A database of this name left by a crashed run of a process with the same pid.
    postgres->exec("drop database if exists " + quoted(name_) + " with (force)");
    createFromTemplate(*postgres, name_, templateName);
}

TestDatabase::~TestDatabase()
{
    admin_.reset();
    if (!serviceFile_.isEmpty())
        QFile::remove(serviceFile_);
    try {
        superuserConnection(QStringLiteral("postgres"))->exec("drop database if exists " + quoted(name_) + " with (force)");
    } catch (const std::exception& e) {
        fprintf(stderr, "warning: could not drop test database %s: %s\n", qPrintable(name_), e.what());
    }
}

ConnectionSettings TestDatabase::settings(const QString& user, const QString& password) const
{
    return ConnectionSettings::driver(clusterSocketDir(), name_, user, password);
}

void TestDatabase::installService(const QString& service) const
{
    if (serviceFile_.isEmpty())
        serviceFile_ = QDir::temp().filePath(QStringLiteral("veltro_pg_service_%1.conf").arg(name_));
    QFile file(serviceFile_);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        throw std::runtime_error("cannot write the service file " + serviceFile_.toStdString());
    file.write(QStringLiteral("[%1]\nhost=%2\nport=5432\ndbname=%3\n").arg(service, clusterSocketDir(), name_).toUtf8());
    file.close();
    qputenv("PGSERVICEFILE", QFile::encodeName(serviceFile_));
}

Connection& TestDatabase::adminConnection() const
{
    if (!admin_ || !admin_->isOpen())
        admin_ = superuserConnection(name_);
    return *admin_;
}

void TestDatabase::admin(const QString& sql) const
{
    adminConnection().exec(sql.toStdString());
}

void TestDatabase::adminTables(const QString& sql) const
{
    admin(sql + QStringLiteral(
                    ";\ngrant select, insert, update, delete, truncate on all tables in schema public to public;"
                    "\ngrant usage, select, update on all sequences in schema public to public;"));
}

QString TestDatabase::adminScalar(const QString& sql) const
{
    const pqxx::result r = adminConnection().exec(sql.toStdString());
    if (r.empty() || r.columns() == 0)
        return QStringLiteral("<no row>");
    const pqxx::field f = r[0][0];
    return f.is_null() ? QString() : QString::fromUtf8(f.c_str(), int(f.size()));
}

void DbTest::SetUp()
{
    try {
        db = std::make_unique<TestDatabase>(content());
        conn = std::make_unique<Connection>();
        conn->open(db->settings());
    } catch (const platform::Error& e) {
        FAIL() << "test database: " << e.message().toStdString();
    } catch (const std::exception& e) {
        FAIL() << "test database: " << e.what();
    }
}

void DbTest::TearDown()
{
    conn.reset();
    db.reset();
}

} // namespace testsupport
