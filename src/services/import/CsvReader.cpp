#include "CsvReader.h"

namespace CsvReader {

QList<QStringList> read(const QString& text)
{
    QList<QStringList> rows;
    QStringList row;
    QString cell;
    bool quoted = false;
    // Whether the row holds anything yet: a quoted empty cell counts.
    bool touched = false;

    const auto endCell = [&] {
        row.append(cell.trimmed());
        cell.clear();
    };
    const auto endRow = [&] {
        endCell();
        if (touched || row.size() > 1 || !row.constFirst().isEmpty())
            rows.append(row);
        row.clear();
        touched = false;
    };

    const qsizetype size = text.size();
    const QChar* p = text.constData();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = p[i];
        if (c == QLatin1Char('"')) {
            touched = true;
            if (quoted && i + 1 < size && p[i + 1] == QLatin1Char('"')) {
                cell += c;
                ++i;
            } else {
                quoted = !quoted;
            }
        } else if (quoted) {
            cell += c;
        } else if (c == QLatin1Char(',')) {
            endCell();
        } else if (c == QLatin1Char('\n')) {
            endRow();
        } else if (c == QLatin1Char('\r')) {
            if (i + 1 < size && p[i + 1] == QLatin1Char('\n'))
                ++i;
            endRow();
        } else {
            cell += c;
        }
    }
    endRow();
    return rows;
}

qsizetype tableStart(const QList<QStringList>& rows, qsizetype minCells)
{
    for (qsizetype i = 0; i < rows.size(); ++i) {
        if (rows.at(i).size() >= minCells)
            return i;
    }
    return rows.size();
}

} // namespace CsvReader
