// Worker card: surname, first name, patronymic, position, department and role of one employee.
#pragma once

#include "platform/db/Command.h"
#include "platform/db/Dataset.h"
#include "platform/ui/Form.h"
#include "platform/ui/LookupCombo.h"

#include <QLineEdit>
#include <QPushButton>

class TForm2 : public platform::ui::Form {
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent = nullptr);
    void FormCreate() override;
    void FormActivate() override;
    void FormClose() override;

    void Button1Click(); // "Записать"

    // Opens the three lists of the card (when closed), each sorted by caption.
    void OpenTables();
    // Closes the three lists.
    void CloseTables();

    // The longest surname, first name and patronymic: joined with two blanks they still fit the
    // person's caption column (254 characters).
    static constexpr int kNameLength = 84;

    QLineEdit* Edit1; // Фамилия
    QLineEdit* Edit2; // Имя
    QLineEdit* Edit3; // Отчество
    platform::ui::LookupCombo* LCB_staffpos;
    platform::ui::LookupCombo* LCB_department;
    platform::ui::LookupCombo* LCB_roles;
    QPushButton* Button1; // Записать
    QPushButton* Button2; // Отмена

    // The card's own lists: whole tables, sorted by caption on the client.
    platform::db::Dataset staffpos;
    platform::db::Dataset department;
    platform::db::Dataset roles;
    // Insert, update and delete of a person.
    platform::db::Command cmd_person;

    // The person being changed (set by the list in change mode).
    int EditedId = 0;
};

extern TForm2* Form2;
