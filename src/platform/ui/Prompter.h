// The one place that shows a message box: error, warning, question, question with a warning
// icon. Production shows a QMessageBox over the active window; tests install a scripted prompter.
#pragma once

#include <QString>

namespace platform::ui {

// The titles the screens use.
inline const QString kErrorTitle = QStringLiteral("Ошибка");
inline const QString kWarningTitle = QStringLiteral("Внимание");
inline const QString kDeleteTitle = QStringLiteral("Удаление");
inline const QString kRequestTitle = QStringLiteral("Запрос");

enum class MessageKind {
    Error,           // OK, error icon
    Warning,         // OK, warning icon
    Question,        // Yes and No, question icon
    QuestionWarning, // Yes and No, warning icon
};

enum class Answer { Ok, Yes, No };

struct Message {
    MessageKind kind = MessageKind::Error;
    QString title;
    QString text;
    QString details; // optional: shown in a details pane (the statement and values of a database error)
};

class Prompter {
public:
    virtual ~Prompter() = default;

    // Shows the message and returns the answer: Yes or No for questions, Ok for the others.
    virtual Answer show(const Message& message) = 0;

    // The process-wide prompter: the installed one, else the message-box prompter.
    static Prompter& current();
    // Installs a prompter (nullptr: back to production) and returns the previous installed one.
    static Prompter* install(Prompter* prompter);

    class Scope {
    public:
        explicit Scope(Prompter& prompter) : previous_(install(&prompter)) {}
        ~Scope() { install(previous_); }
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

    private:
        Prompter* previous_;
    };

    // Conveniences over current(). Questions return true for Yes.
    static void error(const QString& title, const QString& text, const QString& details = {});
    static void warning(const QString& title, const QString& text);
    static bool question(const QString& title, const QString& text);
    static bool questionWarning(const QString& title, const QString& text);
};

bool isQuestion(MessageKind kind);
QString kindName(MessageKind kind); // "error", "warning", "question", "question-warning"

// Production: QMessageBox with the application's active window as parent, Russian button texts.
class MessageBoxPrompter : public Prompter {
public:
    Answer show(const Message& message) override;
};

} // namespace platform::ui
