#include "DamagedFiles.h"
#include "ReadOnlyFolder.h"
#include "Records.h"
#include "TestDatabase.h"
#include "data/AccountRepository.h"
#include "data/CategoryRepository.h"
#include "data/Clock.h"
#include "data/Database.h"
#include "data/FilePrivacy.h"
#include "data/Ids.h"
#include "data/Money.h"
#include "data/PreferencesRepository.h"
#include "data/ReconciliationRepository.h"
#include "data/RecurringRepository.h"
#include "data/SplitLineRepository.h"
#include "data/TransactionRepository.h"
#include "data/TransactionScope.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <sys/stat.h>

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

struct Categories {
    TestDatabase test;
    CategoryRepository repo { test.db() };
    QSignalSpy changed { &repo, &CategoryRepository::categoriesChanged };

    Category add(const QString& name, const QString& parentId = QString())
    {
        const Category c = Records::category(name, parentId);
        if (!repo.insert(c))
            qFatal("category insert failed");
        return c;
    }
    QStringList names() const { return Records::texts(repo.findAll(), &Category::name); }
};

struct Schedules {
    TestDatabase test;
    RecurringRepository repo { test.db() };
    Account account = test.addAccount("Checking");

    RecurringTransaction insert(const QString& payee, const QDate& due, bool active = true)
    {
        RecurringTransaction r = Records::recurring(account.id, payee, due);
        r.isActive = active;
        if (!repo.insert(r))
            qFatal("recurring insert failed");
        return r;
    }
};

QStringList payees(const QList<RecurringTransaction>& list)
{
    return Records::texts(list, &RecurringTransaction::payee);
}

struct Reconciliations {
    TestDatabase test;
    ReconciliationRepository repo { test.db() };
    QSignalSpy changed { &repo, &ReconciliationRepository::reconciliationsChanged };
    Account a = test.addAccount("A");
    Account b = test.addAccount("B");

    Reconciliation add(const Account& account, const QDate& statementDate,
        const QDateTime& completedAt = kNow, const QDateTime& createdAt = kNow,
        const QDateTime& updatedAt = kNow)
    {
        Reconciliation r;
        r.id = Ids::newId();
        r.accountId = account.id;
        r.statementDate = statementDate;
        r.statementBalance = r.reconciledBalance = 123'45;
        r.completedAt = completedAt;
        r.createdAt = createdAt;
        r.updatedAt = updatedAt;
        if (!repo.insert(r))
            qFatal("reconciliation insert failed");
        return r;
    }
};

using DamagedFiles::bytes;

// A migrated database at `path`, changed by `statements` and closed again.
bool prepare(const QString& path, const QStringList& statements)
{
    Database db;
    if (!db.open(path) || !db.runMigrations())
        return false;
    for (const QString& sql : statements) {
        if (!QSqlQuery(db.database()).exec(sql))
            return false;
    }
    return true;
}

} // namespace

// The database file and its migrations; the repositories of accounts,
// categories, schedules, reconciliations and preferences. Transactions and
// their split lines have their own.
class TestRepositories : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { Clock::setFixedUtc(kNow); }
    void cleanup() { Clock::clearFixed(); }

    void accountsRoundTripAndOrder();
    void accountDeleteRestoreAndResync();
    void categoriesTextsNamesCountAndNullLinks();
    void schedulesRoundTrip();
    void reconciliationsDeleteRestoreAndFail();
    void preferencesSetReplaceAndRemove();
    // Stores no path of the program writes: damaged pages, amounts whose sums
    // overflow, and amounts beyond the limit offered to the repositories.
    void damagedPageStopsAllWriting();
    void overflowingBalanceHidesNoOther();
    void repositoriesRefuseAmountsBeyondTheLimit();
    void freshFileReachesLatestVersion();
    void versionOneFileGetsTheLaterMigrations();
    void failingStatementLeavesNothing();
    void newFilesAreTheOwnersOnly();
    void readOnlyFileIsOpenedForReading();
};

