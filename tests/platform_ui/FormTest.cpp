// Screens shown modally: activation once per activation, scripted chains, missing handlers.
#include "platform/ui/Form.h"
#include "support/ScreenTest.h"

#include <gtest/gtest-spi.h>

#include <QApplication>
#include <QEvent>
#include <QStringList>
#include <QTimer>
#include <functional>

using namespace platform::ui;
using testsupport::ScreenTest;
using testsupport::ScriptedModalHost;

namespace {

class ProbeForm : public Form {
    Q_OBJECT
public:
    explicit ProbeForm(QString name, QStringList* log) : log_(log) { setObjectName(name); }
    int activations = 0;
    int closes = 0;
    std::function<void()> onActivate; // runs after each activation is logged
    void FormActivate() override
    {
        ++activations;
        log_->append(objectName());
        if (onActivate)
            onActivate();
    }
    void FormClose() override { ++closes; }

private:
    QStringList* log_;
};

class ParentForm : public ProbeForm {
    Q_OBJECT
public:
    using ProbeForm::ProbeForm;
};
class ChildForm : public ProbeForm {
    Q_OBJECT
public:
    using ProbeForm::ProbeForm;
};
class GrandChildForm : public ProbeForm {
    Q_OBJECT
public:
    using ProbeForm::ProbeForm;
};

void sendWindowEvent(QWidget* window, QEvent::Type type)
{
    QEvent event(type);
    QApplication::sendEvent(window, &event);
}

class ModalFormTest : public ScreenTest {
protected:
    QStringList log;
    ParentForm parent{"parent", &log};
    ChildForm child{"child", &log};
    GrandChildForm grandChild{"grand", &log};
};

TEST_F(ModalFormTest, EachActivationRunsFormActivateExactlyOnce)
{
    ui.host.once<ParentForm>([&](ParentForm& p) {
        EXPECT_TRUE(p.isVisible());
        EXPECT_TRUE(p.isActiveForm());
        EXPECT_EQ(p.activations, 1) << "shown";

        // The window system reporting an activation of the active screen changes nothing.
        sendWindowEvent(&p, QEvent::WindowActivate);
        QCoreApplication::processEvents();
        EXPECT_EQ(p.activations, 1);

        // A screen it opens closes: the opener is activated again, once.
        EXPECT_EQ(child.showModal(), mrOk);
        EXPECT_EQ(child.activations, 1);
        EXPECT_EQ(p.activations, 2) << "after the child closed";
        EXPECT_TRUE(p.isActiveForm());
        EXPECT_FALSE(child.isActiveForm());

        // The user switches to another program and back: one more activation.
        sendWindowEvent(&p, QEvent::WindowDeactivate);
        EXPECT_FALSE(p.isActiveForm());
        sendWindowEvent(&p, QEvent::WindowActivate);
        sendWindowEvent(&p, QEvent::WindowActivate);
        EXPECT_EQ(p.activations, 3);
        p.closeModal(mrOk);
    });
    ui.host.once<ChildForm>([](ChildForm& c) { c.closeModal(mrOk); });

    EXPECT_EQ(parent.showModal(), mrOk);
    QCoreApplication::processEvents(); // late window-system events must not activate anything
    EXPECT_EQ(parent.activations, 3);
    EXPECT_EQ(child.activations, 1);
    EXPECT_FALSE(parent.isVisible());
    EXPECT_EQ(parent.closes, 1);
}

TEST_F(ModalFormTest, ScriptedHostDrivesANestedModalChain)
{
    ui.host.on<ParentForm>([&](ParentForm& p) {
        child.Tag = 43;
        const int result = child.showModal();
        p.closeModal(result == 7 ? mrOk : mrCancel);
    });
    ui.host.on<ChildForm>([&](ChildForm& c) {
        EXPECT_EQ(c.Tag, 43);
        c.closeModal(grandChild.showModal() == 5 ? 7 : mrCancel);
    });
    ui.host.once<GrandChildForm>([](GrandChildForm& g) { g.closeModal(5); });

    EXPECT_EQ(parent.showModal(), mrOk);
    EXPECT_EQ(log, QStringList({"parent", "child", "grand", "child", "parent"}));
    EXPECT_EQ(ui.host.shows<ChildForm>(), 1);
    EXPECT_EQ(ui.host.shows<GrandChildForm>(), 1);
    EXPECT_EQ(ui.host.totalShows(), 3);

    // Repeating handlers stay; a second run shows the grandchild without a handler.
    EXPECT_NONFATAL_FAILURE(EXPECT_EQ(parent.showModal(), mrCancel), "without a scripted handler");
    EXPECT_EQ(ui.host.shows<ChildForm>(), 2);
}

TEST_F(ModalFormTest, MissingHandlerFailsAndCancels)
{
    int result = -1;
    EXPECT_NONFATAL_FAILURE(result = child.showModal(), "ChildForm");
    EXPECT_EQ(result, mrCancel);
    EXPECT_FALSE(child.isVisible());
    EXPECT_EQ(child.activations, 0);
}

TEST_F(ModalFormTest, HandlerThatLeavesTheFormOpenCancelsIt)
{
    ui.host.once<ChildForm>([](ChildForm&) {});
    EXPECT_EQ(child.showModal(), mrCancel);
    EXPECT_FALSE(child.isVisible());
    EXPECT_EQ(child.closes, 1);
}

// The production host runs each dialog's own event loop; the calls must be the same as scripted.
TEST_F(ModalFormTest, ProductionHostGivesTheSameActivations)
{
    ExecModalHost exec;
    ModalHost::Scope scope(exec);
    int childResult = -1;
    parent.onActivate = [&] {
        if (parent.activations == 1) // the user acts once the screen is up
            QTimer::singleShot(0, &parent, [&] { childResult = child.showModal(); });
        else
            QTimer::singleShot(0, &parent, [&] { parent.closeModal(mrOk); });
    };
    child.onActivate = [&] { QTimer::singleShot(0, &child, [&] { child.closeModal(7); }); };

    EXPECT_EQ(parent.showModal(), mrOk);
    EXPECT_EQ(childResult, 7);
    EXPECT_EQ(log, QStringList({"parent", "child", "parent"}));
}

TEST(ScriptedModalHostTest, UnusedOneShotHandlerFailsTheTest)
{
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedModalHost host;
            host.once<ChildForm>([](ChildForm&) {});
        },
        "never ran");
}

} // namespace

#include "FormTest.moc"
