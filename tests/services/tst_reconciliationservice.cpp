#include "TestAppState.h"
#include "data/Clock.h"
#include "data/Ids.h"
#include "data/ReconciliationRepository.h"
#include "data/TransactionRepository.h"
#include "services/ReconciliationService.h"

#include <QTest>

class TestReconciliationService : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void finishMarksTheTickedRowsOnce();
    void finishRefusesWhatNoLongerAdds();

private:
    static Reconciliation statement(const QString& accountId, qint64 balance)
    {
        Reconciliation r;
        r.id = Ids::newId();
        r.accountId = accountId;
        r.statementDate = QDate(2025, 6, 30);
        r.statementBalance = balance;
        return r;
    }
};

void TestReconciliationService::initTestCase()
{
    Clock::setFixedUtc(QDateTime(QDate(2025, 7, 2), QTime(9, 30), Qt::UTC));
}

void TestReconciliationService::finishMarksTheTickedRowsOnce()
{
    TestAppState app;
    const Account checking = app.addAccount(QStringLiteral("Checking"), 10'000);
    const Transaction rent = app.addTransaction(checking.id, QDate(2025, 6, 1), "Rent", -7'000);
    const Transaction pay = app.addTransaction(checking.id, QDate(2025, 6, 15), "Pay", 20'000);
    const Transaction later = app.addTransaction(checking.id, QDate(2025, 7, 1), "Cafe", -500);
    ReconciliationService* service = app->reconciliationService();

    Reconciliation r = statement(checking.id, 23'000);
    QCOMPARE(
        service->finish(r, { rent.id, pay.id, rent.id }), ReconciliationService::Result::Finished);
    for (const QString& id : { rent.id, pay.id }) {
        const Transaction stored = *app->transactions()->findById(id);
        QVERIFY(stored.cleared && stored.reconciled);
        QCOMPARE(stored.updatedAt, Clock::nowUtc());
        QCOMPARE(stored.syncStatus, SyncStatus::Pending);
    }
    QCOMPARE(app->reconciliations()->findByAccount(checking.id).value(0).reconciledBalance, 23'000);

    // The same reconciliation again (a second Finish) writes nothing more.
    QCOMPARE(service->finish(r, { later.id }), ReconciliationService::Result::AlreadyFinished);
    QVERIFY(!app->transactions()->findById(later.id)->reconciled);
    QCOMPARE(app->reconciliations()->findByAccount(checking.id).size(), 1);
}

void TestReconciliationService::finishRefusesWhatNoLongerAdds()
{
    TestAppState app;
    const Account checking = app.addAccount(QStringLiteral("Checking"));
    const Transaction gas = app.addTransaction(checking.id, QDate(2025, 6, 3), "Gas", -4'000);
    const Transaction gone = app.addTransaction(checking.id, QDate(2025, 6, 4), "Shop", -1'000);
    QVERIFY(app->transactions()->softDelete(gone.id));
    ReconciliationService* service = app->reconciliationService();

    Reconciliation wrongSum = statement(checking.id, -3'000);
    QCOMPARE(service->finish(wrongSum, { gas.id }), ReconciliationService::Result::OutOfBalance);
    Reconciliation deleted = statement(checking.id, -5'000);
    QCOMPARE(service->finish(deleted, { gas.id, gone.id }),
        ReconciliationService::Result::TransactionsChanged);
    QVERIFY(!app->transactions()->findById(gas.id)->reconciled);
    QVERIFY(app->reconciliations()->findByAccount(checking.id).isEmpty());
}

QTEST_MAIN(TestReconciliationService)
#include "tst_reconciliationservice.moc"
