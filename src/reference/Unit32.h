// Roles list: the roles by name and system name, read-only, with a search box.
#pragma once

#include "platform/ui/Form.h"
#include "platform/ui/Grid.h"

#include <QLineEdit>
#include <QPushButton>

class TForm32 : public platform::ui::Form {
    Q_OBJECT
public:
    explicit TForm32(QWidget* parent = nullptr);
    void FormCreate() override;
    void FormClose() override;

    platform::ui::Grid* DBGrid1;
    // "Добавить", "Изменить" and "Удалить" do nothing here: roles are kept in the administration list.
    QPushButton* Button5;
    QPushButton* Button2;
    QPushButton* Button3;
    QLineEdit* Edit1; // search
    QPushButton* Button4;
};

extern TForm32* Form32;
