#pragma once

#include "ReportRows.h"

#include <QObject>
#include <QStringList>
#include <optional>

class Database;

// The figures of the reports, each summed by SQLite in one statement (two for
// the comparison). A split transaction counts under its lines' categories, any
// part its lines leave uncovered as "Uncategorized". A statement that fails
// gives an empty report. An account's opening balance counts in its balances
// only, never as income, spending or under a category.
class ReportService : public QObject {
    Q_OBJECT

public:
    explicit ReportService(Database* db, QObject* parent = nullptr);

    // Spending only (negative amounts), largest first; transfers between the
    // user's own accounts are not spending and are left out.
    QList<CategoryTotal> categorySpending(
        const ReportPeriod& period, const ReportScope& scope) const;
    // By month, transfers left out.
    QList<MonthTotals> incomeVsExpenses(const ReportPeriod& period, const ReportScope& scope) const;
    // By month, transfers included.
    QList<MonthTotals> cashFlow(const ReportPeriod& period, const ReportScope& scope) const;
    QList<PayeeTotal> payeeSummary(const ReportPeriod& period, const ReportScope& scope) const;
    // Categories marked tax relevant, ordered by tax category.
    QList<TaxLine> taxReport(const ReportPeriod& period, const ReportScope& scope) const;
    // Live accounts with their balances; takes no period.
    QList<AccountLine> accountSummary(const ReportScope& scope) const;
    // With a category, the lines of split transactions filed under it are
    // listed with their own amounts. A `limit` of 0 or more reads one page of
    // the list from `offset` on.
    QList<ListedTransaction> transactionList(const ReportPeriod& period, const ReportScope& scope,
        const QString& categoryId, int limit = -1, int offset = 0) const;
    ListedSize transactionListSize(
        const ReportPeriod& period, const ReportScope& scope, const QString& categoryId) const;
    // Category totals, income and expenses alike, of two periods; transfers left out.
    QList<CategoryChange> categoryComparison(
        const ReportPeriod& first, const ReportPeriod& second, const ReportScope& scope) const;

    // The dates of the first and the last live transaction; nothing without any.
    std::optional<ReportPeriod> recordedSpan() const;

    // Every cell quoted, quotes doubled, one line per row ending in a line
    // feed. A text cell a spreadsheet would run as a formula gets a leading
    // apostrophe; cells of `asShownColumns` (amounts) are written as they are.
    static QString csvText(const QStringList& headers, const QList<QStringList>& rows,
        const QList<int>& asShownColumns = {});

private:
    Database* m_db;
};
