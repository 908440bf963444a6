#include "DamagedFiles.h"
#include "Records.h"
#include "TestDatabase.h"
#include "data/AccountRepository.h"
#include "data/CategoryRepository.h"
#include "data/Clock.h"
#include "data/Database.h"
#include "data/Ids.h"
#include "data/Money.h"
#include "data/ReconciliationRepository.h"
#include "data/RecurringRepository.h"
#include "data/SplitLineRepository.h"
#include "data/TransactionRepository.h"
#include "data/TransactionScope.h"

#include <QFile>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

// Stores that no path of the program writes: damaged pages, amounts whose sums
// overflow, and amounts beyond the limit offered to the repositories.
class TestHostileStore : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { Clock::setFixedUtc(QDateTime(QDate(2025, 9, 2), QTime(10, 0), Qt::UTC)); }
    void cleanup() { Clock::clearFixed(); }

    void damagedPageStopsAllWriting();
    void overflowingBalanceHidesNoOther();
    void repositoriesRefuseAmountsBeyondTheLimit();
};

void TestHostileStore::damagedPageStopsAllWriting()
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

void TestHostileStore::overflowingBalanceHidesNoOther()
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

void TestHostileStore::repositoriesRefuseAmountsBeyondTheLimit()
{
    TestDatabase test;
    AccountRepository accounts(test.db());
    TransactionRepository transactions(test.db());
    SplitLineRepository splitLines(test.db());
    RecurringRepository recurring(test.db());
    ReconciliationRepository reconciliations(test.db());
    CategoryRepository categories(test.db());
    const qint64 limit = Money::kMaxAmount;
    const auto refuses = [](const char* operation, const std::function<bool()>& write) {
        expectWarning(QString("^%1 failed: amount -?10000000000 is beyond the limit of 9999999999")
                          .arg(operation));
        return !write();
    };

    Account account = Records::account("A", -limit);
    QVERIFY(accounts.insert(account));
    account.startingBalance = limit + 1;
    QVERIFY(refuses("AccountRepository::update", [&] { return accounts.update(account); }));
    QVERIFY(refuses("AccountRepository::insert",
        [&] { return accounts.insert(Records::account("B", -limit - 1)); }));

    Transaction t = Records::transaction(account.id, QDate(2025, 1, 1), "P", limit);
    QVERIFY(transactions.insert(t));
    t.amount = -limit - 1;
    QVERIFY(refuses("TransactionRepository::update", [&] { return transactions.update(t); }));
    t.id = Ids::newId();
    QVERIFY(refuses("TransactionRepository::insert", [&] { return transactions.insert(t); }));

    const Category category = Records::category("C");
    QVERIFY(categories.insert(category));
    const SplitLine line { Ids::newId(), t.id, category.id, limit + 1, {}, Clock::nowUtc(),
        Clock::nowUtc() };
    QVERIFY(refuses("SplitLineRepository::insert", [&] { return splitLines.insert(line); }));

    RecurringTransaction r = Records::recurring(account.id, "R", QDate(2025, 2, 1));
    r.amount = limit + 1;
    QVERIFY(refuses("RecurringRepository::insert", [&] { return recurring.insert(r); }));
    r.amount = -limit;
    QVERIFY(recurring.insert(r));
    r.amount = -limit - 1;
    QVERIFY(refuses("RecurringRepository::update", [&] { return recurring.update(r); }));

    Reconciliation rec;
    rec.id = Ids::newId();
    rec.accountId = account.id;
    rec.statementDate = QDate(2025, 1, 31);
    rec.statementBalance = rec.reconciledBalance = limit;
    rec.completedAt = Clock::nowUtc();
    QVERIFY(reconciliations.insert(rec));
    rec.reconciledBalance = limit + 1;
    QVERIFY(
        refuses("ReconciliationRepository::update", [&] { return reconciliations.update(rec); }));
    rec.id = Ids::newId();
    QVERIFY(
        refuses("ReconciliationRepository::insert", [&] { return reconciliations.insert(rec); }));

    // Only the values within the limit are there.
    QCOMPARE(test.column("SELECT starting_balance FROM accounts UNION ALL SELECT amount FROM "
                         "transactions UNION ALL SELECT amount FROM recurring_transactions UNION "
                         "ALL SELECT reconciled_balance FROM reconciliations UNION ALL SELECT "
                         "COUNT(*) FROM split_lines"),
        QStringList({ "-9999999999", "9999999999", "-9999999999", "9999999999", "0" }));
}

QTEST_GUILESS_MAIN(TestHostileStore)
#include "tst_hostilestore.moc"
