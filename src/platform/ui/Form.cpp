#include "platform/ui/Form.h"

#include "platform/ui/Handler.h"
#include "platform/ui/ModalHost.h"

#include <QApplication>
#include <QEvent>

namespace platform::ui {

namespace {
Form* g_activeForm = nullptr;
}

Form::Form(QWidget* parent) : QDialog(parent) {}

Form::~Form()
{
    if (g_activeForm == this)
        g_activeForm = nullptr;
}

int Form::showModal()
{
    return ModalHost::current().showModal(*this);
}

void Form::closeModal(int result)
{
    done(result);
}

Form* Form::activeForm()
{
    return g_activeForm;
}

void Form::activateForm()
{
    if (active_)
        return;
    if (g_activeForm && g_activeForm != this)
        g_activeForm->deactivateForm();
    active_ = true;
    g_activeForm = this;
    runGuarded([this] { FormActivate(); });
}

void Form::deactivateForm()
{
    active_ = false;
    if (g_activeForm == this)
        g_activeForm = nullptr;
}

void Form::done(int result)
{
    if (isVisible())
        runGuarded([this] { FormClose(); });
    QDialog::done(result);
}

bool Form::event(QEvent* event)
{
    const bool handled = QDialog::event(event);
    switch (event->type()) {
    case QEvent::WindowActivate:
        // The window system activates windows on its own: when shown, when the user switches
        // back, and (not on every platform) when a modal child closes. Only a visible form
        // without a modal child on top counts, and only if it is not active already.
        if (isVisible() && !hasModalChild())
            activateForm();
        break;
    case QEvent::WindowDeactivate: {
        // A message box or popup of our own over the form keeps it active; another screen or
        // another application takes the activation away.
        QWidget* now = QApplication::activeWindow();
        if (now == nullptr || qobject_cast<Form*>(now) != nullptr)
            deactivateForm();
        break;
    }
    default:
        break;
    }
    return handled;
}

} // namespace platform::ui
