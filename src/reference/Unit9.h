// Operation type card: name and description of one operation type.
#pragma once

#include "platform/ui/Form.h"

#include <QLineEdit>
#include <QPushButton>

class TForm9 : public platform::ui::Form {
    Q_OBJECT
public:
    explicit TForm9(QWidget* parent = nullptr);
    void FormCreate() override;
    // Puts the focus into the name box.
    void FormActivate() override;

    // "Записать": Tag 1 inserts a type, any other Tag changes the current type of the list.
    void Button1Click();

    QLineEdit* Edit1; // Операция
    QLineEdit* Edit2; // Описание
    QPushButton* Button1; // Записать
    QPushButton* Button2; // Отмена
};

extern TForm9* Form9;
