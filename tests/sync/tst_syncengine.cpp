#include "FakeCloud.h"
#include "Records.h"
#include "SyncSide.h"
#include "data/AccountRepository.h"
#include "data/CategoryRepository.h"
#include "data/Clock.h"
#include "data/Database.h"
#include "data/Ids.h"
#include "data/PreferencesRepository.h"
#include "data/ReconciliationRepository.h"
#include "data/RecurringRepository.h"
#include "data/SplitLineRepository.h"
#include "data/TransactionRepository.h"
#include "data/TransactionScope.h"
#include "services/AccountService.h"
#include "services/TransactionService.h"
#include "sync/SyncEngine.h"

#include <QSignalSpy>
#include <QSqlQuery>
#include <QTest>

namespace {

const QDate kDay(2025, 3, 14);

int scalar(const SyncSide& side, const QString& sql)
{
    QSqlQuery query(side->database()->database());
    query.exec(sql);
    return query.next() ? query.value(0).toInt() : -1;
}

QList<TestHttpRequest> syncRequests(FakeCloud& cloud)
{
    QList<TestHttpRequest> found;
    for (const TestHttpRequest& request : cloud.server().requests()) {
        if (request.path == FakeSyncService::pushPath()
            || request.path == FakeSyncService::pullPath())
            found << request;
    }
    return found;
}

// The next answer comes `ms` later than the server's work.
TestHttpFault late(int ms)
{
    TestHttpFault fault;
    fault.delayMs = ms;
    fault.times = 1;
    return fault;
}

} // namespace

class TestSyncEngine : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void twoComputersKeepOneLedger();
    void sameRowEditedOnBothSidesBecomesAVisibleConflict();
    void deletionsAndRestorationsTravelBothWays();
    void pushesInBatchesAndSurvivesAFaultyServer();
    void recordBeforeItsParentIsParkedThenApplied();
    void forceFullSyncMidCycleAndAnotherUser();

private:
    // Both computers exchange everything; true when every cycle completed.
    bool exchange() { return m_a->sync() && m_b->sync() && m_a->sync(); }

    std::unique_ptr<FakeCloud> m_cloud;
    std::unique_ptr<SyncSide> m_a;
    std::unique_ptr<SyncSide> m_b;
};

void TestSyncEngine::init()
{
    m_cloud = std::make_unique<FakeCloud>();
    m_a = std::make_unique<SyncSide>(*m_cloud);
    m_b = std::make_unique<SyncSide>(*m_cloud);
    // Cycles run when a test says so, not when a timer happens to fire.
    for (SyncSide* side : { m_a.get(), m_b.get() }) {
        side->engine()->stopAutoSync();
        side->engine()->setRequestDelay(3600000);
        QVERIFY(side->settle());
    }
}

void TestSyncEngine::cleanup()
{
    m_a.reset();
    m_b.reset();
    m_cloud.reset();
}

