#include "platform/ui/LookupCombo.h"

#include "platform/ui/DatasetModel.h"
#include "platform/ui/Handler.h"

#include <QListView>

namespace platform::ui {

LookupCombo::LookupCombo(QWidget* parent) : QComboBox(parent), model_(new DatasetModel(nullptr, this))
{
    setEditable(false);
    // Long lists: no measuring of every entry for the size hint or the drop-down.
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(12);
    if (auto* list = qobject_cast<QListView*>(view()))
        list->setUniformItemSizes(true);
    setModel(model_);
    setModelColumn(0);
    setCurrentIndex(-1);
    // After QComboBox's own handling of the reset (which picks some row), show the kept key.
    connect(model_, &QAbstractItemModel::modelReset, this, [this] { runGuarded([this] { listReset(); }); });
    connect(this, qOverload<int>(&QComboBox::activated), this,
            [this](int row) { runGuarded([this, row] { userActivated(row); }); });
}

void LookupCombo::setList(db::Dataset* dataset, const QString& keyField, const QString& listField)
{
    dataset_ = dataset;
    keyField_ = keyField;
    listField_ = listField;
    model_->clearColumns();
    GridColumn column;
    column.field = listField;
    model_->addColumn(column);
    model_->setDataset(dataset); // resets: the kept key is shown again
}

void LookupCombo::setKeyValue(qint64 key)
{
    key_ = key < 0 ? -1 : key;
    showKey();
}

qint64 LookupCombo::keyValue() const
{
    const int row = currentIndex();
    if (row < 0 || !dataset_ || !dataset_->active() || row >= dataset_->recordCount())
        return -1;
    return dataset_->fieldAt(row, keyField_).asInt64();
}

void LookupCombo::choose(int row)
{
    if (row < 0 || row >= count())
        return;
    setCurrentIndex(row);
    userActivated(row);
}

void LookupCombo::hidePopup()
{
    QComboBox::hidePopup();
    emit closedUp();
}

void LookupCombo::listReset()
{
    showKey();
}

void LookupCombo::userActivated(int row)
{
    if (row < 0 || !dataset_ || !dataset_->active() || row >= dataset_->recordCount())
        return;
    key_ = dataset_->fieldAt(row, keyField_).asInt64();
    dataset_->setRecNo(row + 1);
    emit keyChosen(key_);
}

int LookupCombo::rowOfKey(qint64 key) const
{
    if (key == -1 || !dataset_ || !dataset_->active() || dataset_->fieldIndex(keyField_) < 0)
        return -1;
    const int column = dataset_->fieldIndex(keyField_);
    const int rows = dataset_->recordCount();
    for (int row = 0; row < rows; ++row) {
        const db::Field field = dataset_->fieldAt(row, column);
        if (!field.isNull() && field.asInt64() == key)
            return row;
    }
    return -1;
}

void LookupCombo::showKey()
{
    const int row = rowOfKey(key_);
    setCurrentIndex(row);
    if (row >= 0 && dataset_->recNo() != row + 1)
        dataset_->setRecNo(row + 1);
}

} // namespace platform::ui
