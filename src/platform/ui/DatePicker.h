// A date picker: a date box with a calendar drop-down, shown as dd.MM.yyyy, today by default.
#pragma once

#include <QDateEdit>

namespace platform::ui {

class DatePicker : public QDateEdit {
    Q_OBJECT
public:
    explicit DatePicker(QWidget* parent = nullptr);

    // The workstation's short date text of the chosen date (dd.MM.yyyy).
    QString shortDateText() const;
};

} // namespace platform::ui
