// Counterparty card: short and full name, ИНН and ОГРН of one counterparty, stored as typed.
#pragma once

#include "platform/ui/Form.h"

#include <QLineEdit>
#include <QPushButton>

class TForm14 : public platform::ui::Form {
    Q_OBJECT
public:
    explicit TForm14(QWidget* parent = nullptr);
    void FormCreate() override;

    // "Записать": Tag 1 inserts a counterparty, any other Tag changes the current one of the list.
    void Button5Click();

    QLineEdit* Edit2; // Наименование (short name)
    QLineEdit* Edit1; // Полное наимен. (full name)
    QLineEdit* Edit3; // ИНН
    QLineEdit* Edit4; // ОГРН
    QPushButton* Button5; // Записать
    QPushButton* Button6; // Отмена
};

extern TForm14* Form14;
