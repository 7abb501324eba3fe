// Test modal host: a handler per screen class drives the screen synchronously when it is shown.
//
//   host.on<TForm2>([&](TForm2& f) { f.Edit1->setText("Иванов"); f.Button1->click(); });   // every show
//   host.once<TForm5>([&](TForm5& f) { f.DBGrid1->doubleClickRow(2); });                  // next show only
//
// The form is on screen (offscreen) while its handler runs; its result is what it was closed
// with, or mrCancel if the handler left it open. A form shown without a handler fails the test.
#pragma once

#include "platform/ui/Form.h"
#include "platform/ui/ModalHost.h"

#include <QString>
#include <deque>
#include <functional>
#include <map>
#include <typeindex>

namespace testsupport {

class ScriptedModalHost : public platform::ui::ModalHost {
public:
    using Handler = std::function<void(platform::ui::Form&)>;

    ScriptedModalHost() = default;
    // Fails the test for one-shot handlers that were never used.
    ~ScriptedModalHost() override;

    // Repeating handler for every show of TForm (replaces an earlier one).
    template <typename TForm>
    void on(std::function<void(TForm&)> handler)
    {
        slot<TForm>().repeating = wrap<TForm>(std::move(handler));
    }
    // One-shot handler for the next show of TForm; several queue up and run before the repeating one.
    template <typename TForm>
    void once(std::function<void(TForm&)> handler)
    {
        slot<TForm>().oneShot.push_back(wrap<TForm>(std::move(handler)));
    }
    // One-shot handler that closes the form with the result without doing anything else.
    template <typename TForm>
    void closeWith(int result)
    {
        once<TForm>([result](TForm& form) { form.closeModal(result); });
    }

    // How many times forms of the class were shown.
    template <typename TForm>
    int shows() const
    {
        const auto it = slots_.find(std::type_index(typeid(TForm)));
        return it == slots_.end() ? 0 : it->second.shows;
    }
    int totalShows() const { return total_; }
    // Class names of the forms shown, in order.
    const std::vector<QString>& shown() const { return shown_; }

protected:
    int run(platform::ui::Form& form) override;

private:
    struct Slot {
        std::deque<Handler> oneShot;
        Handler repeating;
        int shows = 0;
        QString name;
    };

    template <typename TForm>
    Slot& slot()
    {
        Slot& s = slots_[std::type_index(typeid(TForm))];
        if (s.name.isEmpty())
            s.name = QString::fromLatin1(TForm::staticMetaObject.className());
        return s;
    }
    template <typename TForm>
    static Handler wrap(std::function<void(TForm&)> handler)
    {
        return [handler = std::move(handler)](platform::ui::Form& form) { handler(static_cast<TForm&>(form)); };
    }

    std::map<std::type_index, Slot> slots_;
    std::vector<QString> shown_;
    int total_ = 0;
};

} // namespace testsupport
