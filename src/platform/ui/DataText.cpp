#include "platform/ui/DataText.h"

#include "platform/ui/Handler.h"

namespace platform::ui {

DataText::DataText(QWidget* parent) : QLabel(parent) {}

void DataText::setSource(db::Dataset* dataset, const QString& field)
{
    QObject::disconnect(resetConnection_);
    QObject::disconnect(moveConnection_);
    dataset_ = dataset;
    field_ = field;
    if (dataset) {
        resetConnection_ = connect(dataset, &db::Dataset::reset, this, [this] { runGuarded([this] { refresh(); }); });
        moveConnection_ =
            connect(dataset, &db::Dataset::recNoChanged, this, [this] { runGuarded([this] { refresh(); }); });
    }
    refresh();
}

void DataText::setFormat(const GridColumn& format)
{
    format_ = format;
    refresh();
}

void DataText::refresh()
{
    if (!dataset_ || !dataset_->active() || dataset_->recNo() < 1 || dataset_->fieldIndex(field_) < 0) {
        setText(QString());
        return;
    }
    setText(displayText(dataset_->field(field_), format_));
}

} // namespace platform::ui
