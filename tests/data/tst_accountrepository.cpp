#include "TestDatabase.h"
#include "data/AccountRepository.h"
#include "data/Clock.h"
#include "data/Ids.h"

#include <QSignalSpy>
#include <QTest>

namespace {

Account makeAccount(const QString& name, int sortOrder = 0)
{
    Account a;
    a.id = Ids::newId();
    a.name = name;
    a.sortOrder = sortOrder;
    a.createdAt = a.updatedAt = Clock::nowUtc();
    return a;
}

} // namespace

class TestAccountRepository : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { Clock::setFixedUtc(QDateTime(QDate(2026, 3, 14), QTime(9, 26, 53), Qt::UTC)); }
    void cleanup() { Clock::clearFixed(); }

    void roundTripAndOrdering();
    void softDeleteAndRestore();
    void resyncAndMarkSynced();
    void sortOrders();
    void textFallbacks();
    void failedWritesLogAndEmitNothing();
};

void TestAccountRepository::roundTripAndOrdering()
{
    TestDatabase test;
    AccountRepository repo(test.db());
    QSignalSpy changed(&repo, &AccountRepository::accountsChanged);

    Account savings = makeAccount(QStringLiteral("Savings"), 1);
    savings.type = AccountType::Savings;
    savings.currency = Currency::JPY;
    savings.institution = QStringLiteral("Credit Union");
    savings.accountNumberLast4 = QStringLiteral("0042");
    savings.startingBalance = -9'000'000'000'123LL;
    savings.isShared = true;
    savings.version = 7;
    savings.syncStatus = SyncStatus::Conflict;
    savings.serverId = QStringLiteral("srv-1");
    QVERIFY(repo.insert(savings));
    QVERIFY(repo.insert(makeAccount(QStringLiteral("Checking"), 1)));
    QVERIFY(repo.insert(makeAccount(QStringLiteral("Wallet"), 0)));
    QCOMPARE(changed.count(), 3);

    QStringList names;
    for (const Account& a : repo.findAll())
        names << a.name;
    QCOMPARE(names,
        QStringList(
            { QStringLiteral("Wallet"), QStringLiteral("Checking"), QStringLiteral("Savings") }));

    const auto stored = repo.findById(savings.id);
    QVERIFY(stored);
    QCOMPARE(stored->type, AccountType::Savings);
    QCOMPARE(stored->currency, Currency::JPY);
    QCOMPARE(stored->institution, QStringLiteral("Credit Union"));
    QCOMPARE(stored->accountNumberLast4, QStringLiteral("0042"));
    QCOMPARE(stored->startingBalance, -9'000'000'000'123LL);
    QVERIFY(stored->isShared);
    QCOMPARE(stored->version, 7);
    QCOMPARE(stored->syncStatus, SyncStatus::Conflict);
    QCOMPARE(stored->serverId, QStringLiteral("srv-1"));
    QCOMPARE(stored->createdAt, Clock::nowUtc());
    QCOMPARE(test.scalar(QStringLiteral("SELECT created_at FROM accounts WHERE name = 'Savings'"))
                 .toString(),
        QStringLiteral("2026-03-14T09:26:53Z"));
    QVERIFY(!stored->deletedAt);

    Account renamed = *stored;
    renamed.name = QStringLiteral("Rainy Day");
    renamed.createdAt = QDateTime(QDate(2000, 1, 1), QTime(0, 0), Qt::UTC);
    QVERIFY(repo.update(renamed));
    QCOMPARE(repo.findById(savings.id)->name, QStringLiteral("Rainy Day"));
    QCOMPARE(repo.findById(savings.id)->createdAt, Clock::nowUtc()); // never rewritten
    QCOMPARE(repo.findById(savings.id)->syncStatus, SyncStatus::Conflict);
    QVERIFY(!repo.findById(QStringLiteral("missing")));
}

void TestAccountRepository::softDeleteAndRestore()
{
    TestDatabase test;
    AccountRepository repo(test.db());
    Account a = makeAccount(QStringLiteral("Old"));
    a.syncStatus = SyncStatus::Synced;
    QVERIFY(repo.insert(a));
    QVERIFY(repo.insert(makeAccount(QStringLiteral("Live"))));

    Clock::setFixedUtc(QDateTime(QDate(2026, 4, 1), QTime(12, 0, 0), Qt::UTC));
    QSignalSpy changed(&repo, &AccountRepository::accountsChanged);
    QVERIFY(repo.softDelete(a.id));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(repo.findAll().size(), 1);
    const auto deleted = repo.findById(a.id);
    QVERIFY(deleted && deleted->deletedAt);
    QCOMPARE(*deleted->deletedAt, deleted->updatedAt);
    QCOMPARE(*deleted->deletedAt, QDateTime(QDate(2026, 4, 1), QTime(12, 0, 0), Qt::UTC));
    QCOMPARE(deleted->syncStatus, SyncStatus::Pending);
    QCOMPARE(repo.findDeleted().size(), 1);
    bool pendingHasDeleted = false;
    for (const Account& p : repo.findPending())
        pendingHasDeleted |= p.id == a.id;
    QVERIFY(pendingHasDeleted);

    QVERIFY(repo.restore(a.id));
    QCOMPARE(changed.count(), 2);
    const auto restored = repo.findById(a.id);
    QVERIFY(!restored->deletedAt);
    QCOMPARE(restored->syncStatus, SyncStatus::Pending);
    QCOMPARE(repo.findAll().size(), 2);
    QVERIFY(repo.findDeleted().isEmpty());
}

