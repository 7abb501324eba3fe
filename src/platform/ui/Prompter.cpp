#include "platform/ui/Prompter.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace platform::ui {

namespace {
Prompter* g_installed = nullptr;

QMessageBox::Icon iconOf(MessageKind kind)
{
    switch (kind) {
    case MessageKind::Error: return QMessageBox::Critical;
    case MessageKind::Warning: return QMessageBox::Warning;
    case MessageKind::Question: return QMessageBox::Question;
    case MessageKind::QuestionWarning: return QMessageBox::Warning;
    }
    return QMessageBox::NoIcon;
}
} // namespace

Prompter& Prompter::current()
{
    static MessageBoxPrompter production;
    return g_installed ? *g_installed : production;
}

Prompter* Prompter::install(Prompter* prompter)
{
    Prompter* previous = g_installed;
    g_installed = prompter;
    return previous;
}

void Prompter::error(const QString& title, const QString& text, const QString& details)
{
    current().show({MessageKind::Error, title, text, details});
}

void Prompter::warning(const QString& title, const QString& text)
{
    current().show({MessageKind::Warning, title, text, {}});
}

bool Prompter::question(const QString& title, const QString& text)
{
    return current().show({MessageKind::Question, title, text, {}}) == Answer::Yes;
}

bool Prompter::questionWarning(const QString& title, const QString& text)
{
    return current().show({MessageKind::QuestionWarning, title, text, {}}) == Answer::Yes;
}

bool isQuestion(MessageKind kind)
{
    return kind == MessageKind::Question || kind == MessageKind::QuestionWarning;
}

QString kindName(MessageKind kind)
{
    switch (kind) {
    case MessageKind::Error: return QStringLiteral("error");
    case MessageKind::Warning: return QStringLiteral("warning");
    case MessageKind::Question: return QStringLiteral("question");
    case MessageKind::QuestionWarning: return QStringLiteral("question-warning");
    }
    return {};
}

Answer MessageBoxPrompter::show(const Message& message)
{
    QMessageBox box(iconOf(message.kind), message.title, message.text, QMessageBox::NoButton,
                    QApplication::activeWindow());
    if (!message.details.isEmpty())
        box.setDetailedText(message.details);
    if (isQuestion(message.kind)) {
        QPushButton* yes = box.addButton(QStringLiteral("Да"), QMessageBox::YesRole);
        QPushButton* no = box.addButton(QStringLiteral("Нет"), QMessageBox::NoRole);
        box.setDefaultButton(yes);
        box.setEscapeButton(no);
        box.exec();
        return box.clickedButton() == yes ? Answer::Yes : Answer::No;
    }
    QPushButton* ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.exec();
    return Answer::Ok;
}

} // namespace platform::ui