void TestRepositories::accountsRoundTripAndOrder()
{
    Accounts s;
    Account savings = Records::account("Savings");
    savings.sortOrder = 1;
    savings.syncStatus = SyncStatus::Conflict;
    savings.serverId = "srv-1";
    QVERIFY(s.repo.insert(savings));
    s.add("Checking", 1);
    const Account wallet = s.add("Wallet", 0);
    QCOMPARE(s.changed.count(), 3);
    QCOMPARE(s.names(), QStringList({ "Wallet", "Checking", "Savings" })); // sort order, name

    auto stored = s.repo.findById(savings.id);
    QCOMPARE(stored->serverId, "srv-1");
    QCOMPARE(stored->syncStatus, SyncStatus::Conflict);
    QCOMPARE(s.test.scalar("SELECT created_at FROM accounts WHERE name = 'Savings'").toString(),
        "2026-03-14T09:26:53Z");

    stored->name = "Rainy Day";
    stored->createdAt = kNow.addYears(-20);
    QVERIFY(s.repo.update(*stored));
    stored = s.repo.findById(savings.id);
    QCOMPARE(stored->name, "Rainy Day");
    QCOMPARE(stored->createdAt, kNow); // never rewritten

    // Sort orders are written together or not at all: a failing entry rolls
    // the earlier ones back.
    QVERIFY(s.repo.updateSortOrders({ { savings.id, 0 }, { "no-such-id", 5 }, { wallet.id, 2 } }));
    QCOMPARE(s.changed.count(), 5);
    QCOMPARE(s.names(), QStringList({ "Rainy Day", "Checking", "Wallet" }));
    QVERIFY(s.test.exec("CREATE TRIGGER refuse BEFORE UPDATE OF sort_order ON accounts WHEN "
                        "new.sort_order = 99 BEGIN SELECT RAISE(ABORT, 'refused'); END"));
    QVERIFY(!s.repo.updateSortOrders({ { wallet.id, 0 }, { savings.id, 99 } }));
    QCOMPARE(s.changed.count(), 5);
    QCOMPARE(s.names(), QStringList({ "Rainy Day", "Checking", "Wallet" }));
}

void TestRepositories::accountDeleteRestoreAndResync()
{
    Accounts s;
    const Account a = s.add("Old");
    const Account live = s.add("Live");
    QCOMPARE(s.repo.markAllPendingForResync(), 0); // all pending already
    QVERIFY(s.repo.markSynced(a.id, "s-a") && s.repo.markSynced(live.id, "s-l"));

    Clock::setFixedUtc(kNow.addDays(1));
    QVERIFY(s.repo.softDelete(a.id));
    QCOMPARE(s.changed.count(), 3);
    QCOMPARE(s.names(), QStringList { "Live" });
    const auto deleted = s.repo.findById(a.id);
    QCOMPARE(*deleted->deletedAt, kNow.addDays(1));
    QCOMPARE(deleted->updatedAt, kNow.addDays(1));
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

    // Writes that fail log and announce nothing.
    expectWarning("^AccountRepository::insert failed: .*UNIQUE");
    QVERIFY(!s.repo.insert(a));
    QVERIFY(s.repo.markSynced(a.id, "s") && s.test.freeze("accounts"));
    expectWarning("^AccountRepository::softDelete failed: .*frozen");
    QVERIFY(!s.repo.softDelete(a.id));
    expectWarning("^AccountRepository::markAllPendingForResync failed:");
    QCOMPARE(s.repo.markAllPendingForResync(), 0);
    QCOMPARE(s.changed.count(), 5);
    QVERIFY(!s.repo.findById(a.id)->deletedAt);

    // Texts another program may have stored read as the nearest known value.
    QVERIFY(s.test.exec("INSERT INTO accounts (id, name, account_type, currency, sync_status, "
                        "created_at, updated_at, institution) VALUES ('x', 'Odd', 'Brokerage', "
                        "'usd', 'SYNCED', 'garbage', '', NULL)"));
    const auto odd = s.repo.findById("x");
    QCOMPARE(odd->type, AccountType::Other);
    QCOMPARE(odd->currency, Currency::USD);
    QCOMPARE(odd->syncStatus, SyncStatus::Pending);
    QVERIFY(!odd->createdAt.isValid() && odd->institution.isEmpty());
}

