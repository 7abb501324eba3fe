// Scripted user interface for a test: the scripted modal host and prompter installed, and the
// program's termination recorded instead of ending the process.
//
//   class MyScreenTest : public testsupport::DemoDbTest {
//   protected:
//       testsupport::ScriptedUi ui;   // ui.host.on<TForm2>(...); ui.prompter.answerYes();
//   };
#pragma once

#include "support/ScriptedModalHost.h"
#include "support/ScriptedPrompter.h"

#include "platform/ui/Application.h"

#include <gtest/gtest.h>

namespace testsupport {

class ScriptedUi {
public:
    ScriptedUi();
    ~ScriptedUi();
    ScriptedUi(const ScriptedUi&) = delete;
    ScriptedUi& operator=(const ScriptedUi&) = delete;

    ScriptedModalHost host;
    ScriptedPrompter prompter;
    int terminateCalls = 0; // how many times the program asked to end

private:
    platform::ui::ModalHost* previousHost_;
    platform::ui::Prompter* previousPrompter_;
};

// Fixture with a ScriptedUi and nothing else (tests without a database).
class ScreenTest : public ::testing::Test {
protected:
    ScriptedUi ui;
};

} // namespace testsupport
