// Test prompter: records every message in order and answers questions from a script.
//
//   prompter.answerYes();            // the next question is answered Yes
//   ... act ...
//   EXPECT_TRUE(prompter.lastIsError("Все поля должны быть заполнены!"));
//
// A question with no scripted answer fails the test and is answered No.
#pragma once

#include "platform/ui/Prompter.h"

#include <gtest/gtest.h>

#include <QString>
#include <deque>
#include <functional>
#include <vector>

namespace testsupport {

class ScriptedPrompter : public platform::ui::Prompter {
public:
    using Message = platform::ui::Message;
    using MessageKind = platform::ui::MessageKind;

    ScriptedPrompter() = default;
    // Fails the test for scripted answers that no question used.
    ~ScriptedPrompter() override;

    platform::ui::Answer show(const Message& message) override;

    // Scripted answers for the next questions, in order. With expectedText set, the question's
    // text must equal it.
    void answerYes(const QString& expectedText = {}) { answers_.push_back({true, expectedText}); }
    void answerNo(const QString& expectedText = {}) { answers_.push_back({false, expectedText}); }
    int pendingAnswers() const { return int(answers_.size()); }

    // Called for every message after it is recorded (e.g. to act while a message is up).
    void onMessage(std::function<void(const Message&)> hook) { hook_ = std::move(hook); }

    const std::vector<Message>& messages() const { return messages_; }
    int count() const { return int(messages_.size()); }
    bool empty() const { return messages_.empty(); }
    const Message& last() const;
    void clear() { messages_.clear(); }

    // Assertions on the last message (or on all of them).
    ::testing::AssertionResult lastIs(MessageKind kind, const QString& title, const QString& text) const;
    ::testing::AssertionResult lastIsError(const QString& text,
                                           const QString& title = platform::ui::kErrorTitle) const;
    ::testing::AssertionResult lastIsWarning(const QString& text,
                                             const QString& title = platform::ui::kWarningTitle) const;
    ::testing::AssertionResult noMessages() const;

private:
    struct ScriptedAnswer {
        bool yes;
        QString expectedText;
    };
    std::deque<ScriptedAnswer> answers_;
    std::vector<Message> messages_;
    std::function<void(const Message&)> hook_;
};

// "error «Ошибка»: text" — for failure messages.
std::string describeMessage(const platform::ui::Message& message);

} // namespace testsupport