void TestRepositories::categoriesTextsNamesCountAndNullLinks()
{
    Categories s;
    QCOMPARE(s.repo.count(), 0);
    // Type texts are compared exactly; anything else is an expense.
    QVERIFY(s.test.exec("INSERT INTO categories (id, name, category_type, created_at, "
                        "updated_at) VALUES ('i', 'auto', 'income', '', ''), ('c', 'Zoo', "
                        "'Income', '', '')"));
    QCOMPARE(s.repo.findById("i")->type, CategoryType::Income);
    QCOMPARE(s.repo.findById("c")->type, CategoryType::Expense);

    s.add("Auto");
    QVERIFY(s.repo.softDelete(s.add("Gone").id));
    QCOMPARE(s.repo.count(), 3);
    QCOMPARE(s.repo.findByName("auto")->id, "i");
    QVERIFY(!s.repo.findByName("AUTO"));
    QVERIFY(!s.repo.findByName("Gone"));
    QCOMPARE(s.repo.findPending().size(), 4); // the deleted one included

    // Deleting a parent touches only its own row.
    const Category parent = s.add("Parent");
    const Category child = s.add("Child", parent.id);
    QVERIFY(s.repo.markSynced(child.id, "sc") && s.repo.softDelete(parent.id));
    QCOMPARE(s.repo.findById(child.id)->syncStatus, SyncStatus::Synced);
    QVERIFY(!s.repo.findByName("Parent"));
    QCOMPARE(s.repo.markAllPendingForResync(), 1);
    QVERIFY(s.repo.restore(parent.id));
    QCOMPARE(s.changed.count(), 8);
    QCOMPARE(s.repo.count(), 5);

    expectWarning("^CategoryRepository::insert failed: .*FOREIGN KEY");
    QVERIFY(!s.repo.insert(Records::category("Orphan", "nope")));
    QCOMPARE(s.changed.count(), 8);

    const Category top = s.add("Housing");
    Category rent = Records::category("Rent", top.id, CategoryType::Transfer);
    rent.isTaxRelevant = rent.isDefault = true;
    rent.taxCategory = "rental";
    rent.color = "#112233";
    rent.accountId = "acct";
    rent.syncStatus = SyncStatus::Synced;
    QVERIFY(s.repo.insert(rent));
    QCOMPARE(s.changed.count(), 10);

    // Empty parent and account are stored as NULL, never as "".
    const QString nullLinks = "SELECT (parent_id IS NULL) || (account_id IS NULL) FROM categories "
                              "WHERE name IN ('Housing', 'Rent') ORDER BY rowid";
    QCOMPARE(s.test.column(nullLinks), QStringList({ "11", "00" }));
    auto stored = s.repo.findById(rent.id);
    QCOMPARE(
        QStringList({ stored->parentId, stored->taxCategory, stored->color, stored->accountId }),
        QStringList({ top.id, "rental", "#112233", "acct" }));
    QVERIFY(stored->type == CategoryType::Transfer && stored->isTaxRelevant && stored->isDefault);

    // Moving to the top level clears parent_id; created_at is never rewritten.
    stored->parentId.clear();
    stored->accountId.clear();
    stored->createdAt = kNow.addYears(-5);
    QVERIFY(s.repo.update(*stored));
    QCOMPARE(s.changed.count(), 11);
    QCOMPARE(s.test.column(nullLinks), QStringList({ "11", "11" }));
    QCOMPARE(s.repo.findById(rent.id)->createdAt, kNow);
}

