#include "platform/db/Dataset.h"

#include "platform/db/Error.h"
#include "platform/db/FieldText.h"
#include "platform/db/Filter.h"
#include "platform/db/Sort.h"
#include "platform/db/SqlParams.h"

#include <QHash>
#include <cmath>
#include <limits>
#include <pqxx/pqxx>

namespace platform::db {

namespace {

// The cells of a fetched result, read in place.
class ResultCells : public CellSource {
public:
    const pqxx::result* result = nullptr;

    CellRef cell(int row, int column) const override
    {
        const pqxx::field f = (*result)[pqxx::result::size_type(row)][column];
        if (f.is_null())
            return {};
        return {f.c_str(), int(f.size())};
    }
};

QString unknownField(const QString& name)
{
    return QStringLiteral("Поле «%1» не найдено").arg(name);
}

} // namespace

struct Dataset::Impl {
    explicit Impl(Connection& c) : connection(c) {}

    Connection& connection;
    QString sql;
    NumberedSql numbered;
    QHash<QString, Value> params; // by lower-case name

    bool active = false;
    pqxx::result result;
    ResultCells cells;
    int rowCount = 0;
    std::vector<FilterColumn> columns;
    QHash<QString, int> columnByName; // lower-case name -> column

    std::vector<int> order;   // every fetched row in sort order; empty while unsorted
    std::vector<char> passes; // per fetched row: passes the filter; empty while unfiltered
    std::vector<int> visible; // fetched row of each visible row
    int recNo = 0;
    bool bof = true;
    bool eof = true;

    QString sort;
    QString filterText;
    RowFilter filter;
    bool filtered = false;
    mutable std::size_t resultBytes = 0; // computed on the first memoryUsage()

    bool filterActive() const { return filtered && !filter.isEmpty(); }

    int column(const QString& name) const { return columnByName.value(name.toLower(), -1); }

    int currentRow() const { return recNo > 0 ? visible[std::size_t(recNo - 1)] : -1; }

    void readColumns()
    {
        columns.clear();
        columnByName.clear();
        const int count = int(result.columns());
        for (int c = 0; c < count; ++c) {
            const QString base = QString::fromUtf8(result.column_name(pqxx::row::size_type(c)));
            QString name = base;
            for (int k = 1; columnByName.contains(name.toLower()); ++k)
                name = base + QLatin1Char('_') + QString::number(k);
            columnByName.insert(name.toLower(), c);
            columns.push_back({name, fieldtext::typeFromOid(result.column_type(pqxx::row::size_type(c)))});
        }
    }

    // The filter tied to the current columns (throws Error for an unknown field).
    RowFilter boundFilter(const RowFilter& f) const
    {
        RowFilter bound = f;
        bound.bind(columns);
        return bound;
    }

    void computePasses()
    {
        passes.clear();
        if (!filterActive())
            return;
        const RowFilter bound = boundFilter(filter);
        passes.resize(std::size_t(rowCount));
        for (int r = 0; r < rowCount; ++r)
            passes[std::size_t(r)] = bound.matches(cells, r);
    }

    void rebuildVisible()
    {
        visible.clear();
        auto take = [this](int r) {
            if (passes.empty() || passes[std::size_t(r)])
                visible.push_back(r);
        };
        if (order.empty()) {
            visible.reserve(std::size_t(rowCount));
            for (int r = 0; r < rowCount; ++r)
                take(r);
        } else {
            visible.reserve(order.size());
            for (int r : order)
                take(r);
        }
        visible.shrink_to_fit();
    }

    void moveFirst()
    {
        recNo = visible.empty() ? 0 : 1;
        bof = true;
        eof = visible.empty();
    }

