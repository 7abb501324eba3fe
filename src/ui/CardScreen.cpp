#include "ui/CardScreen.h"

#include "platform/ui/Handler.h"
#include "platform/ui/Prompter.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>
#include <QWheelEvent>

namespace ui {

CardBuilder::CardBuilder(platform::ui::Form& form, const QString& groupTitle)
    : form_(form), group_(new QGroupBox(groupTitle)), fields_(new QFormLayout(group_))
{
    fields_->setLabelAlignment(Qt::AlignLeft);
    fields_->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    // Cards keep their small designed client sizes: rows sit close together.
    fields_->setContentsMargins(6, 2, 6, 2);
    fields_->setVerticalSpacing(2);
}

void CardBuilder::addRow(const QString& label, QWidget* widget, QLabel** labelOut)
{
    auto* caption = new QLabel(label);
    caption->setBuddy(widget);
    fields_->addRow(caption, widget);
    if (labelOut)
        *labelOut = caption;
}

QLineEdit* CardBuilder::addEdit(const QString& label)
{
    return add(label, new QLineEdit);
}

platform::ui::LookupCombo* CardBuilder::addLookup(const QString& label)
{
    return add(label, new platform::ui::LookupCombo);
}

CardBuilder::Buttons CardBuilder::finish(const QSize& clientSize, const QString& save, const QString& cancel)
{
    Buttons buttons{new QPushButton(save), new QPushButton(cancel)};
    buttons.save->setDefault(true);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(buttons.save);
    bottom->addStretch();
    bottom->addWidget(buttons.cancel);
    auto* layout = new QVBoxLayout(&form_);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);
    layout->addWidget(group_, 1);
    layout->addLayout(bottom);
    form_.resize(clientSize);
    platform::ui::connectHandler(buttons.cancel, &QPushButton::clicked, &form_,
                     [form = &form_] { form->closeModal(platform::ui::mrCancel); });
    return buttons;
}

bool isFilled(const QWidget* control)
{
    if (auto* edit = qobject_cast<const QLineEdit*>(control))
        return !edit->text().trimmed().isEmpty();
    if (auto* lookup = qobject_cast<const platform::ui::LookupCombo*>(control))
        return lookup->hasValue() && !lookup->currentText().trimmed().isEmpty();
    if (auto* combo = qobject_cast<const QComboBox*>(control))
        return combo->currentIndex() >= 0 && !combo->currentText().trimmed().isEmpty();
    return true;
}

bool requireFilled(std::initializer_list<QWidget*> controls)
{
    for (QWidget* control : controls) {
        if (!isFilled(control)) {
            platform::ui::Prompter::error(platform::ui::kErrorTitle, QStringLiteral("Все поля должны быть заполнены!"));
            control->setFocus();
            return false;
        }
    }
    return true;
}

namespace {

class WheelKeys : public QObject {
public:
    WheelKeys(QObject* parent, std::initializer_list<QComboBox*> combos) : QObject(parent), combos_(combos) {}

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::Wheel)
            return false;
        const int delta = static_cast<QWheelEvent*>(event)->angleDelta().y();
        for (QComboBox* combo : combos_) {
            if (delta != 0 && combo->hasFocus()) {
                QKeyEvent key(QEvent::KeyPress, delta < 0 ? Qt::Key_Down : Qt::Key_Up, Qt::NoModifier);
                QApplication::sendEvent(combo, &key);
                return true; // the box has moved: the wheel must not move it a second time
            }
        }
        return false;
    }

private:
    std::vector<QComboBox*> combos_;
};

class NumberFilter : public QObject {
public:
    NumberFilter(QObject* parent, NumberEntry entry) : QObject(parent), entry_(entry) {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        const QString text = key->text();
        if (text.isEmpty() || !text.at(0).isPrint())
            return false; // Backspace, arrows and the like
        const QChar c = text.at(0);
        if (c.isDigit())
            return false;
        if (entry_ == NumberEntry::Decimal && (c == QLatin1Char(',') || c == QLatin1Char('.')))
            return false;
        if (entry_ == NumberEntry::DecimalComma && c == QLatin1Char(','))
            return false;
        if (entry_ == NumberEntry::DecimalComma && c == QLatin1Char('.')) {
            static_cast<QLineEdit*>(watched)->insert(QStringLiteral(","));
            return true;
        }
        return true; // dropped
    }

private:
    NumberEntry entry_;
};

} // namespace

void installWheelKeys(platform::ui::Form& form, std::initializer_list<QComboBox*> combos)
{
    auto* filter = new WheelKeys(&form, combos);
    form.installEventFilter(filter);
    for (QWidget* child : form.findChildren<QWidget*>())
        child->installEventFilter(filter);
}

void installNumberFilter(QLineEdit* edit, NumberEntry entry)
{
    edit->installEventFilter(new NumberFilter(edit, entry));
}

} // namespace ui
