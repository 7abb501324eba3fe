// VELTRO.ERP: the desktop client of the plant's operational database.
#include "app/Startup.h"
#include "app/Unit23.h"
#include "platform/ui/Handler.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("VELTRO.ERP"));
    QApplication::setQuitOnLastWindowClosed(false); // the login window ends the program itself
    TForm23::Arguments = QApplication::arguments().mid(1);
    bool started = false;
    platform::ui::runGuarded([&] { started = startProgram(); });
    if (!started)
        return 1;
    return QApplication::exec();
}
