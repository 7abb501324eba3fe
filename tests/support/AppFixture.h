// Fixture for screen tests: a fresh database, the data source "veltro_erp_dev" pointing at it, the
// scripted modal host and prompter installed, the style file in a temporary folder, and every
// screen of the program created as at start-up (DataModule6 connected as the built-in account).
#pragma once

#include "support/ScreenTest.h"
#include "support/TestDatabase.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace testsupport {

class AppTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Schema only by default; DemoAppTest loads the demo plant.
    virtual TestDatabase::Content content() const { return TestDatabase::Content::Schema; }
    // Creates the screens (SetUp does it unless this returns false, for tests of start-up itself).
    virtual bool createScreensInSetUp() const { return true; }

    // Runs SQL as the superuser / reads one value (set-up and assertions on what the database holds).
    void sql(const QString& text) const { db->admin(text); }
    QString value(const QString& query) const { return db->adminScalar(query); }

    // How many times the program was told to end.
    int terminations() const { return ui.terminateCalls; }

    std::unique_ptr<TestDatabase> db;
    ScriptedUi ui;
    ScriptedModalHost& host = ui.host;
    ScriptedPrompter& prompter = ui.prompter;

private:
    QTemporaryDir config_;
};

class DemoAppTest : public AppTest {
protected:
    TestDatabase::Content content() const override { return TestDatabase::Content::Demo; }
};

} // namespace testsupport