void TestAccountRepository::resyncAndMarkSynced()
{
    TestDatabase test;
    AccountRepository repo(test.db());
    Account a = makeAccount(QStringLiteral("A"));
    Account b = makeAccount(QStringLiteral("B"));
    Account gone = makeAccount(QStringLiteral("Gone"));
    QVERIFY(repo.insert(a) && repo.insert(b) && repo.insert(gone));

    QSignalSpy changed(&repo, &AccountRepository::accountsChanged);
    QCOMPARE(repo.markAllPendingForResync(), 0); // all pending already
    QCOMPARE(changed.count(), 0);

    QVERIFY(repo.markSynced(a.id, QStringLiteral("s-a")));
    QVERIFY(repo.markSynced(b.id, QStringLiteral("s-b")));
    QVERIFY(repo.softDelete(gone.id));
    QVERIFY(repo.markSynced(gone.id, QStringLiteral("s-g")));
    QCOMPARE(changed.count(), 1); // only the soft delete
    QCOMPARE(repo.findById(a.id)->serverId, QStringLiteral("s-a"));
    QCOMPARE(repo.findPending().size(), 0);

    QCOMPARE(repo.markAllPendingForResync(), 2);
    QCOMPARE(changed.count(), 2);
    QCOMPARE(repo.findById(gone.id)->syncStatus, SyncStatus::Synced); // deleted rows untouched
    QCOMPARE(repo.findById(a.id)->syncStatus, SyncStatus::Pending);
}

void TestAccountRepository::sortOrders()
{
    TestDatabase test;
    AccountRepository repo(test.db());
    Account a = makeAccount(QStringLiteral("A"), 0);
    Account b = makeAccount(QStringLiteral("B"), 1);
    a.syncStatus = SyncStatus::Synced;
    QVERIFY(repo.insert(a) && repo.insert(b));

    QSignalSpy changed(&repo, &AccountRepository::accountsChanged);
    QVERIFY(
        repo.updateSortOrders({ { b.id, 0 }, { QStringLiteral("no-such-id"), 5 }, { a.id, 1 } }));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(repo.findAll().first().name, QStringLiteral("B"));
    QCOMPARE(repo.findById(a.id)->syncStatus, SyncStatus::Synced);

    // A failing entry rolls the earlier ones back.
    QVERIFY(test.exec(QStringLiteral(
        "CREATE TRIGGER refuse BEFORE UPDATE OF sort_order ON accounts WHEN new.sort_order = 99 "
        "BEGIN SELECT RAISE(ABORT, 'refused'); END")));
    QVERIFY(!repo.updateSortOrders({ { a.id, 0 }, { b.id, 99 } }));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(repo.findById(a.id)->sortOrder, 1);
    QCOMPARE(repo.findById(b.id)->sortOrder, 0);
}

void TestAccountRepository::textFallbacks()
{
    TestDatabase test;
    AccountRepository repo(test.db());
    QVERIFY(test.exec(QStringLiteral(
        "INSERT INTO accounts (id, name, account_type, currency, sync_status, created_at, "
        "updated_at, institution) VALUES ('x', 'Odd', 'Brokerage', 'usd', 'SYNCED', 'garbage', "
        "'', NULL)")));
    const auto odd = repo.findById(QStringLiteral("x"));
    QVERIFY(odd);
    QCOMPARE(odd->type, AccountType::Other);
    QCOMPARE(odd->currency, Currency::USD);
    QCOMPARE(odd->syncStatus, SyncStatus::Pending);
    QVERIFY(!odd->createdAt.isValid());
    QVERIFY(odd->institution.isEmpty());

    QCOMPARE(accountTypeToText(AccountType(42)), QStringLiteral("other"));
    QCOMPARE(currencyToText(Currency(42)), QStringLiteral("USD"));
    QCOMPARE(syncStatusToText(SyncStatus(42)), QStringLiteral("pending"));
    QCOMPARE(accountTypeFromText(QStringLiteral("credit_card")), AccountType::CreditCard);
    QCOMPARE(currencyFromText(QStringLiteral("GBP")), Currency::GBP);
}

void TestAccountRepository::failedWritesLogAndEmitNothing()
{
    TestDatabase test;
    AccountRepository repo(test.db());
    Account a = makeAccount(QStringLiteral("A"));
    QVERIFY(repo.insert(a));
    QVERIFY(repo.markSynced(a.id, QStringLiteral("s")));
    QSignalSpy changed(&repo, &AccountRepository::accountsChanged);

    QTest::ignoreMessage(QtWarningMsg,
        QRegularExpression(QStringLiteral("^AccountRepository::insert failed: .*UNIQUE")));
    QVERIFY(!repo.insert(a));

    QVERIFY(test.exec(QStringLiteral("CREATE TRIGGER frozen BEFORE UPDATE ON accounts BEGIN "
                                     "SELECT RAISE(ABORT, 'frozen'); END")));
    QTest::ignoreMessage(QtWarningMsg,
        QRegularExpression(QStringLiteral("^AccountRepository::update failed: .*frozen")));
    QVERIFY(!repo.update(a));
    QTest::ignoreMessage(
        QtWarningMsg, QRegularExpression(QStringLiteral("^AccountRepository::softDelete failed:")));
    QVERIFY(!repo.softDelete(a.id));
    QTest::ignoreMessage(QtWarningMsg,
        QRegularExpression(QStringLiteral("^AccountRepository::markAllPendingForResync failed:")));
    QCOMPARE(repo.markAllPendingForResync(), 0);
    QVERIFY(!repo.markSynced(a.id, QStringLiteral("s2")));
    QCOMPARE(changed.count(), 0);
    QVERIFY(!repo.findById(a.id)->deletedAt);
}

QTEST_GUILESS_MAIN(TestAccountRepository)
#include "tst_accountrepository.moc"
