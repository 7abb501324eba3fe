#include "support/ScriptedModalHost.h"

#include "platform/ui/Handler.h"

#include <gtest/gtest.h>

namespace testsupport {

using platform::ui::Form;

ScriptedModalHost::~ScriptedModalHost()
{
    for (const auto& [type, slot] : slots_)
        if (!slot.oneShot.empty())
            ADD_FAILURE() << slot.oneShot.size() << " scripted handler(s) for " << slot.name.toStdString()
                          << " never ran: the screen was not shown as often as the test expected";
}

int ScriptedModalHost::run(Form& form)
{
    Slot& slot = slots_[std::type_index(typeid(form))];
    if (slot.name.isEmpty())
        slot.name = QString::fromLatin1(form.metaObject()->className());
    ++slot.shows;
    ++total_;
    shown_.push_back(slot.name);

    Handler handler;
    if (!slot.oneShot.empty()) {
        handler = std::move(slot.oneShot.front());
        slot.oneShot.pop_front();
    } else {
        handler = slot.repeating;
    }
    if (!handler) {
        ADD_FAILURE() << "Screen " << slot.name.toStdString() << " (" << form.windowTitle().toStdString()
                      << ") was shown modally without a scripted handler";
        return platform::ui::mrCancel;
    }

    form.setResult(platform::ui::mrCancel);
    form.show();
    form.activateForm();
    try {
        handler(form);
    } catch (...) {
        const auto text = platform::ui::describe(std::current_exception());
        ADD_FAILURE() << "The scripted handler of " << slot.name.toStdString()
                      << " threw: " << text.message.toStdString();
    }
    if (form.isVisible())
        form.closeModal(platform::ui::mrCancel);
    return form.result();
}

} // namespace testsupport
