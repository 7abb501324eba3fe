// Role card: caption, system name and active flag of one role; saving restarts or ends its validity.
#pragma once

#include "platform/ui/Form.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

class TForm58 : public platform::ui::Form {
    Q_OBJECT
public:
    explicit TForm58(QWidget* parent = nullptr);
    void FormCreate() override;

    // "Записать": Tag 0 inserts a role, any other Tag changes the current role of the list.
    void Button5Click();

    QLineEdit* Edit2; // Наименование
    QLineEdit* Edit1; // Системное имя
    QCheckBox* CheckBox1; // Активна
    QPushButton* Button5; // Записать
    QPushButton* Button4; // Выход
};

extern TForm58* Form58;
