#include "platform/ui/Application.h"

#include "platform/ui/Form.h"
#include "platform/ui/Handler.h"

#include <QApplication>
#include <QDir>
#include <QStandardPaths>

namespace platform::ui {

namespace {
QPointer<QWidget> g_mainWindow;
std::function<void()> g_connectionCloser;
std::function<void()> g_terminateHandler;
bool g_terminated = false;
} // namespace

void Application::setMainWindow(QWidget* window)
{
    g_mainWindow = window;
}

QWidget* Application::mainWindow()
{
    return g_mainWindow;
}

void Application::setConnectionCloser(std::function<void()> closer)
{
    g_connectionCloser = std::move(closer);
}

void Application::terminate()
{
    if (g_terminated)
        return;
    g_terminated = true;
    if (g_terminateHandler) {
        g_terminateHandler();
        return;
    }
    // Every nested modal loop returns once the application is told to exit; close the screens
    // so that none stays on screen meanwhile.
    QCoreApplication::exit(0);
    // Before the main loop has started an exit would be lost: repeat it from the loop.
    QMetaObject::invokeMethod(qApp, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* form = qobject_cast<Form*>(window); form && form->isVisible())
            form->closeModal(mrCancel);
    if (g_connectionCloser)
        runGuarded(g_connectionCloser);
}

bool Application::terminated()
{
    return g_terminated;
}

void Application::setTerminateHandler(std::function<void()> handler)
{
    g_terminateHandler = std::move(handler);
    g_terminated = false;
}

QString Application::styleFilePath()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    QDir().mkpath(folder);
    return folder + QStringLiteral("/t_style.txt");
}

} // namespace platform::ui
