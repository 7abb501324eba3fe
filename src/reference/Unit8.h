// Operation types list: the kinds of work operations consist of; also the operation type picker.
#pragma once

#include "platform/ui/Form.h"
#include "platform/ui/Grid.h"

#include <QLineEdit>
#include <QPushButton>

// What the operation editor (pick mode: any Tag but 0) lends the operation type picker: its
// type box Edit2 and the operation type id it holds.
class OperationTypePickCaller {
public:
    virtual QLineEdit* pickTypeBox() = 0;
    virtual void pickSetHeldOperationTypeId(int operationTypeId) = 0;

protected:
    ~OperationTypePickCaller() = default;
};

class TForm8 : public platform::ui::Form {
    Q_OBJECT
public:
    explicit TForm8(QWidget* parent = nullptr);
    void FormCreate() override;
    // Puts the focus into the search box when it is visible.
    void FormActivate() override;

    void Button1Click(); // "Добавить"
    void Button2Click(); // "Изменить", or the pick when Tag is not 0; also a double click
    void Button3Click(); // "Удалить"

    platform::ui::Grid* DBGrid1;
    QPushButton* Button1;
    QPushButton* Button2;
    QPushButton* Button3;
    QLineEdit* Edit1; // search
    QPushButton* Button4;

    // The caller of the pick mode (the operation editor), set by the opener next to Tag.
    OperationTypePickCaller* Caller10 = nullptr;

private:
    void changeOperationType();
    void pickForOperation(OperationTypePickCaller* caller);
};

extern TForm8* Form8;
