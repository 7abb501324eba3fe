// Numbers typed into edit boxes on their way to a bound parameter: ToDbDecimal, a check, the server's notation.
#pragma once

#include <QString>
#include <optional>

class QLineEdit;

namespace ui {

// The typed text as a number the database accepts: trimmed, passed through ToDbDecimal (an empty
// text is "0", the first "," or else "." becomes the database's separator) and read with the first
// character of that separator as the decimal mark. Returned in the server's notation ("12,5" ->
// "12.5"); nullopt when the text is not a number ("1,2,3", "1..2", "abc").
std::optional<QString> dbNumber(const QString& typed);

// The number in the box. When the box holds something that is not a number: shows "Неверное
// число в поле «<label>»: <text>" (title "Ошибка"; the label is the box's buddy label), puts the
// focus on the box and returns nullopt, so the caller writes nothing.
std::optional<QString> readNumber(QLineEdit* box);

// The whole number in a box for digits only (trimmed). Anything else gives the same message as
// readNumber, puts the focus on the box and returns nullopt.
std::optional<qint64> readInteger(QLineEdit* box);

} // namespace ui
