#include "support/ScriptedPrompter.h"

namespace testsupport {

using platform::ui::Answer;
using platform::ui::Message;
using platform::ui::MessageKind;

std::string describeMessage(const Message& message)
{
    return (platform::ui::kindName(message.kind) + QStringLiteral(" «") + message.title + QStringLiteral("»: ")
            + message.text)
        .toStdString();
}

ScriptedPrompter::~ScriptedPrompter()
{
    if (!answers_.empty())
        ADD_FAILURE() << answers_.size() << " scripted answer(s) were never asked for";
}

Answer ScriptedPrompter::show(const Message& message)
{
    messages_.push_back(message);
    Answer answer = Answer::Ok;
    if (platform::ui::isQuestion(message.kind)) {
        if (answers_.empty()) {
            ADD_FAILURE() << "Unexpected question (answered No): " << describeMessage(message);
            answer = Answer::No;
        } else {
            const ScriptedAnswer scripted = answers_.front();
            answers_.pop_front();
            if (!scripted.expectedText.isEmpty() && scripted.expectedText != message.text)
                ADD_FAILURE() << "Question text differs: expected \"" << scripted.expectedText.toStdString()
                              << "\", asked " << describeMessage(message);
            answer = scripted.yes ? Answer::Yes : Answer::No;
        }
    }
    if (hook_)
        hook_(message);
    return answer;
}

const Message& ScriptedPrompter::last() const
{
    static const Message none{MessageKind::Error, QStringLiteral("<none>"), QStringLiteral("<no message>"), {}};
    return messages_.empty() ? none : messages_.back();
}

::testing::AssertionResult ScriptedPrompter::lastIs(MessageKind kind, const QString& title, const QString& text) const
{
    if (messages_.empty())
        return ::testing::AssertionFailure() << "no message was shown; expected "
                                             << describeMessage({kind, title, text, {}});
    const Message& m = messages_.back();
    if (m.kind == kind && m.title == title && m.text == text)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "last message was " << describeMessage(m) << "; expected "
                                         << describeMessage({kind, title, text, {}});
}

::testing::AssertionResult ScriptedPrompter::lastIsError(const QString& text, const QString& title) const
{
    return lastIs(MessageKind::Error, title, text);
}

::testing::AssertionResult ScriptedPrompter::lastIsWarning(const QString& text, const QString& title) const
{
    return lastIs(MessageKind::Warning, title, text);
}

::testing::AssertionResult ScriptedPrompter::noMessages() const
{
    if (messages_.empty())
        return ::testing::AssertionSuccess();
    auto failure = ::testing::AssertionFailure() << messages_.size() << " message(s) shown:";
    for (const Message& m : messages_)
        failure << "\n  " << describeMessage(m);
    return failure;
}

} // namespace testsupport
