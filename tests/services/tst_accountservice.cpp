#include "Records.h"
#include "TestAppState.h"
#include "data/AccountRepository.h"
#include "data/Clock.h"
#include "data/Ids.h"
#include "data/Money.h"
#include "data/ReconciliationRepository.h"
#include "data/TransactionRepository.h"
#include "services/AccountService.h"
#include "services/ReconciliationService.h"

#include <QTest>

namespace {

Reconciliation statement(const QString& accountId, qint64 balance)
{
    Reconciliation r;
    r.id = Ids::newId();
    r.accountId = accountId;
    r.statementDate = QDate(2025, 6, 30);
    r.statementBalance = balance;
    return r;
}

} // namespace

// Accounts and their reconciliations.
class TestAccountService : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { Clock::setFixedUtc(QDateTime(QDate(2025, 7, 2), QTime(9, 30), Qt::UTC)); }
    void amountsBeyondTheLimitAndPastedNames();
    void currencyStaysOnceAmountsAreStored();
    void finishMarksTheTickedRowsOnce();
    void finishRefusesWhatNoLongerAdds();
};

void TestAccountService::amountsBeyondTheLimitAndPastedNames()
{
    TestAppState app;
    AccountService* service = app->accountService();
    const QDate asOf(2025, 3, 1);
    Account a = Records::account(QStringLiteral("  Rainy\x07 Day\nFund "), Money::kMaxAmount + 1);
    a.institution = QStringLiteral("\x1b") + QStringLiteral("Bank\x7f");

    // An opening amount beyond the limit leaves no account behind either.
    QVERIFY(!service->create(a, asOf));
    QVERIFY(app->accounts()->findAll().isEmpty());

    a.startingBalance = -Money::kMaxAmount;
    QVERIFY(service->create(a, asOf));
    Account stored = *app->accounts()->findById(a.id);
    QCOMPARE(stored.name, QStringLiteral("Rainy Day Fund"));
    QCOMPARE(stored.institution, QStringLiteral("Bank"));
    QCOMPARE(stored.startingBalance, 0);
    QCOMPARE(app->transactions()->findByAccount(a.id).value(0).amount, -Money::kMaxAmount);

    stored.startingBalance = Money::kMaxAmount + 1;
    QVERIFY(!service->update(stored));
    QCOMPARE(app->accounts()->findById(a.id)->startingBalance, 0);
    stored.startingBalance = 500;
    stored.name = QStringLiteral("Rainy\tDay");
    QVERIFY(service->update(stored));
    QCOMPARE(app->accounts()->findById(a.id)->name, QStringLiteral("Rainy Day"));
}

void TestAccountService::currencyStaysOnceAmountsAreStored()
{
    TestAppState app;
    AccountService* service = app->accountService();
    Account empty = app.addAccount(QStringLiteral("Empty"));
    empty.currency = Currency::JPY;
    QVERIFY(service->canChangeCurrency(empty.id));
    QVERIFY(service->update(empty));
    QCOMPARE(app->accounts()->findById(empty.id)->currency, Currency::JPY);

    // 1234 cents must not turn into 1,234 yen.
    Account used = app.addAccount(QStringLiteral("Used"));
    app.addTransaction(used.id, QDate(2025, 3, 1), QStringLiteral("Grocer"), -1234);
    QVERIFY(!service->canChangeCurrency(used.id));
    used.currency = Currency::JPY;
    QVERIFY(!service->update(used));
    QCOMPARE(app->accounts()->findById(used.id)->currency, Currency::USD);
    used.currency = Currency::USD;
    used.name = QStringLiteral("Renamed");
    QVERIFY(service->update(used));
}

void TestAccountService::finishMarksTheTickedRowsOnce()
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

void TestAccountService::finishRefusesWhatNoLongerAdds()
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

QTEST_MAIN(TestAccountService)
#include "tst_accountservice.moc"
