// The connection: both connection-string forms, logging in, errors, transactions.
#include "platform/db/Command.h"
#include "platform/db/Connection.h"
#include "platform/db/Error.h"
#include "platform/db/Transaction.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>
#include <pqxx/pqxx>

using namespace platform::db;
using testsupport::DbTest;

namespace {

const char* const kFixedDriverOptions =
    ";SSLmode=allow;ReadOnly=0;Protocol=7.4;FakeOidIndex=0;ShowOidColumn=0;RowVersioning=0;ShowSystemTables=0;"
    "Fetch=100;UnknownSizes=0;MaxVarcharSize=255;MaxLongVarcharSize=8190;Debug=0;CommLog=0;UseDeclareFetch=0;"
    "TextAsLongVarchar=1;UnknownsAsLongVarchar=0;BoolsAsChar=1;Parse=0;ExtraSysTablePrefixes=;LFConversion=1;"
    "UpdatableCursors=1;TrueIsMinus1=0;BI=0;ByteaAsLongVarBinary=1;UseServerSidePrepare=1;LowerCaseIdentifier=0;"
    "D6=-101;OptionalErrors=0;XaOpt=1";

QString text(const pqxx::result& r)
{
    return r[0][0].is_null() ? QString() : QString::fromUtf8(r[0][0].c_str());
}

} // namespace

TEST(ConnectionString, DriverAndDataSourceFormsRenderExactlyAsTyped)
{
    EXPECT_EQ(ConnectionSettings::driver("dbhost", "plant", "ivanov", "secret").render(),
              QStringLiteral("DRIVER={PostgreSQL UNICODE};DATABASE=plant;SERVER=dbhost;PORT=5432;UID=ivanov;PWD=secret")
                  + QString::fromLatin1(kFixedDriverOptions));
    // Values go in as typed: nothing quoted or escaped.
    EXPECT_EQ(ConnectionSettings::driver("10.0.0.5", "БД завода", "sys", "a;b=c 'd'").render(),
              QStringLiteral("DRIVER={PostgreSQL UNICODE};DATABASE=БД завода;SERVER=10.0.0.5;PORT=5432;UID=sys;PWD=a;b=c 'd'")
                  + QString::fromLatin1(kFixedDriverOptions));
    EXPECT_EQ(ConnectionSettings::dataSourceName("veltro_erp_dev", "sys", "brumvex").render(),
              QStringLiteral("Provider=MSDASQL.1;Password=brumvex;Persist Security Info=True;User ID=sys;Data Source=veltro_erp_dev"));
}

TEST(ConnectionString, ParseReadsEitherFormBack)
{
    const ConnectionSettings cases[] = {
        ConnectionSettings::driver("dbhost", "plant", "ivanov", "secret"),
        ConnectionSettings::driver("/tmp/pg socket", "завод", "Петров", ""),
        ConnectionSettings::dataSourceName("veltro_erp_dev", "sys", "brumvex"),
        ConnectionSettings::dataSourceName("", "clerk_a", "x"),
    };
    for (const ConnectionSettings& s : cases) {
        SCOPED_TRACE(s.render().toStdString());
        const ConnectionSettings back = ConnectionSettings::parse(s.render());
        EXPECT_EQ(back.form, s.form);
        EXPECT_EQ(back.server, s.server);
        EXPECT_EQ(back.database, s.database);
        EXPECT_EQ(back.dataSource, s.dataSource);
        EXPECT_EQ(back.user, s.user);
        EXPECT_EQ(back.password, s.password);
    }
    // Keys in any case, a braced value holding ';', unknown options ignored.
    const ConnectionSettings odd =
        ConnectionSettings::parse("driver={PostgreSQL UNICODE};Foo=1;server=h;DataBase=d;uid=u;pwd={a;b};Fetch=100");
    EXPECT_EQ(odd.form, ConnectionSettings::Form::Driver);
    EXPECT_EQ(odd.server, "h");
    EXPECT_EQ(odd.database, "d");
    EXPECT_EQ(odd.user, "u");
    EXPECT_EQ(odd.password, "a;b");
}