void TestSyncEngine::twoComputersKeepOneLedger()
{
    SyncSide& a = *m_a;
    SyncSide& b = *m_b;
    const Account checking = Records::account("Checking", 10000);
    const Account savings = Records::account("Savings");
    QVERIFY(a->accounts()->insert(checking) && a->accounts()->insert(savings));
    const Category hobby = Records::category("Hobby");
    const Category model = Records::category("Models", hobby.id);
    QVERIFY(a->categories()->insert(hobby) && a->categories()->insert(model));
    Transaction split = Records::transaction(checking.id, kDay, "Market", -5000);
    split.isSplit = true;
    QCOMPARE(a->transactionService()->save(split,
                 QList<SplitLine> { { Ids::newId(), {}, hobby.id, -3000, "paint", {}, {} },
                     { Ids::newId(), {}, model.id, -2000, "kit", {}, {} } },
                 true),
        TransactionService::Result::Saved);
    Transaction transfer = Records::transaction(checking.id, kDay, "Transfer to Savings", -700);
    transfer.transferDestAccountId = savings.id;
    QCOMPARE(a->transactionService()->save(transfer, std::nullopt, true),
        TransactionService::Result::Saved);
    QVERIFY(a->recurring()->insert(Records::recurring(checking.id, "Rent", kDay.addDays(10))));
    Reconciliation reconciliation;
    reconciliation.id = Ids::newId();
    reconciliation.accountId = checking.id;
    reconciliation.statementDate = kDay;
    reconciliation.statementBalance = reconciliation.reconciledBalance = 4300;
    reconciliation.completedAt = Clock::nowUtc();
    QVERIFY(a->reconciliations()->insert(reconciliation));
    const Account wallet = Records::account("Wallet");
    QVERIFY(b->accounts()->insert(wallet));
    const Transaction coffee = Records::transaction(wallet.id, kDay, "Coffee", -350);
    QVERIFY(b->transactions()->insert(coffee));

    QSignalSpy merged(b.engine(), &SyncEngine::dataChanged);
    QVERIFY(exchange());
    QVERIFY(merged.count() > 0);
    QCOMPARE(a.dump(), b.dump());
    QCOMPARE(b->splitLines()->findByTransaction(split.id).size(), 2);
    QCOMPARE(scalar(b, "SELECT COUNT(*) FROM transactions WHERE transfer_link_id != ''"), 2);
    QCOMPARE(scalar(b, "SELECT COUNT(*) FROM transactions WHERE sync_status != 'synced'"), 0);
    QVERIFY(!b->preferences()->value(SyncEngine::kLastSyncKey).isEmpty());

    // Different rows edited on each side, one of them while its push is in
    // flight: the later edit must not be taken for synced.
    QVERIFY(b.editPayee(split.id, "Farmers market"));
    QVERIFY(a.editPayee(coffee.id, "Espresso"));
    const int pushes = m_cloud->server().requestsTo(FakeSyncService::pushPath()).size();
    m_cloud->server().setFault(FakeSyncService::pushPath(), late(400));
    a.engine()->syncNow();
    QVERIFY(QTest::qWaitFor(
        [&] { return m_cloud->server().requestsTo(FakeSyncService::pushPath()).size() > pushes; }));
    QVERIFY(a.editPayee(coffee.id, "Double espresso"));
    QVERIFY(a.settle());
    QCOMPARE(a.transaction(coffee.id).syncStatus, SyncStatus::Pending);
    QVERIFY(exchange());
    QCOMPARE(b.transaction(coffee.id).payee, QString("Double espresso"));
    QCOMPARE(a.transaction(split.id).payee, QString("Farmers market"));
    QCOMPARE(a.dump(), b.dump());
}

void TestSyncEngine::sameRowEditedOnBothSidesBecomesAVisibleConflict()
{
    SyncSide& a = *m_a;
    SyncSide& b = *m_b;
    const Account checking = Records::account("Checking");
    QVERIFY(a->accounts()->insert(checking));
    const Transaction rent = Records::transaction(checking.id, kDay, "Rent", -90000);
    QVERIFY(a->transactions()->insert(rent));
    QVERIFY(exchange());

    QVERIFY(a.editPayee(rent.id, "Rent (March)"));
    QVERIFY(b.editPayee(rent.id, "Landlord"));
    QVERIFY(a.sync());
    QSignalSpy conflicts(b.engine(), &SyncEngine::conflictCountChanged);
    // Refused three times, the edit is neither pushed again nor overwritten:
    // it waits for the user.
    for (int i = 0; i < 3; ++i)
        QVERIFY(b.sync());
    QCOMPARE(b.transaction(rent.id).syncStatus, SyncStatus::Conflict);
    QCOMPARE(b.transaction(rent.id).payee, QString("Landlord"));
    QCOMPARE(b.engine()->conflictCount(), 1);
    QCOMPARE(conflicts.last().at(0).toInt(), 1);
    QVERIFY(b.sync());
    QCOMPARE(b.transaction(rent.id).payee, QString("Landlord"));

    // The user keeps their version by editing it again: it goes through.
    QVERIFY(b.editPayee(rent.id, "Landlord (March)"));
    QVERIFY(b.sync() && a.sync());
    QCOMPARE(a.transaction(rent.id).payee, QString("Landlord (March)"));
    QCOMPARE(b.engine()->conflictCount(), 0);
    QCOMPARE(a.dump(), b.dump());
}

