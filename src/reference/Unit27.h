// Position card: name, description and department of one position.
#pragma once

#include "platform/db/Dataset.h"
#include "platform/ui/Form.h"
#include "platform/ui/LookupCombo.h"

#include <QLineEdit>
#include <QPushButton>

class TForm27 : public platform::ui::Form {
    Q_OBJECT
public:
    explicit TForm27(QWidget* parent = nullptr);
    void FormCreate() override;
    void FormClose() override;

    void Button1Click(); // "Записать"

    // Opens the department list (when closed), sorted by caption.
    void OpenDepartments();

    QLineEdit* Edit1; // Наименование
    QLineEdit* Edit2; // Описание
    platform::ui::LookupCombo* p_department;
    QPushButton* Button1; // Записать
    QPushButton* Button2; // Отмена

    // The departments to choose from: the whole table, sorted by caption on the client.
    platform::db::Dataset cb_department;
};

extern TForm27* Form27;
