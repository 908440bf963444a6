#include "Records.h"
#include "TestDatabase.h"
#include "data/AccountRepository.h"
#include "data/Clock.h"
#include "data/Ids.h"
#include "data/ReconciliationRepository.h"

#include <QSignalSpy>
#include <QTest>

namespace {

const QDateTime kNow(QDate(2026, 3, 14), QTime(9, 26, 53), Qt::UTC);

Reconciliation reconciliation(
    const QString& accountId, const QDate& statementDate, const QDateTime& completedAt)
{
    Reconciliation r;
    r.id = Ids::newId();
    r.accountId = accountId;
    r.statementDate = statementDate;
    r.statementBalance = 123'45;
    r.reconciledBalance = 123'45;
    r.completedAt = completedAt;
    r.createdAt = r.updatedAt = completedAt;
    return r;
}

} // namespace

class TestReconciliationRepository : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void insertFillsInvalidTimes();
    void latestIsByStatementDate();
    void updateMayMoveAccount();
    void deleteRestoreAndResync();
    void failedWrites();

private:
    std::unique_ptr<TestDatabase> m_test;
    std::unique_ptr<ReconciliationRepository> m_repo;
    Account m_a;
    Account m_b;
};

void TestReconciliationRepository::init()
{
    Clock::setFixedUtc(kNow);
    m_test = std::make_unique<TestDatabase>();
    m_repo = std::make_unique<ReconciliationRepository>(m_test->db());
    AccountRepository accounts(m_test->db());
    m_a = Records::account(QStringLiteral("A"));
    m_b = Records::account(QStringLiteral("B"));
    QVERIFY(accounts.insert(m_a) && accounts.insert(m_b));
}

void TestReconciliationRepository::cleanup()
{
    m_repo.reset();
    m_test.reset();
    Clock::clearFixed();
}

