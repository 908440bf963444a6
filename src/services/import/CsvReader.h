#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Delimited text as rows of trimmed cells. A double quote opens and closes a
// quoted stretch, in which delimiters and line breaks are literal and ""
// is one quote. Outside quotes a line feed, a CR LF pair or a lone CR (old Mac
// exports) ends a row. Blank lines are no rows.
namespace CsvReader {

QList<QStringList> read(const QString& text, QChar delimiter = u',');

// Of comma, semicolon, tab and "|", the one that splits the first lines most
// evenly into more than one cell; a comma when none does.
QChar detectDelimiter(const QString& text);
// The text after its first `lines` lines.
QString skipLines(const QString& text, int lines);

// The first row with at least `minCells` cells: exports often start with a
// few lines about the account before the table itself. Rows.size() if none.
qsizetype tableStart(const QList<QStringList>& rows, qsizetype minCells);

} // namespace CsvReader
