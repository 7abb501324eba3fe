// Personnel list: employees with position, department and role; also the worker picker.
#pragma once

#include "platform/ui/Form.h"
#include "platform/ui/Grid.h"

#include <QLineEdit>
#include <QPushButton>

// What the shift record entry (pick mode 11) lends the worker picker: the worker of the record
// already saved, which it reads, and the worker fields and name box it writes.
class WorkerPickCaller11 {
public:
    // RecordWorkerId: the worker of the saved record, 0 until the record is saved.
    virtual int pickRecordWorkerId() const = 0;
    // WorkerId and MemberId := the picked person.
    virtual void pickSetWorker(int personId) = 0;
    // Edit1: the worker's name box.
    virtual QLineEdit* pickNameBox() = 0;

protected:
    ~WorkerPickCaller11() = default;
};

// What a header editor (pick modes 43 and 61: order header, purchase request header) lends the
// worker picker: the person id it holds and the name box Edit2.
class WorkerPickCallerHeader {
public:
    virtual int pickHeldPersonId() const = 0;
    virtual void pickSetHeldPersonId(int personId) = 0;
    virtual QLineEdit* pickNameBox() = 0;

protected:
    ~WorkerPickCallerHeader() = default;
};

class TForm5 : public platform::ui::Form {
    Q_OBJECT
public:
    explicit TForm5(QWidget* parent = nullptr);
    void FormCreate() override;
    void FormActivate() override;

    void Button1Click(); // "Добавить"
    void Button2Click(); // "Изменить", or "Выбрать" in pick mode; also a double click
    void Button3Click(); // "Удалить"

    platform::ui::Grid* DBGrid1;
    QPushButton* Button1;
    QPushButton* Button2;
    QPushButton* Button3;
    QLineEdit* Edit1; // search
    QPushButton* Button4;

    // 1 when the last pick in mode 11 handed a worker back, else 0; reset on each activation.
    int Picked = 0;

    // The callers of the pick modes, set by the opener next to Tag.
    WorkerPickCaller11* Caller11 = nullptr;
    WorkerPickCallerHeader* Caller43 = nullptr;
    WorkerPickCallerHeader* Caller61 = nullptr;

private:
    void changeWorker();
    void pickForRecord(WorkerPickCaller11* caller);
    void pickForHeader(WorkerPickCallerHeader* caller);
};

extern TForm5* Form5;
