#include "ReportService.h"

#include "ReportLogging.h"
#include "data/Database.h"
#include "data/SqlStatement.h"
#include "data/TextPool.h"

#include <QCoreApplication>
#include <QMap>
#include <QVariantList>

#include <sqlite3.h>

namespace {

// The conditions every period report puts on `t`, with their values.
struct Filter {
    QString sql;
    QVariantList values;
};

// `unindexed` keeps the date and the account from steering SQLite to a range
// scan, for a report whose walk in group order costs less than a sort.
Filter periodFilter(const ReportPeriod& period, const ReportScope& scope, bool withTransfers,
    bool unindexed = false)
{
    const QString plus = unindexed ? QStringLiteral("+") : QString();
    Filter f;
    f.sql = QStringLiteral("t.deleted_at IS NULL AND %1t.date >= ? AND %1t.date <= ?").arg(plus);
    f.values << period.start.toString(Qt::ISODate) << period.end.toString(Qt::ISODate);
    if (!withTransfers)
        // One expression, not an OR the planner would answer row by row from the link index.
        f.sql += QStringLiteral(" AND COALESCE(t.transfer_link_id, '') = ''");
    if (!scope.accountId.isEmpty()) {
        f.sql += QStringLiteral(" AND %1t.account_id = ?").arg(plus);
        f.values << scope.accountId;
    } else if (scope.currency) {
        f.sql
            += QStringLiteral(" AND t.account_id IN (SELECT id FROM accounts WHERE currency = ?)");
        f.values << currencyToText(*scope.currency);
    }
    return f;
}

// Rows (category_id, total, n) of every categorised piece of money, n counting
// the pieces: a plain transaction is one piece, a split one is its lines plus
// whatever part of its amount they leave uncovered (without a category).
// Grouping a million plain rows by category would sort them all; instead each
// category walks its own range of the category index, as do the rows without
// one. A category id that no longer names a category (a store written without
// its foreign keys) is found by skipping through the index from one id to the
// next, and counts as none.
enum class Pieces {
    Spending, // negative amounts only
    All,
    TaxRelevant, // all amounts of the categories marked tax relevant
};

// A starting balance is stored as an uncategorised "Opening Balance"
// transaction: money the account had, not money earned or spent. Reports of
// income, spending and categories take such rows back out of their sums. The
// payee index finds the few of them at once; the "+" keeps SQLite from
// walking every uncategorised row of the category index instead.
const char* const kOpeningBalance
    = "t.payee = 'Opening Balance' AND +t.category_id IS NULL AND t.is_split = 0"
      " AND COALESCE(t.transfer_link_id, '') = ''";

Filter categorisedPieces(const Filter& where, Pieces which)
{
    const bool spendingOnly = which == Pieces::Spending;
    const auto negative = [spendingOnly](const char* amount) {
        return spendingOnly ? QStringLiteral(" AND %1 < 0").arg(QLatin1String(amount)) : QString();
    };
    const QString plain
        = QStringLiteral("t.is_split <> 1 AND %1%2").arg(where.sql, negative("t.amount"));
    const bool taxOnly = which == Pieces::TaxRelevant;
    Filter f;
    f.sql = QStringLiteral(
        "WITH RECURSIVE ids(id) AS (SELECT (SELECT MIN(category_id) FROM transactions"
        " WHERE deleted_at IS NULL AND category_id IS NOT NULL) UNION ALL"
        " SELECT (SELECT MIN(category_id) FROM transactions WHERE deleted_at IS NULL"
        " AND category_id > ids.id) FROM ids WHERE ids.id IS NOT NULL AND %5),"
        " lost AS (SELECT id FROM ids WHERE id IS NOT NULL"
        " AND NOT EXISTS (SELECT 1 FROM categories c WHERE c.id = ids.id)),"
        " leftovers AS (SELECT t.amount - COALESCE((SELECT SUM(s.amount) FROM split_lines s"
        " WHERE s.transaction_id = t.id), 0) AS amount FROM transactions t"
        " WHERE t.is_split = 1 AND %2)"
        " SELECT c.id AS category_id, SUM(t.amount) AS total, COUNT(*) AS n FROM categories c"
        " CROSS JOIN transactions t ON t.category_id = c.id WHERE %1%6 GROUP BY c.rowid"
        " UNION ALL SELECT NULL, COALESCE(SUM(t.amount), 0), COUNT(*) FROM transactions t"
        " WHERE %5 AND t.category_id IS NULL AND %1"
        " UNION ALL SELECT NULL, -t.amount, -1 FROM transactions t WHERE %5 AND %7 AND %1"
        " UNION ALL SELECT NULL, COALESCE(SUM(t.amount), 0), COUNT(*) FROM lost"
        " CROSS JOIN transactions t ON t.category_id = lost.id WHERE %5 AND %1"
        " UNION ALL SELECT NULL, l.amount, 1 FROM leftovers l WHERE %5%3"
        " UNION ALL SELECT s.category_id, s.amount, 1 FROM split_lines s"
        " JOIN transactions t ON t.id = s.transaction_id WHERE t.is_split = 1 AND %2%4")
                .arg(plain, where.sql, negative("l.amount"), negative("s.amount"),
                    taxOnly ? QStringLiteral("0") : QStringLiteral("1"),
                    taxOnly ? QStringLiteral(" AND c.is_tax_relevant = 1") : QString(),
                    QLatin1String(kOpeningBalance));
    for (int copy = 0; copy < 6; ++copy)
        f.values += where.values;
    return f;
}

template <class Row, class Read>
QList<Row> query(const Database* db, const char* operation, const QString& sql,
    const QVariantList& values, Read read)
{
    QList<Row> rows;
    SqlStatement statement(db, sql, values);
    while (statement.next())
        rows.append(read(statement.row()));
    // A newer request interrupted this one; nobody waits for its rows.
    if (statement.failed() && statement.errorCode() == SQLITE_INTERRUPT)
        return {};
    if (statement.failed()) {
        qCWarning(lcReports).noquote()
            << QStringLiteral("ReportService::%1 failed:").arg(QLatin1String(operation))
            << statement.errorText();
        return {};
    }
    return rows;
}

QList<CategoryTotal> categoryTotals(
    const Database* db, const char* operation, const Filter& where, bool spendingOnly)
{
    const Filter pieces = categorisedPieces(where, spendingOnly ? Pieces::Spending : Pieces::All);
    const QString sql
        = QStringLiteral(
            "SELECT COALESCE(c.name, ?) AS name, SUM(p.total) FROM (%1) p"
            " LEFT JOIN categories c ON c.id = p.category_id"
            " GROUP BY name HAVING SUM(p.n) > 0 ORDER BY %2")
              .arg(pieces.sql,
                  spendingOnly ? QStringLiteral("SUM(p.total) ASC, name") : QStringLiteral("name"));
    // Money without a category is named in the interface's language, as an
    // imported "Uncategorized" category is, so the two still add up together.
    QVariantList values { QCoreApplication::translate("ReportService", "Uncategorized") };
    values += pieces.values;
    return query<CategoryTotal>(db, operation, sql, values, [](const SqlRow& r) {
        return CategoryTotal { r.text(0), r.int64(1) };
    });
}

QList<MonthTotals> monthTotals(const Database* db, const char* operation, const Filter& where)
{
    // Stored dates are always "yyyy-MM-dd": the month is their first seven
    // characters. Days come in index order, so summing by day first leaves a
    // few thousand rows to sort into months instead of every transaction.
    const QString sql = QStringLiteral(
        "SELECT substr(d.date, 1, 7) AS month, SUM(d.incoming), SUM(d.outgoing)"
        " FROM (SELECT t.date AS date,"
        " SUM(CASE WHEN t.amount > 0 THEN t.amount ELSE 0 END) AS incoming,"
        " SUM(CASE WHEN t.amount < 0 THEN t.amount ELSE 0 END) AS outgoing, COUNT(*) AS n"
        " FROM transactions t WHERE %1 GROUP BY t.date"
        " UNION ALL SELECT t.date, CASE WHEN t.amount > 0 THEN -t.amount ELSE 0 END,"
        " CASE WHEN t.amount < 0 THEN -t.amount ELSE 0 END, -1"
        " FROM transactions t WHERE %1 AND %2) d"
        " GROUP BY month HAVING SUM(d.n) > 0 ORDER BY month")
                            .arg(where.sql, QLatin1String(kOpeningBalance));
    return query<MonthTotals>(db, operation, sql, where.values + where.values, [](const SqlRow& r) {
        const qint64 in = r.int64(1);
        const qint64 out = r.int64(2);
        return MonthTotals { r.text(0), in, out, in + out };
    });
}

// A cell a spreadsheet would take for a formula or a control sequence.
bool looksLikeFormula(const QString& cell)
{
    if (cell.isEmpty())
        return false;
    switch (cell.front().unicode()) {
    case '=':
    case '+':
    case '-':
    case '@':
    case '\t':
    case '\r': return true;
    default: return false;
    }
}

QString quoted(const QString& cell)
{
    QString out = cell;
    out.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + out + QLatin1Char('"');
}

} // namespace

