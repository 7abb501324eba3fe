#include "platform/db/Filter.h"

#include "platform/db/Error.h"
#include "platform/db/Sort.h"

#include <QCollator>

namespace platform::db {

namespace {

enum class Op { Eq, Ne, Lt, Gt, Le, Ge, Like, NotLike, IsNull, IsNotNull };

struct Literal {
    enum class Kind { None, Text, Number } kind = Kind::None;
    QString text;
    double number = 0;
};

// A like pattern over case-folded text: % is any text, _ one character.
class LikePattern {
public:
    LikePattern() = default;
    explicit LikePattern(const QString& folded)
    {
        parts_ = folded.split(QLatin1Char('%'));
        underscore_ = folded.contains(QLatin1Char('_'));
    }

    bool matches(const QString& s) const
    {
        const qsizetype n = parts_.size();
        if (n == 1)
            return s.size() == parts_[0].size() && at(s, 0, parts_[0]);
        const QString& first = parts_.front();
        const QString& last = parts_.back();
        if (s.size() < first.size() + last.size())
            return false;
        if (!at(s, 0, first) || !at(s, s.size() - last.size(), last))
            return false;
        qsizetype from = first.size();
        const qsizetype end = s.size() - last.size();
        for (qsizetype i = 1; i + 1 < n; ++i) {
            const QString& part = parts_[i];
            if (part.isEmpty())
                continue;
            const qsizetype pos = find(s, part, from, end);
            if (pos < 0)
                return false;
            from = pos + part.size();
        }
        return true;
    }

private:
    bool at(const QString& s, qsizetype pos, const QString& part) const
    {
        if (!underscore_)
            return QStringView(s).mid(pos, part.size()) == part;
        for (qsizetype k = 0; k < part.size(); ++k)
            if (part[k] != QLatin1Char('_') && s[pos + k] != part[k])
                return false;
        return true;
    }

    // First place of `part` in s[from, end), the part ending before `end`.
    qsizetype find(const QString& s, const QString& part, qsizetype from, qsizetype end) const
    {
        if (!underscore_) {
            const qsizetype pos = QStringView(s).left(end).indexOf(part, from);
            return pos;
        }
        for (qsizetype pos = from; pos + part.size() <= end; ++pos)
            if (at(s, pos, part))
                return pos;
        return -1;
    }

    QStringList parts_;
    bool underscore_ = false;
};

} // namespace

struct RowFilter::Node {
    enum class Kind { And, Or, Not, Compare, All } kind = Kind::All;
    std::vector<std::shared_ptr<Node>> children;

    // Comparison as written.
    QString field;
    Op op = Op::Eq;
    Literal literal;

    // Prepared by bind().
    enum class Mode { Number, Instant, TextEqual, TextOrder, Like, Null } mode = Mode::TextEqual;
    int column = -1;
    Field::Type type = Field::Type::Text;
    double number = 0;
    QDateTime instant;
    QString folded;
    LikePattern pattern;
    std::shared_ptr<QCollator> collator;

    std::shared_ptr<Node> clone() const
    {
        auto copy = std::make_shared<Node>(*this);
        for (auto& child : copy->children)
            child = child->clone();
        return copy;
    }
};

namespace {

using Node = RowFilter::Node;
using NodePtr = std::shared_ptr<Node>;

QString invalid(const QString& expression, const QString& why)
{
    return QStringLiteral("Неверное выражение фильтра «%1»: %2").arg(expression, why);
}

// Recursive-descent reader of a filter expression.
class FilterParser {
public:
    explicit FilterParser(const QString& text) : s_(text), n_(int(text.size())) {}

    NodePtr parse()
    {
        skipBlanks();
        if (i_ >= n_)
            return std::make_shared<Node>();
        NodePtr root = orExpr();
        skipBlanks();
        if (i_ < n_)
            fail(QStringLiteral("лишний текст «%1»").arg(s_.mid(i_)));
        return root;
    }

private:
    [[noreturn]] void fail(const QString& why) const { throw Error(invalid(s_, why)); }

