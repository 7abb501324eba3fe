// Production journal: the work records of one date and shift; also holds the login values other screens read.
#pragma once

#include "platform/ui/DatePicker.h"
#include "platform/ui/Form.h"
#include "platform/ui/Grid.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QString>

class TForm45 : public platform::ui::Form {
    Q_OBJECT
public:
    explicit TForm45(QWidget* parent = nullptr);
    void FormCreate() override;

    // Login values (written by the login window).
    int ShiftNo = 1;
    QString UserLogin;
    QString UserPassword;
    int UserId = 0;
    int PersonId = 0;

    QRadioButton* RadioButton1;
    QRadioButton* RadioButton2;
    QRadioButton* RadioButton3;
    QRadioButton* RadioButton4;
    platform::ui::DatePicker* DateT;
    QCheckBox* CBox1;
    platform::ui::Grid* DBGrid2;
    QPushButton* Button1;
    QPushButton* Button2;
    QPushButton* Button7;
    QPushButton* Button8;
    QPushButton* Button4;
};

extern TForm45* Form45;
