#include "Records.h"
#include "TestDatabase.h"
#include "data/AccountRepository.h"
#include "data/Clock.h"
#include "data/TransactionRepository.h"

#include <QTest>

class TestAccountBalances : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { Clock::setFixedUtc(QDateTime(QDate(2025, 9, 2), QTime(10, 0), Qt::UTC)); }
    void cleanup() { Clock::clearFixed(); }

    void balancesMatchTheEndOfEachRegister();
};

void TestAccountBalances::balancesMatchTheEndOfEachRegister()
{
    TestDatabase test;
    AccountRepository accounts(test.db());
    TransactionRepository transactions(test.db());
    const Account empty = test.addAccount("Empty");
    const Account openingOnly = test.addAccount("Opening only", 5000);
    const Account busy = test.addAccount("Busy", -12'345);
    const Account large = test.addAccount("Large", 4'000'000'000LL);
    const Account gone = test.addAccount("Gone", 700);
    const auto add = [&](const Account& a, int day, qint64 amount) {
        const Transaction t
            = Records::transaction(a.id, QDate(2025, 3, 1).addDays(day), "P", amount);
        return transactions.insert(t) ? t.id : QString();
    };
    // Deposits and payments of uneven sizes on dates out of order.
    for (int i = 0; i < 40; ++i)
        QVERIFY(!add(busy, (i * 7) % 31, (i % 3 == 0 ? 1 : -1) * (1000 + 37 * i)).isEmpty());
    QVERIFY(transactions.softDelete(add(busy, 8, -99'999)));
    QVERIFY(!add(large, 0, 5'000'000'000LL).isEmpty());
    QVERIFY(!add(gone, 0, 50).isEmpty());
    QVERIFY(accounts.softDelete(gone.id));

    const auto registerEnd = [&](const Account& a) {
        const QList<TransactionRow> rows = transactions.findRegisterRows(a.id);
        return rows.isEmpty() ? a.startingBalance : rows.last().runningBalance;
    };
    const QHash<QString, qint64> balances = accounts.balances();
    QCOMPARE(balances.size(), 4);
    for (const Account& a : { empty, openingOnly, busy, large })
        QCOMPARE(balances.value(a.id), registerEnd(a));
    QCOMPARE(balances.value(openingOnly.id), 5000);
    QCOMPARE(balances.value(large.id), 9'000'000'000LL);

    // Only the accounts asked for; deleted and unknown ones are not there.
    QCOMPARE(accounts.balances({ busy.id, gone.id, "no-such-account" }),
        (QHash<QString, qint64> { { busy.id, registerEnd(busy) } }));
}

QTEST_GUILESS_MAIN(TestAccountBalances)
#include "tst_accountbalances.moc"
