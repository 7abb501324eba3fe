#include "platform/ui/DatasetModel.h"

#include <QBrush>
#include <QFont>
#include <QLocale>

namespace platform::ui {

using db::Field;

namespace {

// "12.500000" -> "12.5", "3.000" -> "3"; exponent forms are left alone.
QString dropTrailingZeros(QString text)
{
    const int point = text.indexOf(QLatin1Char('.'));
    if (point < 0 || text.contains(QLatin1Char('e'), Qt::CaseInsensitive))
        return text;
    int end = text.size();
    while (end > point + 1 && text.at(end - 1) == QLatin1Char('0'))
        --end;
    if (end == point + 1)
        --end;
    text.truncate(end);
    return text;
}

QString withLocaleMark(QString text)
{
    const QString mark = QLocale().decimalPoint();
    if (mark != QLatin1String("."))
        text.replace(QLatin1Char('.'), mark);
    return text;
}

bool isNumber(Field::Type type)
{
    return type == Field::Type::Integer || type == Field::Type::Decimal || type == Field::Type::Double;
}

} // namespace

QString displayText(const Field& field, const GridColumn& format)
{
    if (field.isNull())
        return {};
    switch (field.type()) {
    case Field::Type::Boolean:
        return field.asBool() ? format.trueText : format.falseText;
    case Field::Type::Integer:
        return format.decimals > 0 ? withLocaleMark(field.asDecimal(format.decimals)) : field.asString();
    case Field::Type::Decimal:
    case Field::Type::Double:
        return withLocaleMark(format.decimals >= 0 ? field.asDecimal(format.decimals)
                                                   : dropTrailingZeros(field.asString()));
    default:
        return field.asString();
    }
}

DatasetModel::DatasetModel(db::Dataset* dataset, QObject* parent) : QAbstractTableModel(parent)
{
    setDataset(dataset);
}

void DatasetModel::setDataset(db::Dataset* dataset)
{
    beginResetModel();
    QObject::disconnect(resetConnection_);
    dataset_ = dataset;
    if (dataset)
        resetConnection_ = connect(dataset, &db::Dataset::reset, this, &DatasetModel::datasetReset);
    rows_ = dataset ? dataset->recordCount() : 0;
    resolveFields();
    endResetModel();
}

void DatasetModel::datasetReset()
{
    // The dataset has replaced its visible rows: tell the views, reading nothing row by row.
    beginResetModel();
    rows_ = dataset_ ? dataset_->recordCount() : 0;
    resolveFields();
    endResetModel();
}

void DatasetModel::resolveFields()
{
    fieldIndex_.assign(columns_.size(), -1);
    if (!dataset_ || !dataset_->active())
        return;
    for (std::size_t i = 0; i < columns_.size(); ++i)
        if (!columns_[i].field.isEmpty())
            fieldIndex_[i] = dataset_->fieldIndex(columns_[i].field);
}

int DatasetModel::addColumn(const GridColumn& column)
{
    const int index = int(columns_.size());
    beginInsertColumns({}, index, index);
    columns_.push_back(column);
    int field = -1;
    if (dataset_ && dataset_->active() && !column.field.isEmpty())
        field = dataset_->fieldIndex(column.field);
    fieldIndex_.push_back(field);
    endInsertColumns();
    return index;
}

void DatasetModel::clearColumns()
{
    beginResetModel();
    columns_.clear();
    fieldIndex_.clear();
    endResetModel();
}

void DatasetModel::setColumn(int index, const GridColumn& column)
{
    columns_.at(std::size_t(index)) = column;
    fieldIndex_[std::size_t(index)] = -1;
    if (dataset_ && dataset_->active() && !column.field.isEmpty())
        fieldIndex_[std::size_t(index)] = dataset_->fieldIndex(column.field);
    emit headerDataChanged(Qt::Horizontal, index, index);
    if (rows_ > 0)
        emit dataChanged(this->index(0, index), this->index(rows_ - 1, index));
}

int DatasetModel::columnOfField(const QString& field) const
{
    for (std::size_t i = 0; i < columns_.size(); ++i)
        if (columns_[i].field.compare(field, Qt::CaseInsensitive) == 0)
            return int(i);
    return -1;
}

int DatasetModel::fieldIndexOf(int column) const
{
    if (column < 0 || std::size_t(column) >= fieldIndex_.size())
        return -1;
    return fieldIndex_[std::size_t(column)];
}

void DatasetModel::setRowBackground(RowColourHook hook)
{
    background_ = std::move(hook);
    if (rows_ > 0)
        emit dataChanged(index(0, 0), index(rows_ - 1, columnCount() - 1), {Qt::BackgroundRole});
}

void DatasetModel::setRowForeground(RowColourHook hook)
{
    foreground_ = std::move(hook);
    if (rows_ > 0)
        emit dataChanged(index(0, 0), index(rows_ - 1, columnCount() - 1), {Qt::ForegroundRole});
}

int DatasetModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : rows_;
}

int DatasetModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(columns_.size());
}

QVariant DatasetModel::data(const QModelIndex& index, int role) const
{
    // Painting must never throw: a failing row hook or field read leaves the cell plain.
    try {
        return cellData(index, role);
    } catch (...) {
        return {};
    }
}

QVariant DatasetModel::cellData(const QModelIndex& index, int role) const
{
    if (!index.isValid() || !dataset_ || index.row() >= rows_ || index.row() >= dataset_->recordCount())
        return {};
    const int row = index.row();
    const GridColumn& column = columns_[std::size_t(index.column())];
    const int field = fieldIndex_[std::size_t(index.column())];

    switch (role) {
    case Qt::DisplayRole:
        return field < 0 ? QVariant() : QVariant(displayText(dataset_->fieldAt(row, field), column));
    case Qt::TextAlignmentRole: {
        if (column.alignment)
            return QVariant::fromValue(*column.alignment | Qt::AlignVCenter);
        const bool number = field >= 0 && isNumber(dataset_->fieldAt(row, field).type());
        return QVariant::fromValue((number ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    }
    case Qt::BackgroundRole:
        if (background_)
            if (const auto colour = background_(row))
                return QBrush(*colour);
        return {};
    case Qt::ForegroundRole:
        if (foreground_)
            if (const auto colour = foreground_(row))
                return QBrush(*colour);
        return {};
    case Qt::FontRole:
        if (column.bold) {
            QFont font;
            font.setBold(true);
            return font;
        }
        return {};
    default:
        return {};
    }
}

QVariant DatasetModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (role) {
    case Qt::DisplayRole:
        return columns_[std::size_t(section)].title;
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    case Qt::FontRole: {
        QFont font;
        font.setBold(true);
        return font;
    }
    default:
        return {};
    }
}

Qt::ItemFlags DatasetModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

} // namespace platform::ui
