#include "Records.h"
#include "SmallDisk.h"
#include "TestAppState.h"
#include "TestDatabase.h"
#include "data/Clock.h"
#include "data/RecurringRepository.h"
#include "data/TransactionRepository.h"
#include "services/RecurringService.h"

#include <QSignalSpy>
#include <QTest>

using Result = RecurringService::ConfirmResult;

class TestRecurringService : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase() { Clock::clearFixed(); }

    void monthEndsStepsAndCatchUp();
    void catchUpCapOnBothSides();
    void transferLegs();
    void failuresLeaveTheScheduleAsItWas();
    void fullDiskMidCatchUpPostsNothing();
};

namespace {

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

RecurringTransaction stored(TestAppState& app, const RecurringTransaction& r)
{
    return *app->recurring()->findById(r.id);
}

// The schedule's next due date as stored, marked when it no longer runs.
QString due(TestAppState& app, const RecurringTransaction& r)
{
    const RecurringTransaction s = stored(app, r);
    return s.nextDueDate.toString(Qt::ISODate) + (s.isActive ? "" : " inactive");
}

QStringList datesOf(const QList<Transaction>& transactions)
{
    QStringList dates = Records::rows(transactions, &Transaction::date);
    dates.sort();
    return dates;
}

} // namespace

void TestRecurringService::initTestCase()
{
    Clock::setFixedUtc(QDateTime(kToday, QTime(12, 0), Qt::UTC));
}

void TestRecurringService::monthEndsStepsAndCatchUp()
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
    QCOMPARE(app->transactions()->findByAccount(savings.id).size(), 12);
}

void TestRecurringService::catchUpCapOnBothSides()
{
    TestAppState app;
    const Account a = app.addAccount("A");
    const Account b = app.addAccount("B");
    // 365 days behind: the first post and 365 more reach today.
    const auto justCaughtUp = schedule(app, a.id, kToday.addDays(-365));
    // One day more: the cap ends the run before today.
    const auto tooFarBehind = schedule(app, b.id, kToday.addDays(-366));

    expectWarning("Quarantining recurring .* Reason: hit catchup cap in single tick");
    QCOMPARE(app->recurringService()->autoPostDue(), 366 + 366);
    QCOMPARE(app->transactions()->findByAccount(a.id).size(), 366);
    QCOMPARE(due(app, justCaughtUp), "2025-03-16");
    const QList<Transaction> behind = app->transactions()->findByAccount(b.id);
    QCOMPARE(behind.size(), 366);
    QCOMPARE(datesOf(behind).last(), "2025-03-14");
    QCOMPARE(due(app, tooFarBehind), "2025-03-15 inactive");
}

void TestRecurringService::transferLegs()
{
    TestAppState app;
    const Account checking = app.addAccount("Checking");
    const Account savings = app.addAccount("Savings");
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
    QCOMPARE(stored(app, synced).updatedAt, synced.updatedAt);
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
    const auto first = schedule(app, a.id, kToday.addDays(-300));
    const auto second = schedule(app, b.id, kToday.addDays(-300));
    RecurringService* service = app->recurringService();

    // The disk fills during the catch-up of one schedule and has room again
    // right after the store says so: the run keeps nothing all the same.
    QVERIFY(disk.fillAtInsert(app->database(), "transactions", 100));
    disk.releaseWhenFull();
    QCOMPARE(service->autoPostDue(), 0);
    QCOMPARE(service->lastRunProblem(), "No recurring transactions were posted: the disk is full.");
    QCOMPARE(app.column("SELECT COUNT(*) FROM transactions"), QStringList { "0" });
    QCOMPARE(due(app, first) + " " + due(app, second), "2024-05-19 2024-05-19");
    QVERIFY(app.searchIndexIsSound());

    QCOMPARE(service->autoPostDue(), 2 * 301);
    QVERIFY(service->lastRunProblem().isEmpty());
    // The search triggers are back for the rows written one by one after the run.
    QVERIFY(app->transactions()->insert(Records::transaction(a.id, kToday, "Plumber", -500)));
    QVERIFY(app.searchIndexIsSound());
}

QTEST_MAIN(TestRecurringService)
#include "tst_recurringservice.moc"