ReportService::ReportService(Database* db, QObject* parent)
    : QObject(parent)
    , m_db(db)
{
}

QList<CategoryTotal> ReportService::categorySpending(
    const ReportPeriod& period, const ReportScope& scope) const
{
    return categoryTotals(m_db, "categorySpending", periodFilter(period, scope, false), true);
}

QList<MonthTotals> ReportService::incomeVsExpenses(
    const ReportPeriod& period, const ReportScope& scope) const
{
    return monthTotals(m_db, "incomeVsExpenses", periodFilter(period, scope, false));
}

QList<MonthTotals> ReportService::cashFlow(
    const ReportPeriod& period, const ReportScope& scope) const
{
    return monthTotals(m_db, "cashFlow", periodFilter(period, scope, true));
}

QList<PayeeTotal> ReportService::payeeSummary(
    const ReportPeriod& period, const ReportScope& scope) const
{
    // The payee index walks the payees in order with the account, date and
    // amount beside them: cheaper than sorting the period's rows by payee.
    // One account skips from payee to payee and reads only its own range of each.
    const bool oneAccount = !scope.accountId.isEmpty();
    const Filter where = periodFilter(period, scope, true, !oneAccount);
    const QString names = oneAccount
        ? QStringLiteral("WITH RECURSIVE names(payee) AS (SELECT (SELECT MIN(payee)"
                         " FROM transactions WHERE deleted_at IS NULL) UNION ALL"
                         " SELECT (SELECT MIN(payee) FROM transactions WHERE deleted_at IS NULL"
                         " AND payee > names.payee) FROM names WHERE names.payee IS NOT NULL) ")
        : QString();
    const QString rows = oneAccount
        ? QStringLiteral("FROM names CROSS JOIN transactions t ON t.payee = names.payee")
        : QStringLiteral("FROM transactions t");
    const QString sql = names
        + QStringLiteral("SELECT p.payee, SUM(p.total), SUM(p.n) FROM"
                         " (SELECT t.payee AS payee, SUM(t.amount) AS total, COUNT(*) AS n"
                         " %1 WHERE %2 GROUP BY t.payee"
                         " UNION ALL SELECT t.payee, -t.amount, -1 FROM transactions t"
                         " WHERE %2 AND %3) p"
                         " GROUP BY p.payee HAVING SUM(p.n) > 0 ORDER BY SUM(p.total) ASC, p.payee")
              .arg(rows, where.sql, QLatin1String(kOpeningBalance));
    return query<PayeeTotal>(
        m_db, "payeeSummary", sql, where.values + where.values, [](const SqlRow& r) {
            return PayeeTotal { r.text(0), r.int64(1), r.integer(2) };
        });
}

