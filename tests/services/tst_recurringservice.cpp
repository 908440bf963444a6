#include "Records.h"
#include "SmallDisk.h"
#include "TestAppState.h"
#include "TestDatabase.h"
#include "data/AccountRepository.h"
#include "data/CategoryRepository.h"
#include "data/Clock.h"
#include "data/RecurringRepository.h"
#include "data/TransactionRepository.h"
#include "services/RecurringService.h"
#include "services/ReportService.h"
#include "services/TransactionService.h"

#include <QSignalSpy>
#include <QTest>

using Result = RecurringService::ConfirmResult;

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
        Clock::setFixedUtc(QDateTime(QDate(2025, 3, 31), QTime(12, 0), Qt::UTC));
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

QStringList totals(const QList<CategoryTotal>& rows)
{
    return Records::rows(rows, &CategoryTotal::category, &CategoryTotal::total);
}

QStringList months(const QList<MonthTotals>& rows)
{
    return Records::rows(rows, &MonthTotals::month, &MonthTotals::incoming, &MonthTotals::outgoing,
        &MonthTotals::net);
}

const QDate kToday(2025, 3, 15);

RecurringTransaction schedule(TestAppState& app, const QString& accountId, const QDate& due,
    Frequency frequency = Frequency::Daily, bool autoPost = true)
{
    RecurringTransaction r = Records::recurring(accountId, QStringLiteral("Rent"), due);
    r.frequency = frequency;
    r.autoPost = autoPost;
    if (!app->recurring()->insert(r))
        qFatal("schedule could not be stored");
    return r;
}

// The schedule's next due date as stored, marked when it no longer runs.
QString due(TestAppState& app, const RecurringTransaction& r)
{
    const RecurringTransaction s = *app->recurring()->findById(r.id);
    return s.nextDueDate.toString(Qt::ISODate) + (s.isActive ? "" : " inactive");
}

QStringList datesOf(const QList<Transaction>& transactions)
{
    QStringList dates = Records::rows(transactions, &Transaction::date);
    dates.sort();
    return dates;
}

} // namespace

class TestRecurringService : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { Clock::setFixedUtc(QDateTime(kToday, QTime(12, 0), Qt::UTC)); }
    void cleanupTestCase() { Clock::clearFixed(); }

    void monthEndsCatchUpAndTransferLegs();
    void failuresLeaveTheScheduleAsItWas();
    void fullDiskMidCatchUpPostsNothing();
    // Reports over the same months, which the schedules post into.
    void reportsFollowSplitsAndTellTransfersApart();
    void csvQuotesAndDisarmsFormulas();
};

