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
    void deletedRowsAndAccountsDoNotCount();
    void onlyTheChosenAccounts();
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

void TestAccountBalances::onlyTheChosenAccounts()
{
    TestDatabase test;
    AccountRepository accounts(test.db());
    TransactionRepository transactions(test.db());
    const Account a = Records::account(QStringLiteral("A"), 100);
    const Account b = Records::account(QStringLiteral("B"), 200);
    const Account c = Records::account(QStringLiteral("C"), 300);
    for (const Account& account : { a, b, c })
        QVERIFY(accounts.insert(account));
    QVERIFY(transactions.insert(
        Records::transaction(c.id, QDate(2025, 2, 2), QStringLiteral("Shop"), -50)));
    QVERIFY(accounts.softDelete(b.id));

    const QHash<QString, qint64> chosen
        = accounts.balances({ c.id, b.id, QStringLiteral("no-such-account") });
    QCOMPARE(chosen.size(), 1);
    QCOMPARE(chosen.value(c.id), 250);
    QCOMPARE(accounts.balances({ a.id }), (QHash<QString, qint64> { { a.id, 100 } }));
    QCOMPARE(accounts.balances().size(), 2);
}

void TestAccountBalances::sumsComeFromTheLiveAmountIndex()
{
    TestDatabase test;
    // Partial on live rows and covering the amount, so a sum never reads the table.
    const QString definition
        = test.scalar(QStringLiteral("SELECT sql FROM sqlite_master WHERE name = "
                                     "'idx_transactions_live_amount'"))
              .toString();
    QVERIFY2(definition.contains(
                 QLatin1String("(account_id, amount, deleted_at) WHERE deleted_at IS NULL")),
        qPrintable(definition));

    QSqlQuery plan(test.db()->database());
    QVERIFY(plan.exec(QStringLiteral(
        "EXPLAIN QUERY PLAN SELECT SUM(t.amount) FROM transactions t WHERE t.account_id = 'x' "
        "AND t.deleted_at IS NULL")));
    QStringList steps;
    while (plan.next())
        steps << plan.value(3).toString();
    QVERIFY2(steps.join(QLatin1Char('|'))
                 .contains(QLatin1String("USING COVERING INDEX idx_transactions_live_amount")),
        qPrintable(steps.join(QLatin1Char('|'))));
}

QTEST_GUILESS_MAIN(TestAccountBalances)
#include "tst_accountbalances.moc"