QList<TaxLine> ReportService::taxReport(const ReportPeriod& period, const ReportScope& scope) const
{
    const Filter pieces = categorisedPieces(periodFilter(period, scope, true), Pieces::TaxRelevant);
    const QString sql
        = QStringLiteral("SELECT c.name, COALESCE(c.tax_category, ''), SUM(p.total) FROM (%1) p"
                         " JOIN categories c ON c.id = p.category_id WHERE c.is_tax_relevant = 1"
                         " GROUP BY c.name, c.tax_category ORDER BY c.tax_category, c.name")
              .arg(pieces.sql);
    return query<TaxLine>(m_db, "taxReport", sql, pieces.values, [](const SqlRow& r) {
        return TaxLine { r.text(0), r.text(1), r.int64(2) };
    });
}

QList<AccountLine> ReportService::accountSummary(const ReportScope& scope) const
{
    QString where = QStringLiteral("a.deleted_at IS NULL");
    QVariantList values;
    if (!scope.accountId.isEmpty()) {
        where += QStringLiteral(" AND a.id = ?");
        values << scope.accountId;
    } else if (scope.currency) {
        where += QStringLiteral(" AND a.currency = ?");
        values << currencyToText(*scope.currency);
    }
    const QString sql = QStringLiteral(
        "SELECT a.name, a.account_type, a.currency, a.starting_balance,"
        " COALESCE(SUM(CASE WHEN t.cleared = 1 THEN t.amount ELSE 0 END), 0),"
        " COALESCE(SUM(CASE WHEN t.cleared = 0 THEN t.amount ELSE 0 END), 0),"
        " COALESCE(SUM(t.amount), 0)"
        " FROM accounts a LEFT JOIN transactions t ON t.account_id = a.id AND t.deleted_at IS NULL"
        " WHERE %1 GROUP BY a.id ORDER BY a.sort_order, a.name")
                            .arg(where);
    return query<AccountLine>(m_db, "accountSummary", sql, values, [](const SqlRow& r) {
        const qint64 start = r.int64(3);
        return AccountLine { r.text(0), r.text(1), currencyFromText(r.text(2)), start + r.int64(4),
            r.int64(5), start + r.int64(6) };
    });
}

