// A table model over a Dataset: reads the dataset's visible rows on demand (never copies them),
// columns declared with field, title, width, alignment, number format; per-row colour hooks.
#pragma once

#include "platform/db/Dataset.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QPointer>
#include <functional>
#include <optional>
#include <vector>

namespace platform::ui {

// The two light backgrounds the lists colour rows with.
inline const QColor kPaleGreen{238, 255, 238};
inline const QColor kPaleRed{255, 238, 238};

struct GridColumn {
    QString field;                          // dataset field; empty for a column without a field
    QString title;
    int width = 0;                          // pixels; 0 = the grid's default
    std::optional<Qt::Alignment> alignment; // default: numbers right, everything else left
    bool visible = true;
    int decimals = -1;                      // numbers: fixed fractional digits; -1 = as stored, trailing zeros dropped
    bool ellipsis = false;                  // draws a "..." cell button
    bool bold = false;
    QString trueText = QStringLiteral("1"); // how a boolean field reads
    QString falseText = QStringLiteral("0");
};

// A field value as a person reads it in a grid or a data text: numbers with the locale's decimal
// mark, dates dd.MM.yyyy, booleans as the column's texts, "" for null.
QString displayText(const db::Field& field, const GridColumn& format = {});

// Colour for a visible row (0-based), or nullopt for the normal colour.
using RowColourHook = std::function<std::optional<QColor>(int visibleRow)>;

class DatasetModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit DatasetModel(db::Dataset* dataset = nullptr, QObject* parent = nullptr);

    void setDataset(db::Dataset* dataset);
    db::Dataset* dataset() const { return dataset_; }

    int addColumn(const GridColumn& column); // returns its index
    void clearColumns();
    const GridColumn& column(int index) const { return columns_.at(std::size_t(index)); }
    void setColumn(int index, const GridColumn& column);
    int columnOfField(const QString& field) const; // -1 when no column shows it
    const std::vector<GridColumn>& columns() const { return columns_; }

    void setRowBackground(RowColourHook hook);
    void setRowForeground(RowColourHook hook);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // The dataset's field index shown by a column (-1 when none or the dataset lacks it).
    int fieldIndexOf(int column) const;

private:
    QVariant cellData(const QModelIndex& index, int role) const;
    void datasetReset();
    void resolveFields();

    QPointer<db::Dataset> dataset_;
    std::vector<GridColumn> columns_;
    std::vector<int> fieldIndex_; // per column, resolved when the dataset's fields change
    int rows_ = 0;
    RowColourHook background_;
    RowColourHook foreground_;
    QMetaObject::Connection resetConnection_;
};

} // namespace platform::ui
