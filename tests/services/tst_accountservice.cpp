#include "Records.h"
#include "TestAppState.h"
#include "data/AccountRepository.h"
#include "data/Money.h"
#include "data/TransactionRepository.h"
#include "services/AccountService.h"

#include <QTest>

class TestAccountService : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void amountsBeyondTheLimitAndPastedNames();
    void currencyStaysOnceAmountsAreStored();
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

QTEST_MAIN(TestAccountService)
#include "tst_accountservice.moc"