namespace {

// The rows of the transaction list without their order: the date, account
// name, payee, category name, memo, amount, split flag and a key that makes
// the order total, so that pages never overlap.
Filter listedRows(const Filter& where, const QString& categoryId)
{
    const QString columns = QStringLiteral("t.date, a.name, t.payee, COALESCE(c.name, '')");
    Filter f;
    f.values = where.values;
    if (categoryId.isEmpty()) {
        f.sql = QStringLiteral("SELECT %1, COALESCE(t.memo, ''), t.amount, t.is_split, t.id"
                               " FROM transactions t LEFT JOIN accounts a ON t.account_id = a.id"
                               " LEFT JOIN categories c ON t.category_id = c.id WHERE %2")
                    .arg(columns, where.sql);
        return f;
    }
    f.sql = QStringLiteral("SELECT %1, COALESCE(t.memo, ''), t.amount, 0, t.id"
                           " FROM transactions t LEFT JOIN accounts a ON t.account_id = a.id"
                           " LEFT JOIN categories c ON t.category_id = c.id"
                           " WHERE %2 AND t.is_split = 0 AND t.category_id = ?"
                           " UNION ALL"
                           " SELECT %1, COALESCE(NULLIF(s.memo, ''), t.memo, ''), s.amount, 0, s.id"
                           " FROM split_lines s JOIN transactions t ON t.id = s.transaction_id"
                           " LEFT JOIN accounts a ON t.account_id = a.id"
                           " LEFT JOIN categories c ON s.category_id = c.id"
                           " WHERE %2 AND t.is_split = 1 AND s.category_id = ?")
                .arg(columns, where.sql);
    f.values << categoryId;
    f.values += where.values;
    f.values << categoryId;
    return f;
}

} // namespace