    void skipBlanks()
    {
        while (i_ < n_ && s_.at(i_).isSpace())
            ++i_;
    }

    static bool isWordChar(QChar c) { return c.isLetterOrNumber() || c == QLatin1Char('_'); }

    // The next bare word, or "" (position unchanged).
    QString peekWord()
    {
        skipBlanks();
        int j = i_;
        while (j < n_ && isWordChar(s_.at(j)))
            ++j;
        return s_.mid(i_, j - i_);
    }

    bool acceptKeyword(const char* keyword)
    {
        const QString word = peekWord();
        if (word.compare(QLatin1String(keyword), Qt::CaseInsensitive) != 0)
            return false;
        i_ += int(word.size());
        return true;
    }

    NodePtr orExpr()
    {
        NodePtr left = andExpr();
        while (acceptKeyword("or")) {
            auto node = std::make_shared<Node>();
            node->kind = Node::Kind::Or;
            node->children = {left, andExpr()};
            left = node;
        }
        return left;
    }

    NodePtr andExpr()
    {
        NodePtr left = notExpr();
        while (acceptKeyword("and")) {
            auto node = std::make_shared<Node>();
            node->kind = Node::Kind::And;
            node->children = {left, notExpr()};
            left = node;
        }
        return left;
    }

    NodePtr notExpr()
    {
        if (acceptKeyword("not")) {
            auto node = std::make_shared<Node>();
            node->kind = Node::Kind::Not;
            node->children = {notExpr()};
            return node;
        }
        return primary();
    }

    NodePtr primary()
    {
        skipBlanks();
        if (i_ < n_ && s_.at(i_) == QLatin1Char('(')) {
            ++i_;
            NodePtr inner = orExpr();
            skipBlanks();
            if (i_ >= n_ || s_.at(i_) != QLatin1Char(')'))
                fail(QStringLiteral("не хватает закрывающей скобки"));
            ++i_;
            return inner;
        }
        return comparison();
    }

    QString fieldName()
    {
        skipBlanks();
        if (i_ < n_ && (s_.at(i_) == QLatin1Char('[') || s_.at(i_) == QLatin1Char('"'))) {
            const QChar close = s_.at(i_) == QLatin1Char('[') ? QLatin1Char(']') : QLatin1Char('"');
            const int end = int(s_.indexOf(close, i_ + 1));
            if (end < 0)
                fail(QStringLiteral("не закрыто имя поля"));
            const QString name = s_.mid(i_ + 1, end - i_ - 1);
            i_ = end + 1;
            return name;
        }
        const QString word = peekWord();
        if (word.isEmpty() || word.at(0).isDigit())
            fail(i_ < n_ ? QStringLiteral("ожидалось имя поля, а не «%1»").arg(s_.mid(i_))
                         : QStringLiteral("ожидалось имя поля"));
        i_ += int(word.size());
        return word;
    }

    Op operation()
    {
        skipBlanks();
        auto starts = [this](const char* op) { return s_.mid(i_).startsWith(QLatin1String(op)); };
        struct Symbol {
            const char* text;
            Op op;
        };
        static const Symbol symbols[] = {{"<>", Op::Ne}, {"!=", Op::Ne}, {"<=", Op::Le}, {">=", Op::Ge},
                                         {"=", Op::Eq},  {"<", Op::Lt},  {">", Op::Gt}};
        for (const Symbol& symbol : symbols) {
            if (starts(symbol.text)) {
                i_ += int(qstrlen(symbol.text));
                return symbol.op;
            }
        }
        if (acceptKeyword("like"))
            return Op::Like;
        if (acceptKeyword("not")) {
            if (acceptKeyword("like"))
                return Op::NotLike;
            fail(QStringLiteral("после «not» ожидалось «like»"));
        }
        if (acceptKeyword("is")) {
            const bool negated = acceptKeyword("not");
            if (!acceptKeyword("null"))
                fail(QStringLiteral("после «is» ожидалось «null»"));
            return negated ? Op::IsNotNull : Op::IsNull;
        }
        fail(i_ < n_ ? QStringLiteral("ожидалась операция сравнения, а не «%1»").arg(s_.mid(i_))
                     : QStringLiteral("ожидалась операция сравнения"));
    }

