#include "Records.h"
#include "TestAppState.h"
#include "data/AccountRepository.h"
#include "data/CategoryRepository.h"
#include "data/Clock.h"
#include "data/Database.h"
#include "data/TransactionRepository.h"
#include "services/ReportService.h"
#include "services/TransactionService.h"

#include <QSqlQuery>
#include <QTest>

namespace {

const ReportPeriod kQuarter { QDate(2025, 1, 1), QDate(2025, 3, 31) };
const ReportPeriod kJanuary { QDate(2025, 1, 1), QDate(2025, 1, 31) };
const ReportPeriod kFebruary { QDate(2025, 2, 1), QDate(2025, 2, 28) };
const ReportScope kDollars { QString(), Currency::USD };

// Two dollar accounts and a euro one over two months: a refund, a transfer
// between the dollar accounts, a purchase split over two categories, a
// deleted purchase and a euro purchase in a category the dollars use too.
// Savings and the euro account start with opening balances, as a new
// account's form stores them.
struct Ledger {
    TestAppState app;
    Account checking;
    Account savings;
    Account euro;
    Account idle;
    Category groceries;
    Category charity;
    Category salary;

    Ledger()
    {
        checking = app.addAccount(QStringLiteral("Checking"), 100'000);
        savings = app.addAccount(QStringLiteral("Savings"));
        Account e = Records::account(QStringLiteral("Euro"));
        e.currency = Currency::EUR;
        e.sortOrder = 5;
        QVERIFY(app->accounts()->insert(e));
        euro = e;
        idle = app.addAccount(QStringLiteral("Idle"), 7'000);

        groceries = addCategory("Groceries", QString());
        charity = addCategory("Charity", QStringLiteral("charitable_contributions"));
        salary = addCategory("Salary", QStringLiteral("wages"));

        app.addTransaction(checking.id, QDate(2025, 1, 5), "Market", -10'000, groceries.id);
        app.addTransaction(checking.id, QDate(2025, 1, 10), "Market", 2'000, groceries.id);
        Transaction pay
            = Records::transaction(checking.id, QDate(2025, 1, 15), "Employer", 300'000);
        pay.categoryId = salary.id;
        pay.cleared = true;
        save(pay);
        Transaction move = Records::transaction(checking.id, QDate(2025, 1, 20), "", -50'000);
        move.payee = TransactionService::transferToPayee(savings.name);
        move.transferDestAccountId = savings.id;
        save(move);

        Transaction shop
            = Records::transaction(checking.id, QDate(2025, 2, 3), "Superstore", -15'000);
        shop.isSplit = true;
        save(shop,
            { Records::splitLine(groceries.id, -11'000), Records::splitLine(charity.id, -4'000) });
        const Transaction gone
            = app.addTransaction(checking.id, QDate(2025, 2, 10), "Cafe", -3'000, groceries.id);
        QVERIFY(app->transactions()->softDelete(gone.id));
        app.addTransaction(euro.id, QDate(2025, 2, 12), "Boulangerie", -5'000, groceries.id);
        saveOpening(savings.id, QDate(2025, 1, 2), 80'000);
        saveOpening(euro.id, QDate(2025, 2, 1), -20'000);
        app.addTransaction(checking.id, QDate(2025, 2, 14), "Cafe", -1'250);
    }

    Category addCategory(const char* name, const QString& taxCategory)
    {
        Category c = Records::category(QString::fromLatin1(name));
        c.isTaxRelevant = !taxCategory.isEmpty();
        c.taxCategory = taxCategory;
        if (!app->categories()->insert(c))
            qFatal("category could not be stored");
        return c;
    }
    void save(const Transaction& t, const QList<SplitLine>& lines = {})
    {
        if (app->transactionService()->save(t, lines, true) != TransactionService::Result::Saved)
            qFatal("transaction could not be saved");
    }
    void saveOpening(const QString& accountId, const QDate& date, qint64 amount)
    {
        Transaction t = Records::transaction(accountId, date, "Opening Balance", amount);
        t.cleared = t.reconciled = true;
        save(t);
    }
    ReportService* reports() const { return app->reportService(); }
};

QStringList names(const QList<CategoryTotal>& rows)
{
    return Records::texts(rows, &CategoryTotal::category);
}

} // namespace

class TestReportService : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void categoryReportsFollowSplitsAndLeaveTransfersOut();
    void monthlyReportsTellTransfersApart();
    void payeesAccountsAndTransactionList();
    void anEmptyPeriodGivesEmptyReports();
    void csvQuotesAndDisarmsFormulas();
};

void TestReportService::initTestCase()
{
    Clock::setFixedUtc(QDateTime(QDate(2025, 3, 31), QTime(12, 0), Qt::UTC));
}

void TestReportService::categoryReportsFollowSplitsAndLeaveTransfersOut()
{
    Ledger l;
    // The refund lowers nothing; the split's lines land under their own
    // categories; the transfer, the deleted purchase and the euros stay out.
    const QList<CategoryTotal> spending = l.reports()->categorySpending(kQuarter, kDollars);
    QCOMPARE(names(spending), QStringList({ "Groceries", "Charity", "Uncategorized" }));
    QCOMPARE(spending.at(0).total, -21'000);
    QCOMPARE(spending.at(1).total, -4'000);
    QCOMPARE(spending.at(2).total, -1'250);
    QCOMPARE(l.reports()->categorySpending(kQuarter, { l.checking.id, {} }).size(), 3);
    const QList<CategoryTotal> euros
        = l.reports()->categorySpending(kQuarter, { QString(), Currency::EUR });
    QCOMPARE(names(euros), QStringList({ "Groceries" }));
    QCOMPARE(euros.first().total, -5'000);

    const QList<TaxLine> tax = l.reports()->taxReport(kQuarter, kDollars);
    QCOMPARE(Records::texts(tax, &TaxLine::taxCategory),
        QStringList({ "charitable_contributions", "wages" }));
    QCOMPARE(tax.at(0).total, -4'000);
    QCOMPARE(tax.at(1).total, 300'000);

    // Income and expenses alike, by name; a category of one period only shows 0 in the other.
    const QList<CategoryChange> change
        = l.reports()->categoryComparison(kJanuary, kFebruary, kDollars);
    QCOMPARE(Records::texts(change, &CategoryChange::category),
        QStringList({ "Charity", "Groceries", "Salary", "Uncategorized" }));
    QCOMPARE(change.at(0).first, 0);
    QCOMPARE(change.at(0).change, -4'000);
    QCOMPARE(change.at(1).first, -8'000);
    QCOMPARE(change.at(1).second, -11'000);
    QCOMPARE(change.at(1).change, -3'000);
    QCOMPARE(change.at(2).second, 0);
    QCOMPARE(change.at(2).change, -300'000);
    // Opening balances are neither income nor spending.
    QCOMPARE(change.at(3).first, 0);
    QCOMPARE(change.at(3).second, -1'250);

    // A category whose amounts cancel out still had money through it.
    const Category loans = l.addCategory("Loans", QString());
    l.app.addTransaction(l.checking.id, QDate(2025, 1, 7), "Bank", -9'000, loans.id);
    l.app.addTransaction(l.checking.id, QDate(2025, 1, 8), "Bank", 9'000, loans.id);
    const QList<CategoryChange> withLoans
        = l.reports()->categoryComparison(kJanuary, kFebruary, kDollars);
    QCOMPARE(Records::texts(withLoans, &CategoryChange::category),
        QStringList({ "Charity", "Groceries", "Loans", "Salary", "Uncategorized" }));
    QCOMPARE(withLoans.at(2).first, 0);
    QCOMPARE(names(l.reports()->categorySpending(kJanuary, kDollars)),
        QStringList({ "Groceries", "Loans" }));

    // Money filed under a category the file no longer holds is uncategorised, not lost.
    QSqlQuery pragma(l.app->database()->database());
    QVERIFY(pragma.exec(QStringLiteral("PRAGMA foreign_keys = OFF")));
    l.app.addTransaction(l.checking.id, QDate(2025, 1, 9), "Old", -700, QStringLiteral("zz-gone"));
    QVERIFY(pragma.exec(QStringLiteral("PRAGMA foreign_keys = ON")));
    const QList<CategoryTotal> january = l.reports()->categorySpending(kJanuary, kDollars);
    QCOMPARE(names(january), QStringList({ "Groceries", "Loans", "Uncategorized" }));
    QCOMPARE(january.at(2).total, -700);
}

void TestReportService::monthlyReportsTellTransfersApart()
{
    Ledger l;
    const QList<MonthTotals> income = l.reports()->incomeVsExpenses(kQuarter, kDollars);
    QCOMPARE(income.size(), 2);
    QCOMPARE(income.at(0).month, QStringLiteral("2025-01"));
    QCOMPARE(income.at(0).incoming, 302'000);
    QCOMPARE(income.at(0).outgoing, -10'000);
    QCOMPARE(income.at(0).net, 292'000);
    QCOMPARE(income.at(1).month, QStringLiteral("2025-02"));
    QCOMPARE(income.at(1).outgoing, -16'250);

    // Cash flow sees the transfer leave one account and reach the other, and
    // no opening balance.
    const QList<MonthTotals> flow = l.reports()->cashFlow(kQuarter, kDollars);
    QCOMPARE(flow.at(0).incoming, 352'000);
    QCOMPARE(flow.at(0).outgoing, -60'000);
    QCOMPARE(flow.at(1).net, -16'250);
    const QList<MonthTotals> savings = l.reports()->cashFlow(kQuarter, { l.savings.id, {} });
    QCOMPARE(savings.size(), 1);
    QCOMPARE(savings.first().incoming, 50'000);
    QVERIFY(l.reports()->incomeVsExpenses(kQuarter, { l.savings.id, {} }).isEmpty());
    const QList<MonthTotals> euros = l.reports()->cashFlow(kQuarter, { l.euro.id, {} });
    QCOMPARE(euros.size(), 1);
    QCOMPARE(euros.first().outgoing, -5'000);
}

void TestReportService::payeesAccountsAndTransactionList()
{
    Ledger l;
    const QList<PayeeTotal> payees = l.reports()->payeeSummary(kQuarter, { l.checking.id, {} });
    QCOMPARE(Records::texts(payees, &PayeeTotal::payee),
        QStringList({ "Transfer to Savings", "Superstore", "Market", "Cafe", "Employer" }));
    QCOMPARE(payees.at(2).total, -8'000);
    QCOMPARE(payees.at(2).count, 2);
    QCOMPARE(payees.at(3).count, 1);
    // An opening balance is no payment to or from anyone, over one account or several.
    QCOMPARE(Records::texts(
                 l.reports()->payeeSummary(kQuarter, { l.savings.id, {} }), &PayeeTotal::payee),
        QStringList({ "Transfer from Checking" }));
    QVERIFY(!Records::texts(l.reports()->payeeSummary(kQuarter, kDollars), &PayeeTotal::payee)
                 .contains("Opening Balance"));

    // An account without transactions shows its starting balance; the euro
    // account stays out of the dollar summary.
    const QList<AccountLine> accounts = l.reports()->accountSummary(kDollars);
    QCOMPARE(Records::texts(accounts, &AccountLine::name),
        QStringList({ "Checking", "Savings", "Idle" }));
    QCOMPARE(accounts.at(0).cleared, 400'000);
    QCOMPARE(accounts.at(0).uncleared, -74'250);
    QCOMPARE(accounts.at(0).balance, 325'750);
    QCOMPARE(accounts.at(1).balance, 80'000 + 50'000);
    QCOMPARE(accounts.at(2).cleared, 7'000);
    QCOMPARE(accounts.at(2).uncleared, 0);
    QCOMPARE(accounts.at(2).balance, 7'000);
    QCOMPARE(l.reports()->accountSummary({}).size(), 4);

    const QList<ListedTransaction> all = l.reports()->transactionList(kQuarter, kDollars, {});
    QCOMPARE(all.size(), 8);
    QCOMPARE(all.first().payee, QStringLiteral("Opening Balance"));
    const auto split = std::find_if(
        all.cbegin(), all.cend(), [](const ListedTransaction& t) { return t.split; });
    QCOMPARE(split->payee, QStringLiteral("Superstore"));

    // Filtered by a category, a split purchase shows only its line in it.
    const QList<ListedTransaction> groceries
        = l.reports()->transactionList(kQuarter, kDollars, l.groceries.id);
    QCOMPARE(Records::texts(groceries, &ListedTransaction::payee),
        QStringList({ "Market", "Market", "Superstore" }));
    QCOMPARE(groceries.last().amount, -11'000);
    QCOMPARE(groceries.last().category, QStringLiteral("Groceries"));
    QCOMPARE(groceries.last().account, QStringLiteral("Checking"));

    // Pages of the list put together are the list; its size counts and sums all of it.
    QList<ListedTransaction> paged;
    for (int offset = 0; offset < all.size(); offset += 3)
        paged += l.reports()->transactionList(kQuarter, kDollars, {}, 3, offset);
    QCOMPARE(Records::texts(paged, &ListedTransaction::payee),
        Records::texts(all, &ListedTransaction::payee));
    const ListedSize size = l.reports()->transactionListSize(kQuarter, kDollars, {});
    QCOMPARE(size.count, 8);
    QCOMPARE(size.total, 80'000 + 2'000 + 300'000 - 50'000 + 50'000 - 10'000 - 15'000 - 1'250);
    const ListedSize filed = l.reports()->transactionListSize(kQuarter, kDollars, l.groceries.id);
    QCOMPARE(filed.count, 3);
    QCOMPARE(filed.total, -10'000 + 2'000 - 11'000);
}

void TestReportService::anEmptyPeriodGivesEmptyReports()
{
    Ledger l;
    const ReportPeriod backwards { kQuarter.end, kQuarter.start };
    ReportService* r = l.reports();
    QVERIFY(r->categorySpending(backwards, {}).isEmpty());
    QVERIFY(r->incomeVsExpenses(backwards, {}).isEmpty());
    QVERIFY(r->cashFlow(backwards, {}).isEmpty());
    QVERIFY(r->payeeSummary(backwards, {}).isEmpty());
    QVERIFY(r->taxReport(backwards, {}).isEmpty());
    QVERIFY(r->transactionList(backwards, {}, {}).isEmpty());
    QVERIFY(r->categoryComparison(backwards, backwards, {}).isEmpty());
    QVERIFY(r->categorySpending({ QDate(2024, 1, 1), QDate(2024, 12, 31) }, {}).isEmpty());

    // The span "All Time" covers: from the first live transaction to the last.
    QVERIFY(!TestAppState()->reportService()->recordedSpan());
    const auto span = r->recordedSpan();
    QVERIFY(span);
    QCOMPARE(span->start, QDate(2025, 1, 2));
    QCOMPARE(span->end, QDate(2025, 2, 14));
}

void TestReportService::csvQuotesAndDisarmsFormulas()
{
    const QString csv = ReportService::csvText({ "Payee", "Memo", "Amount" },
        {
            { "Joe's \"Diner\", Main St", "two\nlines", "-$1,234.56" },
            { "=HYPERLINK(\"http://x\")", "-5 off", "$0.05" },
            { "@SUM(A1)", "+1", "-$0.01" },
            { "\tTab", "\rReturn", "" },
        },
        { 2 });
    QCOMPARE(csv,
        QStringLiteral("\"Payee\",\"Memo\",\"Amount\"\n"
                       "\"Joe's \"\"Diner\"\", Main St\",\"two\nlines\",\"-$1,234.56\"\n"
                       "\"'=HYPERLINK(\"\"http://x\"\")\",\"'-5 off\",\"$0.05\"\n"
                       "\"'@SUM(A1)\",\"'+1\",\"-$0.01\"\n"
                       "\"'\tTab\",\"'\rReturn\",\"\"\n"));
}

QTEST_MAIN(TestReportService)
#include "tst_reportservice.moc"