    void clearResult()
    {
        active = false;
        result = pqxx::result();
        cells.result = &result;
        rowCount = 0;
        columns.clear();
        columnByName.clear();
        order = {};
        passes = {};
        visible = {};
        sort.clear();
        recNo = 0;
        bof = eof = true;
        resultBytes = 0;
    }
};

// ---- Field ----

namespace {
const FilterColumn& columnOf(const std::vector<FilterColumn>& columns, int column)
{
    return columns[std::size_t(column)];
}
} // namespace

QString Field::name() const
{
    return columnOf(ds_->d_->columns, column_).name;
}

Field::Type Field::type() const
{
    return columnOf(ds_->d_->columns, column_).type;
}

bool Field::isNull() const
{
    return row_ < 0 || ds_->d_->cells.cell(row_, column_).isNull();
}

QString Field::asString() const
{
    if (row_ < 0)
        return {};
    return fieldtext::displayText(type(), ds_->d_->cells.cell(row_, column_));
}

qint64 Field::asInt64() const
{
    if (row_ < 0)
        return 0;
    const CellRef c = ds_->d_->cells.cell(row_, column_);
    if (c.isNull())
        return 0;
    if (type() == Type::Boolean)
        return fieldtext::numberOf(type(), c).value_or(0) != 0 ? 1 : 0;
    if (const auto i = fieldtext::toInt64(c.data, c.size))
        return *i;
    const double d = asDouble();
    if (!std::isfinite(d) || std::fabs(d) >= 9.2e18)
        return 0;
    return qint64(d);
}

int Field::asInt() const
{
    return int(asInt64());
}

double Field::asDouble() const
{
    if (row_ < 0)
        return 0;
    const CellRef c = ds_->d_->cells.cell(row_, column_);
    if (c.isNull())
        return 0;
    if (fieldtext::isNumeric(type()))
        return fieldtext::numberOf(type(), c).value_or(0);
    bool ok = false;
    const double v = c.toQString().trimmed().replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
    return ok ? v : 0;
}

QString Field::asDecimal(int scale) const
{
    if (isNull())
        return {};
    QString text = asString().trimmed();
    if (!fieldtext::isNumeric(type()))
        text.replace(QLatin1Char(','), QLatin1Char('.'));
    return fieldtext::roundDecimal(text, scale);
}

bool Field::asBool() const
{
    if (isNull())
        return false;
    if (fieldtext::isNumeric(type()))
        return asDouble() != 0;
    const QString t = asString().trimmed().toLower();
    return t == QLatin1String("1") || t == QLatin1String("t") || t == QLatin1String("true")
        || t == QLatin1String("y") || t == QLatin1String("yes") || t == QStringLiteral("да");
}

QDate Field::asDate() const
{
    const QDateTime dt = asDateTime();
    return dt.isValid() ? dt.date() : QDate();
}

QDateTime Field::asDateTime() const
{
    if (row_ < 0)
        return {};
    const CellRef c = ds_->d_->cells.cell(row_, column_);
    if (c.isNull())
        return {};
    switch (type()) {
    case Type::Date: {
        const QDate d = fieldtext::toDate(c.data, c.size);
        return d.isValid() ? QDateTime(d, QTime(0, 0)) : QDateTime();
    }
    case Type::DateTime: return fieldtext::toDateTime(c.data, c.size);
    default: {
        const QDateTime iso = fieldtext::toDateTime(c.data, c.size);
        return iso.isValid() ? iso : fieldtext::parseUserDateTime(c.toQString());
    }
    }
}

// ---- Dataset ----

Dataset::Dataset(Connection& connection, QObject* parent)
    : QObject(parent)
    , d_(std::make_unique<Impl>(connection))
{
    d_->cells.result = &d_->result;
}

Dataset::~Dataset() = default;

void Dataset::setSql(const QString& sql)
{
    close();
    d_->sql = sql;
    d_->numbered = numberParameters(sql);
    QHash<QString, Value> kept;
    for (const QString& name : std::as_const(d_->numbered.names))
        if (d_->params.contains(name))
            kept.insert(name, d_->params.value(name));
    d_->params = kept;
}

QString Dataset::sql() const
{
    return d_->sql;
}

void Dataset::setTable(const QString& name)
{
    setSql(QStringLiteral("select * from ") + name);
}

void Dataset::setParam(const QString& name, const Value& value)
{
    const QString key = name.toLower();
    if (!d_->numbered.names.contains(key))
        throw Error(QStringLiteral("Параметр «%1» не найден в запросе").arg(name));
    d_->params.insert(key, value);
}

Value Dataset::param(const QString& name) const
{
    const QString key = name.toLower();
    if (!d_->numbered.names.contains(key))
        throw Error(QStringLiteral("Параметр «%1» не найден в запросе").arg(name));
    return d_->params.value(key);
}

QStringList Dataset::paramNames() const
{
    return d_->numbered.names;
}

void Dataset::open()
{
    if (d_->active)
        return;
    std::vector<Value> values;
    values.reserve(std::size_t(d_->numbered.names.size()));
    for (const QString& name : std::as_const(d_->numbered.names))
        values.push_back(d_->params.value(name));
    pqxx::result fetched = d_->connection.exec(d_->numbered.text, values);

    d_->clearResult();
    d_->result = std::move(fetched);
    d_->rowCount = int(d_->result.size());
    d_->readColumns();
    d_->active = true;
    try {
        d_->computePasses();
    } catch (...) {
        d_->clearResult();
        throw;
    }
    d_->rebuildVisible();
    d_->moveFirst();
    emit reset();
    emit recNoChanged(d_->recNo);
}

void Dataset::close()
{
    const bool wasActive = d_->active;
    d_->clearResult();
    if (wasActive) {
        emit reset();
        emit recNoChanged(0);
    }
}

bool Dataset::active() const
{
    return d_->active;
}

int Dataset::recordCount() const
{
    return int(d_->visible.size());
}

int Dataset::recNo() const
{
    return d_->recNo;
}

void Dataset::setRecNo(int n)
{
    const int count = recordCount();
    const int target = count == 0 ? 0 : std::clamp(n, 1, count);
    d_->bof = d_->eof = count == 0;
    if (target != d_->recNo) {
        d_->recNo = target;
        emit recNoChanged(target);
    }
}

void Dataset::first()
{
    setRecNo(1);
    d_->bof = true;
}

void Dataset::last()
{
    setRecNo(recordCount());
    d_->eof = true;
}

void Dataset::next()
{
    if (d_->recNo < recordCount()) {
        setRecNo(d_->recNo + 1);
    } else {
        d_->eof = true;
    }
}

void Dataset::prior()
{
    if (d_->recNo > 1) {
        setRecNo(d_->recNo - 1);
    } else {
        d_->bof = true;
    }
}

bool Dataset::eof() const
{
    return d_->eof || recordCount() == 0;
}

bool Dataset::bof() const
{
    return d_->bof || recordCount() == 0;
}

bool Dataset::locate(const QString& fieldName, const QVariant& value)
{
    const int column = d_->column(fieldName);
    if (column < 0)
        throw Error(unknownField(fieldName));
    const Field::Type type = d_->columns[std::size_t(column)].type;
    const bool wantNull = !value.isValid() || value.isNull();

    std::optional<double> number;
    if (!wantNull && fieldtext::isNumeric(type)) {
        if (value.typeId() == QMetaType::Bool) {
            number = value.toBool() ? 1.0 : 0.0;
        } else {
            bool ok = false;
            const double v = value.toDouble(&ok);
            if (ok)
                number = v;
        }
    }
    const bool byDate = !wantNull && fieldtext::isTemporal(type)
        && (value.typeId() == QMetaType::QDate || value.typeId() == QMetaType::QDateTime);
    const QString text = value.toString();

    for (int i = 0; i < recordCount(); ++i) {
        const CellRef c = d_->cells.cell(d_->visible[std::size_t(i)], column);
        bool match = false;
        if (wantNull || c.isNull()) {
            match = wantNull && c.isNull();
        } else if (number) {
            match = fieldtext::numberOf(type, c) == number;
        } else if (byDate) {
            const QDateTime dt = type == Field::Type::Date
                ? QDateTime(fieldtext::toDate(c.data, c.size), QTime(0, 0))
                : fieldtext::toDateTime(c.data, c.size);
            match = value.typeId() == QMetaType::QDate ? dt.date() == value.toDate() : dt == value.toDateTime();
        } else {
            match = fieldtext::displayText(type, c) == text;
        }
        if (match) {
            setRecNo(i + 1);
            return true;
        }
    }
    return false;
}

int Dataset::fieldCount() const
{
    return int(d_->columns.size());
}

QString Dataset::fieldName(int column) const
{
    if (column < 0 || column >= fieldCount())
        throw Error(QStringLiteral("Нет поля с номером %1").arg(column));
    return d_->columns[std::size_t(column)].name;
}

int Dataset::fieldIndex(const QString& name) const
{
    return d_->column(name);
}

Field Dataset::field(const QString& name) const
{
    const int column = d_->column(name);
    if (column < 0)
        throw Error(unknownField(name));
    return Field(this, column, d_->currentRow());
}

Field Dataset::field(int column) const
{
    if (column < 0 || column >= fieldCount())
        throw Error(QStringLiteral("Нет поля с номером %1").arg(column));
    return Field(this, column, d_->currentRow());
}

Field Dataset::fieldAt(int visibleRow, const QString& name) const
{
    const int column = d_->column(name);
    if (column < 0)
        throw Error(unknownField(name));
    return fieldAt(visibleRow, column);
}

Field Dataset::fieldAt(int visibleRow, int column) const
{
    if (column < 0 || column >= fieldCount())
        throw Error(QStringLiteral("Нет поля с номером %1").arg(column));
    const int row = visibleRow >= 0 && visibleRow < recordCount() ? d_->visible[std::size_t(visibleRow)] : -1;
    return Field(this, column, row);
}

void Dataset::setSort(const QString& sort)
{
    if (!d_->active) {
        if (sort.trimmed().isEmpty())
            return;
        throw Error(QStringLiteral("Сортировка «%1» невозможна: набор данных закрыт").arg(sort));
    }
    std::vector<SortKey> keys;
    for (const SortColumn& c : parseSortString(sort)) {
        const int column = d_->column(c.name);
        if (column < 0)
            throw Error(unknownField(c.name) + QStringLiteral(" (сортировка «%1»)").arg(sort));
        keys.push_back({column, d_->columns[std::size_t(column)].type, c.descending});
    }
    const int current = d_->currentRow();
    if (keys.empty())
        d_->order = {};
    else
        d_->order = sortedRows(d_->cells, d_->rowCount, keys);
    d_->sort = sort;
    d_->rebuildVisible();
    d_->moveFirst();
    if (current >= 0) {
        const auto it = std::find(d_->visible.begin(), d_->visible.end(), current);
        if (it != d_->visible.end()) {
            d_->recNo = int(it - d_->visible.begin()) + 1;
            d_->bof = d_->eof = false;
        }
    }
    emit reset();
    emit recNoChanged(d_->recNo);
}

QString Dataset::sort() const
{
    return d_->sort;
}

void Dataset::setFilter(const QString& expression)
{
    RowFilter parsed = RowFilter::parse(expression);
    if (d_->active && !parsed.isEmpty())
        d_->boundFilter(parsed); // report an unknown field now, keeping the previous filter
    d_->filterText = expression;
    d_->filter = parsed;
    if (d_->active && d_->filtered) {
        d_->computePasses();
        d_->rebuildVisible();
        d_->moveFirst();
        emit reset();
        emit recNoChanged(d_->recNo);
    }
}

QString Dataset::filter() const
{
    return d_->filterText;
}

void Dataset::setFiltered(bool on)
{
    if (d_->filtered == on)
        return;
    d_->filtered = on;
    if (!d_->active)
        return;
    try {
        d_->computePasses();
    } catch (...) {
        d_->filtered = !on;
        throw;
    }
    d_->rebuildVisible();
    d_->moveFirst();
    emit reset();
    emit recNoChanged(d_->recNo);
}

bool Dataset::filtered() const
{
    return d_->filtered;
}

std::size_t Dataset::memoryUsage() const
{
    if (!d_->active)
        return 0;
    if (d_->resultBytes == 0) {
        std::size_t text = 0;
        const int columns = fieldCount();
        for (int r = 0; r < d_->rowCount; ++r) {
            for (int c = 0; c < columns; ++c) {
                const CellRef cell = d_->cells.cell(r, c);
                if (!cell.isNull())
                    text += std::size_t(cell.size) + 1;
            }
        }
        d_->resultBytes = fieldtext::resultFootprint(std::size_t(d_->rowCount), std::size_t(columns), text);
    }
    std::size_t own = sizeof(Impl);
    own += d_->order.capacity() * sizeof(int) + d_->visible.capacity() * sizeof(int) + d_->passes.capacity();
    for (const FilterColumn& c : d_->columns)
        own += sizeof(FilterColumn) + std::size_t(c.name.capacity()) * 2 + 32;
    return d_->resultBytes + own;
}

QString filterLiteral(const QString& text)
{
    QString escaped = text;
    escaped.replace(QLatin1Char('\''), QStringLiteral("''"));
    return escaped;
}

} // namespace platform::db