void TestRepositories::schedulesRoundTrip()
{
    Schedules s;
    // A due date its start and frequency cannot reach is saved as given, with a warning.
    RecurringTransaction r = Records::recurring(s.account.id, "Gym", QDate(1999, 12, 31));
    r.id = "sched-1";
    r.startDate = QDate(1999, 11, 30);
    r.frequency = Frequency::SemiAnnual;
    r.endDate = QDate(2027, 12, 31);
    QTest::ignoreMessage(QtWarningMsg,
        "RecurringRepository::insert saving recurring with broken nextDueDate: id=sched-1 "
        "payee=Gym nextDueDate=1999-12-31 startDate=1999-11-30 frequency=5");
    QVERIFY(s.repo.insert(r));
    auto stored = s.repo.findById(r.id);
    QCOMPARE(stored->frequency, Frequency::SemiAnnual);
    QCOMPARE(stored->nextDueDate, QDate(1999, 12, 31));
    QCOMPARE(stored->endDate, std::optional<QDate>(QDate(2027, 12, 31)));

    // A cleared end date goes back as NULL; the account and created_at stay.
    stored->endDate.reset();
    stored->nextDueDate = QDate(2026, 4, 1);
    stored->accountId = s.test.addAccount("Savings").id;
    stored->createdAt = kNow.addYears(-1);
    QVERIFY(s.repo.update(*stored));
    QCOMPARE(s.test.column("SELECT (end_date IS NULL) || (account_id = '" + s.account.id
                 + "') || created_at FROM recurring_transactions"),
        QStringList { "11" + kNow.toString(Qt::ISODate) });

    // Frequency texts are compared exactly; anything else reads as monthly.
    QVERIFY(s.test.exec("UPDATE recurring_transactions SET frequency = 'Weekly'"));
    QCOMPARE(s.repo.findById(r.id)->frequency, Frequency::Monthly);

    const QDate today = Clock::today();
    s.insert("paused", today.addDays(-30), false);
    s.insert("Beta", today);
    s.insert("alpha", today);
    s.insert("tomorrow", today.addDays(1));
    QVERIFY(s.repo.softDelete(s.insert("gone", today.addDays(-99)).id));

    // Active ones first by due date, then payee in any case; paused ones after.
    QCOMPARE(
        payees(s.repo.findAll()), QStringList({ "alpha", "Beta", "tomorrow", "Gym", "paused" }));
    QCOMPARE(payees(s.repo.findDue(today)).size(), 2);

    // An account deleted and restored brings back its live schedules only.
    Clock::setFixedUtc(kNow.addDays(1));
    QCOMPARE(s.repo.softDeleteByAccount(s.account.id), 5);
    QVERIFY(s.repo.findAll().isEmpty());
    QCOMPARE(s.repo.restoreByAccount(s.account.id, Clock::nowIso()), 5);
}

