// Start-up to the login window: the program's start (style, every screen created, the design-time
// connection, the login window shown and activated) against an empty Qt program that shows one
// dialog. Each run is one process; bench/startup.sh runs both several times and reports medians.
//   bench_startup empty | full
#include "app/Startup.h"
#include "app/Unit23.h"
#include "platform/ui/Application.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>

int main(int argc, char** argv)
{
    QElapsedTimer clock;
    clock.start();
    QApplication app(argc, argv);
    const bool full = argc > 1 && QByteArray(argv[1]) == "full";
    QDialog emptyWindow;
    if (full) {
        platform::ui::Application::setTerminateHandler([] {});
        if (!startProgram())
            return 1;
    } else {
        emptyWindow.show();
    }
    // Done once the first window is on screen and the event queue is drained.
    QTimer::singleShot(0, [&] {
        std::printf("%lld\n", static_cast<long long>(clock.nsecsElapsed() / 1000));
        QApplication::quit();
    });
    const int rc = QApplication::exec();
    if (full)
        destroyScreens();
    return rc;
}
