// Counterparties list: the legal persons that order and supply; also the counterparty picker.
#pragma once

#include "platform/db/Dataset.h"
#include "platform/ui/Form.h"
#include "platform/ui/Grid.h"

#include <QLineEdit>
#include <QPushButton>

// What a header editor (pick modes 43 and 61: the order header, the purchase request header)
// lends the counterparty picker: the counterparty id it holds and its name box Edit1.
class CounterpartyPickCallerHeader {
public:
    virtual int pickHeldCounterpartyId() const = 0;
    virtual void pickSetHeldCounterpartyId(int counterpartyId) = 0;
    virtual QLineEdit* pickNameBox() = 0;

protected:
    ~CounterpartyPickCallerHeader() = default;
};

// What the purchase request list (pick mode 60) lends the counterparty picker: its requests,
// whose current request gets the picked counterparty as its supplier at once.
class CounterpartyPickCaller60 {
public:
    virtual platform::db::Dataset& pickPurchaseDocs() = 0; // purchase_doc

protected:
    ~CounterpartyPickCaller60() = default;
};

class TForm34 : public platform::ui::Form {
    Q_OBJECT
public:
    explicit TForm34(QWidget* parent = nullptr);
    void FormCreate() override;

    void Button1Click(); // "Добавить"
    void Button2Click(); // "Изменить", or the pick in modes 43, 60, 61; also a double click
    void Button3Click(); // "Удалить"

    platform::ui::Grid* DBGrid1;
    QPushButton* Button1;
    QPushButton* Button2;
    QPushButton* Button3;
    QLineEdit* Edit1; // search by short name
    QPushButton* Button4;

    // The callers of the pick modes, set by the opener next to Tag.
    CounterpartyPickCallerHeader* Caller43 = nullptr;
    CounterpartyPickCaller60* Caller60 = nullptr;
    CounterpartyPickCallerHeader* Caller61 = nullptr;

private:
    void changeCounterparty();
    void pickForHeader(CounterpartyPickCallerHeader* caller);
    void pickSupplierOfRequest(CounterpartyPickCaller60* caller);
};

extern TForm34* Form34;
