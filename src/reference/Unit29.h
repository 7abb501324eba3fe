// Nomenclature kind card: the name of a kind and the store (department) that keeps its items.
#pragma once

#include "platform/db/Dataset.h"
#include "platform/ui/Form.h"
#include "platform/ui/LookupCombo.h"

#include <QLineEdit>
#include <QPushButton>

class TForm29 : public platform::ui::Form {
    Q_OBJECT
public:
    explicit TForm29(QWidget* parent = nullptr);
    void FormCreate() override;
    void FormClose() override;

    void Button1Click(); // "Записать"

    // Opens the department list (when closed), sorted by caption.
    void OpenDepartments();

    QLineEdit* Edit1; // Наименование
    platform::ui::LookupCombo* p_department; // Склад
    QPushButton* Button1; // Записать
    QPushButton* Button2; // Отмена

    // The departments to choose from: the whole table, sorted by caption on the client.
    platform::db::Dataset cb_department;
};

extern TForm29* Form29;
