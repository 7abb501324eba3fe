// Second item list: the material picker of a new process started from the item list, shown over the first list.
#pragma once

#include "platform/db/Dataset.h"
#include "platform/ui/Form.h"
#include "platform/ui/Grid.h"

#include <QLineEdit>
#include <QPushButton>

class ItemPickCallerProcess;

class TForm303 : public platform::ui::Form {
    Q_OBJECT
public:
    static constexpr int kModeMaterial = 3; // process editor: the material

    explicit TForm303(QWidget* parent = nullptr);
    void FormCreate() override;
    void FormActivate() override;
    void FormClose() override;

    void Button2Click(); // "Выбрать" in mode 3; also a double click

    platform::ui::Grid* DBGridEh1;
    QPushButton* Button2;
    QLineEdit* Edit1; // search
    QPushButton* Button8;

    // The list's own items; the caller installs its statement before showing the list.
    platform::db::Dataset inventory_items;

    // The caller of mode 3, set by the opener next to Tag.
    ItemPickCallerProcess* Caller3 = nullptr;
};

extern TForm303* Form303;
