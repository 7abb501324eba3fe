// The one place that shows a screen modally. Production runs the dialog's own event loop; tests
// install a scripted host. Both do the same activation bookkeeping.
#pragma once

namespace platform::ui {

class Form;

class ModalHost {
public:
    virtual ~ModalHost() = default;

    // Shows the form over the active screen, returns its modal result. The opener (the form that
    // was active) is deactivated while the form is up and activated again when it closes.
    int showModal(Form& form);

    // The process-wide host: the installed one, else the production host.
    static ModalHost& current();
    // Installs a host (nullptr: back to production) and returns the previous installed one.
    static ModalHost* install(ModalHost* host);

    // Installs a host for the life of the scope.
    class Scope {
    public:
        explicit Scope(ModalHost& host) : previous_(install(&host)) {}
        ~Scope() { install(previous_); }
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

    private:
        ModalHost* previous_;
    };

protected:
    // Shows the form and returns when it has been closed, giving its result. Must call
    // form.activateForm() once the form is on screen.
    virtual int run(Form& form) = 0;
};

// Production: the dialog's exec(); the form is activated from its own event loop once shown.
class ExecModalHost : public ModalHost {
protected:
    int run(Form& form) override;
};

} // namespace platform::ui
