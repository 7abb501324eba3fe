// Item editor: name, unit, nomenclature kind, type, sizes, mass and paint consumption of one item.
#pragma once

#include "platform/db/Dataset.h"
#include "platform/ui/Form.h"
#include "platform/ui/LookupCombo.h"

#include <QLineEdit>
#include <QPushButton>

class TForm7 : public platform::ui::Form {
    Q_OBJECT
public:
    // Open modes (Tag), set by the item list.
    static constexpr int kModeInsert = 1;
    static constexpr int kModeUpdate = 2;

    explicit TForm7(QWidget* parent = nullptr);
    void FormCreate() override;
    void FormActivate() override;
    void FormClose() override;

    void Button1Click(); // "Записать"

    // The lists of the three lookup boxes (each opened when closed) and their closing.
    void OpenTables();
    void CloseTables();
    // Shows the item type of this id in cb_operation_state (type 0, the raw material, included);
    // -1 shows none.
    void showType(qint64 type);

    QLineEdit* Edit1; // Наименование
    platform::ui::LookupCombo* cb_msm;
    platform::ui::LookupCombo* combo_nomenclature;
    platform::ui::LookupCombo* cb_operation_state; // the item type
    QLineEdit* Edit3; // Длина (мм)
    QLineEdit* Edit4; // Толщина (мм)
    QLineEdit* Edit2; // Масса
    QLineEdit* Edit5; // Расход краски
    QPushButton* Button1; // Записать
    QPushButton* Button2; // Отмена

    platform::db::Dataset msm;
    platform::db::Dataset nomenclature;
    platform::db::Dataset operation_state;
};

extern TForm7* Form7;
