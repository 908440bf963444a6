#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Comma-separated text as rows of trimmed cells. A double quote opens and
// closes a quoted stretch, in which commas and line breaks are literal and ""
// is one quote. Outside quotes a line feed, a CR LF pair or a lone CR (old Mac
// exports) ends a row. Blank lines are no rows.
namespace CsvReader {

QList<QStringList> read(const QString& text);

// The first row with at least `minCells` cells: exports often start with a
// few lines about the account before the table itself. Rows.size() if none.
qsizetype tableStart(const QList<QStringList>& rows, qsizetype minCells);

} // namespace CsvReader
