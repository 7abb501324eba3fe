// Main window: the main menu that opens every list, the background picture, the version gate and its 30-second timer.
#pragma once

#include "platform/ui/Form.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <functional>

class TForm1 : public platform::ui::Form {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);
    // Creates the shared data module and the login window, then sets up the window.
    void FormCreate() override;

    // The version gate: stamps ver with this build or refuses an older client (ends the program).
    void CheckVersion();

    int BuildDate = 0;
    int BuildTime = 0;

    QLabel* Image1;
    QPushButton* Button1; // zero size, cancel: Esc closes the window
    QMenuBar* MainMenu1;
    QTimer* Timer1;

    QMenu* N2;   // Справочники
    QAction* N19;
    QAction* N1;
    QAction* N8;
    QAction* N21;
    QAction* N24;
    QAction* N9;
    QAction* N3;
    QAction* N6;
    QAction* N4;
    QAction* N20;
    QMenu* N29;  // Снабжение
    QAction* N30;
    QAction* N31;
    QMenu* N13;  // Склады
    QAction* N15;
    QAction* N14;
    QMenu* N18;  // Производство
    QAction* N25;
    QAction* N26;
    QAction* N27;
    QMenu* N16;  // Маркетинг
    QAction* N17;
    QMenu* N12;  // База
    QAction* N28;
    QAction* N5; // Выход

    void N28Click(); // empty the working tables
    void N5Click();
    void Timer1Timer();

    // The text "Очистить базу" sends to the server in one call.
    static const char* const kClearBaseSql;

private:
    using Step = std::function<void()>;
    // Wires a menu command: before, show the screen modally, after (the screen comes from a
    // getter because screens are created after the main window).
    void wireCommand(QAction* action, std::function<platform::ui::Form*()> screen, Step before = {}, Step after = {});
    void buildMenu();
};

extern TForm1* Form1;
