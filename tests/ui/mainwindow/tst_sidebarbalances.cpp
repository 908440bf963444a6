#include "TestAppState.h"
#include "TestDatabase.h"
#include "data/AccountRepository.h"
#include "data/Database.h"
#include "data/TransactionRepository.h"
#include "ui/mainwindow/AccountBalances.h"
#include "ui/mainwindow/AccountSidebar.h"

#include <QLabel>
#include <QListWidget>
#include <QSqlQuery>
#include <QTest>

namespace {

qint64 registerEnd(AppState* state, const Account& account)
{
    const QList<TransactionRow> rows = state->transactions()->findRegisterRows(account.id);
    return rows.isEmpty() ? account.startingBalance : rows.last().runningBalance;
}

// A change nobody announces: only a read of the store shows it.
void addUnannounced(AppState* state, const QString& accountId, qint64 amount)
{
    QSqlQuery q(state->database()->database());
    q.prepare(QStringLiteral("UPDATE transactions SET amount = amount + ? WHERE rowid = (SELECT "
                             "rowid FROM transactions WHERE account_id = ? LIMIT 1)"));
    q.addBindValue(amount);
    q.addBindValue(accountId);
    QVERIFY(q.exec() && q.numRowsAffected() == 1);
}

} // namespace

class TestSidebarBalances : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void onlyForgottenOrReturningAccountsAreRead();
    void uncomputableBalanceIsMarkedAlone();
};

void TestSidebarBalances::onlyForgottenOrReturningAccountsAreRead()
{
    TestAppState app;
    Account a = app.addAccount(QStringLiteral("A"), 1000);
    const Account b = app.addAccount(QStringLiteral("B"));
    app.addAccount(QStringLiteral("Empty"));
    app.addTransaction(a.id, QDate(2025, 1, 1), QStringLiteral("X"), -100);
    app.addTransaction(b.id, QDate(2025, 1, 1), QStringLiteral("Y"), 500);
    AccountBalances balances(app->accounts());
    const QList<Account> accounts = app->accounts()->findAll();
    QHash<QString, qint64> values = balances.of(accounts);
    for (const Account& account : accounts)
        QCOMPARE(values.value(account.id), registerEnd(app.state(), account));

    app.addTransaction(a.id, QDate(2025, 1, 2), QStringLiteral("Z"), -50);
    addUnannounced(app.state(), b.id, 7);
    balances.forget(a.id);
    values = balances.of(accounts);
    QCOMPARE(values.value(a.id), 850);
    QCOMPARE(values.value(b.id), 500); // not read again

    balances.forget(QString());
    QCOMPARE(balances.of(accounts).value(b.id), 507);

    // A new starting balance needs no read: it comes with the account.
    a.startingBalance = 5000;
    QVERIFY(app->accounts()->update(a));
    QCOMPARE(balances.of(app->accounts()->findAll()).value(a.id), 4850);

    // An account that leaves the list and comes back is read anew.
    QVERIFY(app->accounts()->softDelete(b.id));
    QVERIFY(!balances.of(app->accounts()->findAll()).contains(b.id));
    addUnannounced(app.state(), b.id, 1);
    QVERIFY(app->accounts()->restore(b.id));
    QCOMPARE(balances.of(app->accounts()->findAll()).value(b.id), 508);
}

void TestSidebarBalances::uncomputableBalanceIsMarkedAlone()
{
    TestAppState app;
    const Account broken = app.addAccount(QStringLiteral("Broken"));
    const Account fine = app.addAccount(QStringLiteral("Fine"), 1000);
    app.addTransaction(fine.id, QDate(2025, 1, 1), QStringLiteral("X"), -300);
    // Two rows no path of ours writes: their sum overflows.
    for (int i = 0; i < 2; ++i)
        app.addTransaction(broken.id, QDate(2025, 1, 1), QStringLiteral("Y"), 1);
    QVERIFY(QSqlQuery(app->database()->database())
                .exec(QStringLiteral("UPDATE transactions SET amount = 9000000000000000000 WHERE "
                                     "payee = 'Y'")));

    AccountBalances balances(app->accounts());
    const QList<Account> accounts = app->accounts()->findAll();
    expectWarning(QStringLiteral("^AccountRepository read failed: integer overflow"));
    expectWarning(QStringLiteral("^AccountRepository read failed: integer overflow"));
    expectWarning(QStringLiteral("^AccountRepository::balances failed: no balance for account"));
    const QHash<QString, qint64> values = balances.of(accounts);
    QCOMPARE(values, (QHash<QString, qint64> { { fine.id, 700 } }));
    QCOMPARE(balances.unavailable(), QSet<QString> { broken.id });

    AccountSidebar sidebar;
    sidebar.setAccounts(accounts, values, balances.unavailable());
    const auto label = [&sidebar](int row) {
        return sidebar.list()
            ->itemWidget(sidebar.list()->item(row))
            ->findChild<QLabel*>(QStringLiteral("balanceLabel"));
    };
    QVERIFY(label(0)->text().isEmpty());
    QVERIFY(!label(0)->pixmap().isNull());
    QVERIFY(!label(0)->toolTip().isEmpty());
    QCOMPARE(label(1)->text(), QStringLiteral("$7.00"));
}

QTEST_MAIN(TestSidebarBalances)
#include "tst_sidebarbalances.moc"
