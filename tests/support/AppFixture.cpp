#include "support/AppFixture.h"

#include "app/Startup.h"
#include "app/Unit23.h"

namespace testsupport {

void AppTest::SetUp()
{
    ASSERT_TRUE(config_.isValid());
    qputenv("XDG_CONFIG_HOME", config_.path().toUtf8());
    db = std::make_unique<TestDatabase>(content());
    db->installService();
    TForm23::Arguments.clear();
    if (createScreensInSetUp()) {
        ASSERT_TRUE(createScreens()) << "the design-time connection did not open";
    }
}

void AppTest::TearDown()
{
    destroyScreens();
    db.reset();
}

} // namespace testsupport