void TestReconciliationRepository::insertFillsInvalidTimes()
{
    QSignalSpy changed(m_repo.get(), &ReconciliationRepository::reconciliationsChanged);
    Reconciliation blank = reconciliation(m_a.id, QDate(2026, 2, 28), kNow.addDays(-3));
    blank.createdAt = QDateTime();
    blank.updatedAt = QDateTime();
    blank.statementBalance = -9'000'000'000'000LL;
    QVERIFY(m_repo->insert(blank));
    QCOMPARE(changed.count(), 1);
    auto stored = m_repo->findById(blank.id);
    QVERIFY(stored);
    QCOMPARE(stored->createdAt, kNow);
    QCOMPARE(stored->updatedAt, kNow);
    QCOMPARE(stored->completedAt, kNow.addDays(-3));
    QCOMPARE(stored->statementDate, QDate(2026, 2, 28));
    QCOMPARE(stored->statementBalance, -9'000'000'000'000LL);
    QCOMPARE(stored->reconciledBalance, 123'45);
    QCOMPARE(stored->syncStatus, SyncStatus::Pending);
    QVERIFY(!stored->deletedAt);
    QCOMPARE(m_test->scalar(QStringLiteral("SELECT created_at FROM reconciliations")).toString(),
        QStringLiteral("2026-03-14T09:26:53Z"));

    // Valid times are kept; only the invalid one is filled.
    Reconciliation half = reconciliation(m_a.id, QDate(2026, 1, 31), kNow.addDays(-40));
    half.updatedAt = QDateTime();
    QVERIFY(m_repo->insert(half));
    stored = m_repo->findById(half.id);
    QCOMPARE(stored->createdAt, kNow.addDays(-40));
    QCOMPARE(stored->updatedAt, kNow);
}

void TestReconciliationRepository::latestIsByStatementDate()
{
    QVERIFY(!m_repo->findLatest(m_a.id));
    // Completed last, but for the oldest statement.
    QVERIFY(m_repo->insert(reconciliation(m_a.id, QDate(2025, 12, 31), kNow)));
    const Reconciliation newest = reconciliation(m_a.id, QDate(2026, 2, 28), kNow.addDays(-10));
    QVERIFY(m_repo->insert(newest));
    QVERIFY(m_repo->insert(reconciliation(m_a.id, QDate(2026, 1, 31), kNow.addDays(-20))));
    QVERIFY(m_repo->insert(reconciliation(m_b.id, QDate(2026, 3, 31), kNow)));

    QCOMPARE(m_repo->findLatest(m_a.id)->id, newest.id);
    QList<QDate> dates;
    for (const Reconciliation& r : m_repo->findByAccount(m_a.id))
        dates << r.statementDate;
    QCOMPARE(dates, QList<QDate>({ QDate(2026, 2, 28), QDate(2026, 1, 31), QDate(2025, 12, 31) }));
}

void TestReconciliationRepository::updateMayMoveAccount()
{
    Reconciliation r = reconciliation(m_a.id, QDate(2026, 2, 28), kNow);
    QVERIFY(m_repo->insert(r));
    QSignalSpy changed(m_repo.get(), &ReconciliationRepository::reconciliationsChanged);
    r.accountId = m_b.id;
    r.reconciledBalance = 99;
    r.createdAt = kNow.addYears(-1);
    r.updatedAt = kNow.addDays(1);
    r.syncStatus = SyncStatus::Conflict;
    QVERIFY(m_repo->update(r));
    QCOMPARE(changed.count(), 1);
    const auto stored = m_repo->findById(r.id);
    QCOMPARE(stored->accountId, m_b.id);
    QCOMPARE(stored->reconciledBalance, 99);
    QCOMPARE(stored->createdAt, kNow);
    QCOMPARE(stored->updatedAt, kNow.addDays(1));
    QCOMPARE(stored->syncStatus, SyncStatus::Conflict);
    QVERIFY(m_repo->findByAccount(m_a.id).isEmpty());
}

void TestReconciliationRepository::deleteRestoreAndResync()
{
    const Reconciliation r1 = reconciliation(m_a.id, QDate(2026, 1, 31), kNow);
    const Reconciliation r2 = reconciliation(m_a.id, QDate(2026, 2, 28), kNow);
    QVERIFY(m_repo->insert(r1) && m_repo->insert(r2));
    QVERIFY(m_repo->insert(reconciliation(m_b.id, QDate(2026, 2, 28), kNow)));
    QSignalSpy changed(m_repo.get(), &ReconciliationRepository::reconciliationsChanged);

    Clock::setFixedUtc(kNow.addDays(1));
    QCOMPARE(m_repo->softDeleteByAccount(m_a.id), 2);
    QCOMPARE(changed.count(), 1);
    QVERIFY(!m_repo->findLatest(m_a.id));
    QVERIFY(m_repo->findById(r1.id)->deletedAt); // still found by id
    QCOMPARE(*m_repo->findById(r1.id)->deletedAt, kNow.addDays(1));
    QCOMPARE(m_repo->findByAccount(m_b.id).size(), 1);

    QCOMPARE(m_repo->restoreByAccount(m_a.id, kNow.addDays(1).addSecs(1).toString(Qt::ISODate)), 0);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(
        m_repo->restoreByAccount(m_a.id, kNow.addDays(1).addSecs(-10).toString(Qt::ISODate)), 2);
    QCOMPARE(changed.count(), 2);
    QCOMPARE(m_repo->findLatest(m_a.id)->id, r2.id);

    for (const Reconciliation& r : m_repo->findPending())
        QVERIFY(m_repo->markSynced(r.id, QStringLiteral("s-") + r.id));
    QCOMPARE(changed.count(), 2);
    QVERIFY(m_repo->findPending().isEmpty());
    QCOMPARE(m_repo->findById(r1.id)->serverId, QStringLiteral("s-") + r1.id);
    QCOMPARE(m_repo->markAllPendingForResync(), 3);
    QCOMPARE(changed.count(), 3);
}

void TestReconciliationRepository::failedWrites()
{
    Reconciliation r = reconciliation(m_a.id, QDate(2026, 1, 31), kNow);
    QVERIFY(m_repo->insert(r));
    QSignalSpy changed(m_repo.get(), &ReconciliationRepository::reconciliationsChanged);

    QTest::ignoreMessage(QtWarningMsg,
        QRegularExpression(QStringLiteral("^ReconciliationRepository::insert failed: .*UNIQUE")));
    QVERIFY(!m_repo->insert(r));
    const auto freeze = [&](bool on) {
        return m_test->exec(on ? QStringLiteral("CREATE TRIGGER frozen BEFORE UPDATE ON "
                                                "reconciliations BEGIN SELECT RAISE(ABORT, "
                                                "'frozen'); END")
                               : QStringLiteral("DROP TRIGGER frozen"));
    };
    const auto expectFailure = [](const char* op) {
        QTest::ignoreMessage(QtWarningMsg,
            QRegularExpression(QStringLiteral("^ReconciliationRepository::%1 failed: .*frozen")
                                   .arg(QLatin1String(op))));
    };
    QVERIFY(freeze(true));
    expectFailure("update");
    r.statementBalance = 1;
    QVERIFY(!m_repo->update(r));
    expectFailure("softDeleteByAccount");
    QCOMPARE(m_repo->softDeleteByAccount(m_a.id), 0);
    QVERIFY(!m_repo->markSynced(r.id, QStringLiteral("s")));

    QVERIFY(freeze(false));
    QVERIFY(m_repo->markSynced(r.id, QStringLiteral("s")));
    QVERIFY(freeze(true));
    expectFailure("markAllPendingForResync");
    QCOMPARE(m_repo->markAllPendingForResync(), 0);

    QVERIFY(freeze(false));
    QVERIFY(m_test->exec(
        QStringLiteral("UPDATE reconciliations SET deleted_at = '2026-03-14T00:00:00Z'")));
    QVERIFY(freeze(true));
    expectFailure("restoreByAccount");
    QCOMPARE(m_repo->restoreByAccount(m_a.id, QStringLiteral("2000-01-01T00:00:00Z")), 0);

    QCOMPARE(changed.count(), 0);
    const auto stored = m_repo->findById(r.id);
    QCOMPARE(stored->statementBalance, 123'45);
    QCOMPARE(stored->syncStatus, SyncStatus::Synced);
    QVERIFY(stored->deletedAt);
}

QTEST_GUILESS_MAIN(TestReconciliationRepository)
#include "tst_reconciliationrepository.moc"
