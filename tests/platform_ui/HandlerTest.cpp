// Messages through the prompter, and the handler boundary that shows every exception.
#include "platform/db/Error.h"
#include "platform/ui/Form.h"
#include "platform/ui/Handler.h"
#include "support/ScreenTest.h"

#include <gtest/gtest-spi.h>

#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <functional>
#include <stdexcept>

using namespace platform::ui;
using testsupport::ScreenTest;
using testsupport::ScriptedPrompter;

namespace {

using HandlerBoundaryTest = ScreenTest;

TEST_F(HandlerBoundaryTest, RecordsEveryMessageAndAnswersQuestionsFromTheScript)
{
    ui.prompter.answerYes("Удалить строку?");
    ui.prompter.answerNo();

    Prompter::warning(kWarningTitle, "Остаток меньше нуля");
    EXPECT_TRUE(Prompter::question(kDeleteTitle, "Удалить строку?"));
    EXPECT_FALSE(Prompter::questionWarning(kRequestTitle, "Очистить базу?"));
    Prompter::error(kErrorTitle, "Все поля должны быть заполнены!");

    ASSERT_EQ(ui.prompter.count(), 4);
    EXPECT_EQ(ui.prompter.messages()[0].kind, MessageKind::Warning);
    EXPECT_EQ(ui.prompter.messages()[1].title, kDeleteTitle);
    EXPECT_EQ(ui.prompter.messages()[2].kind, MessageKind::QuestionWarning);
    EXPECT_TRUE(ui.prompter.lastIsError("Все поля должны быть заполнены!"));
    EXPECT_FALSE(ui.prompter.lastIsError("другой текст"));
    EXPECT_FALSE(ui.prompter.lastIs(MessageKind::Warning, kErrorTitle, "Все поля должны быть заполнены!"));
}

TEST(ScriptedPrompterTest, UnexpectedQuestionFailsAndAnswersNo)
{
    ScriptedPrompter prompter;
    Prompter::Scope scope(prompter);
    bool yes = true;
    EXPECT_NONFATAL_FAILURE(yes = Prompter::question(kRequestTitle, "Принять цену?"), "Unexpected question");
    EXPECT_FALSE(yes);
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedPrompter unused;
            unused.answerYes();
        },
        "never asked for");
}

// A screen with a button whose handler throws what the test asks it to.
class ThrowingForm : public Form {
    Q_OBJECT
public:
    ThrowingForm()
    {
        auto* layout = new QVBoxLayout(this);
        Button1 = new QPushButton("Записать", this);
        Edit1 = new QLineEdit(this);
        layout->addWidget(Button1);
        layout->addWidget(Edit1);
        connectHandler(Button1, &QPushButton::clicked, this, &ThrowingForm::Button1Click);
        connectHandler(Edit1, &QLineEdit::textChanged, this, &ThrowingForm::Edit1Change);
        connectHandler(Edit1, &QLineEdit::textEdited, this, [this](const QString& text) { edited = text; });
    }
    QPushButton* Button1;
    QLineEdit* Edit1;
    std::function<void()> action;
    int clicks = 0;
    int changes = 0;
    QString edited;

    void Button1Click()
    {
        ++clicks;
        action();
    }
    void Edit1Change() { ++changes; } // takes none of the signal's arguments
};

TEST_F(HandlerBoundaryTest, ExceptionInAHandlerIsShownAsTheStandardErrorAndTheScreenStaysOpen)
{
    struct Case {
        std::function<void()> raise;
        QString shown;
    };
    const std::vector<Case> cases = {
        {[] { throw platform::db::DbError("relation \"nowhere\" does not exist", "42P01", "select * from nowhere"); },
         "relation \"nowhere\" does not exist"},
        {[] { throw platform::Error("'abc' не является числом"); }, "'abc' не является числом"},
        {[] { throw std::runtime_error("деление на ноль"); }, "деление на ноль"},
        {[] { throw 42; }, "Неизвестная ошибка"},
    };

    ThrowingForm form;
    ui.host.once<ThrowingForm>([&](ThrowingForm& f) {
        for (const Case& c : cases) {
            f.action = c.raise;
            f.Button1->click();
            EXPECT_TRUE(ui.prompter.lastIsError(c.shown));
            EXPECT_TRUE(f.isVisible());
        }
        f.action = [&f] { f.closeModal(mrOk); };
        f.Button1->click();
    });

    EXPECT_EQ(form.showModal(), mrOk);
    EXPECT_EQ(form.clicks, 5);
    EXPECT_EQ(ui.prompter.count(), 4);
    EXPECT_EQ(ui.prompter.messages()[0].details.contains("select * from nowhere"), true);

    form.Edit1->setText("ab"); // textChanged only
    EXPECT_EQ(form.changes, 1);
    EXPECT_TRUE(form.edited.isEmpty());
}

class FailingActivationForm : public Form {
    Q_OBJECT
public:
    void FormActivate() override { throw platform::Error("Версия устарела"); }
};

TEST_F(HandlerBoundaryTest, ExceptionInFormActivateIsShown)
{
    FailingActivationForm form;
    ui.host.closeWith<FailingActivationForm>(mrOk);
    EXPECT_EQ(form.showModal(), mrOk);
    EXPECT_TRUE(ui.prompter.lastIsError("Версия устарела"));
}

TEST_F(HandlerBoundaryTest, RunGuardedReportsWhetherItSucceeded)
{
    EXPECT_TRUE(runGuarded([] {}));
    EXPECT_TRUE(ui.prompter.noMessages());
    EXPECT_FALSE(runGuarded([] { throw std::logic_error("x"); }));
    EXPECT_TRUE(ui.prompter.lastIsError("x"));
}

} // namespace

#include "HandlerTest.moc"
