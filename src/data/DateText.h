#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

// Dates as users type and read them in the register, the forms, reports and
// search: one pattern for the whole program, so a window never shows one date
// written two ways.
namespace DateText {

// The pattern in force: the one chosen in Preferences, else the language's
// default.
QString displayFormat();
// An empty pattern goes back to the language's default.
void setDisplayFormat(const QString& pattern);
// The language's short date with a four-digit year; "M/d/yyyy" in English.
QString defaultFormat(const QLocale& locale);

QString format(const QDate& date);
// The trimmed text read in the pattern's order of day, month and year, with
// or without leading zeros, with any of "/", "." and "-" between them, and
// with a four- or two-digit year (two digits fall in 1900-1999); invalid
// otherwise.
QDate parse(const QString& text);
// As parse, in `pattern` instead of the one in force.
QDate parse(const QString& text, const QString& pattern);

} // namespace DateText