void TestRecurringService::monthEndsCatchUpAndTransferLegs()
{
    TestAppState app;
    const Account checking = app.addAccount("Checking");
    RecurringService* service = app->recurringService();

    const auto monthly = schedule(app, checking.id, QDate(2025, 1, 31), Frequency::Monthly, false);
    QVERIFY(service->confirm(monthly));
    QCOMPARE(due(app, monthly), "2025-02-28");
    QVERIFY(service->confirm(monthly));
    QCOMPARE(due(app, monthly), "2025-03-28");
    const auto leap = schedule(app, checking.id, QDate(2024, 1, 31), Frequency::Monthly, false);
    QVERIFY(service->skip(leap.id));
    QCOMPARE(due(app, leap), "2024-02-29");
    QCOMPARE(RecurringService::nextDate(QDate(2024, 2, 29), Frequency::Annual), QDate(2025, 2, 28));
    QCOMPARE(
        RecurringService::nextDate(QDate(2025, 1, 1), Frequency::Biweekly), QDate(2025, 1, 15));

    // Ten days behind: eleven posts, today's included, and due tomorrow.
    const Account savings = app.addAccount("Savings");
    const auto daily = schedule(app, savings.id, kToday.addDays(-10));
    RecurringTransaction ending = Records::recurring(savings.id, QStringLiteral("Lease"), kToday);
    ending.autoPost = true;
    ending.endDate = kToday;
    QVERIFY(app->recurring()->insert(ending));
    QCOMPARE(service->pendingCount(), 3); // the leap schedule is still behind

    QSignalSpy changed(app->transactions(), &TransactionRepository::transactionsChanged);
    QSignalSpy pending(service, &RecurringService::pendingCountChanged);
    QCOMPARE(service->autoPostDue(), 12);
    // One announcement for the account and one count, not one per row.
    QCOMPARE(changed, QList<QVariantList> { { savings.id } });
    QCOMPARE(pending, QList<QVariantList> { { 1 } });

    const QList<Transaction> posted = app->transactions()->findByAccount(savings.id);
    QCOMPARE(posted.size(), 12);
    QCOMPARE(datesOf(posted).first(), "2025-03-05");
    QCOMPARE(due(app, daily), "2025-03-16");
    QCOMPARE(due(app, ending), "2025-04-15 inactive");
    QCOMPARE(app->transactions()
                 ->findById(RecurringService::occurrenceId(daily.id, QDate(2025, 3, 5)))
                 ->recurringId,
        daily.id);

    // The same day again: nothing more.
    QCOMPARE(service->autoPostDue(), 0);

    // A transfer posts both legs, with ids every computer derives alike.
    RecurringTransaction r = Records::recurring(checking.id, "To savings", kToday);
    r.id = "3f6c2a9e-8b1d-4e7a-9c5f-2d4b6a8e0f13";
    r.memo = "monthly";
    r.amount = -25000;
    r.transferDestAccountId = savings.id;
    QVERIFY(app->recurring()->insert(r));

    QCOMPARE(app->recurringService()->confirmWithResult(r), Result::Confirmed);
    const auto main = app->transactions()->findById("8557f9ce-0630-526f-9ed9-f70b0a869973");
    const auto leg = app->transactions()->findById("3fb4c078-1fa6-5798-8d37-4ea13a681763");
    QVERIFY(main && leg);
    const auto side = [&](const Transaction& t) {
        return Records::rows(QList { t }, &Transaction::accountId, &Transaction::amount,
            &Transaction::transferLinkId, &Transaction::payee, &Transaction::memo,
            &Transaction::recurringId)
            .value(0);
    };
    QCOMPARE(side(*main), checking.id + " -25000 " + leg->id + " To savings monthly " + r.id);
    QCOMPARE(side(*leg), savings.id + " 25000 " + main->id + " To savings monthly " + r.id);

    // One memorized from the register names the other side as the register does.
    RecurringTransaction memorized = Records::recurring(checking.id, "Transfer to Savings", kToday);
    memorized.transferDestAccountId = savings.id;
    QVERIFY(app->recurring()->insert(memorized));
    QVERIFY(app->recurringService()->confirm(memorized));
    QCOMPARE(app->transactions()
                 ->findById(RecurringService::occurrenceId(memorized.id, kToday, true))
                 ->payee,
        "Transfer from Checking");
}

void TestRecurringService::failuresLeaveTheScheduleAsItWas()
{
    TestAppState app;
    const Account checking = app.addAccount("Checking");
    const Account savings = app.addAccount("Savings");
    RecurringService* service = app->recurringService();

    // Already stored, as after synchronisation from another computer.
    const auto synced = schedule(app, checking.id, kToday, Frequency::Monthly, false);
    Transaction t = Records::transaction(checking.id, kToday, "Rent", -1000);
    t.id = RecurringService::occurrenceId(synced.id, kToday);
    QVERIFY(app->transactions()->insert(t));
    expectWarning("TransactionRepository::insert failed:.*UNIQUE");
    QCOMPARE(service->confirmWithResult(synced), Result::AlreadyPosted);
    QCOMPARE(app->recurring()->findById(synced.id)->updatedAt, synced.updatedAt);
    QCOMPARE(due(app, synced), "2025-03-15");

    // The advance fails after the insert: neither is kept.
    QVERIFY(app.exec("CREATE TRIGGER frozen BEFORE UPDATE ON recurring_transactions BEGIN "
                     "SELECT RAISE(ABORT, 'frozen'); END"));
    const auto rent = schedule(app, checking.id, kToday, Frequency::Monthly, false);
    QSignalSpy changed(app->transactions(), &TransactionRepository::transactionsChanged);
    expectWarning("RecurringRepository::update failed:.*frozen");
    QVERIFY(!service->confirm(rent));
    QVERIFY(!app->transactions()->findById(RecurringService::occurrenceId(rent.id, kToday)));
    QCOMPARE(due(app, rent), "2025-03-15");
    QCOMPARE(changed.count(), 0);
    QVERIFY(app.exec("DROP TRIGGER frozen"));
    QVERIFY(service->removeSchedule(rent.id));

    // Inside a run a failing step undoes only itself: the transfer's second
    // leg is refused, so its first leg goes too, and the other schedule posts.
    RecurringTransaction transfer = schedule(app, savings.id, kToday);
    transfer.transferDestAccountId = checking.id;
    QVERIFY(app->recurring()->update(transfer));
    Transaction blocker = Records::transaction(checking.id, kToday, "Blocker", 1);
    blocker.id = RecurringService::occurrenceId(transfer.id, kToday, true);
    QVERIFY(app->transactions()->insert(blocker));
    const auto daily = schedule(app, checking.id, kToday);
    RecurringTransaction broken = schedule(app, checking.id, QDate(1999, 12, 31));

    changed.clear();
    expectWarning("TransactionBulkInsert::insert failed:.*UNIQUE");
    expectWarning("Quarantining recurring .* Reason: broken next_due_date nextDueDate=1999-12-31");
    QCOMPARE(service->autoPostDue(), 1);
    QVERIFY(app->transactions()->findById(RecurringService::occurrenceId(daily.id, kToday)));
    QVERIFY(!app->transactions()->findById(RecurringService::occurrenceId(transfer.id, kToday)));
    QCOMPARE(due(app, transfer), "2025-03-15");
    QCOMPARE(changed, QList<QVariantList> { { checking.id } });
    QCOMPARE(due(app, broken), "1999-12-31 inactive");
    QVERIFY(!app->transactions()->findById(
        RecurringService::occurrenceId(broken.id, broken.nextDueDate)));
}

