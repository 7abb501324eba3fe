// A drop-down list over a list dataset: shows the list field, keeps the key field of the chosen
// row. Choosing a row (by the user or by key) makes it the dataset's current record.
#pragma once

#include "platform/db/Dataset.h"

#include <QComboBox>
#include <QPointer>

namespace platform::ui {

class DatasetModel;

class LookupCombo : public QComboBox {
    Q_OBJECT
public:
    explicit LookupCombo(QWidget* parent = nullptr);

    // The list source; may be replaced (a box fed by another data source). The key is kept.
    void setList(db::Dataset* dataset, const QString& keyField, const QString& listField);
    db::Dataset* listDataset() const { return dataset_; }
    QString keyField() const { return keyField_; }
    QString listField() const { return listField_; }

    // Selects the row whose key equals the value; -1 (or no row with that key) selects nothing. The key is kept while
    // the list is closed and shown again when the list reopens with that row.
    void setKeyValue(qint64 key);
    // The key of the row shown, -1 when nothing is shown.
    qint64 keyValue() const;
    bool hasValue() const { return currentIndex() >= 0; }

    // What a user's choice of the row (0-based, in list order) does, for code and tests.
    void choose(int row);

    void hidePopup() override;

signals:
    // The user chose a row (mouse, keyboard or wheel).
    void keyChosen(qint64 key);
    // The drop-down list closed (whether or not the choice changed).
    void closedUp();

private:
    void listReset();
    void userActivated(int row);
    int rowOfKey(qint64 key) const;
    void showKey();

    DatasetModel* model_;
    QPointer<db::Dataset> dataset_;
    QString keyField_;
    QString listField_;
    qint64 key_ = -1; // the key asked for or chosen; -1 for none
};

} // namespace platform::ui
