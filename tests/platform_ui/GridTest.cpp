// Data-bound controls over datasets opened on a real database: grid, lookup combo, data text.
#include "platform/db/Dataset.h"
#include "platform/ui/DataText.h"
#include "platform/ui/DatePicker.h"
#include "platform/ui/Grid.h"
#include "platform/ui/LookupCombo.h"
#include "support/ScreenTest.h"
#include "support/Screenshot.h"
#include "support/TestDatabase.h"

#include <QApplication>
#include <QBrush>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QHBoxLayout>
#include <QVBoxLayout>

using namespace platform::ui;
using platform::db::Dataset;

namespace {

// Sends a left click (press and release) at a point of a widget.
void click(QWidget* widget, QPoint pos)
{
    const QPointF local(pos);
    const QPointF global(widget->mapToGlobal(pos));
    QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &release);
}

const char* kWorkers = R"(
    select * from (values
        (1, 'Иванов Иван Иванович', 12.500000::numeric(28,6), true, date '2023-10-18', 0),
        (2, 'Петрова Анна Сергеевна', 3.000000::numeric(28,6), false, null, 1),
        (3, 'Сидоров Пётр', 0.125000::numeric(28,6), true, date '2024-01-05', 0),
        (4, 'Ёлкин Фёдор', null, null, null, 2)
    ) as t(id, s_caption, cnt, b_ok, d_date, state) order by id)";

class DataControlsTest : public testsupport::DbTest {
protected:
    void SetUp() override
    {
        DbTest::SetUp();
        QLocale::setDefault(QLocale::c());
        dataset = std::make_unique<Dataset>(*conn);
        dataset->setSql(kWorkers);
        dataset->open();
    }
    void TearDown() override
    {
        QLocale::setDefault(QLocale::system());
        dataset.reset();
        DbTest::TearDown();
    }
    // A grid over the workers with the usual columns, laid out on screen (offscreen).
    std::unique_ptr<Grid> makeGrid()
    {
        auto grid = std::make_unique<Grid>(dataset.get());
        grid->addColumn("s_caption", "ФИО", 220);
        grid->addColumn("cnt", "Кол-во", 80);
        grid->addColumn("b_ok", "OK", 40);
        grid->addColumn("d_date", "Дата", 90);
        grid->addEllipsisColumn();
        grid->resize(520, 200);
        grid->show();
        return grid;
    }
    QString cell(Grid& grid, int row, int column, int role = Qt::DisplayRole)
    {
        return grid.model()->index(row, column).data(role).toString();
    }

    testsupport::ScriptedUi ui;
    std::unique_ptr<Dataset> dataset;
};

