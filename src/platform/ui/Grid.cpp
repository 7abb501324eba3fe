#include "platform/ui/Grid.h"

#include <QApplication>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>

#include <algorithm>

namespace platform::ui {

namespace {

constexpr int kButtonWidth = 18;

// The "..." button inside a cell: at the right of a column that shows a field, filling a
// column without a field.
QRect buttonRectIn(const QRect& cell, const GridColumn& column)
{
    if (column.field.isEmpty())
        return cell.adjusted(1, 1, -1, -1);
    const int width = std::min(cell.width() - 2, kButtonWidth);
    return QRect(cell.right() - width, cell.top() + 1, width, cell.height() - 2);
}

// Paints selected rows in the active colours even when the grid has no focus, and draws the
// ellipsis buttons.
class GridDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        option->state |= QStyle::State_Active;
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const auto* model = qobject_cast<const DatasetModel*>(index.model());
        if (!model || !model->column(index.column()).ellipsis) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        const GridColumn& column = model->column(index.column());
        const QWidget* widget = option.widget;
        QStyle* style = widget ? widget->style() : QApplication::style();

        QStyleOptionViewItem cell(option);
        initStyleOption(&cell, index);
        const QRect button = buttonRectIn(option.rect, column);
        // Background over the whole cell (selection, row colour), then the text beside the button.
        QStyleOptionViewItem background(cell);
        background.text.clear();
        style->drawControl(QStyle::CE_ItemViewItem, &background, painter, widget);
        if (!column.field.isEmpty()) {
            QStyleOptionViewItem text(cell);
            text.rect.setRight(button.left() - 1);
            style->drawControl(QStyle::CE_ItemViewItem, &text, painter, widget);
        }
        QStyleOptionButton push;
        push.rect = button;
        push.text = QStringLiteral("...");
        push.state = QStyle::State_Enabled | QStyle::State_Raised | QStyle::State_Active;
        push.palette = option.palette;
        push.fontMetrics = option.fontMetrics;
        style->drawControl(QStyle::CE_PushButton, &push, painter, widget);
    }
};

} // namespace

Grid::Grid(QWidget* parent) : Grid(nullptr, parent) {}

Grid::Grid(db::Dataset* dataset, QWidget* parent) : QTableView(parent), model_(new DatasetModel(dataset, this))
{
    setUp();
    setDataset(dataset);
}

void Grid::setUp()
{
    setModel(model_);
    setItemDelegate(new GridDelegate(this));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setShowGrid(true);
    setWordWrap(false);
    setTabKeyNavigation(false);
    setAlternatingRowColors(false);

    // Uniform row heights: nothing is measured per row, so 100,000 rows cost nothing on reset.
    QHeaderView* rows = verticalHeader();
    rows->hide();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(fontMetrics().height() + 6);

    QHeaderView* titles = horizontalHeader();
    titles->setDefaultAlignment(Qt::AlignCenter);
    titles->setSectionsClickable(true);
    titles->setHighlightSections(false);
    titles->setSectionResizeMode(QHeaderView::Interactive);
    titles->setStretchLastSection(false);

    connect(titles, &QHeaderView::sectionClicked, this, &Grid::clickTitle);
    connect(model_, &QAbstractItemModel::modelReset, this, &Grid::afterModelReset);
    connect(this, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.isValid())
            emit rowDoubleClicked(index.row());
    });
}

void Grid::setDataset(db::Dataset* dataset)
{
    QObject::disconnect(recNoConnection_);
    if (model_->dataset() != dataset)
        model_->setDataset(dataset);
    if (dataset)
        recNoConnection_ = connect(dataset, &db::Dataset::recNoChanged, this, &Grid::followRecNo);
    afterModelReset();
}

int Grid::addColumn(const GridColumn& column)
{
    const int index = model_->addColumn(column);
    applyColumnLayout(index);
    if (!currentIndex().isValid()) {
        // The first column gives the current record a cell to stand on.
        db::Dataset* ds = dataset();
        followRecNo(ds && ds->active() ? ds->recNo() : 0);
    }
    return index;
}

int Grid::addColumn(const QString& field, const QString& title, int width)
{
    GridColumn column;
    column.field = field;
    column.title = title;
    column.width = width;
    return addColumn(column);
}

int Grid::addEllipsisColumn(int width)
{
    GridColumn column;
    column.width = width;
    column.ellipsis = true;
    return addColumn(column);
}

void Grid::setGridColumn(int column, const GridColumn& definition)
{
    model_->setColumn(column, definition);
    applyColumnLayout(column);
}

void Grid::setColumnVisible(int column, bool visible)
{
    GridColumn definition = model_->column(column);
    definition.visible = visible;
    model_->setColumn(column, definition);
    setColumnHidden(column, !visible);
}

void Grid::applyColumnLayout(int column)
{
    const GridColumn& definition = model_->column(column);
    if (definition.width > 0)
        setColumnWidth(column, definition.width);
    setColumnHidden(column, !definition.visible);
}