    Literal literal()
    {
        skipBlanks();
        Literal lit;
        if (i_ < n_ && s_.at(i_) == QLatin1Char('\'')) {
            ++i_;
            while (true) {
                if (i_ >= n_)
                    fail(QStringLiteral("не закрыта кавычка"));
                const QChar c = s_.at(i_++);
                if (c == QLatin1Char('\'')) {
                    if (i_ < n_ && s_.at(i_) == QLatin1Char('\'')) {
                        lit.text += c;
                        ++i_;
                        continue;
                    }
                    break;
                }
                lit.text += c;
            }
            lit.kind = Literal::Kind::Text;
            return lit;
        }
        int j = i_;
        if (j < n_ && (s_.at(j) == QLatin1Char('-') || s_.at(j) == QLatin1Char('+')))
            ++j;
        while (j < n_ && (s_.at(j).isDigit() || s_.at(j) == QLatin1Char('.')))
            ++j;
        bool ok = false;
        const double number = s_.mid(i_, j - i_).toDouble(&ok);
        if (!ok || (j < n_ && isWordChar(s_.at(j))))
            fail(i_ < n_ ? QStringLiteral("ожидалось значение в кавычках или число, а не «%1»").arg(s_.mid(i_))
                         : QStringLiteral("ожидалось значение"));
        lit.kind = Literal::Kind::Number;
        lit.number = number;
        lit.text = s_.mid(i_, j - i_);
        i_ = j;
        return lit;
    }

    NodePtr comparison()
    {
        auto node = std::make_shared<Node>();
        node->kind = Node::Kind::Compare;
        node->field = fieldName();
        node->op = operation();
        if (node->op != Op::IsNull && node->op != Op::IsNotNull)
            node->literal = literal();
        return node;
    }

