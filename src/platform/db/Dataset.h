// A static client-side cursor: SQL with named parameters, whole fetch, record numbers,
// typed fields, client-side sort and filter over an index of the fetched rows.
#pragma once

#include "platform/db/Connection.h"
#include "platform/db/Value.h"

#include <QDate>
#include <QDateTime>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <cstddef>
#include <memory>

namespace platform::db {

class Dataset;

// One field of the dataset's current row (or of any visible row, for the grid).
class Field {
public:
    enum class Type { Text, Integer, Decimal, Double, Boolean, Date, DateTime, Other };

    QString name() const;
    Type type() const;
    bool isNull() const;           // also true when there is no row
    // Booleans read as "1"/"0"; numbers and text as the server sends them; dates as
    // "dd.MM.yyyy", date-times as "dd.MM.yyyy H:mm:ss" (the date alone at midnight); "" for null.
    QString asString() const;
    int asInt() const;             // 0 for null or not a number; a fraction is cut off
    qint64 asInt64() const;
    double asDouble() const;       // 0 for null or not a number
    QString asDecimal(int scale) const; // fixed number of fractional digits, "." as mark, rounded
                                        // half away from zero; "" for null
    bool asBool() const;
    QDate asDate() const;
    QDateTime asDateTime() const;

private:
    friend class Dataset;
    Field(const Dataset* ds, int column, int row) : ds_(ds), column_(column), row_(row) {}
    const Dataset* ds_;
    int column_;
    int row_; // index into the fetched rows; -1 when there is no current row
};

class Dataset : public QObject {
    Q_OBJECT
public:
    explicit Dataset(Connection& connection, QObject* parent = nullptr);
    ~Dataset() override;

    // Statement text with :named parameters (case-insensitive; ::casts, quoted text and
    // comments are not parameters). Changing the text closes the dataset; parameter values
    // whose names the new text still uses are kept.
    void setSql(const QString& sql);
    QString sql() const;
    // A table opened whole ("select * from <name>").
    void setTable(const QString& name);

    // Unset parameters are NULL. Both throw Error for a name the statement does not use.
    void setParam(const QString& name, const Value& value);
    Value param(const QString& name) const;
    QStringList paramNames() const; // lower-case, in order of first use

    // Fetches the whole result and moves to the first row; sort is cleared, filter kept.
    // Does nothing when already open (close() first to fetch again). Throws DbError when the
    // server refuses, Error when the kept filter names a field the result lacks (the dataset
    // then stays closed).
    void open();
    void close();
    bool active() const;

    int recordCount() const;   // visible rows (after filter)
    int recNo() const;         // 1-based in the visible order; 0 when empty
    void setRecNo(int n);      // clamped to 1..recordCount
    void first();
    void last();
    void next();
    void prior();
    bool eof() const;
    bool bof() const;
    bool isEmpty() const { return recordCount() == 0; }
    // Moves to the first visible row whose field equals the value (case-sensitive text compare;
    // numbers and dates compared as such; an invalid QVariant finds a null); false when none.
    bool locate(const QString& fieldName, const QVariant& value);

    // Fields carry the column names; a name that repeats gets "_1", "_2"... (id, id_1).
    int fieldCount() const;
    QString fieldName(int column) const;
    int fieldIndex(const QString& name) const; // case-insensitive; -1 when absent
    Field field(const QString& name) const;    // current row; throws Error for an unknown field
    Field field(int column) const;
    Field fieldAt(int visibleRow, const QString& name) const; // 0-based visible row
    Field fieldAt(int visibleRow, int column) const;

    // Client-side sort: "marka DESC, s_nom ASC". Only while open (on a closed dataset a
    // non-empty sort throws Error); cleared by close/open. Stable; the current row stays
    // current. Throws Error for an unknown field or a malformed string.
    void setSort(const QString& sort);
    QString sort() const;
    // Client-side filter (see Filter.h): comparisons (= <> != < > <= >= like), and/or/not,
    // parentheses, quoted literals with '' for a quote; case-insensitive. Kept over close and
    // open. A malformed expression (or, while open, an unknown field) throws Error and leaves
    // the previous filter in place. Applying a filter moves to the first row.
    void setFilter(const QString& expression);
    QString filter() const;
    void setFiltered(bool on);
    bool filtered() const;

    // Bytes held for the fetched result (as libpq keeps it) and the row index (for the benchmark).
    std::size_t memoryUsage() const;

signals:
    void reset();                 // opened, closed, sorted or filtered: the visible rows changed
    void recNoChanged(int recNo); // the current row moved

private:
    friend class Field;
    struct Impl;
    std::unique_ptr<Impl> d_;
};

// Escapes a typed text so that it is taken literally inside a quoted filter literal: each
// quote is doubled ("it's" -> "it''s"). In like, % and _ keep their wildcard meaning.
QString filterLiteral(const QString& text);

} // namespace platform::db
