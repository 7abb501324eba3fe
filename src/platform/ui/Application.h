// Application-wide services: the main window, ending the program, the per-user style file.
#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>

namespace platform::ui {

class Application {
public:
    static void setMainWindow(QWidget* window);
    static QWidget* mainWindow();

    // Called by terminate() before the process ends (the data module closes its connection).
    static void setConnectionCloser(std::function<void()> closer);

    // Ends the program: closes every screen, closes the connection and leaves the event loops.
    // With a terminate handler installed (tests) the handler runs instead and nothing closes.
    static void terminate();
    static bool terminated();
    // Tests: record the call instead of ending the process. Clears terminated(). nullptr: production.
    static void setTerminateHandler(std::function<void()> handler);

    // The style file: "t_style.txt" directly in the user's configuration folder (created if missing).
    static QString styleFilePath();
};

} // namespace platform::ui
