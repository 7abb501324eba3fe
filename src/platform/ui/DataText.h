// A label showing one field of a dataset's current row; follows the record number and reopening.
#pragma once

#include "platform/db/Dataset.h"
#include "platform/ui/DatasetModel.h"

#include <QLabel>
#include <QPointer>

namespace platform::ui {

class DataText : public QLabel {
    Q_OBJECT
public:
    explicit DataText(QWidget* parent = nullptr);

    // The field shown; may be replaced (a label bound to another data source).
    void setSource(db::Dataset* dataset, const QString& field);
    db::Dataset* dataset() const { return dataset_; }
    QString field() const { return field_; }
    // Number format and boolean texts, as for a grid column (its field and title are ignored).
    void setFormat(const GridColumn& format);

    // Reads the current row again (done on its own when the dataset moves or reopens).
    void refresh();

private:
    QPointer<db::Dataset> dataset_;
    QString field_;
    GridColumn format_;
    QMetaObject::Connection resetConnection_;
    QMetaObject::Connection moveConnection_;
};

} // namespace platform::ui
