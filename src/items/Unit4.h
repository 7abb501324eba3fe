// Technological processes list: every process with its product, material and price; searches by product, opens the process editor, deletes.
#pragma once

#include "items/Unit3.h"
#include "platform/ui/Form.h"
#include "platform/ui/Grid.h"

#include <QLineEdit>
#include <QPushButton>
#include <QString>

class TForm4 : public platform::ui::Form, public ItemProcessesList {
    Q_OBJECT
public:
    // Open modes (Tag).
    static constexpr int kModeList = 0;   // main menu: all processes
    static constexpr int kModeOfItem = 2; // item list: the processes of one item, new ones get it as product

    explicit TForm4(QWidget* parent = nullptr);
    ~TForm4() override;
    void FormCreate() override;
    // Focuses the search box when it is visible and applies a search text left in it again.
    void FormActivate() override;

    void Button1Click(); // "Добавить": a new process in the editor
    void Button2Click(); // "Изменить" (also a double click): the current process in the editor
    void Button3Click(); // "Удалить": the process and, in the database, its operations

    platform::ui::Grid* DBGrid1;
    QPushButton* Button1;
    QPushButton* Button2;
    QPushButton* Button3;
    QLineEdit* Edit1; // search by the beginning of the product name
    QPushButton* Button9;

    // The held item (mode 2): the product of a process added there.
    qint64 HeldItemId = 0;
    QString HeldItemName;

    // ItemProcessesList: how the item list's ellipsis button opens this list.
    platform::ui::Form& processesForm() override { return *this; }
    void setHeldItem(qint64 itemId, const QString& itemName) override;
};

extern TForm4* Form4;
