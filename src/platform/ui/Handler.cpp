#include "platform/ui/Handler.h"

#include "platform/db/Error.h"
#include "platform/ui/Prompter.h"

#include <QCursor>
#include <QGuiApplication>

namespace platform::ui {

ErrorText describe(std::exception_ptr error)
{
    try {
        std::rethrow_exception(error);
    } catch (const db::DbError& e) {
        QString details = e.detail();
        if (!e.statement().isEmpty())
            details += QStringLiteral("\nЗапрос: ") + e.statement();
        if (!e.values().isEmpty())
            details += QStringLiteral("\nЗначения: ") + e.values().join(QStringLiteral(", "));
        if (!e.sqlState().isEmpty())
            details += QStringLiteral("\nSQLSTATE: ") + e.sqlState();
        return {e.message(), details.trimmed()};
    } catch (const platform::Error& e) {
        return {e.message(), {}};
    } catch (const std::exception& e) {
        return {QString::fromUtf8(e.what()), {}};
    } catch (...) {
        return {QStringLiteral("Неизвестная ошибка"), {}};
    }
}

void showError(std::exception_ptr error) noexcept
{
    try {
        const ErrorText text = describe(error);
        Prompter::error(kErrorTitle, text.message, text.details);
    } catch (...) {
        // Showing the error failed as well; nothing more can be done without reaching Qt.
    }
}

bool runGuarded(const std::function<void()>& fn) noexcept
{
    try {
        fn();
        return true;
    } catch (...) {
        showError(std::current_exception());
        return false;
    }
}

BusyCursor::BusyCursor()
{
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

BusyCursor::~BusyCursor()
{
    QGuiApplication::restoreOverrideCursor();
}

} // namespace platform::ui