void TestRepositories::reconciliationsDeleteRestoreAndFail()
{
    Reconciliations s;
    QVERIFY(!s.repo.findLatest(s.a.id));
    // Only an invalid time is filled. The latest is by statement date, not by
    // when it was completed.
    const QDateTime earlier = kNow.addDays(-3);
    const Reconciliation r1 = s.add(s.a, QDate(2026, 1, 31), kNow, QDateTime(), earlier);
    const Reconciliation r2 = s.add(s.a, QDate(2026, 2, 28), kNow.addDays(-10));
    const Reconciliation other = s.add(s.b, QDate(2026, 3, 31), kNow, earlier, QDateTime());
    QCOMPARE(s.test.column("SELECT created_at || ' ' || updated_at FROM reconciliations"),
        QStringList({ "2026-03-14T09:26:53Z 2026-03-11T09:26:53Z",
            "2026-03-14T09:26:53Z 2026-03-14T09:26:53Z",
            "2026-03-11T09:26:53Z 2026-03-14T09:26:53Z" }));
    QCOMPARE(s.repo.findLatest(s.a.id)->id, r2.id);
    QCOMPARE(s.repo.softDeleteByAccount(s.a.id), 2);
    QVERIFY(!s.repo.findLatest(s.a.id));
    QVERIFY(s.repo.findById(r1.id)->deletedAt); // still found by id
    QCOMPARE(s.repo.restoreByAccount(s.a.id, kNow.toString(Qt::ISODate)), 2);
    QCOMPARE(s.repo.findLatest(s.a.id)->id, r2.id);
    QCOMPARE(s.changed.count(), 5);

    // An update may move it to another account; created_at and the sync
    // columns are never written from the record.
    auto stored = s.repo.findById(other.id);
    stored->accountId = s.a.id;
    stored->reconciledBalance = -9'999'999'999LL;
    stored->createdAt = kNow.addYears(-1);
    stored->syncStatus = SyncStatus::Conflict;
    const int version = stored->version;
    stored->version += 5;
    QVERIFY(s.repo.update(*stored));
    stored = s.repo.findById(other.id);
    QCOMPARE(std::tuple(stored->accountId, stored->reconciledBalance, stored->createdAt,
                 stored->syncStatus, stored->version),
        std::tuple(s.a.id, -9'999'999'999LL, earlier, SyncStatus::Pending, version));

    // A failed write emits nothing and changes nothing.
    QVERIFY(s.test.freeze("reconciliations"));
    Reconciliation edited = r1;
    edited.statementBalance = 1;
    expectWarning("^ReconciliationRepository::update failed: .*frozen");
    QVERIFY(!s.repo.update(edited));
    QCOMPARE(s.changed.count(), 6);
    QCOMPARE(s.repo.findById(r1.id)->statementBalance, 123'45);
}

void TestRepositories::preferencesSetReplaceAndRemove()
{
    TestDatabase test;
    PreferencesRepository prefs(test.db());
    QSignalSpy changed(&prefs, &PreferencesRepository::changed);
    QCOMPARE(prefs.value("theme", "system"), "system");
    QVERIFY(prefs.set("theme", "dark") && prefs.set("theme", "light"));
    QCOMPARE(changed.count(), 2);
    QCOMPARE(changed.last().first().toString(), "theme");
    QCOMPARE(
        test.column("SELECT key || '=' || value FROM preferences"), QStringList { "theme=light" });
    QVERIFY(prefs.remove("theme") && prefs.remove("never-set"));
    QCOMPARE(prefs.value("theme", "system"), "system");
    QCOMPARE(changed.count(), 2);
    // Only "1" and "true" are true; any other stored text is false, not the default.
    QVERIFY(prefs.boolValue("flag", true) && prefs.set("flag", "true")
        && prefs.boolValue("flag", false));
    QVERIFY(prefs.set("flag", "TRUE") && !prefs.boolValue("flag", true));

    // A NULL or empty value is present: it reads as empty text, not as the default.
    QVERIFY(test.exec("INSERT INTO preferences (key, value) VALUES ('n', NULL)"));
    QVERIFY(prefs.set("e", QString()));
    QCOMPARE(prefs.value("n", "dflt"), QString());
    QCOMPARE(prefs.value("e", "dflt"), QString());

    // Keys and values are bound, never spliced into the SQL.
    const QString key = "it's \"odd\"; DROP TABLE preferences; --";
    const QString value = "x'); DELETE FROM preferences; -- ✓ 日本";
    QVERIFY(prefs.set(key, value));
    QCOMPARE(prefs.value(key), value);

    // Failed writes announce nothing; a statement that could not be compiled
    // is tried afresh next time.
    QVERIFY(prefs.set("theme", "dark") && test.freeze("preferences"));
    QVERIFY(!prefs.set("theme", "light"));
    QCOMPARE(prefs.value("theme"), "dark");
    QVERIFY(test.exec("ALTER TABLE preferences RENAME TO kept"));
    QVERIFY(!prefs.set("theme", "light") && !prefs.remove("flag"));
    QVERIFY(test.exec("ALTER TABLE kept RENAME TO preferences") && test.thaw("preferences"));
    QCOMPARE(changed.count(), 7);
    QVERIFY(prefs.set("theme", "light") && prefs.remove("theme"));
    QCOMPARE(changed.count(), 8);
    QVERIFY(!prefs.get("theme"));
}

void TestRepositories::damagedPageStopsAllWriting()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("ledgerine.db");
    QString accountId;
    {
        Database db;
        QVERIFY(db.open(path) && db.runMigrations());
        const Account a = Records::account("Checking", 5000);
        QVERIFY(AccountRepository(&db).insert(a));
        accountId = a.id;
        TransactionRepository transactions(&db);
        TransactionScope scope(&db);
        // Dates out of order, so that the rows read must be sorted.
        for (int i = 0; i < 1500; ++i) {
            const QDate date = QDate(2020, 1, 1).addDays((i * 7919) % 1500);
            QVERIFY(transactions.insert(Records::transaction(
                a.id, date, QString("Payee %1 ").arg(i).repeated(8), -100 - i)));
        }
        QVERIFY(scope.commit());
    }
    QVERIFY(DamagedFiles::overwriteLeafPage(path, "transactions"));
    const QByteArray damaged = DamagedFiles::bytes(path);

    {
        Database db;
        QVERIFY(db.open(path) && db.runMigrations());
        QSignalSpy stopped(&db, &Database::damaged);
        TransactionRepository transactions(&db);
        QTest::ignoreMessage(QtCriticalMsg, QRegularExpression("^The ledger file is damaged:"));
        bool ok = true;
        expectWarning("^TransactionRepository read failed: database disk image is malformed");
        QVERIFY(transactions.findRegisterRows(accountId, &ok).isEmpty());
        QVERIFY(!ok);
        expectWarning("^TransactionRepository read failed: database disk image is malformed");
        QVERIFY(transactions.search("Payee", {}).isEmpty());
        QCOMPARE(stopped.count(), 1);
        QVERIFY(db.isDamaged() && !db.isWritable());

        // Nothing is written any more, whether on its own or in a unit of work.
        expectWarning("^AccountRepository::insert failed: attempt to write a readonly database");
        QVERIFY(!AccountRepository(&db).insert(Records::account("Later")));
        TransactionScope scope(&db);
        QVERIFY(!scope.commit());
        // Nor opened again for writing by this process.
        Database again;
        QTest::ignoreMessage(QtCriticalMsg, QRegularExpression("it was found damaged"));
        QVERIFY(!again.open(path));
        QCOMPARE(again.failure().kind, StoreFailure::Kind::Damaged);
    }
    QCOMPARE(DamagedFiles::bytes(path), damaged);
}

void TestRepositories::overflowingBalanceHidesNoOther()
{
    TestDatabase test;
    AccountRepository accounts(test.db());
    const Account sums = test.addAccount("Sums overflow");
    const Account plus = test.addAccount("Starting balance plus sum overflows");
    const Account fine = test.addAccount("Fine", 1000);
    const auto raw = [&](const Account& a, qint64 amount) {
        return test.exec(QString("INSERT INTO transactions (id, account_id, date, payee, amount, "
                                 "created_at, updated_at) VALUES ('%1', '%2', '2025-01-01', 'X', "
                                 "%3, '', '')")
                             .arg(Ids::newId(), a.id)
                             .arg(amount));
    };
    QVERIFY(raw(sums, 9'000'000'000'000'000'000) && raw(sums, 9'000'000'000'000'000'000));
    QVERIFY(test.exec(QString("UPDATE accounts SET starting_balance = 9000000000000000000 WHERE "
                              "id = '%1'")
                          .arg(plus.id)));
    QVERIFY(raw(plus, 9'000'000'000'000'000'000));
    QVERIFY(raw(fine, -250));

    expectWarning("^AccountRepository read failed: integer overflow");
    expectWarning("^AccountRepository read failed: integer overflow");
    expectWarning(
        QString("^AccountRepository::balances failed: no balance for account %1$").arg(sums.id));
    expectWarning(
        QString("^AccountRepository::balances failed: no balance for account %1$").arg(plus.id));
    QCOMPARE(accounts.balances(), (QHash<QString, qint64> { { fine.id, 750 } }));

    // Nor can their registers add up.
    TransactionRepository transactions(test.db());
    for (const Account& a : { sums, plus }) {
        bool ok = true;
        expectWarning("^TransactionRepository read failed: running balance overflows$");
        QVERIFY(transactions.findRegisterRows(a.id, &ok).isEmpty());
        QVERIFY(!ok);
    }
    QCOMPARE(transactions.findRegisterRows(fine.id).last().runningBalance, 750);
}

void TestRepositories::repositoriesRefuseAmountsBeyondTheLimit()
{
    // The check is shared; one write per kind of record shows each calls it.
    TestDatabase test;
    AccountRepository accounts(test.db());
    TransactionRepository transactions(test.db());
    RecurringRepository recurring(test.db());
    ReconciliationRepository reconciliations(test.db());
    const qint64 limit = Money::kMaxAmount;
    const auto refuses = [](const char* operation, const std::function<bool()>& write) {
        expectWarning(QString("^%1 failed: amount -?10000000000 is beyond the limit of 9999999999")
                          .arg(operation));
        return !write();
    };

    const Account account = Records::account("A", -limit);
    QVERIFY(accounts.insert(account));
    QVERIFY(refuses("AccountRepository::insert",
        [&] { return accounts.insert(Records::account("B", -limit - 1)); }));
    Transaction t = Records::transaction(account.id, QDate(2025, 1, 1), "P", limit);
    QVERIFY(transactions.insert(t));
    t.amount = -limit - 1;
    QVERIFY(refuses("TransactionRepository::update", [&] { return transactions.update(t); }));
    const Category category = Records::category("C");
    QVERIFY(CategoryRepository(test.db()).insert(category));
    const SplitLine line { Ids::newId(), t.id, category.id, limit + 1, {}, kNow, kNow };
    QVERIFY(refuses("SplitLineRepository::insert",
        [&] { return SplitLineRepository(test.db()).insert(line); }));
    RecurringTransaction r = Records::recurring(account.id, "R", QDate(2025, 2, 1));
    r.amount = -limit;
    QVERIFY(recurring.insert(r));
    r.amount = -limit - 1;
    QVERIFY(refuses("RecurringRepository::update", [&] { return recurring.update(r); }));

    Reconciliation rec;
    rec.id = Ids::newId();
    rec.accountId = account.id;
    rec.statementDate = QDate(2025, 1, 31);
    rec.statementBalance = limit;
    rec.reconciledBalance = limit + 1;
    rec.completedAt = Clock::nowUtc();
    QVERIFY(
        refuses("ReconciliationRepository::insert", [&] { return reconciliations.insert(rec); }));

    // Only the values within the limit are there.
    QCOMPARE(test.column("SELECT starting_balance FROM accounts UNION ALL SELECT amount FROM "
                         "transactions UNION ALL SELECT amount FROM recurring_transactions UNION "
                         "ALL SELECT COUNT(*) FROM reconciliations UNION ALL SELECT COUNT(*) FROM "
                         "split_lines"),
        QStringList({ "-9999999999", "9999999999", "-9999999999", "0", "0" }));
}

void TestRepositories::freshFileReachesLatestVersion()
{
    TestDatabase test;
    QCOMPARE(test.column("SELECT COUNT(*) || ' ' || MAX(version) FROM schema_version"),
        QStringList { QString("%1 %1").arg(Database::latestVersion()) });
    QCOMPARE(test.column("PRAGMA journal_mode") + test.column("PRAGMA foreign_keys"),
        QStringList({ "wal", "1" }));
}

void TestRepositories::versionOneFileGetsTheLaterMigrations()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("old.db");
    {
        Database old;
        QVERIFY(old.open(path));
        QSqlQuery q(old.database());
        QVERIFY(q.exec(
            "CREATE TABLE IF NOT EXISTS schema_version (  version INTEGER PRIMARY KEY,  name    "
            "TEXT NOT NULL,  applied_at TEXT NOT NULL DEFAULT (datetime('now')))"));
        QVERIFY(old.applyMigration(
            1, "initial", QString::fromUtf8(bytes(":/sql/sql/migrations/001_initial.sql"))));
        QVERIFY(q.exec(
            "INSERT INTO accounts (id, name, created_at, updated_at) VALUES ('a', 'A', '', '')"));
        QVERIFY(q.exec(
            "INSERT INTO reconciliations (id, account_id, statement_date, statement_balance, "
            "reconciled_balance, completed_at) VALUES ('r', 'a', '2024-05-31', 1000, 1000, "
            "'2024-06-02T10:00:00Z')"));
        // A bank's layout as builds before their synchronisation kept it.
        QVERIFY(q.exec("CREATE TABLE csv_profiles (id TEXT PRIMARY KEY, account_id TEXT NOT NULL, "
                       "name TEXT NOT NULL, header_shape TEXT NOT NULL, mapping TEXT NOT NULL, "
                       "updated_at TEXT NOT NULL)"));
        QVERIFY(q.exec("INSERT INTO csv_profiles VALUES ('p', 'a', 'Bank', 'shape', '{}', "
                       "'2024-07-01T09:00:00Z')"));
    }

    {
        Database db;
        QSignalSpy applied(&db, &Database::migrationApplied);
        QVERIFY(db.open(path) && db.runMigrations());
        QCOMPARE(applied.count(), Database::latestVersion() - 1);
        QCOMPARE(applied.first(), QVariantList({ 2, "recon_sync" }));
        QCOMPARE(queryColumn(db.database(),
                     "SELECT created_at || '|' || updated_at || '|' || version || '|' "
                     "|| sync_status FROM reconciliations"),
            QStringList { "2024-06-02T10:00:00Z|2024-06-02T10:00:00Z|1|pending" });
        // Kept before they travelled: sent with the next synchronisation.
        QCOMPARE(queryColumn(db.database(),
                     "SELECT created_at || '|' || version || '|' || sync_status FROM csv_profiles"),
            QStringList { "2024-07-01T09:00:00Z|1|pending" });
    }
    // Opened again, an up-to-date file runs nothing.
    Database again;
    QSignalSpy applied(&again, &Database::migrationApplied);
    QVERIFY(again.open(path) && again.runMigrations());
    QCOMPARE(applied.count(), 0);
}

void TestRepositories::failingStatementLeavesNothing()
{
    TestDatabase test;
    QSignalSpy errors(test.db(), &Database::migrationError);
    const QString script = "CREATE TABLE extra (id TEXT);\n"
                           "ALTER TABLE extra ADD COLUMN note TEXT;\n"
                           "INSERT INTO no_such_table VALUES (1);\n";
    const int next = Database::latestVersion() + 1;
    QTest::ignoreMessage(
        QtCriticalMsg, QRegularExpression(QString("^Migration %1 failed:").arg(next)));
    QVERIFY(!test.db()->applyMigration(next, "broken", script));
    QCOMPARE(errors.count(), 1);
    QCOMPARE(test.scalar(QString("SELECT (SELECT COUNT(*) FROM schema_version WHERE "
                                 "version = %1) + (SELECT COUNT(*) FROM sqlite_master "
                                 "WHERE name = 'extra')")
                             .arg(next))
                 .toInt(),
        0);
    // Nothing is left half-open: the next migration can run and commit.
    QVERIFY(test.db()->applyMigration(next, "fixed", "CREATE TABLE extra (id TEXT);"));
    QCOMPARE(test.column(QString("SELECT name FROM schema_version WHERE version = %1").arg(next)),
        QStringList { "fixed" });
}

void TestRepositories::newFilesAreTheOwnersOnly()
{
    QTemporaryDir dir;
    const auto mode = [](const QString& path) {
        return QString::number(QFileInfo(path).permissions() & 0x0777, 16);
    };
    for (const mode_t mask : { 022, 077 }) {
        const mode_t previous = umask(mask);
        const QString folder = dir.filePath(QString("data-%1/inner").arg(mask, 0, 8));
        QVERIFY(FilePrivacy::makePrivateDirectory(folder));
        const QString path = folder + "/ledgerine.db";
        Database db;
        QVERIFY(db.open(path) && db.runMigrations());
        umask(previous);
        // Qt's permission bits in hex: 0x600 is rw for the owner alone.
        QCOMPARE(mode(folder), "700");
        QCOMPARE(mode(path), "600");
        QCOMPARE(mode(path + "-wal"), "600");
        QCOMPARE(mode(path + "-shm"), "600");
        // A folder that is there already is left as the user made it.
        QVERIFY(FilePrivacy::makePrivateDirectory(QFileInfo(folder).path()));
    }
}

void TestRepositories::readOnlyFileIsOpenedForReading()
{
    QTemporaryDir dir;
    const QString folder = dir.filePath("data");
    QVERIFY(QDir().mkpath(folder));
    const QString path = folder + "/ledgerine.db";
    const QString outdated = folder + "/old.db";
    QVERIFY(prepare(path,
        { "INSERT INTO accounts (id, name, created_at, updated_at) VALUES "
          "('a', 'Kept', '', '')" }));
    QVERIFY(prepare(outdated,
        { QString("DELETE FROM schema_version WHERE version = %1")
                .arg(Database::latestVersion()) }));
    const QByteArray before = bytes(path);
    {
        ReadOnlyFolder readOnly(folder);
        QVERIFY(readOnly.isReadOnly());
        Database db;
        QVERIFY(db.open(path) && db.runMigrations());
        QVERIFY(db.isReadOnly() && !db.isWritable());
        QCOMPARE(queryColumn(db.database(), "SELECT name FROM accounts"), QStringList { "Kept" });
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^AccountRepository::insert failed"));
        QVERIFY(!AccountRepository(&db).insert(Records::account("New")));

        // A file this build would have to migrate cannot be read as it is.
        Database old;
        QTest::ignoreMessage(QtCriticalMsg, QRegularExpression("needs migrating"));
        QVERIFY(old.open(outdated) && !old.runMigrations());
        QCOMPARE(old.failure().kind, StoreFailure::Kind::ReadOnlyOutdated);
    }
    QCOMPARE(bytes(path), before);
}

QTEST_GUILESS_MAIN(TestRepositories)
#include "tst_repositories.moc"
