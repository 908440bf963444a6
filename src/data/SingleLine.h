#pragma once

#include <QString>

// Payees, memos, check numbers and names are one line of printable text:
// control characters pasted with them (bell, escape, delete, line breaks)
// would be stored and drawn as boxes and extra lines.
namespace SingleLine {

// Line breaks and tabs become one space each, other control characters go,
// and the result is trimmed.
QString clean(const QString& text);

} // namespace SingleLine