    const QString& s_;
    const int n_;
    int i_ = 0;
};

std::optional<double> literalNumber(const Literal& lit, Field::Type type)
{
    if (lit.kind == Literal::Kind::Number)
        return lit.number;
    const QString t = lit.text.trimmed();
    if (type == Field::Type::Boolean) {
        const QString l = t.toLower();
        if (l == QLatin1String("true") || l == QLatin1String("t"))
            return 1.0;
        if (l == QLatin1String("false") || l == QLatin1String("f"))
            return 0.0;
    }
    bool ok = false;
    const double v = QString(t).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
    return ok ? std::optional<double>(v) : std::nullopt;
}

void bindCompare(Node& node, const std::vector<FilterColumn>& columns, const QString& expression)
{
    node.column = -1;
    for (std::size_t c = 0; c < columns.size(); ++c) {
        if (columns[c].name.compare(node.field, Qt::CaseInsensitive) == 0) {
            node.column = int(c);
            break;
        }
    }
    if (node.column < 0)
        throw Error(QStringLiteral("Поле «%1» не найдено (фильтр «%2»)").arg(node.field, expression));
    node.type = columns[std::size_t(node.column)].type;

    if (node.op == Op::IsNull || node.op == Op::IsNotNull) {
        node.mode = Node::Mode::Null;
    } else if (node.op == Op::Like || node.op == Op::NotLike) {
        node.mode = Node::Mode::Like;
        node.pattern = LikePattern(node.literal.text.toCaseFolded());
    } else if (fieldtext::isNumeric(node.type)) {
        const auto v = literalNumber(node.literal, node.type);
        if (!v)
            throw Error(invalid(expression, QStringLiteral("поле «%1» числовое, а «%2» не число")
                                                .arg(node.field, node.literal.text)));
        node.mode = Node::Mode::Number;
        node.number = *v;
    } else if (fieldtext::isTemporal(node.type)) {
        node.instant = fieldtext::parseUserDateTime(node.literal.text);
        if (!node.instant.isValid())
            throw Error(invalid(expression, QStringLiteral("поле «%1» содержит даты, а «%2» не дата")
                                                .arg(node.field, node.literal.text)));
        node.mode = Node::Mode::Instant;
    } else if (node.op == Op::Eq || node.op == Op::Ne) {
        node.mode = Node::Mode::TextEqual;
        node.folded = node.literal.text.toCaseFolded();
    } else {
        node.mode = Node::Mode::TextOrder;
        node.collator = std::make_shared<QCollator>(textCollator());
    }
}

void bindTree(Node& node, const std::vector<FilterColumn>& columns, const QString& expression)
{
    if (node.kind == Node::Kind::Compare)
        bindCompare(node, columns, expression);
    for (auto& child : node.children)
        bindTree(*child, columns, expression);
}

bool ordered(Op op, int c)
{
    switch (op) {
    case Op::Eq: return c == 0;
    case Op::Ne: return c != 0;
    case Op::Lt: return c < 0;
    case Op::Gt: return c > 0;
    case Op::Le: return c <= 0;
    case Op::Ge: return c >= 0;
    default: return false;
    }
}

template <class T>
int threeWay(const T& a, const T& b)
{
    return a < b ? -1 : (b < a ? 1 : 0);
}

bool compareMatches(const Node& node, const CellSource& cells, int row)
{
    const CellRef cell = cells.cell(row, node.column);
    switch (node.mode) {
    case Node::Mode::Null: return cell.isNull() == (node.op == Op::IsNull);
    case Node::Mode::Like: {
        if (cell.isNull())
            return false;
        const QString text = fieldtext::isNumeric(node.type) || fieldtext::isTemporal(node.type)
            ? fieldtext::displayText(node.type, cell)
            : cell.toQString();
        return node.pattern.matches(text.toCaseFolded()) == (node.op == Op::Like);
    }
    case Node::Mode::Number: {
        const auto v = fieldtext::numberOf(node.type, cell);
        return v && ordered(node.op, threeWay(*v, node.number));
    }
    case Node::Mode::Instant: {
        if (cell.isNull())
            return false;
        QDateTime value = node.type == Field::Type::Date
            ? QDateTime(fieldtext::toDate(cell.data, cell.size), QTime(0, 0))
            : fieldtext::toDateTime(cell.data, cell.size);
        return value.isValid() && ordered(node.op, threeWay(value, node.instant));
    }
    case Node::Mode::TextEqual:
        return !cell.isNull() && ordered(node.op, cell.toQString().toCaseFolded() == node.folded ? 0 : 1);
    case Node::Mode::TextOrder:
        return !cell.isNull() && ordered(node.op, node.collator->compare(cell.toQString(), node.literal.text));
    }
    return false;
}

bool evaluate(const Node& node, const CellSource& cells, int row)
{
    switch (node.kind) {
    case Node::Kind::All: return true;
    case Node::Kind::And: return evaluate(*node.children[0], cells, row) && evaluate(*node.children[1], cells, row);
    case Node::Kind::Or: return evaluate(*node.children[0], cells, row) || evaluate(*node.children[1], cells, row);
    case Node::Kind::Not: return !evaluate(*node.children[0], cells, row);
    case Node::Kind::Compare: return compareMatches(node, cells, row);
    }
    return false;
}

} // namespace

RowFilter::RowFilter() : root_(std::make_shared<Node>()) {}
RowFilter::~RowFilter() = default;
RowFilter::RowFilter(const RowFilter&) = default;
RowFilter& RowFilter::operator=(const RowFilter&) = default;

RowFilter RowFilter::parse(const QString& expression)
{
    RowFilter filter;
    filter.text_ = expression;
    filter.root_ = FilterParser(expression).parse();
    return filter;
}

void RowFilter::bind(const std::vector<FilterColumn>& columns)
{
    NodePtr bound = root_->clone(); // a copy, so that copies of this filter stay as they were
    bindTree(*bound, columns, text_);
    root_ = bound;
}

bool RowFilter::isEmpty() const
{
    return root_->kind == Node::Kind::All;
}

bool RowFilter::matches(const CellSource& cells, int row) const
{
    return evaluate(*root_, cells, row);
}

} // namespace platform::db
