// Role administration: the roles with their validity dates and active flag; adds and changes them.
#pragma once

#include "platform/ui/Form.h"
#include "platform/ui/Grid.h"

#include <QLineEdit>
#include <QPushButton>

class TForm35 : public platform::ui::Form {
    Q_OBJECT
public:
    explicit TForm35(QWidget* parent = nullptr);
    void FormCreate() override;
    // Opens the roles (when closed) each time the screen becomes active; closes them on leaving.
    void FormActivate() override;
    void FormClose() override;

    void Button1Click(); // "Добавить"
    void Button2Click(); // "Изменить"; also a double click

    platform::ui::Grid* DBGridEh1;
    QPushButton* Button1;
    QPushButton* Button2;
    QPushButton* Button3; // "Удалить": roles are never deleted
    QLineEdit* Edit1;     // fills the panel; no search here
    QPushButton* Button4;
};

extern TForm35* Form35;
