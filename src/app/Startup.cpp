#include "app/Startup.h"

#include "app/StyleFile.h"
#include "app/Unit1.h"
#include "app/Unit23.h"
#include "data/Unit6.h"
#include "items/Unit10.h"
#include "items/Unit3.h"
#include "items/Unit303.h"
#include "items/Unit33.h"
#include "items/Unit4.h"
#include "items/Unit7.h"
#include "orders/Unit41.h"
#include "orders/Unit42.h"
#include "orders/Unit43.h"
#include "orders/Unit44.h"
#include "platform/ui/Application.h"
#include "platform/ui/Prompter.h"
#include "platform/ui/StyleManager.h"
#include "production/Unit45.h"
#include "reference/Unit14.h"
#include "reference/Unit2.h"
#include "reference/Unit26.h"
#include "reference/Unit27.h"
#include "reference/Unit28.h"
#include "reference/Unit29.h"
#include "reference/Unit30.h"
#include "reference/Unit31.h"
#include "reference/Unit32.h"
#include "reference/Unit34.h"
#include "reference/Unit35.h"
#include "reference/Unit58.h"
#include "reference/Unit5.h"
#include "reference/Unit8.h"
#include "reference/Unit9.h"

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
    // The remaining screens, in their fixed order: TForm2, TForm3, TForm4, TForm5, TForm7, TForm8,
    // TForm9, TForm10, TForm11, TForm14, TForm26, TForm27, TForm28, TForm29, TForm30, TForm31,
    // TForm32, TForm33, TForm34, TForm35, TForm36, TForm37, TForm38, TForm39, TForm40, TForm41,
    // TForm42, TForm43, TForm44, TForm45, TForm46, TForm47, TForm48, TForm50, TForm51, TForm303,
    // TForm53, TForm54, TForm55, TForm57, TForm58, TForm59, TForm60, TForm61, TForm62, TForm63,
    // TForm65, TForm66. Each screen module adds its line here in that order.
    create(Form2);
    create(Form3);
    create(Form4);
    create(Form5);
    create(Form7);
    create(Form8);
    create(Form9);
    create(Form10);
    create(Form14);
    create(Form26);
    create(Form27);
    create(Form28);
    create(Form29);
    create(Form30);
    create(Form31);
    create(Form32);
    create(Form33);
    create(Form34);
    create(Form35);
    create(Form41);
    create(Form42);
    create(Form43);
    create(Form44);
    create(Form45);
    create(Form303);
    create(Form58);
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
    // In the reverse order of creation.
    destroy(Form58);
    destroy(Form303);
    destroy(Form45);
    destroy(Form44);
    destroy(Form43);
    destroy(Form42);
    destroy(Form41);
    destroy(Form35);
    destroy(Form34);
    destroy(Form33);
    destroy(Form32);
    destroy(Form31);
    destroy(Form30);
    destroy(Form29);
    destroy(Form28);
    destroy(Form27);
    destroy(Form26);
    destroy(Form14);
    destroy(Form10);
    destroy(Form9);
    destroy(Form8);
    destroy(Form7);
    destroy(Form5);
    destroy(Form4);
    destroy(Form3);
    destroy(Form2);
    destroy(Form23);
    destroy(Form1);
    destroy(DataModule6);
}
