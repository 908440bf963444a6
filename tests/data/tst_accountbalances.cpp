#include "Records.h"
#include "TestDatabase.h"
#include "data/AccountRepository.h"
#include "data/Clock.h"
#include "data/TransactionRepository.h"

#include <QTest>

namespace {

// What the register of the account ends on.
qint64 registerEnd(const TransactionRepository& transactions, const Account& account)
{
    const QList<TransactionRow> rows = transactions.findRegisterRows(account.id);
    return rows.isEmpty() ? account.startingBalance : rows.last().runningBalance;
}

} // namespace

class TestAccountBalances : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { Clock::setFixedUtc(QDateTime(QDate(2025, 9, 2), QTime(10, 0), Qt::UTC)); }
    void cleanup() { Clock::clearFixed(); }

    void balancesMatchTheEndOfEachRegister();
    void deletedRowsAndAccountsDoNotCount();
};

void TestAccountBalances::balancesMatchTheEndOfEachRegister()
{
    TestDatabase test;
    AccountRepository accounts(test.db());
    TransactionRepository transactions(test.db());

    const Account empty = Records::account(QStringLiteral("Empty"));
    const Account openingOnly = Records::account(QStringLiteral("Opening only"), 5000);
    const Account busy = Records::account(QStringLiteral("Busy"), -12'345);
    const Account overdrawn = Records::account(QStringLiteral("Overdrawn"));
    const Account large = Records::account(QStringLiteral("Large"), 4'000'000'000'000LL);
    for (const Account& a : { empty, openingOnly, busy, overdrawn, large })
        QVERIFY(accounts.insert(a));

    const QDate day(2025, 3, 1);
    for (int i = 0; i < 40; ++i) {
        // Deposits and payments of uneven sizes on dates out of order.
        const qint64 amount = (i % 3 == 0 ? 1 : -1) * (1000 + 37 * i);
        QVERIFY(transactions.insert(Records::transaction(
            busy.id, day.addDays((i * 7) % 31), QStringLiteral("P%1").arg(i), amount)));
    }
    QVERIFY(transactions.insert(
        Records::transaction(overdrawn.id, day, QStringLiteral("Rent"), -150'000)));
    QVERIFY(transactions.insert(
        Records::transaction(large.id, day, QStringLiteral("Bonus"), 5'000'000'000'000LL)));

    const QHash<QString, qint64> balances = accounts.balances();
    QCOMPARE(balances.size(), 5);
    for (const Account& a : { empty, openingOnly, busy, overdrawn, large }) {
        QVERIFY2(balances.contains(a.id), qPrintable(a.name));
        QCOMPARE(balances.value(a.id), registerEnd(transactions, a));
    }
    QCOMPARE(balances.value(empty.id), 0);
    QCOMPARE(balances.value(openingOnly.id), 5000);
    QCOMPARE(balances.value(overdrawn.id), -150'000);
    QCOMPARE(balances.value(large.id), 9'000'000'000'000LL);
}

void TestAccountBalances::deletedRowsAndAccountsDoNotCount()
{
    TestDatabase test;
    AccountRepository accounts(test.db());
    TransactionRepository transactions(test.db());

    const Account kept = Records::account(QStringLiteral("Kept"), 1000);
    const Account gone = Records::account(QStringLiteral("Gone"), 700);
    QVERIFY(accounts.insert(kept));
    QVERIFY(accounts.insert(gone));
    const Transaction live
        = Records::transaction(kept.id, QDate(2025, 1, 5), QStringLiteral("Live"), -300);
    const Transaction removed
        = Records::transaction(kept.id, QDate(2025, 1, 6), QStringLiteral("Removed"), -9999);
    QVERIFY(transactions.insert(live));
    QVERIFY(transactions.insert(removed));
    QVERIFY(transactions.insert(
        Records::transaction(gone.id, QDate(2025, 1, 7), QStringLiteral("Other"), 50)));

    QVERIFY(transactions.softDelete(removed.id));
    QVERIFY(accounts.softDelete(gone.id));

    const QHash<QString, qint64> balances = accounts.balances();
    QCOMPARE(balances.keys(), QList<QString>({ kept.id }));
    QCOMPARE(balances.value(kept.id), 700);
    QCOMPARE(balances.value(kept.id), registerEnd(transactions, kept));

    // Every row deleted: back to the starting balance alone, as the register shows it.
    QVERIFY(transactions.softDelete(live.id));
    QCOMPARE(accounts.balances().value(kept.id), 1000);
    QCOMPARE(accounts.balances().value(kept.id), registerEnd(transactions, kept));
}

QTEST_GUILESS_MAIN(TestAccountBalances)
#include "tst_accountbalances.moc"
