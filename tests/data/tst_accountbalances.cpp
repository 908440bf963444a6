#include "Records.h"
#include "TestDatabase.h"
#include "data/AccountRepository.h"
#include "data/Clock.h"
#include "data/Database.h"
#include "data/TransactionRepository.h"

#include <QSqlQuery>
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
    void sumsComeFromTheLiveAmountIndex();
};

void TestAccountBalances::balancesMatchTheEndOfEachRegister()
{
    TestDatabase test;
    AccountRepository accounts(test.db());
    TransactionRepository transactions(test.db());
    const Account empty = Records::account(QStringLiteral("Empty"));
    const Account openingOnly = Records::account(QStringLiteral("Opening only"), 5000);
    const Account busy = Records::account(QStringLiteral("Busy"), -12'345);
    const Account large = Records::account(QStringLiteral("Large"), 4'000'000'000'000LL);
    const Account gone = Records::account(QStringLiteral("Gone"), 700);
    for (const Account& a : { empty, openingOnly, busy, large, gone })
        QVERIFY(accounts.insert(a));

    for (int i = 0; i < 40; ++i) {
        // Deposits and payments of uneven sizes on dates out of order.
        const qint64 amount = (i % 3 == 0 ? 1 : -1) * (1000 + 37 * i);
        QVERIFY(transactions.insert(Records::transaction(
            busy.id, QDate(2025, 3, 1).addDays((i * 7) % 31), QStringLiteral("P"), amount)));
    }
    const Transaction removed
        = Records::transaction(busy.id, QDate(2025, 3, 9), QStringLiteral("Removed"), -99'999);
    QVERIFY(transactions.insert(removed));
    QVERIFY(transactions.softDelete(removed.id));
    QVERIFY(transactions.insert(Records::transaction(
        large.id, QDate(2025, 3, 1), QStringLiteral("Bonus"), 5'000'000'000'000LL)));
    QVERIFY(transactions.insert(
        Records::transaction(gone.id, QDate(2025, 3, 1), QStringLiteral("Other"), 50)));
    QVERIFY(accounts.softDelete(gone.id));

    const QHash<QString, qint64> balances = accounts.balances();
    QCOMPARE(balances.size(), 4);
    for (const Account& a : { empty, openingOnly, busy, large })
        QCOMPARE(balances.value(a.id), registerEnd(transactions, a));
    QCOMPARE(balances.value(empty.id), 0);
    QCOMPARE(balances.value(openingOnly.id), 5000);
    QCOMPARE(balances.value(large.id), 9'000'000'000'000LL);

    // Only the accounts asked for; deleted and unknown ones are not there.
    QCOMPARE(accounts.balances({ busy.id, gone.id, QStringLiteral("no-such-account") }),
        (QHash<QString, qint64> { { busy.id, registerEnd(transactions, busy) } }));
}

void TestAccountBalances::sumsComeFromTheLiveAmountIndex()
{
    TestDatabase test;
    QSqlQuery plan(test.db()->database());
    QVERIFY(plan.exec(QStringLiteral(
        "EXPLAIN QUERY PLAN SELECT SUM(t.amount) FROM transactions t WHERE t.account_id = 'x' "
        "AND t.deleted_at IS NULL")));
    QStringList steps;
    while (plan.next())
        steps << plan.value(3).toString();
    // The sum never reads the table itself.
    QCOMPARE(steps,
        QStringList { QStringLiteral(
            "SEARCH t USING COVERING INDEX idx_transactions_live_amount (account_id=?)") });
}

QTEST_GUILESS_MAIN(TestAccountBalances)
#include "tst_accountbalances.moc"
