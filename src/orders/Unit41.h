// Order list: customer orders newest first; add, change and delete orders and open their lines.
#pragma once

#include "platform/db/Dataset.h"
#include "platform/ui/Form.h"
#include "platform/ui/Grid.h"

#include <QLineEdit>
#include <QPushButton>

class TForm41 : public platform::ui::Form {
    Q_OBJECT
public:
    explicit TForm41(QWidget* parent = nullptr);
    void FormCreate() override;

    void Button1Click();       // "Добавить": the header editor on a new order
    void Button2Click();       // "Изменить": the header editor on the current order
    void Button3Click();       // "Удалить": only while every line of the order is new
    void DBGridEh1DblClick();  // the order's lines (also the ellipsis button)

    platform::ui::Grid* DBGridEh1;
    QPushButton* Button1;
    QPushButton* Button2;
    QPushButton* Button3;
    QLineEdit* Edit1; // without function
    QPushButton* Button4;

    // Lines of one order that have left state 0 (parameter id_app_doc).
    platform::db::Dataset cnt_order_in;

private:
    int acceptedLines(int orderId);
};

extern TForm41* Form41;
