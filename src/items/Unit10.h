// Operation editor: one operation of a technological process (number, type, result, piece price).
#pragma once

#include "platform/db/Dataset.h"
#include "platform/ui/Form.h"
#include "platform/ui/LookupCombo.h"
#include "reference/Unit8.h"

#include <QLineEdit>
#include <QPushButton>

class TForm10 : public platform::ui::Form, public OperationTypePickCaller {
    Q_OBJECT
public:
    // Open modes (Tag), set by the process editor.
    static constexpr int kModeUpdate = 0;
    static constexpr int kModeInsert = 1;

    explicit TForm10(QWidget* parent = nullptr);
    void FormCreate() override;
    // Puts the focus on "Записать".
    void FormActivate() override;

    void Button3Click(); // "Записать"
    void Button4Click(); // "..." beside the type: the operation type picker

    // Shows the result with this id in the combo (-1: nothing chosen).
    void ShowResult(qint64 stateId);

    QLineEdit* Edit1; // № по порядку (digits only)
    QLineEdit* Edit2; // Операция (shown only; picked)
    QPushButton* Button4;
    platform::ui::LookupCombo* cb_operation_state; // Вид: results 0 and 1 only
    QLineEdit* Edit3; // Цена
    QPushButton* Button3; // Записать
    QPushButton* Button5; // Отмена

    // The results an operation can have (filtered to 0 and 1), and the next free number of a
    // process (parameter id_pt).
    platform::db::Dataset operation_state;
    platform::db::Dataset max_num;

    // The operation type chosen for the operation (0: none yet).
    int HeldOperationTypeId = 0;

    // OperationTypePickCaller: the operation type list hands the chosen type back here.
    QLineEdit* pickTypeBox() override { return Edit2; }
    void pickSetHeldOperationTypeId(int operationTypeId) override { HeldOperationTypeId = operationTypeId; }
};

extern TForm10* Form10;
