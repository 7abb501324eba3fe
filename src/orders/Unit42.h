// Order lines: the order's header read-only and its lines (new ones pale red); add lines, delete new ones.
#pragma once

#include "platform/db/Dataset.h"
#include "platform/ui/Form.h"
#include "platform/ui/Grid.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

class TForm42 : public platform::ui::Form {
    Q_OBJECT
public:
    explicit TForm42(QWidget* parent = nullptr);
    void FormCreate() override;
    void FormActivate() override;

    void Button1Click(); // "Добавить": the line editor
    void Button3Click(); // "Удалить": only a line production has not accepted

    // The header: the current order of the order list, shown read-only.
    QGroupBox* GroupBox1;
    QLineEdit* DBEdit1; // Номер
    QLineEdit* DBEdit2; // Дата пр-ва
    QLineEdit* DBEdit3; // Контрагент
    QLineEdit* DBEdit4; // Дата отгр.
    QLineEdit* DBEdit5; // Исполнитель
    QLabel* Label6;     // Спецификация:

    platform::ui::Grid* DBGridEh1;
    QPushButton* Button1;
    QPushButton* Button3;
    QLineEdit* Edit2; // without function
    QPushButton* Button4;

    // The lines of one order (parameter id_app_doc).
    platform::db::Dataset app_spec;

    // The order whose lines are shown, set by the order list.
    int HeldOrderId = 0;

private:
    void showHeader();
};

extern TForm42* Form42;