TEST_F(DbTest, PasswordWithSeparatorsQuotesAndBlanksLogsInThroughBothForms)
{
    const QString role = db->name() + "_pw";
    const QString password = QStringLiteral("p;a=ss 'w\\o rd");
    db->admin(QStringLiteral("create role %1 login password '%2'").arg(role, QString(password).replace("'", "''")));
    struct DropRole {
        testsupport::TestDatabase& db;
        QString role;
        ~DropRole()
        {
            try {
                db.admin("drop role if exists " + role);
            } catch (...) {
            }
        }
    } dropRole{*db, role};

    {
        Connection viaDriver;
        viaDriver.open(db->settings(role, password));
        EXPECT_EQ(text(viaDriver.exec("select current_user")), role);
    }
    const QString service = db->name() + "_svc";
    db->installService(service);
    Connection viaService;
    viaService.open(ConnectionSettings::dataSourceName(service, role, password));
    EXPECT_EQ(text(viaService.exec("select current_user || '@' || current_database()")), role + "@" + db->name());
    viaService.close();

    Connection wrong;
    EXPECT_THROW(wrong.open(ConnectionSettings::dataSourceName(service, role, password + "x")), DbError);
}

TEST_F(DbTest, WrongPasswordOrUnknownServiceIsDbErrorWithServerText)
{
    Connection c;
    try {
        c.open(db->settings("sys", "not-the-password"));
        FAIL() << "opened with a wrong password";
    } catch (const DbError& e) {
        EXPECT_TRUE(e.message().contains("password authentication failed")) << e.message().toStdString();
    }
    EXPECT_FALSE(c.isOpen());
    db->installService("known_service");
    EXPECT_THROW(c.open(ConnectionSettings::dataSourceName("no_such_service", "sys", "brumvex")), DbError);
    EXPECT_THROW(c.exec("select 1"), DbError); // never opened: an error, not a crash
}

TEST_F(DbTest, RefusedStatementCarriesServerTextStateStatementAndValues)
{
    db->adminTables("create table t (id int primary key, s text)");
    conn->exec("insert into t values ($1, $2)", {1, "a"});
    try {
        conn->exec("insert into t values ($1, $2)", {1, Value()});
        FAIL() << "duplicate key accepted";
    } catch (const DbError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("duplicate key value violates unique constraint \"t_pkey\""));
        EXPECT_EQ(e.sqlState(), "23505");
        EXPECT_EQ(e.statement(), "insert into t values ($1, $2)");
        EXPECT_EQ(e.values(), (QStringList{"1", "NULL"}));
        EXPECT_EQ(e.detail(), "Key (id)=(1) already exists.");
    }
    try {
        conn->exec("selec 1");
        FAIL();
    } catch (const DbError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("syntax error at or near \"selec\""));
        EXPECT_EQ(e.sqlState(), "42601");
    }
}

TEST_F(DbTest, ValuesArriveAsBoundTextNeverSplicedIntoTheStatement)
{
    db->adminTables("create table v (id bigint, s text, d date, ts timestamp, b boolean, x numeric, f float8)");
    const QString hostile = QStringLiteral("O'Brien'); drop table v; --");
    const long n = execute(*conn, "insert into v values (:id, :s, :d, :ts, :b, :x, :f)",
                           {{"id", qint64(123456789012345)},
                            {"s", hostile},
                            {"d", QDate(2024, 2, 29)},
                            {"ts", QDateTime(QDate(2023, 10, 18), QTime(16, 33, 58))},
                            {"b", true},
                            {"x", 12.5},
                            {"f", Value()}});
    EXPECT_EQ(n, 1);
    EXPECT_EQ(db->adminScalar("select concat_ws('|', id, s, d, ts, b, x, coalesce(f::text, 'null')) from v"),
              "123456789012345|" + hostile + "|2024-02-29|2023-10-18 16:33:58|t|12.5|null");
    EXPECT_EQ(scalar(*conn, "select count(*) from v where s = :S", {{"s", hostile}}).toLongLong(), 1);
}

