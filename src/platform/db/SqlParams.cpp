#include "platform/db/SqlParams.h"

namespace platform::db {

namespace {

bool isNameStart(QChar c) { return c.isLetter() || c == QLatin1Char('_'); }
bool isNameChar(QChar c) { return c.isLetterOrNumber() || c == QLatin1Char('_'); }

class ParameterScanner {
public:
    explicit ParameterScanner(const QString& sql) : s_(sql), n_(int(sql.size())) {}

    NumberedSql run()
    {
        while (i_ < n_) {
            const QChar c = s_.at(i_);
            const QChar next = i_ + 1 < n_ ? s_.at(i_ + 1) : QChar();
            if (c == QLatin1Char('\'')) {
                quoted(QLatin1Char('\''), escapeStringPrefix());
            } else if (c == QLatin1Char('"')) {
                quoted(QLatin1Char('"'), false);
            } else if (c == QLatin1Char('-') && next == QLatin1Char('-')) {
                lineComment();
            } else if (c == QLatin1Char('/') && next == QLatin1Char('*')) {
                blockComment();
            } else if (c == QLatin1Char('$') && dollarQuote()) {
                // copied by dollarQuote()
            } else if (c == QLatin1Char(':') && next == QLatin1Char(':')) {
                copy(2);
            } else if (c == QLatin1Char(':') && isNameStart(next)) {
                parameter();
            } else {
                copy(1);
            }
        }
        flush();
        return std::move(out_);
    }

private:
    void copy(int count) { i_ += count; }

    // Everything between the last placeholder and i_ goes out unchanged.
    void flush()
    {
        if (i_ > copiedTo_)
            out_.text += s_.mid(copiedTo_, i_ - copiedTo_).toStdString();
        copiedTo_ = i_;
    }

    // E'...' (and e'...') strings take backslash escapes.
    bool escapeStringPrefix() const
    {
        if (i_ == 0)
            return false;
        const QChar e = s_.at(i_ - 1);
        if (e != QLatin1Char('E') && e != QLatin1Char('e'))
            return false;
        return i_ < 2 || !isNameChar(s_.at(i_ - 2));
    }

    void quoted(QChar quote, bool backslashEscapes)
    {
        ++i_;
        while (i_ < n_) {
            const QChar c = s_.at(i_);
            if (backslashEscapes && c == QLatin1Char('\\')) {
                i_ += 2;
                continue;
            }
            ++i_;
            if (c == quote) {
                if (i_ < n_ && s_.at(i_) == quote) { // doubled quote inside
                    ++i_;
                    continue;
                }
                return;
            }
        }
    }

    void lineComment()
    {
        while (i_ < n_ && s_.at(i_) != QLatin1Char('\n'))
            ++i_;
    }

    void blockComment() // nests, as the server's comments do
    {
        int depth = 0;
        while (i_ < n_) {
            if (s_.at(i_) == QLatin1Char('/') && i_ + 1 < n_ && s_.at(i_ + 1) == QLatin1Char('*')) {
                ++depth;
                i_ += 2;
            } else if (s_.at(i_) == QLatin1Char('*') && i_ + 1 < n_ && s_.at(i_ + 1) == QLatin1Char('/')) {
                i_ += 2;
                if (--depth == 0)
                    return;
            } else {
                ++i_;
            }
        }
    }

    // $tag$ ... $tag$ (the tag may be empty); false when the $ starts no dollar quote ($1, a$b).
    bool dollarQuote()
    {
        if (i_ > 0 && isNameChar(s_.at(i_ - 1)))
            return false;
        int j = i_ + 1;
        if (j < n_ && s_.at(j).isDigit())
            return false;
        while (j < n_ && isNameChar(s_.at(j)))
            ++j;
        if (j >= n_ || s_.at(j) != QLatin1Char('$'))
            return false;
        const QString tag = s_.mid(i_, j - i_ + 1);
        const int end = int(s_.indexOf(tag, j + 1));
        i_ = end < 0 ? n_ : end + int(tag.size());
        return true;
    }

    void parameter()
    {
        flush();
        int j = i_ + 1;
        while (j < n_ && isNameChar(s_.at(j)))
            ++j;
        const QString name = s_.mid(i_ + 1, j - i_ - 1).toLower();
        int index = int(out_.names.indexOf(name));
        if (index < 0) {
            out_.names << name;
            index = int(out_.names.size()) - 1;
        }
        out_.text += '$' + std::to_string(index + 1);
        i_ = j;
        copiedTo_ = j;
    }

    const QString& s_;
    const int n_;
    int i_ = 0;
    int copiedTo_ = 0;
    NumberedSql out_;
};

} // namespace

NumberedSql numberParameters(const QString& sql)
{
    return ParameterScanner(sql).run();
}

} // namespace platform::db
