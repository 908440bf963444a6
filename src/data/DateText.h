#pragma once

#include <QDate>
#include <QString>

// Dates as users type and read them in the register and the forms.
namespace DateText {

// "M/d/yyyy".
QString format(const QDate& date);
// The first of "M/d/yyyy", "MM/dd/yyyy", "M/d/yy", "MM/dd/yy" that reads the
// trimmed text (two-digit years fall in 1900-1999); invalid otherwise.
QDate parse(const QString& text);

} // namespace DateText
