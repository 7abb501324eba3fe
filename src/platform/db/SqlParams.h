// Statement text with :named parameters turned into libpq's $1..$n placeholders.
#pragma once

#include <QString>
#include <QStringList>
#include <string>

namespace platform::db {

struct NumberedSql {
    std::string text;   // UTF-8, each :name replaced by $n
    QStringList names;  // lower-case; names[i] is the parameter bound to $(i+1)
};

// Replaces every :name (a letter or underscore, then letters, digits, underscores) by $n.
// Names are case-insensitive and the same name twice gets the same $n. Casts (::type),
// text in single quotes (with '' inside, and E'..' escapes), double-quoted identifiers,
// dollar-quoted bodies and -- and /* */ comments are copied untouched.
NumberedSql numberParameters(const QString& sql);

} // namespace platform::db
