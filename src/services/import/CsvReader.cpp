#include "CsvReader.h"

#include <QHash>

namespace CsvReader {

QList<QStringList> read(const QString& text, QChar delimiter)
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
        } else if (c == delimiter) {
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

QChar detectDelimiter(const QString& text)
{
    // Enough lines to see the table under a few lines about the account.
    constexpr qsizetype kSample = 16 * 1024;
    const QString head = text.left(kSample);
    QChar best = u',';
    qsizetype bestScore = 0;
    for (const QChar candidate : { u',', u';', u'\t', u'|' }) {
        QList<QStringList> rows = read(head, candidate);
        if (head.size() == kSample && rows.size() > 1)
            rows.removeLast(); // cut off by the sample
        QHash<qsizetype, qsizetype> widths;
        for (const QStringList& row : std::as_const(rows)) {
            if (row.size() > 1)
                ++widths[row.size()];
        }
        // Rows of the commonest width, wider tables winning a tie.
        for (auto it = widths.cbegin(); it != widths.cend(); ++it) {
            const qsizetype score = it.value() * 1000 + it.key();
            if (score > bestScore) {
                bestScore = score;
                best = candidate;
            }
        }
    }
    return best;
}

QString skipLines(const QString& text, int lines)
{
    qsizetype from = 0;
    for (int i = 0; i < lines && from < text.size(); ++i) {
        const qsizetype end = text.indexOf(QLatin1Char('\n'), from);
        from = end < 0 ? text.size() : end + 1;
    }
    return text.mid(from);
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
