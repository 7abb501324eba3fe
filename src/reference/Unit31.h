// Department card: name, note, warehouse kind and parent department of one department.
#pragma once

#include "platform/db/Dataset.h"
#include "platform/ui/Form.h"
#include "platform/ui/LookupCombo.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

class TForm31 : public platform::ui::Form {
    Q_OBJECT
public:
    explicit TForm31(QWidget* parent = nullptr);
    void FormCreate() override;
    void FormClose() override;

    void Button1Click();   // "Записать"
    void CheckBox1Click(); // "Склад" checked or unchecked by the user

    // Opens the parent list (when closed), sorted by caption.
    void OpenParents();
    // Shows a warehouse kind: 0..2 checks "Склад" and selects the kind, -1 (or anything else)
    // clears both; the kind box and its label are enabled only for a warehouse.
    void ShowKind(int kind);

    QLineEdit* Edit1; // Наименование
    QLineEdit* Edit2; // Описание
    QCheckBox* CheckBox1;
    QLabel* type_label;
    QComboBox* type_combo; // item index = kind
    platform::ui::LookupCombo* p_department;
    QPushButton* Button1; // Записать
    QPushButton* Button2; // Отмена

    // The parents to choose from: the whole department table, sorted by caption on the client.
    platform::db::Dataset cb_department;
};

extern TForm31* Form31;
