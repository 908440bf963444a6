#pragma once

#include "data/Currency.h"
#include "services/ReportRows.h"

#include <QList>

class ReportChart;
class ReportTableModel;

// Report rows as the texts of their tables (amounts in `currency`) and, where
// a tab has one, as its chart.
namespace ReportTables {

void showCategorySpending(
    ReportTableModel* model, ReportChart* chart, const QList<CategoryTotal>& rows, Currency c);
void showPayees(ReportTableModel* model, const QList<PayeeTotal>& rows, Currency c);
void showTax(ReportTableModel* model, const QList<TaxLine>& rows, Currency c);
// Income vs expenses when `income`, else cash flow; a bold "Total" row follows the months.
void showMonths(ReportTableModel* model, ReportChart* chart, const QList<MonthTotals>& rows,
    Currency c, bool income);
void showComparison(ReportTableModel* model, const QList<CategoryChange>& rows, Currency c);
// Each account's figures in its own currency.
void showAccountSummary(ReportTableModel* model, const QList<AccountLine>& rows);

} // namespace ReportTables
