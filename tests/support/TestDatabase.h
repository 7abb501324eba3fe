// Test databases in the throwaway cluster: each test gets a fresh copy of the schema.
#pragma once

#include "platform/db/Connection.h"

#include <QString>
#include <gtest/gtest.h>
#include <memory>

namespace testsupport {

// The cluster's socket directory, from VELTRO_PGHOST (set by scripts/test.sh). Throws
// std::runtime_error with a clear message when it is not set.
QString clusterSocketDir();

// A database created for one test from the template "veltro_template" (schema only) or
// "veltro_demo" (schema and demo data), dropped again when the object goes. Named
// vt_<pid>_<n>, so that test processes running side by side never meet. Throws
// std::runtime_error (no cluster, no template) or DbError.
class TestDatabase {
public:
    enum class Content { Schema, Demo };
    explicit TestDatabase(Content content = Content::Schema);
    ~TestDatabase();
    TestDatabase(const TestDatabase&) = delete;
    TestDatabase& operator=(const TestDatabase&) = delete;
    QString name() const { return name_; }
    // Settings in the driver form for a login (default: the built-in account).
    platform::db::ConnectionSettings settings(const QString& user = "sys", const QString& password = "brumvex") const;
    // Writes a libpq service file naming this database as data source `service`, and points
    // PGSERVICEFILE at it (so the data-source form reaches this database).
    void installService(const QString& service = "veltro_erp_dev") const;
    // Runs SQL as the superuser (setting up fixtures); several statements allowed.
    void admin(const QString& sql) const;
    // The same, then grants every table and sequence of schema public to every role (so that
    // the built-in account, which is no superuser, can use the fixture tables).
    void adminTables(const QString& sql) const;
    // First column of the first row of a query, as text ("" for null, "<no row>" for none).
    QString adminScalar(const QString& sql) const;

private:
    platform::db::Connection& adminConnection() const;

    QString name_;
    mutable std::unique_ptr<platform::db::Connection> admin_; // to this database, as postgres
    mutable QString serviceFile_;
};

// Fixture: a fresh schema-only database and an open connection as the built-in account.
class DbTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    virtual TestDatabase::Content content() const { return TestDatabase::Content::Schema; }
    std::unique_ptr<TestDatabase> db;
    std::unique_ptr<platform::db::Connection> conn;
};

// The same over the demo data.
class DemoDbTest : public DbTest {
protected:
    TestDatabase::Content content() const override { return TestDatabase::Content::Demo; }
};

} // namespace testsupport
