#include "support/ScreenTest.h"

namespace testsupport {

ScriptedUi::ScriptedUi()
    : previousHost_(platform::ui::ModalHost::install(&host)),
      previousPrompter_(platform::ui::Prompter::install(&prompter))
{
    platform::ui::Application::setTerminateHandler([this] { ++terminateCalls; });
}

ScriptedUi::~ScriptedUi()
{
    platform::ui::Application::setTerminateHandler(nullptr);
    platform::ui::Prompter::install(previousPrompter_);
    platform::ui::ModalHost::install(previousHost_);
}

} // namespace testsupport