void Grid::afterModelReset()
{
    for (int c = 0; c < model_->columnCount(); ++c)
        applyColumnLayout(c);
    db::Dataset* ds = dataset();
    followRecNo(ds && ds->active() ? ds->recNo() : 0);
}

void Grid::followRecNo(int recNo)
{
    if (syncing_)
        return;
    const int row = recNo - 1;
    syncing_ = true;
    if (row < 0 || row >= model_->rowCount()) {
        if (!multiSelect_)
            selectionModel()->clearSelection();
        selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    } else {
        const int column = std::max(0, currentIndex().column());
        const QModelIndex index = model_->index(row, column);
        selectionModel()->setCurrentIndex(index, multiSelect_ ? QItemSelectionModel::NoUpdate
                                                              : QItemSelectionModel::ClearAndSelect
                                                                    | QItemSelectionModel::Rows);
        scrollTo(index);
    }
    syncing_ = false;
}

void Grid::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    QTableView::currentChanged(current, previous);
    db::Dataset* ds = dataset();
    if (syncing_ || !current.isValid() || !ds || !ds->active() || current.row() == previous.row())
        return;
    syncing_ = true;
    ds->setRecNo(current.row() + 1);
    syncing_ = false;
}

void Grid::makeCurrent(int row)
{
    if (row < 0 || row >= model_->rowCount())
        return;
    const QModelIndex index = model_->index(row, std::max(0, currentIndex().column()));
    selectionModel()->setCurrentIndex(index, multiSelect_ ? QItemSelectionModel::NoUpdate
                                                          : QItemSelectionModel::ClearAndSelect
                                                                | QItemSelectionModel::Rows);
    // The dataset follows through currentChanged; make sure even when the row was current already.
    db::Dataset* ds = dataset();
    if (ds && ds->active() && ds->recNo() != row + 1) {
        syncing_ = true;
        ds->setRecNo(row + 1);
        syncing_ = false;
    }
}

void Grid::setMultiSelect(bool on)
{
    multiSelect_ = on;
    setSelectionMode(on ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection);
}

QList<int> Grid::markedRows() const
{
    QList<int> rows;
    for (const QModelIndex& index : selectionModel()->selectedRows())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

void Grid::setRowMarked(int row, bool marked)
{
    if (row < 0 || row >= model_->rowCount())
        return;
    selectionModel()->select(model_->index(row, 0), (marked ? QItemSelectionModel::Select
                                                             : QItemSelectionModel::Deselect)
                                                          | QItemSelectionModel::Rows);
}

void Grid::clearMarks()
{
    selectionModel()->clearSelection();
}

int Grid::currentRow() const
{
    const QModelIndex index = currentIndex();
    return index.isValid() ? index.row() : -1;
}

QRect Grid::ellipsisRect(int row, int column) const
{
    if (column < 0 || column >= model_->columnCount() || !model_->column(column).ellipsis)
        return {};
    const QRect cell = visualRect(model_->index(row, column));
    return cell.isEmpty() ? QRect() : buttonRectIn(cell, model_->column(column));
}

bool Grid::hitsEllipsis(const QModelIndex& index, const QPoint& pos) const
{
    return index.isValid() && ellipsisRect(index.row(), index.column()).contains(pos);
}

void Grid::clickEllipsis(int row, int column)
{
    if (row < 0 || row >= model_->rowCount() || !model_->column(column).ellipsis)
        return;
    makeCurrent(row);
    emit ellipsisClicked(row, column);
}

void Grid::clickTitle(int column)
{
    if (column < 0 || column >= model_->columnCount())
        return;
    emit titleClicked(column, model_->column(column).field);
}

void Grid::doubleClickRow(int row)
{
    if (row < 0 || row >= model_->rowCount())
        return;
    makeCurrent(row);
    emit rowDoubleClicked(row);
}

void Grid::mousePressEvent(QMouseEvent* event)
{
    const QModelIndex index = indexAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && hitsEllipsis(index, event->position().toPoint())) {
        // The button acts on release, like a push button; the row becomes current at once.
        makeCurrent(index.row());
        pressedButton_ = index;
        event->accept();
        return;
    }
    QTableView::mousePressEvent(event);
}

void Grid::mouseReleaseEvent(QMouseEvent* event)
{
    if (pressedButton_.isValid()) {
        const QModelIndex pressed = pressedButton_;
        pressedButton_ = QPersistentModelIndex();
        event->accept();
        const QModelIndex index = indexAt(event->position().toPoint());
        if (event->button() == Qt::LeftButton && index == pressed && hitsEllipsis(index, event->position().toPoint()))
            emit ellipsisClicked(index.row(), index.column());
        return;
    }
    QTableView::mouseReleaseEvent(event);
}

void Grid::mouseDoubleClickEvent(QMouseEvent* event)
{
    const QModelIndex index = indexAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && hitsEllipsis(index, event->position().toPoint())) {
        // A quick second click on a button is another press of the button, not a double click.
        mousePressEvent(event);
        return;
    }
    QTableView::mouseDoubleClickEvent(event);
}

} // namespace platform::ui
