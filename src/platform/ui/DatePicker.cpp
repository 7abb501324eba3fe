#include "platform/ui/DatePicker.h"

namespace platform::ui {

DatePicker::DatePicker(QWidget* parent) : QDateEdit(QDate::currentDate(), parent)
{
    setCalendarPopup(true);
    setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
}

QString DatePicker::shortDateText() const
{
    return date().toString(QStringLiteral("dd.MM.yyyy"));
}

} // namespace platform::ui
