// Departments list: departments with their parent and warehouse kind; adds, changes and deletes them.
#pragma once

#include "platform/ui/Form.h"
#include "platform/ui/Grid.h"

#include <QLineEdit>
#include <QPushButton>

class TForm30 : public platform::ui::Form {
    Q_OBJECT
public:
    explicit TForm30(QWidget* parent = nullptr);
    void FormCreate() override;

    void Button5Click(); // "Добавить"
    void Button2Click(); // "Изменить"; also a double click
    void Button3Click(); // "Удалить"

    platform::ui::Grid* DBGrid1;
    QPushButton* Button5;
    QPushButton* Button2;
    QPushButton* Button3;
    QLineEdit* Edit1; // search
    QPushButton* Button4;
};

extern TForm30* Form30;
