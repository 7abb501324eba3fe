#include "platform/ui/ModalHost.h"

#include "platform/ui/Form.h"

#include <QMetaObject>
#include <QPointer>

namespace platform::ui {

namespace {
ModalHost* g_installed = nullptr;
}

int ModalHost::showModal(Form& form)
{
    QPointer<Form> opener = Form::activeForm();
    if (opener == &form)
        opener = nullptr;
    if (opener) {
        opener->deactivateForm();
        ++opener->modalChildren_;
    }

    const int result = run(form);

    form.deactivateForm();
    if (opener) {
        --opener->modalChildren_;
        // A hidden opener (a window that hid itself before showing this one) is not activated.
        if (opener->isVisible())
            opener->activateForm();
    }
    return result;
}

ModalHost& ModalHost::current()
{
    static ExecModalHost production;
    return g_installed ? *g_installed : production;
}

ModalHost* ModalHost::install(ModalHost* host)
{
    ModalHost* previous = g_installed;
    g_installed = host;
    return previous;
}

int ExecModalHost::run(Form& form)
{
    // Activate from inside the dialog's loop, once the window is on screen. If the window system
    // activates it first, this call finds it active already and does nothing.
    QPointer<Form> guard(&form);
    QMetaObject::invokeMethod(
        &form,
        [guard] {
            if (guard && guard->isVisible() && !guard->hasModalChild())
                guard->activateForm();
        },
        Qt::QueuedConnection);
    return form.exec();
}

} // namespace platform::ui