void TestSyncEngine::deletionsAndRestorationsTravelBothWays()
{
    SyncSide& a = *m_a;
    SyncSide& b = *m_b;
    const Account checking = Records::account("Checking");
    QVERIFY(a->accounts()->insert(checking));
    QVERIFY(a->transactions()->insert(Records::transaction(checking.id, kDay, "Gas", -4000)));
    QVERIFY(a->transactions()->insert(Records::transaction(checking.id, kDay, "Pay", 250000)));
    QVERIFY(exchange());

    QVERIFY(a->accountService()->remove(checking.id).removed);
    QVERIFY(exchange());
    QVERIFY(b->accounts()->findById(checking.id)->deletedAt.has_value());
    QCOMPARE(scalar(b, "SELECT COUNT(*) FROM transactions WHERE deleted_at IS NULL"), 0);
    // A received deletion is not sent back.
    QCOMPARE(scalar(b, "SELECT COUNT(*) FROM accounts WHERE sync_status = 'pending'"), 0);
    QCOMPARE(a.dump(), b.dump());

    QVERIFY(b->accounts()->restore(checking.id));
    QCOMPARE(b->transactions()->restoreByAccount(checking.id, "2000-01-01T00:00:00Z"), 2);
    QVERIFY(b.sync() && a.sync());
    QVERIFY(!a->accounts()->findById(checking.id)->deletedAt.has_value());
    QCOMPARE(a->transactions()->findByAccount(checking.id).size(), 2);
    QCOMPARE(a.dump(), b.dump());
}

void TestSyncEngine::pushesInBatchesAndSurvivesAFaultyServer()
{
    SyncSide& a = *m_a;
    SyncSide& b = *m_b;
    const Account checking = Records::account("Checking");
    QVERIFY(a->accounts()->insert(checking));
    {
        TransactionScope scope(a->database());
        for (int i = 0; i < 1200; ++i)
            QVERIFY(a->transactions()->insert(
                Records::transaction(checking.id, kDay.addDays(i % 90), "Row", -i)));
        QVERIFY(scope.commit());
    }
    m_cloud->server().clearRequests();
    // The server keeps the first batch, but its answer never arrives (nor
    // those of the network layer's own retries).
    m_cloud->sync().dropAfterCommit(-1);
    QVERIFY(!a.sync());
    QCOMPARE(a.engine()->state(), SyncEngine::Error);
    QVERIFY(a.engine()->lastError().startsWith("Push failed"));
    m_cloud->server().clearFaults();
    QVERIFY(a.sync());
    QList<int> sizes;
    for (const TestHttpRequest& request : syncRequests(*m_cloud)) {
        if (request.path == FakeSyncService::pullPath())
            break;
        sizes << int(request.json().value("changes").toArray().size());
    }
    // 1,201 rows go in three batches before the first pull; the kept batch
    // is sent again and taken as the same changes.
    QVERIFY(sizes.size() >= 4);
    QCOMPARE(sizes.mid(sizes.size() - 4), (QList<int> { 500, 500, 500, 201 }));
    QCOMPARE(m_cloud->sync().recordCount("user-1"),
        scalar(a,
            "SELECT (SELECT COUNT(*) FROM accounts) + (SELECT COUNT(*) FROM categories) "
            "+ (SELECT COUNT(*) FROM transactions)"));

    // A server stuck at one position ends the cycle instead of asking 50 times.
    m_cloud->server().clearRequests();
    m_cloud->sync().setStalledCursor(true);
    QVERIFY(!b.sync());
    QCOMPARE(m_cloud->server().requestsTo(FakeSyncService::pullPath()).size(), 1);
    m_cloud->sync().setStalledCursor(false);
    QVERIFY(b.sync());
    QCOMPARE(a.dump(), b.dump());
}

