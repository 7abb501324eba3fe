// The base of every screen: a dialog with an open mode (Tag), modal showing through the
// ModalHost, a creation step, an activation step that runs once per activation, and a close step.
#pragma once

#include <QDialog>

namespace platform::ui {

class ModalHost;

// Modal results. A screen closed by its cancel button, by Esc or by the title-bar close
// button returns mrCancel; "Записать"-like buttons close with mrOk. Any other int may be used.
inline constexpr int mrCancel = QDialog::Rejected;
inline constexpr int mrOk = QDialog::Accepted;

class Form : public QDialog {
    Q_OBJECT
public:
    explicit Form(QWidget* parent = nullptr);
    ~Form() override;

    // Open mode set by the opener just before showing the screen (list, pick, insert, change).
    int Tag = 0;

    // Shows the screen modally over the active one (through ModalHost::current()) and returns
    // its modal result once it is closed.
    int showModal();
    // Closes the screen with this modal result (runs FormClose first).
    void closeModal(int result);

    // The screen's window set-up; called once by whoever creates the screen, after construction.
    virtual void FormCreate() {}
    // Runs each time the screen becomes the active window: when it is shown, and again when a
    // screen it opened closes. Exceptions are shown as the standard error message.
    virtual void FormActivate() {}
    // Runs each time the screen closes (any button, Esc, the title-bar close button).
    virtual void FormClose() {}

    // Activation tracking. A form knows whether it is the active screen; activating a form that
    // is already active does nothing, so FormActivate runs exactly once per activation.
    bool isActiveForm() const { return active_; }
    bool hasModalChild() const { return modalChildren_ > 0; }
    static Form* activeForm();
    // Used by the modal hosts (and by a window-system activation): marks the form active and
    // runs FormActivate unless it is active already.
    void activateForm();
    void deactivateForm();

    void done(int result) override;

protected:
    bool event(QEvent* event) override;

private:
    friend class ModalHost;
    bool active_ = false;
    int modalChildren_ = 0; // screens this one opened that are still on screen
};

} // namespace platform::ui