void TestRecurringService::fullDiskMidCatchUpPostsNothing()
{
    SmallDisk disk(8 << 20);
    QVERIFY2(disk.isMounted(), "mounting a small tmpfs needs root, as the test command has");
    TestAppState app(disk.path());
    const Account a = app.addAccount("A");
    const Account b = app.addAccount("B");
    // 365 days behind: the first post and 365 more reach today. One day more:
    // the catch-up cap ends that run before today.
    const auto first = schedule(app, a.id, kToday.addDays(-365));
    const auto second = schedule(app, b.id, kToday.addDays(-366));
    RecurringService* service = app->recurringService();

    // The disk fills during the catch-up of one schedule and has room again
    // right after the store says so: the run keeps nothing all the same.
    QVERIFY(disk.fillAtInsert(app->database(), "transactions", 100));
    disk.releaseWhenFull();
    QCOMPARE(service->autoPostDue(), 0);
    QCOMPARE(service->lastRunProblem(), "No recurring transactions were posted: the disk is full.");
    QCOMPARE(app.column("SELECT COUNT(*) FROM transactions"), QStringList { "0" });
    QCOMPARE(due(app, first) + " " + due(app, second), "2024-03-15 2024-03-14");
    QVERIFY(app.searchIndexIsSound());

    expectWarning("Quarantining recurring .* Reason: hit catchup cap in single tick");
    QCOMPARE(service->autoPostDue(), 366 + 366);
    QVERIFY(service->lastRunProblem().isEmpty());
    QCOMPARE(due(app, first) + " " + due(app, second), "2025-03-16 2025-03-15 inactive");
    const QList<Transaction> behind = app->transactions()->findByAccount(b.id);
    QCOMPARE(std::pair(behind.size(), datesOf(behind).last()),
        std::pair(qsizetype(366), QString("2025-03-14")));
    // The search triggers are back for the rows written one by one after the run.
    QVERIFY(app->transactions()->insert(Records::transaction(a.id, kToday, "Plumber", -500)));
    QVERIFY(app.searchIndexIsSound());
}

void TestRecurringService::reportsFollowSplitsAndTellTransfersApart()
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
    // The list shows opening balances as they are.
    QCOMPARE(l.reports()->transactionList(kQuarter, kDollars, {}).first().payee, "Opening Balance");

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
    QCOMPARE(
        Records::texts(l.reports()->categorySpending(kJanuary, kDollars), &CategoryTotal::category),
        QStringList({ "Groceries", "Loans" }));

    // Money filed under a category the file no longer holds is uncategorised, not lost.
    QVERIFY(l.app.exec("PRAGMA foreign_keys = OFF"));
    l.app.addTransaction(l.checking.id, QDate(2025, 1, 9), "Old", -700, QStringLiteral("zz-gone"));
    QVERIFY(l.app.exec("PRAGMA foreign_keys = ON"));
    QCOMPARE(
        totals(l.reports()->categorySpending(kJanuary, kDollars)).last(), "Uncategorized -700");
}

void TestRecurringService::csvQuotesAndDisarmsFormulas()
{
    // Quoting and the '=' guard are checked on the report screen's export.
    const QString csv = ReportService::csvText({ "-", "Memo", "Amount" },
        { { "@SUM(A1)", "-5", "-$0.01" }, { "\tTab", "+1", "" }, { "\rReturn", "x\ny", "" } },
        { 2 });
    QCOMPARE(csv,
        QStringLiteral("\"-\",\"Memo\",\"Amount\"\n\"'@SUM(A1)\",\"'-5\",\"-$0.01\"\n"
                       "\"'\tTab\",\"'+1\",\"\"\n\"'\rReturn\",\"x\ny\",\"\"\n"));
}

QTEST_MAIN(TestRecurringService)
#include "tst_recurringservice.moc"
