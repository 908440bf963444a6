#include "Records.h"
#include "TestDatabase.h"
#include "data/AccountRepository.h"
#include "data/Clock.h"
#include "data/TransactionRepository.h"

#include <QSignalSpy>
#include <QTest>

namespace {

const QDateTime kNow(QDate(2026, 3, 14), QTime(9, 26, 53), Qt::UTC);

struct Accounts {
    TestDatabase test;
    AccountRepository repo { test.db() };
    QSignalSpy changed { &repo, &AccountRepository::accountsChanged };

    Account add(const QString& name, int sortOrder = 0)
    {
        Account a = Records::account(name);
        a.sortOrder = sortOrder;
        if (!repo.insert(a))
            qFatal("account insert failed");
        return a;
    }
    QStringList names() const { return Records::texts(repo.findAll(), &Account::name); }
};

} // namespace

class TestAccountRepository : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { Clock::setFixedUtc(kNow); }
    void cleanup() { Clock::clearFixed(); }

    void roundTripAndOrdering();
    void softDeleteRestoreAndResync();
    void sortOrdersAreAllOrNothing();
    void textFallbacks();
    void failedWritesLogAndEmitNothing();
    void balancesMatchTheEndOfEachRegister();
};

void TestAccountRepository::roundTripAndOrdering()
{
    Accounts s;
    Account savings = Records::account("Savings", -9'999'999'999LL);
    savings.sortOrder = 1;
    savings.type = AccountType::Savings;
    savings.currency = Currency::JPY;
    savings.institution = "Credit Union";
    savings.accountNumberLast4 = "0042";
    savings.syncStatus = SyncStatus::Conflict;
    savings.serverId = "srv-1";
    QVERIFY(s.repo.insert(savings));
    s.add("Checking", 1);
    s.add("Wallet", 0);
    QCOMPARE(s.changed.count(), 3);
    QCOMPARE(s.names(), QStringList({ "Wallet", "Checking", "Savings" })); // sort order, name

    auto stored = s.repo.findById(savings.id);
    QCOMPARE(stored->type, AccountType::Savings);
    QCOMPARE(stored->currency, Currency::JPY);
    QCOMPARE(QStringList({ stored->institution, stored->accountNumberLast4, stored->serverId }),
        QStringList({ "Credit Union", "0042", "srv-1" }));
    QCOMPARE(stored->startingBalance, -9'999'999'999LL);
    QCOMPARE(stored->syncStatus, SyncStatus::Conflict);
    QCOMPARE(s.test.scalar("SELECT created_at FROM accounts WHERE name = 'Savings'").toString(),
        "2026-03-14T09:26:53Z");

    stored->name = "Rainy Day";
    stored->createdAt = kNow.addYears(-20);
    QVERIFY(s.repo.update(*stored));
    stored = s.repo.findById(savings.id);
    QCOMPARE(stored->name, "Rainy Day");
    QCOMPARE(stored->createdAt, kNow); // never rewritten
}

void TestAccountRepository::softDeleteRestoreAndResync()
{
    Accounts s;
    const Account a = s.add("Old");
    const Account live = s.add("Live");
    QCOMPARE(s.repo.markAllPendingForResync(), 0); // all pending already
    QVERIFY(s.repo.markSynced(a.id, "s-a") && s.repo.markSynced(live.id, "s-l"));
    QCOMPARE(s.changed.count(), 2);
    QVERIFY(s.repo.findPending().isEmpty());

    Clock::setFixedUtc(kNow.addDays(1));
    QVERIFY(s.repo.softDelete(a.id));
    QCOMPARE(s.changed.count(), 3);
    QCOMPARE(s.names(), QStringList { "Live" });
    const auto deleted = s.repo.findById(a.id);
    QCOMPARE(*deleted->deletedAt, kNow.addDays(1));
    QCOMPARE(deleted->updatedAt, kNow.addDays(1));
    QCOMPARE(deleted->syncStatus, SyncStatus::Pending);
    QCOMPARE(Records::texts(s.repo.findDeleted(), &Account::id), QStringList { a.id });
    QCOMPARE(Records::texts(s.repo.findPending(), &Account::id), QStringList { a.id });

    // Deleted rows are left out of a resync.
    QVERIFY(s.repo.markSynced(a.id, "s-a"));
    QCOMPARE(s.repo.markAllPendingForResync(), 1);
    QCOMPARE(s.changed.count(), 4);
    QCOMPARE(s.repo.findById(a.id)->syncStatus, SyncStatus::Synced);

    QVERIFY(s.repo.restore(a.id));
    QCOMPARE(s.changed.count(), 5);
    QCOMPARE(s.repo.findById(a.id)->syncStatus, SyncStatus::Pending);
    QCOMPARE(s.names(), QStringList({ "Live", "Old" }));
}

void TestAccountRepository::sortOrdersAreAllOrNothing()
{
    Accounts s;
    const Account a = s.add("A", 0);
    const Account b = s.add("B", 1);
    QVERIFY(s.repo.updateSortOrders({ { b.id, 0 }, { "no-such-id", 5 }, { a.id, 1 } }));
    QCOMPARE(s.changed.count(), 3);
    QCOMPARE(s.names(), QStringList({ "B", "A" }));

    // A failing entry rolls the earlier ones back.
    QVERIFY(s.test.exec("CREATE TRIGGER refuse BEFORE UPDATE OF sort_order ON accounts WHEN "
                        "new.sort_order = 99 BEGIN SELECT RAISE(ABORT, 'refused'); END"));
    QVERIFY(!s.repo.updateSortOrders({ { a.id, 0 }, { b.id, 99 } }));
    QCOMPARE(s.changed.count(), 3);
    QCOMPARE(s.names(), QStringList({ "B", "A" }));
}

void TestAccountRepository::textFallbacks()
{
    Accounts s;
    QVERIFY(s.test.exec("INSERT INTO accounts (id, name, account_type, currency, sync_status, "
                        "created_at, updated_at, institution) VALUES ('x', 'Odd', 'Brokerage', "
                        "'usd', 'SYNCED', 'garbage', '', NULL)"));
    const auto odd = s.repo.findById("x");
    QCOMPARE(odd->type, AccountType::Other);
    QCOMPARE(odd->currency, Currency::USD);
    QCOMPARE(odd->syncStatus, SyncStatus::Pending);
    QVERIFY(!odd->createdAt.isValid() && odd->institution.isEmpty());
    QCOMPARE(accountTypeToText(AccountType(42)), "other");
    QCOMPARE(currencyToText(Currency(42)), "USD");
    QCOMPARE(syncStatusToText(SyncStatus(42)), "pending");
}

void TestAccountRepository::failedWritesLogAndEmitNothing()
{
    Accounts s;
    const Account a = s.add("A");
    expectWarning("^AccountRepository::insert failed: .*UNIQUE");
    QVERIFY(!s.repo.insert(a));
    QVERIFY(s.repo.markSynced(a.id, "s") && s.test.freeze("accounts"));
    expectWarning("^AccountRepository::softDelete failed: .*frozen");
    QVERIFY(!s.repo.softDelete(a.id));
    expectWarning("^AccountRepository::markAllPendingForResync failed:");
    QCOMPARE(s.repo.markAllPendingForResync(), 0);
    QCOMPARE(s.changed.count(), 1);
    QVERIFY(!s.repo.findById(a.id)->deletedAt);
}

void TestAccountRepository::balancesMatchTheEndOfEachRegister()
{
    Accounts s;
    TransactionRepository transactions(s.test.db());
    const Account empty = s.test.addAccount("Empty");
    const Account openingOnly = s.test.addAccount("Opening only", 5000);
    const Account busy = s.test.addAccount("Busy", -12'345);
    const Account large = s.test.addAccount("Large", 4'000'000'000LL);
    const Account gone = s.test.addAccount("Gone", 700);
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
    QVERIFY(s.repo.softDelete(gone.id));

    const auto registerEnd = [&](const Account& a) {
        const QList<TransactionRow> rows = transactions.findRegisterRows(a.id);
        return rows.isEmpty() ? a.startingBalance : rows.last().runningBalance;
    };
    const QHash<QString, qint64> balances = s.repo.balances();
    QCOMPARE(balances.size(), 4);
    for (const Account& a : { empty, openingOnly, busy, large })
        QCOMPARE(balances.value(a.id), registerEnd(a));
    QCOMPARE(balances.value(openingOnly.id), 5000);
    QCOMPARE(balances.value(large.id), 9'000'000'000LL);

    // Only the accounts asked for; deleted and unknown ones are not there.
    QCOMPARE(s.repo.balances({ busy.id, gone.id, "no-such-account" }),
        (QHash<QString, qint64> { { busy.id, registerEnd(busy) } }));
}

QTEST_GUILESS_MAIN(TestAccountRepository)
#include "tst_accountrepository.moc"
