#include "ReportTables.h"

#include "ReportChart.h"
#include "ReportTableModel.h"
#include "ReportsScreen.h"
#include "data/Account.h"
#include "data/Money.h"

namespace ReportTables {

namespace {

QString accountTypeName(const QString& stored)
{
    switch (accountTypeFromText(stored)) {
    case AccountType::Checking: return ReportsScreen::tr("Checking");
    case AccountType::Savings: return ReportsScreen::tr("Savings");
    case AccountType::CreditCard: return ReportsScreen::tr("Credit Card");
    case AccountType::Cash: return ReportsScreen::tr("Cash");
    case AccountType::Investment: return ReportsScreen::tr("Investment");
    case AccountType::Other: break;
    }
    return ReportsScreen::tr("Other");
}

} // namespace

void showCategorySpending(
    ReportTableModel* model, ReportChart* chart, const QList<CategoryTotal>& rows, Currency c)
{
    model->setRows(int(rows.size()), [rows, c](int row, int column) {
        const CategoryTotal& r = rows.at(row);
        return column == 0 ? r.category : Money::formatMoney(r.total, c);
    });
    chart->showCategories(rows, c);
}

void showPayees(ReportTableModel* model, const QList<PayeeTotal>& rows, Currency c)
{
    model->setRows(int(rows.size()), [rows, c](int row, int column) {
        const PayeeTotal& r = rows.at(row);
        switch (column) {
        case 0: return r.payee;
        case 1: return Money::formatMoney(r.total, c);
        default: return QString::number(r.count);
        }
    });
}

void showTax(ReportTableModel* model, const QList<TaxLine>& rows, Currency c)
{
    model->setRows(int(rows.size()), [rows, c](int row, int column) {
        const TaxLine& r = rows.at(row);
        switch (column) {
        case 0: return r.category;
        case 1: return r.taxCategory;
        default: return Money::formatMoney(r.total, c);
        }
    });
}

void showMonths(ReportTableModel* model, ReportChart* chart, const QList<MonthTotals>& rows,
    Currency c, bool income)
{
    QStringList total;
    if (!rows.isEmpty()) {
        qint64 in = 0;
        qint64 out = 0;
        for (const MonthTotals& m : rows) {
            in += m.incoming;
            out += m.outgoing;
        }
        total = QStringList { ReportsScreen::tr("Total"), Money::formatMoney(in, c),
            Money::formatMoney(out, c), Money::formatMoney(in + out, c) };
    }
    model->setRows(
        int(rows.size()),
        [rows, c](int row, int column) {
            const MonthTotals& m = rows.at(row);
            switch (column) {
            case 0: return m.month;
            case 1: return Money::formatMoney(m.incoming, c);
            case 2: return Money::formatMoney(m.outgoing, c);
            default: return Money::formatMoney(m.net, c);
            }
        },
        total);
    chart->showMonths(rows, c, income ? ReportsScreen::tr("Income") : ReportsScreen::tr("Inflows"),
        income ? ReportsScreen::tr("Expenses") : ReportsScreen::tr("Outflows"));
}

void showComparison(ReportTableModel* model, const QList<CategoryChange>& rows, Currency c)
{
    model->setRows(int(rows.size()), [rows, c](int row, int column) {
        const CategoryChange& r = rows.at(row);
        switch (column) {
        case 0: return r.category;
        case 1: return Money::formatMoney(r.first, c);
        case 2: return Money::formatMoney(r.second, c);
        default: return Money::formatMoney(r.change, c);
        }
    });
}

void showAccountSummary(ReportTableModel* model, const QList<AccountLine>& rows)
{
    model->setRows(int(rows.size()), [rows](int row, int column) {
        const AccountLine& r = rows.at(row);
        switch (column) {
        case 0: return r.name;
        case 1: return accountTypeName(r.type);
        case 2: return Money::formatMoney(r.cleared, r.currency);
        case 3: return Money::formatMoney(r.uncleared, r.currency);
        default: return Money::formatMoney(r.balance, r.currency);
        }
    });
}

} // namespace ReportTables
