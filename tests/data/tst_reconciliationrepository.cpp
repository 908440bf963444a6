#include "TestDatabase.h"
#include "data/Clock.h"
#include "data/Ids.h"
#include "data/ReconciliationRepository.h"

#include <QSignalSpy>
#include <QTest>

namespace {

const QDateTime kNow(QDate(2026, 3, 14), QTime(9, 26, 53), Qt::UTC);

struct Reconciliations {
    TestDatabase test;
    ReconciliationRepository repo { test.db() };
    QSignalSpy changed { &repo, &ReconciliationRepository::reconciliationsChanged };
    Account a = test.addAccount("A");
    Account b = test.addAccount("B");

    Reconciliation add(const Account& account, const QDate& statementDate,
        const QDateTime& completedAt = kNow, const QDateTime& createdAt = kNow,
        const QDateTime& updatedAt = kNow)
    {
        Reconciliation r;
        r.id = Ids::newId();
        r.accountId = account.id;
        r.statementDate = statementDate;
        r.statementBalance = r.reconciledBalance = 123'45;
        r.completedAt = completedAt;
        r.createdAt = createdAt;
        r.updatedAt = updatedAt;
        if (!repo.insert(r))
            qFatal("reconciliation insert failed");
        return r;
    }
};

} // namespace

class TestReconciliationRepository : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { Clock::setFixedUtc(kNow); }
    void cleanup() { Clock::clearFixed(); }
    void insertFillsInvalidTimesAndUpdateMayMove();
    void latestIsByStatementDate();
    void deleteRestoreResyncAndFailures();
};

void TestReconciliationRepository::insertFillsInvalidTimesAndUpdateMayMove()
{
    Reconciliations s;
    const QDateTime earlier = kNow.addDays(-3);
    const Reconciliation noCreated = s.add(s.a, QDate(2026, 2, 28), earlier, QDateTime(), earlier);
    s.add(s.b, QDate(2026, 1, 31), earlier, earlier, QDateTime());
    QCOMPARE(s.changed.count(), 2);
    // Only the invalid time is filled.
    QCOMPARE(s.test.column("SELECT created_at || ' ' || updated_at FROM reconciliations"),
        QStringList({ "2026-03-14T09:26:53Z 2026-03-11T09:26:53Z",
            "2026-03-11T09:26:53Z 2026-03-14T09:26:53Z" }));
    auto stored = s.repo.findById(noCreated.id);
    QCOMPARE(stored->completedAt, earlier);
    QCOMPARE(stored->statementDate, QDate(2026, 2, 28));
    QCOMPARE(stored->statementBalance, 123'45);

    // An update may move it to another account; created_at and the sync
    // columns are never written from the record.
    stored->accountId = s.b.id;
    stored->reconciledBalance = -9'999'999'999LL;
    stored->createdAt = kNow.addYears(-1);
    stored->syncStatus = SyncStatus::Conflict;
    const int version = stored->version;
    stored->version += 5;
    QVERIFY(s.repo.update(*stored));
    QCOMPARE(s.changed.count(), 3);
    stored = s.repo.findById(noCreated.id);
    QCOMPARE(stored->reconciledBalance, -9'999'999'999LL);
    QCOMPARE(stored->createdAt, kNow);
    QCOMPARE(stored->syncStatus, SyncStatus::Pending);
    QCOMPARE(stored->version, version);
    QVERIFY(s.repo.findByAccount(s.a.id).isEmpty());
    QCOMPARE(s.repo.findByAccount(s.b.id).size(), 2);
}

void TestReconciliationRepository::latestIsByStatementDate()
{
    Reconciliations s;
    QVERIFY(!s.repo.findLatest(s.a.id));
    // Completed last, but for the oldest statement.
    s.add(s.a, QDate(2025, 12, 31), kNow);
    const Reconciliation newest = s.add(s.a, QDate(2026, 2, 28), kNow.addDays(-10));
    s.add(s.a, QDate(2026, 1, 31), kNow.addDays(-20));
    s.add(s.b, QDate(2026, 3, 31), kNow);
    QCOMPARE(s.repo.findLatest(s.a.id)->id, newest.id);
    QList<QDate> dates;
    for (const Reconciliation& r : s.repo.findByAccount(s.a.id))
        dates << r.statementDate;
    QCOMPARE(dates, QList<QDate>({ QDate(2026, 2, 28), QDate(2026, 1, 31), QDate(2025, 12, 31) }));
}

void TestReconciliationRepository::deleteRestoreResyncAndFailures()
{
    Reconciliations s;
    const Reconciliation r1 = s.add(s.a, QDate(2026, 1, 31));
    const Reconciliation r2 = s.add(s.a, QDate(2026, 2, 28));
    s.add(s.b, QDate(2026, 2, 28));
    QCOMPARE(s.repo.softDeleteByAccount(s.a.id), 2);
    QVERIFY(!s.repo.findLatest(s.a.id));
    QVERIFY(s.repo.findById(r1.id)->deletedAt); // still found by id
    QCOMPARE(s.repo.restoreByAccount(s.a.id, kNow.toString(Qt::ISODate)), 2);
    QCOMPARE(s.repo.findLatest(s.a.id)->id, r2.id);
    QVERIFY(s.repo.markSynced(r1.id, "s1"));
    QCOMPARE(s.repo.findById(r1.id)->serverId, "s1");
    QCOMPARE(s.repo.markAllPendingForResync(), 1);
    QCOMPARE(s.changed.count(), 6);

    // Failed writes log, return false or 0, emit nothing and change nothing.
    expectWarning("^ReconciliationRepository::insert failed: .*UNIQUE");
    QVERIFY(!s.repo.insert(r1));
    QVERIFY(s.test.freeze("reconciliations"));
    Reconciliation edited = r1;
    edited.statementBalance = 1;
    expectWarning("^ReconciliationRepository::update failed: .*frozen");
    QVERIFY(!s.repo.update(edited));
    QCOMPARE(s.changed.count(), 6);
    QCOMPARE(s.repo.findById(r1.id)->statementBalance, 123'45);
}

QTEST_GUILESS_MAIN(TestReconciliationRepository)
#include "tst_reconciliationrepository.moc"