TEST_F(DataControlsTest, GridShowsTheDatasetRowsWithFormattedValues)
{
    auto grid = makeGrid();
    GridColumn fixed;
    fixed.field = "cnt";
    fixed.title = "Кол-во";
    fixed.decimals = 2;
    const int fixedColumn = grid->addColumn(fixed);

    ASSERT_EQ(grid->model()->rowCount(), 4);
    EXPECT_EQ(cell(*grid, 1, 0), "Петрова Анна Сергеевна");
    EXPECT_EQ(cell(*grid, 0, 1), "12.5");
    EXPECT_EQ(cell(*grid, 1, 1), "3");
    EXPECT_EQ(cell(*grid, 2, fixedColumn), "0.13");
    EXPECT_EQ(cell(*grid, 0, 2), "1");
    EXPECT_EQ(cell(*grid, 1, 2), "0");
    EXPECT_EQ(cell(*grid, 0, 3), "18.10.2023");
    EXPECT_EQ(cell(*grid, 3, 1), "");
    EXPECT_EQ(cell(*grid, 3, 4), "") << "a column without a field shows nothing";

    const auto alignment = [&](int column) {
        return grid->model()->index(0, column).data(Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignHorizontal_Mask;
    };
    EXPECT_EQ(alignment(1), Qt::AlignRight) << "numbers";
    EXPECT_EQ(alignment(0), Qt::AlignLeft) << "text";

    EXPECT_EQ(grid->model()->headerData(0, Qt::Horizontal).toString(), "ФИО");
    EXPECT_TRUE(grid->model()->headerData(0, Qt::Horizontal, Qt::FontRole).value<QFont>().bold());
    EXPECT_EQ(grid->model()->headerData(0, Qt::Horizontal, Qt::TextAlignmentRole).value<Qt::Alignment>(), Qt::AlignCenter);
    EXPECT_EQ(grid->columnWidth(0), 220);

    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    EXPECT_EQ(cell(*grid, 0, 1), "12,5") << "the workstation's decimal mark";

    // Reopening with fewer rows (a filter) resets the grid.
    dataset->setFilter("state = 0");
    dataset->setFiltered(true);
    EXPECT_EQ(grid->model()->rowCount(), 2);
    EXPECT_EQ(cell(*grid, 1, 0), "Сидоров Пётр");
    dataset->close();
    EXPECT_EQ(grid->model()->rowCount(), 0);
}

TEST_F(DataControlsTest, GridCurrentRowFollowsTheRecordNumberBothWays)
{
    auto grid = makeGrid();
    EXPECT_EQ(grid->currentRow(), 0);

    dataset->setRecNo(3);
    EXPECT_EQ(grid->currentRow(), 2);
    EXPECT_EQ(grid->markedRows(), QList<int>({2}));

    // The user clicks a row.
    click(grid->viewport(), grid->visualRect(grid->model()->index(1, 0)).center());
    EXPECT_EQ(dataset->recNo(), 2);
    EXPECT_EQ(dataset->field("s_caption").asString(), "Петрова Анна Сергеевна");

    // The user moves with the keyboard.
    grid->setFocus();
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QApplication::sendEvent(grid.get(), &down);
    EXPECT_EQ(dataset->recNo(), 3);

    // Reopening goes back to the first row; a refresh returning to a row moves the grid with it.
    dataset->close();
    dataset->open();
    EXPECT_EQ(grid->currentRow(), 0);
    dataset->setRecNo(4);
    EXPECT_EQ(grid->currentRow(), 3);
}

TEST_F(DataControlsTest, GridSignalsTitleClicksDoubleClicksAndEllipsisButtons)
{
    auto grid = makeGrid();
    std::vector<std::pair<int, QString>> titles;
    std::vector<std::pair<int, int>> buttons;
    std::vector<int> doubles;
    QObject::connect(grid.get(), &Grid::titleClicked, [&](int c, const QString& f) { titles.emplace_back(c, f); });
    QObject::connect(grid.get(), &Grid::ellipsisClicked, [&](int r, int c) {
        EXPECT_EQ(dataset->recNo(), r + 1) << "the row is current when the handler runs";
        buttons.emplace_back(r, c);
    });
    QObject::connect(grid.get(), &Grid::rowDoubleClicked, [&](int r) { doubles.push_back(r); });

    QHeaderView* header = grid->horizontalHeader();
    click(header->viewport(), QPoint(header->sectionViewportPosition(1) + 10, header->height() / 2));
    ASSERT_EQ(titles.size(), 1u);
    EXPECT_EQ(titles[0], std::make_pair(1, QString("cnt")));

    const QRect button = grid->ellipsisRect(2, 4);
    ASSERT_FALSE(button.isEmpty());
    click(grid->viewport(), button.center());
    ASSERT_EQ(buttons.size(), 1u);
    EXPECT_EQ(buttons[0], std::make_pair(2, 4));
    EXPECT_EQ(dataset->recNo(), 3);
    // A click in the same cell beside a field column's button is an ordinary click.
    click(grid->viewport(), grid->visualRect(grid->model()->index(1, 0)).center());
    EXPECT_EQ(buttons.size(), 1u);

    grid->doubleClickRow(3);
    EXPECT_EQ(doubles, std::vector<int>({3}));
    EXPECT_EQ(dataset->recNo(), 4);
}

TEST_F(DataControlsTest, GridColoursRowsThroughTheHookAndKeepsMarks)
{
    auto grid = makeGrid();
    grid->setRowBackground([this](int row) -> std::optional<QColor> {
        if (dataset->fieldAt(row, "state").asInt() == 0)
            return kPaleRed;
        return std::nullopt;
    });
    const auto background = [&](int row) { return grid->model()->index(row, 1).data(Qt::BackgroundRole); };
    EXPECT_EQ(background(0).value<QBrush>().color(), kPaleRed);
    EXPECT_FALSE(background(1).isValid());
    EXPECT_EQ(background(2).value<QBrush>().color(), kPaleRed);

    grid->setMultiSelect(true);
    grid->clearMarks();
    grid->setRowMarked(0, true);
    grid->setRowMarked(3, true);
    dataset->setRecNo(2); // walking the marked rows must not lose the marks
    dataset->setRecNo(4);
    EXPECT_EQ(grid->markedRows(), QList<int>({0, 3}));
    EXPECT_EQ(grid->currentRow(), 3);
}

TEST_F(DataControlsTest, GridOverAHundredThousandRowsJumpsToTheLastRow)
{
    Dataset big(*conn);
    big.setSql("select g as id, 'Позиция № ' || g as s_caption from generate_series(1, 100000) g");
    big.open();
    Grid grid(&big);
    grid.addColumn("id", "№", 80);
    grid.addColumn("s_caption", "Наименование", 200);
    grid.resize(320, 240);
    grid.show();

    ASSERT_EQ(grid.model()->rowCount(), 100000);
    big.last();
    EXPECT_EQ(grid.currentRow(), 99999);
    EXPECT_TRUE(grid.viewport()->rect().intersects(grid.visualRect(grid.model()->index(99999, 0))))
        << "scrolled to the current row";
    EXPECT_EQ(grid.model()->index(99999, 1).data().toString(), "Позиция № 100000");
}

TEST_F(DataControlsTest, LookupComboKeyAndSelectionFollowEachOther)
{
    Dataset paints(*conn);
    paints.setSql("select * from (values (0, 'Без окраски'), (5, 'RAL 1015 Слоновая кость'), (7, 'RAL 3020 Красный'),"
                  " (9, 'RAL 5005 Синий')) as t(id, s_code) order by id");
    paints.open();
    LookupCombo combo;
    combo.setList(&paints, "id", "s_code");
    EXPECT_FALSE(combo.hasValue()) << "nothing is chosen at first";

    struct Case {
        qint64 key;
        int index;
        QString text;
        qint64 keyValue;
    };
    const Case cases[] = {
        {7, 2, "RAL 3020 Красный", 7},
        {-1, -1, "", -1},
        {9, 3, "RAL 5005 Синий", 9},
        {0, 0, "Без окраски", 0}, // 0 is a key like any other (item type 0, result 0)
        {42, -1, "", -1},
    };
    for (const Case& c : cases) {
        combo.setKeyValue(c.key);
        EXPECT_EQ(combo.currentIndex(), c.index) << "key " << c.key;
        EXPECT_EQ(combo.currentText(), c.text) << "key " << c.key;
        EXPECT_EQ(combo.keyValue(), c.keyValue) << "key " << c.key;
        EXPECT_EQ(combo.hasValue(), c.index >= 0) << "key " << c.key;
    }

    combo.setKeyValue(5);
    EXPECT_EQ(paints.recNo(), 2) << "choosing a row makes it the list's current record";

    std::vector<qint64> chosen;
    QObject::connect(&combo, &LookupCombo::keyChosen, [&](qint64 key) { chosen.push_back(key); });
    combo.choose(3);
    EXPECT_EQ(chosen, std::vector<qint64>({9}));
    EXPECT_EQ(combo.keyValue(), 9);
    EXPECT_EQ(paints.field("s_code").asString(), "RAL 5005 Синий");

    // The list closes and reopens: the kept key is shown again.
    paints.close();
    EXPECT_FALSE(combo.hasValue());
    EXPECT_EQ(combo.keyValue(), -1);
    paints.open();
    EXPECT_EQ(combo.currentText(), "RAL 5005 Синий");
    EXPECT_EQ(combo.keyValue(), 9);
}

TEST_F(DataControlsTest, DataTextShowsTheCurrentRowsField)
{
    DataText text;
    text.setSource(dataset.get(), "cnt");
    EXPECT_EQ(text.text(), "12.5");
    dataset->next();
    EXPECT_EQ(text.text(), "3");
    GridColumn money;
    money.decimals = 4;
    text.setFormat(money);
    EXPECT_EQ(text.text(), "3.0000");
    dataset->close();
    EXPECT_EQ(text.text(), "");
    dataset->open();
    EXPECT_EQ(text.text(), "12.5000");
}

TEST_F(DataControlsTest, SampleListRendersReadably)
{
    QWidget form;
    form.setWindowTitle("Список рабочих (5)");
    auto* layout = new QVBoxLayout(&form);
    auto* grid = new Grid(dataset.get(), &form);
    grid->addColumn("s_caption", "ФИО", 230);
    grid->addColumn("cnt", "Количество", 90);
    grid->addColumn("d_date", "Дата пр-ва", 90);
    GridColumn state;
    state.field = "state";
    state.title = "Сост.";
    state.width = 60;
    state.alignment = Qt::AlignCenter;
    state.ellipsis = true;
    grid->addColumn(state);
    grid->addEllipsisColumn();
    grid->setRowBackground([this](int row) -> std::optional<QColor> {
        if (dataset->fieldAt(row, "state").asInt() == 0)
            return kPaleRed;
        return std::nullopt;
    });
    layout->addWidget(grid);
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel("Работник:", &form));
    auto* worker = new LookupCombo(&form);
    worker->setList(dataset.get(), "id", "s_caption");
    worker->setKeyValue(4);
    row->addWidget(worker, 1);
    row->addWidget(new QLabel("Дата пр-ва:", &form));
    auto* date = new DatePicker(&form);
    date->setDate(QDate(2023, 10, 18));
    row->addWidget(date);
    layout->addLayout(row);
    layout->addWidget(new QLabel("Поиск: Ёлкин — «ёлочка» ЙЦУКЕН йцукен", &form));
    form.resize(540, 260);
    EXPECT_EQ(date->text(), "18.10.2023");
    EXPECT_EQ(date->shortDateText(), "18.10.2023");
    EXPECT_TRUE(date->calendarPopup());
    dataset->setRecNo(2);

    const QByteArray dir = qgetenv("VELTRO_SCREENSHOT_DIR");
    QTemporaryDir temp;
    const QString path = (dir.isEmpty() ? temp.path() : QString::fromLocal8Bit(dir)) + "/grid.png";
    ASSERT_TRUE(testsupport::saveScreenshot(&form, path));
    EXPECT_GT(QFileInfo(path).size(), 1000);
}

} // namespace
