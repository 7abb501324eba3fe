#include "ui/NumberInput.h"

#include "data/Unit6.h"
#include "platform/ui/Prompter.h"

#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>

namespace ui {

namespace {

// The label that names the box (CardBuilder makes each row's label the buddy of its control).
QString boxLabel(QLineEdit* box)
{
    if (QWidget* window = box->window()) {
        for (QLabel* label : window->findChildren<QLabel*>()) {
            if (label->buddy() == box)
                return label->text().remove(QLatin1Char('&')).trimmed();
        }
    }
    return {};
}

} // namespace

std::optional<QString> dbNumber(const QString& typed)
{
    const QString delim = DataModule6 ? DataModule6->DbDelim : QString();
    const QString text = ToDbDecimal(typed.trimmed(), delim);
    const QChar mark = delim.isEmpty() ? QLatin1Char('.') : delim.at(0);
    const QString m = QRegularExpression::escape(QString(mark));
    const QRegularExpression number(QStringLiteral("^[+-]?(\\d+(%1\\d*)?|%1\\d+)$").arg(m));
    if (!number.match(text).hasMatch())
        return std::nullopt;
    QString result = text;
    result.replace(mark, QLatin1Char('.'));
    return result;
}

namespace {

void showNotANumber(QLineEdit* box)
{
    const QString label = boxLabel(box);
    const QString where = label.isEmpty() ? QString() : QStringLiteral(" в поле «%1»").arg(label);
    platform::ui::Prompter::error(platform::ui::kErrorTitle,
                                  QStringLiteral("Неверное число%1: %2").arg(where, box->text().trimmed()));
    box->setFocus();
}

} // namespace

std::optional<QString> readNumber(QLineEdit* box)
{
    if (auto number = dbNumber(box->text()))
        return number;
    showNotANumber(box);
    return std::nullopt;
}

std::optional<qint64> readInteger(QLineEdit* box)
{
    static const QRegularExpression digits(QStringLiteral("^\\d{1,15}$"));
    const QString text = box->text().trimmed();
    if (digits.match(text).hasMatch())
        return text.toLongLong();
    showNotANumber(box);
    return std::nullopt;
}

} // namespace ui
