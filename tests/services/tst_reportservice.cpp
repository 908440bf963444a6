#include "Records.h"
#include "TestAppState.h"
#include "data/AccountRepository.h"
#include "data/CategoryRepository.h"
#include "data/Clock.h"
#include "data/TransactionRepository.h"
#include "services/ReportService.h"
#include "services/TransactionService.h"

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
        euro = app.addAccount(QStringLiteral("Euro"), 0, Currency::EUR);
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

QStringList totals(const QList<CategoryTotal>& rows)
{
    return Records::rows(rows, &CategoryTotal::category, &CategoryTotal::total);
}

QStringList months(const QList<MonthTotals>& rows)
{
    return Records::rows(rows, &MonthTotals::month, &MonthTotals::incoming, &MonthTotals::outgoing,
        &MonthTotals::net);
}

} // namespace

class TestReportService : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void categoryReportsFollowSplitsAndLeaveTransfersOut();
    void monthlyReportsTellTransfersApart();
    void payeesAccountsAndTransactionList();
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
    QCOMPARE(totals(l.reports()->categorySpending(kQuarter, kDollars)),
        QStringList({ "Groceries -21000", "Charity -4000", "Uncategorized -1250" }));
    QCOMPARE(l.reports()->categorySpending(kQuarter, { l.checking.id, {} }).size(), 3);
    QCOMPARE(totals(l.reports()->categorySpending(kQuarter, { QString(), Currency::EUR })),
        QStringList({ "Groceries -5000" }));
    QCOMPARE(Records::rows(l.reports()->taxReport(kQuarter, kDollars), &TaxLine::taxCategory,
                 &TaxLine::total),
        QStringList({ "charitable_contributions -4000", "wages 300000" }));

    // Income and expenses alike, by name; a category of one period only shows 0 in the other.
    // Opening balances are neither income nor spending.
    const auto changes = [&] {
        return Records::rows(l.reports()->categoryComparison(kJanuary, kFebruary, kDollars),
            &CategoryChange::category, &CategoryChange::first, &CategoryChange::second,
            &CategoryChange::change);
    };
    QCOMPARE(changes(),
        QStringList({ "Charity 0 -4000 -4000", "Groceries -8000 -11000 -3000",
            "Salary 300000 0 -300000", "Uncategorized 0 -1250 -1250" }));

    // A category whose amounts cancel out still had money through it.
    const Category loans = l.addCategory("Loans", QString());
    l.app.addTransaction(l.checking.id, QDate(2025, 1, 7), "Bank", -9'000, loans.id);
    l.app.addTransaction(l.checking.id, QDate(2025, 1, 8), "Bank", 9'000, loans.id);
    QCOMPARE(changes().at(2), "Loans 0 0 0");
    QCOMPARE(changes().size(), 5);
    QCOMPARE(names(l.reports()->categorySpending(kJanuary, kDollars)),
        QStringList({ "Groceries", "Loans" }));

    // Money filed under a category the file no longer holds is uncategorised, not lost.
    QVERIFY(l.app.exec("PRAGMA foreign_keys = OFF"));
    l.app.addTransaction(l.checking.id, QDate(2025, 1, 9), "Old", -700, QStringLiteral("zz-gone"));
    QVERIFY(l.app.exec("PRAGMA foreign_keys = ON"));
    QCOMPARE(
        totals(l.reports()->categorySpending(kJanuary, kDollars)).last(), "Uncategorized -700");
}

void TestReportService::monthlyReportsTellTransfersApart()
{
    Ledger l;
    QCOMPARE(months(l.reports()->incomeVsExpenses(kQuarter, kDollars)),
        QStringList({ "2025-01 302000 -10000 292000", "2025-02 0 -16250 -16250" }));

    // Cash flow sees the transfer leave one account and reach the other, and
    // no opening balance.
    QCOMPARE(months(l.reports()->cashFlow(kQuarter, kDollars)),
        QStringList({ "2025-01 352000 -60000 292000", "2025-02 0 -16250 -16250" }));
    QCOMPARE(months(l.reports()->cashFlow(kQuarter, { l.savings.id, {} })),
        QStringList({ "2025-01 50000 0 50000" }));
    QVERIFY(l.reports()->incomeVsExpenses(kQuarter, { l.savings.id, {} }).isEmpty());
    QCOMPARE(months(l.reports()->cashFlow(kQuarter, { l.euro.id, {} })),
        QStringList({ "2025-02 0 -5000 -5000" }));
    // Without transactions there is no span for "All Time".
    QVERIFY(!TestAppState()->reportService()->recordedSpan());
}

void TestReportService::payeesAccountsAndTransactionList()
{
    Ledger l;
    QCOMPARE(Records::rows(l.reports()->payeeSummary(kQuarter, { l.checking.id, {} }),
                 &PayeeTotal::payee, &PayeeTotal::total, &PayeeTotal::count),
        QStringList({ "Transfer to Savings -50000 1", "Superstore -15000 1", "Market -8000 2",
            "Cafe -1250 1", "Employer 300000 1" }));
    // An opening balance is no payment to or from anyone, over one account or several.
    QCOMPARE(Records::texts(
                 l.reports()->payeeSummary(kQuarter, { l.savings.id, {} }), &PayeeTotal::payee),
        QStringList({ "Transfer from Checking" }));
    QVERIFY(!Records::texts(l.reports()->payeeSummary(kQuarter, kDollars), &PayeeTotal::payee)
                 .contains("Opening Balance"));

    // An account without transactions shows its starting balance; the euro
    // account stays out of the dollar summary.
    QCOMPARE(Records::rows(l.reports()->accountSummary(kDollars), &AccountLine::name,
                 &AccountLine::cleared, &AccountLine::uncleared, &AccountLine::balance),
        QStringList(
            { "Checking 400000 -74250 325750", "Savings 80000 50000 130000", "Idle 7000 0 7000" }));
    QCOMPARE(l.reports()->accountSummary({}).size(), 4);

    const QList<ListedTransaction> all = l.reports()->transactionList(kQuarter, kDollars, {});
    QCOMPARE(all.size(), 8);
    QCOMPARE(all.first().payee, QStringLiteral("Opening Balance"));
    const auto split = std::find_if(
        all.cbegin(), all.cend(), [](const ListedTransaction& t) { return t.split; });
    QCOMPARE(split->payee, QStringLiteral("Superstore"));

    // Filtered by a category, a split purchase shows only its line in it.
    QCOMPARE(Records::rows(l.reports()->transactionList(kQuarter, kDollars, l.groceries.id),
                 &ListedTransaction::payee, &ListedTransaction::amount,
                 &ListedTransaction::category, &ListedTransaction::account),
        QStringList({ "Market -10000 Groceries Checking", "Market 2000 Groceries Checking",
            "Superstore -11000 Groceries Checking" }));

    // Its size counts and sums all of it.
    const auto size = [&](const QString& category) {
        const ListedSize s = l.reports()->transactionListSize(kQuarter, kDollars, category);
        return QList<qint64> { s.count, s.total };
    };
    QCOMPARE(size({}),
        (QList<qint64> {
            8, 80'000 + 2'000 + 300'000 - 50'000 + 50'000 - 10'000 - 15'000 - 1'250 }));
    QCOMPARE(size(l.groceries.id), (QList<qint64> { 3, -10'000 + 2'000 - 11'000 }));
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
