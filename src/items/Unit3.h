// Item list (ТМЦ): browse, add, change and delete items; also the item picker of the process, order-line, receipt and purchase editors.
#pragma once

#include "platform/db/Dataset.h"
#include "platform/ui/Form.h"
#include "platform/ui/Grid.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QString>

class TForm303;

// What the process editor lends the item picker: in mode 2 the product box Edit2 and the held
// product id, in mode 3 the material box Edit4 and the held material id (also the second item
// list's mode 3).
class ItemPickCallerProcess {
public:
    virtual QLineEdit* pickProductBox() = 0;
    virtual void pickSetProductId(qint64 itemId) = 0;
    virtual QLineEdit* pickMaterialBox() = 0;
    virtual void pickSetMaterialId(qint64 itemId) = 0;

protected:
    ~ItemPickCallerProcess() = default;
};

// What the receipt lines screen (mode 4) lends the item picker: the item box Edit2, ItemId and
// UnitId, and the unit label Label5.
class ItemPickCallerReceipt {
public:
    virtual QLineEdit* pickItemBox() = 0;
    virtual void pickSetItem(qint64 itemId, qint64 unitId) = 0;
    virtual QLabel* pickUnitLabel() = 0;

protected:
    ~ItemPickCallerReceipt() = default;
};

// What the order line editor (mode 5) and the purchase line editor (mode 63) lend the item picker:
// the name box Edit2, the unit label Label2, and the picked item id, its paint flag (1 painted,
// 0 not) and the material of its process.
class ItemPickCallerLine {
public:
    virtual QLineEdit* pickItemBox() = 0;
    virtual QLabel* pickUnitLabel() = 0;
    virtual void pickSetItem(qint64 itemId, int paintFlag, qint64 materialId) = 0;

protected:
    ~ItemPickCallerLine() = default;
};

// The process list as the item list's ellipsis button opens it: the held item (the product of a
// process added there). The process list implements this and sets TForm3::ProcessList when it
// is created (the item list is created before it).
class ItemProcessesList {
public:
    virtual platform::ui::Form& processesForm() = 0;
    virtual void setHeldItem(qint64 itemId, const QString& itemName) = 0;

protected:
    ~ItemProcessesList() = default;
};

class TForm3 : public platform::ui::Form {
    Q_OBJECT
public:
    // Open modes (Tag).
    static constexpr int kModeList = 0;
    static constexpr int kModeProduct = 2;     // process editor: the product
    static constexpr int kModeMaterial = 3;    // process editor: the material
    static constexpr int kModeReceipt = 4;     // receipt lines
    static constexpr int kModeOrderLine = 5;   // order line editor: a product with a process
    static constexpr int kModePurchase = 63;   // purchase line editor: a raw material

    explicit TForm3(QWidget* parent = nullptr);
    void FormCreate() override;
    void FormActivate() override;
    void FormClose() override;

    void Button1Click(); // "Добавить"
    void Button2Click(); // "Изменить", or "Выбрать" in pick mode; also a double click
    void Button3Click(); // "Удалить"
    void ProcessesClick(); // the ellipsis button of a row: the item's processes

    platform::ui::Grid* DBGridEh1;
    QPushButton* Button1;
    QPushButton* Button2;
    QPushButton* Button3;
    QLineEdit* Edit1; // search
    QPushButton* Button8;

    // Counts the processes of one item (parameter id_ii).
    platform::db::Dataset pt_cnt;

    // The nomenclature kind a new item gets, -1 for none: set by the nomenclature kinds list,
    // reset whenever this list closes.
    int HeldNomKind = -1;

    // The callers of the pick modes, set by the opener next to Tag.
    ItemPickCallerProcess* Caller2 = nullptr;
    ItemPickCallerProcess* Caller3 = nullptr;
    ItemPickCallerReceipt* Caller4 = nullptr;
    ItemPickCallerLine* Caller5 = nullptr;
    ItemPickCallerLine* Caller63 = nullptr;

    // The screen the ellipsis button opens; nothing happens while it is not set.
    ItemProcessesList* ProcessList = nullptr;

private:
    void changeItem();
    void pickForProcess(ItemPickCallerProcess* caller, bool product);
    void pickForReceipt(ItemPickCallerReceipt* caller);
    void pickForLine(ItemPickCallerLine* caller, bool needsProcess);
    bool hasProcess(qint64 itemId);
};

extern TForm3* Form3;

// The picker query: every item with its kind, type, unit, number of processes and the material of
// its process, followed by the caller's tail (a where clause, perhaps an order by).
QString itemPickerSql(const QString& tail);

// The tails of the callers.
inline const QString kPickTailProduct = QStringLiteral("where ii.id_type <> 0");   // mode 2
inline const QString kPickTailMaterial = QStringLiteral("where ii.id_type <> -1"); // mode 3
// Mode 3 on the second list, for a new process started from the item list.
inline const QString kPickTailNewProcessMaterial = QStringLiteral("where ii.id_type <> 1 and ii.id_type <> 3");
inline const QString kPickTailOrderLine = QStringLiteral("where ii.id_type <> 0 order by ii.marka"); // mode 5
inline const QString kPickFilterOrderLine = QStringLiteral("tp_cnt>0");                             // mode 5
inline const QString kPickTailPurchase = QStringLiteral("where ii.id_type = 0 order by ii.marka");  // mode 63

// An item list shown as a picker. For the life of the object the list is in pick mode: its
// "Добавить" and "Удалить" are hidden, "Изменить" reads "Выбрать", its Tag is the mode, and its
// dataset runs the picker's statement (opened, with the filter switched on when one is given).
// The destructor puts everything back as it was: buttons, caption, Tag, the statement text, the
// filter and whether the dataset was open; the callers' pointers are cleared. The caller sets its
// Caller<mode> pointer on the list before show().
//
//   Form3->Caller5 = this;
//   ItemPicker(*Form3, TForm3::kModeOrderLine, itemPickerSql(kPickTailOrderLine), kPickFilterOrderLine).show();
//
// The list must not be on screen already (use the second list, TForm303, over the first).
class ItemPicker {
public:
    ItemPicker(TForm3& list, int mode, const QString& sql, const QString& filter = {});
    ItemPicker(TForm303& list, int mode, const QString& sql);
    ~ItemPicker();
    ItemPicker(const ItemPicker&) = delete;
    ItemPicker& operator=(const ItemPicker&) = delete;

    // Shows the list modally; returns its modal result (mrOk when an item was handed back).
    int show();

private:
    struct Saved {
        QString sql;
        QString filter;
        bool filtered = false;
        bool active = false;
        QString caption;
        int tag = 0;
        bool addVisible = false;
        bool removeVisible = false;
    };
    void install(const QString& sql, const QString& filter);
    void restore() noexcept;

    platform::ui::Form& form_;
    platform::db::Dataset& dataset_;
    QPushButton* choose_;
    QPushButton* add_;    // null on the second list
    QPushButton* remove_; // null on the second list
    int mode_;
    Saved saved_;
};
