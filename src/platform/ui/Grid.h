// The list grid: a table view over a dataset with whole-row selection, bold centred titles,
// ellipsis cell buttons, per-row colours, title-click and double-click signals, and the current
// row kept in step with the dataset's record number both ways.
#pragma once

#include "platform/ui/DatasetModel.h"

#include <QList>
#include <QPersistentModelIndex>
#include <QTableView>

namespace platform::ui {

class Grid : public QTableView {
    Q_OBJECT
public:
    explicit Grid(QWidget* parent = nullptr);
    explicit Grid(db::Dataset* dataset, QWidget* parent = nullptr);

    // The dataset shown; may be replaced (a grid bound to another data source).
    void setDataset(db::Dataset* dataset);
    db::Dataset* dataset() const { return model_->dataset(); }
    DatasetModel* datasetModel() const { return model_; }

    int addColumn(const GridColumn& column); // returns the column's index
    int addColumn(const QString& field, const QString& title, int width = 0);
    // A narrow column without field or title that shows a "..." button in every row.
    int addEllipsisColumn(int width = 22);
    const GridColumn& gridColumn(int column) const { return model_->column(column); }
    void setGridColumn(int column, const GridColumn& definition);
    void setColumnVisible(int column, bool visible);
    int columnOfField(const QString& field) const { return model_->columnOfField(field); }

    void setRowBackground(RowColourHook hook) { model_->setRowBackground(std::move(hook)); }
    void setRowForeground(RowColourHook hook) { model_->setRowForeground(std::move(hook)); }

    // Several rows can be marked (Ctrl/Shift + click); moving the record number keeps the marks.
    void setMultiSelect(bool on);
    bool multiSelect() const { return multiSelect_; }
    QList<int> markedRows() const; // visible rows, ascending
    void setRowMarked(int row, bool marked);
    void clearMarks();

    // The current visible row (0-based), -1 when none.
    int currentRow() const;
    // The rectangle of a cell's "..." button in viewport coordinates (empty when none).
    QRect ellipsisRect(int row, int column) const;

    // What a user's click does, for code and tests that act as the user.
    void clickEllipsis(int row, int column);
    void clickTitle(int column);
    void doubleClickRow(int row);

signals:
    void titleClicked(int column, const QString& field);
    // The "..." button of a cell was clicked; the row is current (and is the dataset's record) by then.
    void ellipsisClicked(int row, int column);
    // A cell was double-clicked; the row is current by then.
    void rowDoubleClicked(int row);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

private:
    void setUp();
    void applyColumnLayout(int column);
    void followRecNo(int recNo);
    void afterModelReset();
    void makeCurrent(int row);
    bool hitsEllipsis(const QModelIndex& index, const QPoint& pos) const;

    DatasetModel* model_;
    QMetaObject::Connection recNoConnection_;
    QPersistentModelIndex pressedButton_;
    bool multiSelect_ = false;
    bool syncing_ = false;
};

} // namespace platform::ui