TEST_F(DbTest, CommandCountsRowsReadsReturningAndRejectsUnknownParameters)
{
    db->adminTables("create table c (id serial primary key, n int)");
    Command insert(*conn);
    insert.setText("insert into c (n) values (:n) returning id");
    insert.setParam("N", 5);
    EXPECT_EQ(insert.executeScalar(), QVariant(qlonglong(1)));
    EXPECT_EQ(insert.executeScalar(), QVariant(qlonglong(2)));
    EXPECT_EQ(execute(*conn, "update c set n = n + 1 where n = :n", {{"n", 5}}), 2);
    EXPECT_THROW(insert.setParam("m", 1), platform::Error);
    EXPECT_FALSE(scalar(*conn, "select n from c where id = 99").isValid());
    EXPECT_FALSE(scalar(*conn, "select null::int").isValid());
}

TEST_F(DbTest, FailedStatementInsideTransactionLeavesDatabaseAsBefore)
{
    db->adminTables("create table acc (id int primary key, amount int); insert into acc values (1, 100), (2, 50)");
    try {
        Transaction tx(*conn);
        conn->exec("update acc set amount = amount - 30 where id = 1");
        conn->exec("insert into acc values (3, 30)");
        conn->exec("insert into acc values (1, 0)"); // duplicate key: the action fails
        tx.commit();
        FAIL() << "duplicate key accepted";
    } catch (const DbError&) {
    }
    EXPECT_FALSE(conn->inTransaction());
    EXPECT_EQ(db->adminScalar("select string_agg(id || ':' || amount, ',' order by id) from acc"), "1:100,2:50");

    {
        Transaction tx(*conn);
        conn->exec("update acc set amount = amount - 30 where id = 1");
        // Not visible to anybody else before the commit.
        EXPECT_EQ(db->adminScalar("select amount from acc where id = 1"), "100");
        tx.commit();
    }
    EXPECT_EQ(db->adminScalar("select amount from acc where id = 1"), "70");

    { // Left without commit: rolled back.
        Transaction tx(*conn);
        conn->exec("delete from acc");
    }
    EXPECT_EQ(db->adminScalar("select count(*) from acc"), "2");

    // Outside a transaction every statement stands by itself.
    EXPECT_THROW(conn->exec("update acc set amount = 0 where id = 2; select 1/0"), DbError);
    conn->exec("update acc set amount = 0 where id = 2");
    EXPECT_THROW(conn->exec("insert into acc values (2, 1)"), DbError);
    EXPECT_EQ(db->adminScalar("select amount from acc where id = 2"), "0");

    Transaction outer(*conn);
    EXPECT_THROW(Transaction inner(*conn), platform::Error);
}

TEST_F(DbTest, SeveralStatementsRunInOneExec)
{
    db->adminTables("create table m (id int)");
    conn->exec("insert into m values (1); insert into m values (2); update m set id = id * 10;");
    EXPECT_EQ(db->adminScalar("select string_agg(id::text, ',' order by id) from m"), "10,20");
}

TEST_F(DbTest, BrokenConnectionIsDbErrorNotACrash)
{
    db->admin(QStringLiteral("select pg_terminate_backend(pid) from pg_stat_activity "
                             "where datname = '%1' and usename = 'sys'").arg(db->name()));
    EXPECT_THROW(conn->exec("select 1"), DbError);
    EXPECT_THROW(Transaction tx(*conn); conn->exec("select 1/0"), DbError);
    // Whatever the connection does next, it reports through DbError or works.
    try {
        conn->exec("select 1");
    } catch (const DbError&) {
    }
}
