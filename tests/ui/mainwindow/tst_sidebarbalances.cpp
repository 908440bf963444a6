#include "TestAppState.h"
#include "data/AccountRepository.h"
#include "data/Database.h"
#include "data/TransactionRepository.h"
#include "ui/mainwindow/AccountBalances.h"

#include <QSqlQuery>
#include <QTest>

namespace {

qint64 registerEnd(AppState* state, const Account& account)
{
    const QList<TransactionRow> rows = state->transactions()->findRegisterRows(account.id);
    return rows.isEmpty() ? account.startingBalance : rows.last().runningBalance;
}

// A change the cache cannot hear of: only a read shows it.
void addBehindTheBack(AppState* state, const QString& accountId, qint64 amount)
{
    QSqlQuery q(state->database()->database());
    q.prepare(QStringLiteral(
        "UPDATE transactions SET amount = amount + ? WHERE rowid = (SELECT rowid FROM "
        "transactions WHERE account_id = ? AND deleted_at IS NULL LIMIT 1)"));
    q.addBindValue(amount);
    q.addBindValue(accountId);
    QVERIFY(q.exec());
    QCOMPARE(q.numRowsAffected(), 1);
}

} // namespace

class TestSidebarBalances : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void matchTheRegisters();
    void aForgottenAccountAloneIsReadAgain();
    void startingBalanceEditsNeedNoRead();
    void anAccountThatReturnsIsReadAgain();
};

void TestSidebarBalances::matchTheRegisters()
{
    TestAppState app;
    const Account empty = app.addAccount(QStringLiteral("Empty"));
    const Account opening = app.addAccount(QStringLiteral("Opening only"), 4200);
    const Account busy = app.addAccount(QStringLiteral("Busy"), -100);
    app.addTransaction(busy.id, QDate(2025, 3, 2), QStringLiteral("A"), -2500);
    app.addTransaction(busy.id, QDate(2025, 3, 1), QStringLiteral("B"), 900);
    AccountBalances balances(app->accounts());
    const QList<Account> accounts = app->accounts()->findAll();
    const QHash<QString, qint64> values = balances.of(accounts);
    QCOMPARE(values.size(), 3);
    for (const Account& account : accounts)
        QCOMPARE(values.value(account.id), registerEnd(app.state(), account));
    QCOMPARE(values.value(empty.id), 0);
    QCOMPARE(values.value(opening.id), 4200);
    QCOMPARE(values.value(busy.id), -1700);
}

void TestSidebarBalances::aForgottenAccountAloneIsReadAgain()
{
    TestAppState app;
    const Account a = app.addAccount(QStringLiteral("A"), 1000);
    const Account b = app.addAccount(QStringLiteral("B"));
    app.addTransaction(a.id, QDate(2025, 1, 1), QStringLiteral("X"), -100);
    app.addTransaction(b.id, QDate(2025, 1, 1), QStringLiteral("Y"), 500);
    AccountBalances balances(app->accounts());
    const QList<Account> accounts = app->accounts()->findAll();
    QCOMPARE(balances.of(accounts).value(b.id), 500);

    app.addTransaction(a.id, QDate(2025, 1, 2), QStringLiteral("Z"), -50);
    addBehindTheBack(app.state(), b.id, 7);
    balances.forget(a.id);
    QHash<QString, qint64> values = balances.of(accounts);
    QCOMPARE(values.value(a.id), 850);
    QCOMPARE(values.value(a.id), registerEnd(app.state(), a));
    // B was not read again.
    QCOMPARE(values.value(b.id), 500);

    // Forgetting everything reads everything.
    balances.forget(QString());
    values = balances.of(accounts);
    QCOMPARE(values.value(b.id), 507);
    QCOMPARE(values.value(b.id), registerEnd(app.state(), b));
}

void TestSidebarBalances::startingBalanceEditsNeedNoRead()
{
    TestAppState app;
    Account a = app.addAccount(QStringLiteral("A"), 1000);
    app.addTransaction(a.id, QDate(2025, 1, 1), QStringLiteral("X"), -300);
    AccountBalances balances(app->accounts());
    QCOMPARE(balances.of(app->accounts()->findAll()).value(a.id), 700);

    a.startingBalance = 5000;
    QVERIFY(app->accounts()->update(a));
    const QList<Account> accounts = app->accounts()->findAll();
    QCOMPARE(balances.of(accounts).value(a.id), 4700);
    QCOMPARE(balances.of(accounts).value(a.id), registerEnd(app.state(), accounts.first()));
}

void TestSidebarBalances::anAccountThatReturnsIsReadAgain()
{
    TestAppState app;
    const Account a = app.addAccount(QStringLiteral("A"));
    const Account b = app.addAccount(QStringLiteral("B"));
    app.addTransaction(b.id, QDate(2025, 1, 1), QStringLiteral("Y"), 500);
    AccountBalances balances(app->accounts());
    QCOMPARE(balances.of(app->accounts()->findAll()).size(), 2);

    QVERIFY(app->accounts()->softDelete(b.id));
    QCOMPARE(balances.of(app->accounts()->findAll()).keys(), QList<QString>({ a.id }));
    addBehindTheBack(app.state(), b.id, 1);
    QVERIFY(app->accounts()->restore(b.id));
    QCOMPARE(balances.of(app->accounts()->findAll()).value(b.id), 501);
}

QTEST_MAIN(TestSidebarBalances)
#include "tst_sidebarbalances.moc"