void TestSyncEngine::recordBeforeItsParentIsParkedThenApplied()
{
    SyncSide& a = *m_a;
    SyncSide& b = *m_b;
    QVERIFY(exchange());
    m_cloud->sync().setChildBeforeParent(true);
    m_cloud->sync().setPageCap(1);
    const Account checking = Records::account("Checking");
    QVERIFY(a->accounts()->insert(checking));
    const Category hobby = Records::category("Hobby");
    QVERIFY(a->categories()->insert(hobby));
    Transaction t = Records::transaction(checking.id, kDay, "Paint", -1200);
    t.categoryId = hobby.id;
    QVERIFY(a->transactions()->insert(t));
    QVERIFY(a.sync());

    m_cloud->server().clearRequests();
    QVERIFY(b.sync());
    QVERIFY(m_cloud->server().requestsTo(FakeSyncService::pullPath()).size() >= 3);
    QCOMPARE(b.transaction(t.id).payee, QString("Paint"));
    QCOMPARE(scalar(b, "SELECT COUNT(*) FROM sync_parked"), 0);
    QCOMPARE(a.dump(), b.dump());
}

void TestSyncEngine::forceFullSyncMidCycleAndAnotherUser()
{
    SyncSide& a = *m_a;
    SyncSide& b = *m_b;
    const Account checking = Records::account("Checking");
    QVERIFY(a->accounts()->insert(checking));
    QVERIFY(a->transactions()->insert(Records::transaction(checking.id, kDay, "Gas", -4000)));
    QVERIFY(exchange());

    // Asked for while a pull is on its way: the answer must not store its
    // cursor, and the next cycle starts the stream over.
    m_cloud->server().clearRequests();
    m_cloud->server().setFault(FakeSyncService::pullPath(), late(300));
    QSignalSpy completed(b.engine(), &SyncEngine::syncCompleted);
    b.engine()->syncNow();
    QVERIFY(QTest::qWaitFor(
        [&] { return !m_cloud->server().requestsTo(FakeSyncService::pullPath()).isEmpty(); }));
    b.engine()->forceFullSync();
    QVERIFY(QTest::qWaitFor([&] { return completed.count() > 0 && !b.engine()->isRunning(); }));
    const QList<TestHttpRequest> pulls = m_cloud->server().requestsTo(FakeSyncService::pullPath());
    QVERIFY(pulls.size() >= 2);
    QVERIFY(pulls.first().query.hasQueryItem("cursor"));
    QVERIFY(!pulls.at(1).query.hasQueryItem("cursor"));
    QVERIFY(m_cloud->server().requestsTo(FakeSyncService::pushPath()).size() >= 1);
    QVERIFY(a.sync());
    QCOMPARE(a.dump(), b.dump());

    // Another user: nothing goes anywhere until the user agrees to upload.
    QSignalSpy asked(a.engine(), &SyncEngine::accountChangeDetected);
    a.signInAs("user-2");
    m_cloud->server().clearRequests();
    a.engine()->syncNow();
    QCOMPARE(asked.count(), 1);
    QVERIFY(syncRequests(*m_cloud).isEmpty());
    a.engine()->adoptAccount();
    QVERIFY(a.settle());
    QVERIFY(a.sync());
    QCOMPARE(m_cloud->sync().recordCount("user-2"),
        scalar(a,
            "SELECT (SELECT COUNT(*) FROM accounts) + (SELECT COUNT(*) FROM categories) "
            "+ (SELECT COUNT(*) FROM transactions)"));
    QCOMPARE(scalar(a, "SELECT COUNT(*) FROM transactions WHERE sync_status != 'synced'"), 0);
}

QTEST_MAIN(TestSyncEngine)
#include "tst_syncengine.moc"
