// The handler boundary: every Qt signal reaches a screen's handler through one wrapper that
// catches every exception and shows it as the standard error message. Qt never sees an exception.
//
//   connectHandler(Button1, &QPushButton::clicked, this, &TFormNN::Button1Click);
//   connectHandler(Edit1, &QLineEdit::textChanged, this, &TFormNN::Edit1Change);
//   connectHandler(Timer1, &QTimer::timeout, this, [this] { ... });
//
// A handler may take fewer arguments than the signal carries (the leading ones are passed).
#pragma once

#include <QMetaObject>
#include <QObject>
#include <QString>
#include <exception>
#include <functional>
#include <tuple>
#include <type_traits>
#include <utility>

namespace platform::ui {

// The text the user sees for an exception: a database error's server text, a platform error's
// message, a standard exception's what(); and a details text (the statement and its values).
struct ErrorText {
    QString message;
    QString details;
};
ErrorText describe(std::exception_ptr error);

// Shows an exception as the standard error message (kind Error, title "Ошибка").
void showError(std::exception_ptr error) noexcept;

// Runs fn; any exception is shown as the standard error message. Returns false if one was thrown.
bool runGuarded(const std::function<void()>& fn) noexcept;

// Wraps a callable so that calling it runs guarded.
inline std::function<void()> guarded(std::function<void()> fn)
{
    return [fn = std::move(fn)] { runGuarded(fn); };
}

namespace detail {

template <typename F, typename Tuple, typename Seq>
struct AcceptsLeading;
template <typename F, typename Tuple, std::size_t... I>
struct AcceptsLeading<F, Tuple, std::index_sequence<I...>>
    : std::is_invocable<F&, decltype(std::get<I>(std::declval<Tuple&>()))...> {};

// Calls f with the longest leading part of args it accepts.
template <std::size_t N, typename F, typename Tuple>
void callLeading(F& f, Tuple& args)
{
    if constexpr (AcceptsLeading<F, Tuple, std::make_index_sequence<N>>::value) {
        [&]<std::size_t... I>(std::index_sequence<I...>) {
            std::invoke(f, std::get<I>(args)...);
        }(std::make_index_sequence<N>{});
    } else {
        static_assert(N > 0, "the handler does not accept the signal's arguments");
        if constexpr (N > 0)
            callLeading<N - 1>(f, args);
    }
}

template <typename Receiver, typename Method>
struct BoundMethod {
    Receiver* receiver;
    Method method;
    template <typename... A>
    auto operator()(A&&... a) const -> decltype(std::invoke(method, receiver, std::forward<A>(a)...))
    {
        return std::invoke(method, receiver, std::forward<A>(a)...);
    }
};

template <typename F>
auto guardedSlot(F f)
{
    return [f = std::move(f)](auto&&... args) mutable -> void {
        auto tuple = std::forward_as_tuple(std::forward<decltype(args)>(args)...);
        runGuarded([&] { callLeading<sizeof...(args)>(f, tuple); });
    };
}

} // namespace detail

// Connects a signal to a member handler of receiver (pointer-to-member), guarded.
template <typename Sender, typename Signal, typename Receiver, typename Method>
    requires std::is_member_function_pointer_v<Method>
QMetaObject::Connection connectHandler(Sender* sender, Signal signal, Receiver* receiver, Method method)
{
    return QObject::connect(sender, signal, receiver,
                            detail::guardedSlot(detail::BoundMethod<Receiver, Method>{receiver, method}));
}

// Connects a signal to a callable, guarded; context ends the connection when destroyed.
template <typename Sender, typename Signal, typename Functor>
    requires(!std::is_member_function_pointer_v<std::decay_t<Functor>>)
QMetaObject::Connection connectHandler(Sender* sender, Signal signal, const QObject* context, Functor&& functor)
{
    return QObject::connect(sender, signal, context, detail::guardedSlot(std::forward<Functor>(functor)));
}

// Wait cursor for the life of the scope (long work on the GUI thread).
class BusyCursor {
public:
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

} // namespace platform::ui