QList<ListedTransaction> ReportService::transactionList(const ReportPeriod& period,
    const ReportScope& scope, const QString& categoryId, int limit, int offset) const
{
    const Filter rows = listedRows(periodFilter(period, scope, true), categoryId);
    // Ordered by position: the split lines' union has no table to name.
    QString sql = rows.sql + QStringLiteral(" ORDER BY 1, 3, 8");
    QVariantList values = rows.values;
    if (limit >= 0) {
        sql += QStringLiteral(" LIMIT ? OFFSET ?");
        values << limit << std::max(offset, 0);
    }
    // Hundreds of thousands of rows repeat a few accounts, payees and categories.
    TextPool pool;
    return query<ListedTransaction>(m_db, "transactionList", sql, values, [&pool](const SqlRow& r) {
        return ListedTransaction { r.date(0), r.text(1, pool), r.text(2, pool), r.text(3, pool),
            r.text(4, pool), r.int64(5), r.flag(6) };
    });
}

ListedSize ReportService::transactionListSize(
    const ReportPeriod& period, const ReportScope& scope, const QString& categoryId) const
{
    const Filter where = periodFilter(period, scope, true);
    Filter size { QStringLiteral("SELECT COUNT(*), COALESCE(SUM(t.amount), 0) FROM transactions t"
                                 " WHERE %1")
                      .arg(where.sql),
        where.values };
    if (!categoryId.isEmpty()) {
        const Filter rows = listedRows(where, categoryId);
        size = {
            QStringLiteral("SELECT COUNT(*), COALESCE(SUM(r.amount), 0) FROM (%1) r").arg(rows.sql),
            rows.values
        };
    }
    return query<ListedSize>(m_db, "transactionListSize", size.sql, size.values,
        [](const SqlRow& r) {
            return ListedSize { r.integer(0), r.int64(1) };
        })
        .value(0);
}

QList<CategoryChange> ReportService::categoryComparison(
    const ReportPeriod& first, const ReportPeriod& second, const ReportScope& scope) const
{
    const auto totals = [this, &scope](const ReportPeriod& period) {
        QMap<QString, qint64> byName;
        for (const CategoryTotal& t :
            categoryTotals(m_db, "categoryComparison", periodFilter(period, scope, false), false))
            byName.insert(t.category, t.total);
        return byName;
    };
    const QMap<QString, qint64> one = totals(first);
    const QMap<QString, qint64> two = totals(second);
    QMap<QString, CategoryChange> rows;
    for (auto it = one.cbegin(); it != one.cend(); ++it)
        rows[it.key()].first = it.value();
    for (auto it = two.cbegin(); it != two.cend(); ++it)
        rows[it.key()].second = it.value();
    QList<CategoryChange> out;
    out.reserve(rows.size());
    for (auto it = rows.begin(); it != rows.end(); ++it) {
        it->category = it.key();
        it->change = it->second - it->first;
        out.append(*it);
    }
    return out;
}

std::optional<ReportPeriod> ReportService::recordedSpan() const
{
    // Each bound alone, so that SQLite reads it off one end of the date index.
    const QString live
        = QStringLiteral("FROM transactions WHERE deleted_at IS NULL"
                         " AND date GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]'");
    const QString sql
        = QStringLiteral("SELECT (SELECT MIN(date) %1), (SELECT MAX(date) %1)").arg(live);
    const QList<ReportPeriod> span
        = query<ReportPeriod>(m_db, "recordedSpan", sql, {}, [](const SqlRow& r) {
              return ReportPeriod { r.date(0), r.date(1) };
          });
    if (span.isEmpty() || !span.first().start.isValid() || !span.first().end.isValid())
        return std::nullopt;
    return span.first();
}

QString ReportService::csvText(
    const QStringList& headers, const QList<QStringList>& rows, const QList<int>& asShownColumns)
{
    const auto line = [&asShownColumns](const QStringList& cells, bool guard) {
        QStringList out;
        out.reserve(cells.size());
        for (int column = 0; column < cells.size(); ++column) {
            const QString& cell = cells.at(column);
            const bool guarded
                = guard && !asShownColumns.contains(column) && looksLikeFormula(cell);
            out << quoted(guarded ? QLatin1Char('\'') + cell : cell);
        }
        return out.join(QLatin1Char(',')) + QLatin1Char('\n');
    };
    QString text = line(headers, false);
    for (const QStringList& row : rows)
        text += line(row, true);
    return text;
}
