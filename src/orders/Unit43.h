// Order header editor: the counterparty, the responsible person and the two dates of a new or changed order.
#pragma once

#include "platform/ui/DatePicker.h"
#include "platform/ui/Form.h"
#include "reference/Unit34.h"
#include "reference/Unit5.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

class TForm43;

// The worker picker's hand-back in mode 43: the held person id and the person box Edit2.
class TForm43PersonPick final : public WorkerPickCallerHeader {
public:
    explicit TForm43PersonPick(TForm43& editor) : editor_(editor) {}
    int pickHeldPersonId() const override;
    void pickSetHeldPersonId(int personId) override;
    QLineEdit* pickNameBox() override;

private:
    TForm43& editor_;
};

// The counterparty picker's hand-back in mode 43: the held counterparty id and the counterparty box Edit1.
class TForm43CounterpartyPick final : public CounterpartyPickCallerHeader {
public:
    explicit TForm43CounterpartyPick(TForm43& editor) : editor_(editor) {}
    int pickHeldCounterpartyId() const override;
    void pickSetHeldCounterpartyId(int counterpartyId) override;
    QLineEdit* pickNameBox() override;

private:
    TForm43& editor_;
};

class TForm43 : public platform::ui::Form {
    Q_OBJECT
public:
    // Open modes (Tag), set by the order list.
    static constexpr int kModeChange = 0;
    static constexpr int kModeNew = 1;

    explicit TForm43(QWidget* parent = nullptr);
    void FormCreate() override;

    void Button1Click(); // "Записать"
    void Button3Click(); // "..." of the counterparty: the counterparty list in mode 43
    void Button5Click(); // "..." of the person: the personnel list in mode 43

    QGroupBox* GroupBox1;
    QLineEdit* Edit1;   // counterparty's full name (read-only)
    QPushButton* Button3;
    QLineEdit* Edit2;   // responsible person's name (read-only)
    QPushButton* Button5;
    platform::ui::DatePicker* DateTimePicker1; // Дата пр-ва
    platform::ui::DatePicker* DateTimePicker2; // Дата отгрузки
    QPushButton* Button1; // Записать
    QPushButton* Button2; // Отмена

    // The order's responsible person and counterparty, 0 when none; kept from one use to the next.
    int HeldPersonId = 0;
    int HeldCounterpartyId = 0;

    // What the two pickers write into (set as TForm5::Caller43 and TForm34::Caller43).
    TForm43PersonPick PersonPick{*this};
    TForm43CounterpartyPick CounterpartyPick{*this};
};

extern TForm43* Form43;
