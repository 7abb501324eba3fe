// Order line editor: a product with a process, its quantity, its paint colour and a price checked against its cost.
#pragma once

#include "items/Unit3.h"
#include "platform/db/Dataset.h"
#include "platform/ui/DataText.h"
#include "platform/ui/Form.h"
#include "platform/ui/LookupCombo.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

class TForm44 : public platform::ui::Form, public ItemPickCallerLine {
    Q_OBJECT
public:
    explicit TForm44(QWidget* parent = nullptr);
    void FormCreate() override;
    void FormClose() override;

    void Button1Click(); // "Записать"
    void Button5Click(); // "..." of the product: the item list in mode 5

    // What the item list writes back in mode 5.
    QLineEdit* pickItemBox() override { return Edit2; }
    QLabel* pickUnitLabel() override { return Label2; }
    void pickSetItem(qint64 itemId, int paintFlag, qint64 materialId) override;

    // Drops the product of the previous line (held ids and the cost shown).
    void forgetProduct();

    QGroupBox* GroupBox1;    // "Заявка в производство № " + order id
    QLineEdit* Edit2;        // product name (read-only)
    QPushButton* Button5;
    QLabel* Label2;          // the product's unit
    platform::ui::DataText* DBText1; // the product's cost
    QLineEdit* Edit3;        // quantity
    platform::ui::LookupCombo* LCB_ral; // paint colour
    QLineEdit* Edit1;        // price
    QPushButton* Button1;    // Записать
    QPushButton* Button2;    // Отмена

    platform::db::Dataset ral;        // the paints (items of type 3)
    platform::db::Dataset cost_price; // the cost of one item (parameter id_ii)
    platform::db::Dataset cnt_ii;     // lines of one order with one product (id_ii, id_app_doc)

    // Set by the pick: the product, whether it is painted (1) or not (0), the material of its process.
    qint64 ProductId = 0;
    int PaintFlag = 0;
    qint64 MaterialId = 0;

private:
    bool productAlreadyOrdered(int orderId);
};

extern TForm44* Form44;
