// Process editor: the header of one technological process (product, name, material) and its priced operations.
#pragma once

#include "items/Unit3.h"
#include "platform/db/Dataset.h"
#include "platform/ui/DataText.h"
#include "platform/ui/Form.h"
#include "platform/ui/Grid.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QString>

class TForm33 : public platform::ui::Form, public ItemPickCallerProcess {
    Q_OBJECT
public:
    // Open modes (Tag), set by the process list.
    static constexpr int kModeExisting = 0;
    static constexpr int kModeNew = 1;
    static constexpr int kModeNewOfItem = 11; // a new process started from the item list, its product given

    explicit TForm33(QWidget* parent = nullptr);
    void FormCreate() override;

    void Button1Click(); // "Добавить": a new operation
    void Button2Click(); // "Изменить" (also a double click): the current operation
    void Button3Click(); // "Удалить": the current operation
    void Button4Click(); // "Сохранить и выйти": saves the header, then closes whatever came of it
    void Button5Click(); // "..." beside the product: the product picker
    void Button6Click(); // "Сохранить": saves the header
    void Button7Click(); // "..." beside the material: the material picker

    // Saves the header as "Сохранить" does (asks first; tells what is missing).
    void SaveHeader();
    // "Добавить", "Изменить", "Удалить" and "Сохранить и выйти": off for a process not saved yet.
    void EnableOperationButtons(bool enabled);
    // "Техпроцесс № " followed by the held process number once the process exists.
    void ShowProcessNumber();

    QGroupBox* GroupBox1;
    QLineEdit* Edit2;     // Изделие (shown only; picked)
    QPushButton* Button5; // ...
    QLineEdit* Edit3;     // Наименование ТП
    QLineEdit* Edit4;     // Исходный ТМЦ (shown only; picked)
    QPushButton* Button7; // ...
    QPushButton* Button6; // Сохранить
    platform::ui::DataText* price; // Итого: full_price

    platform::ui::Grid* DBGrid1; // the shared operation dataset
    QPushButton* Button1;
    QPushButton* Button2;
    QPushButton* Button3;
    QLineEdit* Edit1; // no function
    QPushButton* Button4;
    QPushButton* Button8; // Отмена

    // The sum of the operation prices of one process (parameter id_pt); no value without operations.
    platform::db::Dataset full_price;

    // What the editor holds: the product, the process (0 until saved) and the material ids, and
    // the three header texts as last loaded or saved (to tell whether anything changed).
    qint64 HeldProductId = 0;
    qint64 HeldProcessId = 0;
    qint64 HeldMaterialId = 0;
    QString SavedProduct;
    QString SavedName;
    QString SavedMaterial;

    // ItemPickCallerProcess: the item pickers hand the product and the material back here.
    QLineEdit* pickProductBox() override { return Edit2; }
    void pickSetProductId(qint64 itemId) override { HeldProductId = itemId; }
    QLineEdit* pickMaterialBox() override { return Edit4; }
    void pickSetMaterialId(qint64 itemId) override { HeldMaterialId = itemId; }

private:
    bool headerUnchanged() const;
    void insertHeader(const QString& name);
    void updateHeader(const QString& name);
    void refreshPrice();
};

extern TForm33* Form33;
