#include "app/Startup.h"

#include "app/StyleFile.h"
#include "app/Unit1.h"
#include "app/Unit23.h"
#include "data/Unit6.h"
#include "platform/ui/Application.h"
#include "platform/ui/Prompter.h"
#include "platform/ui/StyleManager.h"
#include "production/Unit45.h"

namespace {

// Creates one screen and runs its window set-up.
template <typename T>
void create(T*& global)
{
    global = new T;
    global->FormCreate();
}

template <typename T>
void destroy(T*& global)
{
    delete global;
    global = nullptr;
}

} // namespace

void applyStyleFromFile()
{
    platform::ui::StyleManager::apply(readStyleFile(platform::ui::Application::styleFilePath()), true);
}

bool createScreens()
{
    create(Form1); // creates DataModule6 and Form23 first
    platform::ui::Application::setMainWindow(Form23);
    try {
        DataModule6->openDesignTimeConnection();
    } catch (...) {
        platform::ui::Prompter::error(platform::ui::kErrorTitle,
                                      QStringLiteral("Подключение к БД отсутсвует (Data Source: %1)")
                                          .arg(QString::fromLatin1(kDefaultDataSource)));
        platform::ui::Application::terminate();
        return false;
    }
    // The remaining screens, in their fixed order.
    create(Form45);
    return true;
}

bool startProgram()
{
    applyStyleFromFile();
    if (!createScreens())
        return false;
    Form23->show();
    return true;
}

void destroyScreens()
{
    destroy(Form45);
    destroy(Form23);
    destroy(Form1);
    destroy(DataModule6);
}
