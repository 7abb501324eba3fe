// What every card screen shares: the group box of labelled fields, "Записать" and "Отмена",
// the required-fields check, the mouse wheel over lookup boxes and the number-entry filters.
#pragma once

#include "platform/ui/Form.h"
#include "platform/ui/LookupCombo.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSize>
#include <initializer_list>

namespace ui {

// Builds a card: a group box with a label and a control per row, and the bottom panel with the
// save button (default, left) and the cancel button (right; closes the card with the cancel result).
class CardBuilder {
public:
    CardBuilder(platform::ui::Form& form, const QString& groupTitle);

    QLineEdit* addEdit(const QString& label);
    platform::ui::LookupCombo* addLookup(const QString& label);
    // Adds any control under a label (the label is returned through labelOut when asked).
    template <typename W>
    W* add(const QString& label, W* widget, QLabel** labelOut = nullptr)
    {
        addRow(label, widget, labelOut);
        return widget;
    }
    // Adds a control spanning the row, without a label.
    template <typename W>
    W* addWide(W* widget)
    {
        fields_->addRow(widget);
        return widget;
    }

    struct Buttons {
        QPushButton* save;
        QPushButton* cancel;
    };
    // Finishes the layout with the two buttons and sets the client size.
    Buttons finish(const QSize& clientSize, const QString& save = QStringLiteral("Записать"),
                   const QString& cancel = QStringLiteral("Отмена"));

    QGroupBox* group() const { return group_; }

private:
    void addRow(const QString& label, QWidget* widget, QLabel** labelOut);
    platform::ui::Form& form_;
    QGroupBox* group_;
    QFormLayout* fields_;
};

// The required-fields check before saving: edit boxes need text that is not empty after
// trimming, lookup and combo boxes a chosen row. When one is missing, shows "Все поля должны быть
// заполнены!" (title "Ошибка", error icon), puts the focus on it and returns false.
bool requireFilled(std::initializer_list<QWidget*> controls);
bool isFilled(const QWidget* control);

// A wheel step over the screen moves the selection of the listed lookup box that has the focus
// (Down for a step down, Up for a step up).
void installWheelKeys(platform::ui::Form& form, std::initializer_list<QComboBox*> combos);

// Number entry: characters other than those allowed are dropped as they are typed.
enum class NumberEntry {
    Decimal,      // Backspace, digits, "," and "."
    DecimalComma, // Backspace, digits and ","; a typed "." is entered as ","
    Integer,      // Backspace and digits
};
void installNumberFilter(QLineEdit* edit, NumberEntry entry);

} // namespace ui
