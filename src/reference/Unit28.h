// Nomenclature kinds list: kinds of items with their store; adds, changes and deletes them and opens the items of a kind.
#pragma once

#include "platform/ui/Form.h"
#include "platform/ui/Grid.h"

#include <QLineEdit>
#include <QPushButton>

class TForm28 : public platform::ui::Form {
    Q_OBJECT
public:
    explicit TForm28(QWidget* parent = nullptr);
    void FormCreate() override;

    void Button5Click(); // "Добавить"
    void Button2Click(); // "Изменить"; also a double click
    void Button3Click(); // "Удалить"
    void ItemsClick();   // the ellipsis button of a row: the items of that kind

    platform::ui::Grid* DBGridEh1;
    QPushButton* Button5;
    QPushButton* Button2;
    QPushButton* Button3;
    QLineEdit* Edit1; // search
    QPushButton* Button4;
};

extern TForm28* Form28;
