#include "Records.h"
#include "TestDatabase.h"
#include "data/Money.h"
#include "data/TransactionBulkInsert.h"
#include "data/TransactionRepository.h"
#include "data/TransactionScope.h"

#include <QSignalSpy>
#include <QTest>

class TestTransactionBulkInsert : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void indexesAllRowsAtTheEnd();
    void unfinishedGuardStillIndexesItsRows();
    void inactiveOutsideATransaction();
};

namespace {

struct Store {
    TestDatabase test;
    TransactionRepository repo { test.db() };
    Account account = test.addAccount("Checking");
    QStringList triggersBefore = triggers();

    QStringList triggers() const
    {
        return test.column("SELECT name || ':' || sql FROM sqlite_master WHERE type = 'trigger' "
                           "ORDER BY name");
    }
    Transaction add(const QString& payee, TransactionBulkInsert* bulk = nullptr)
    {
        Transaction t = Records::transaction(account.id, QDate(2026, 1, 2), payee, -100);
        if (!(bulk ? bulk->insert(t) : repo.insert(t)))
            qFatal("insert failed");
        return t;
    }
    QStringList found(const QString& text) const
    {
        return Records::texts(repo.search(text, {}), &Transaction::payee);
    }
    bool indexIsSound() const
    {
        return test.exec(
            "INSERT INTO transactions_fts(transactions_fts) VALUES('integrity-check')");
    }
};

} // namespace

void TestTransactionBulkInsert::indexesAllRowsAtTheEnd()
{
    Store store;
    Transaction before = store.add("Old Bakery");
    QSignalSpy changed(&store.repo, &TransactionRepository::transactionsChanged);
    {
        TransactionScope scope(store.test.db());
        TransactionBulkInsert bulk(store.test.db(), &store.repo);
        QVERIFY(bulk.isActive());
        store.add("Alpine Outfitters", &bulk);
        Transaction fresh
            = Records::transaction(store.account.id, QDate(2026, 1, 2), "Riverside Books", -100);
        fresh.memo = "Pier seven";
        QVERIFY(bulk.insert(fresh));
        Transaction huge = Records::transaction(store.account.id, QDate(2026, 1, 3), "Huge", 1);
        huge.amount = Money::kMaxAmount + 1;
        expectWarning("TransactionBulkInsert::insert failed: amount beyond the limit");
        QVERIFY(!bulk.insert(huge));
        // Not searchable until indexed, while both kinds of rows can still change:
        // the index never had the new row's words, so they must not be taken out.
        QVERIFY(store.found("Alpine").isEmpty());
        fresh.payee = "Harbor Cafe";
        fresh.memo = "Pier eight";
        QVERIFY(store.repo.update(fresh));
        before.payee = "New Bakery";
        QVERIFY(store.repo.update(before));
        QVERIFY(bulk.finish());
        QVERIFY(!bulk.isActive());
        QCOMPARE(changed.count(), 0);
        QVERIFY(scope.commit());
    }
    // One announcement for the account, after the commit.
    QCOMPARE(changed.count(), 1);
    QCOMPARE(store.test.scalar("SELECT COUNT(*) FROM transactions").toInt(), 3);
    QCOMPARE(store.found("Alpine") + store.found("Harbor") + store.found("eight")
            + store.found("Bakery") + store.found("seven") + store.found("Riverside")
            + store.found("Old"),
        QStringList({ "Alpine Outfitters", "Harbor Cafe", "Harbor Cafe", "New Bakery" }));
    QVERIFY(store.indexIsSound());
    QCOMPARE(store.triggers(), store.triggersBefore);

    // Single edits afterwards go through the triggers again.
    store.add("Corner Deli");
    QCOMPARE(store.found("Deli"), QStringList { "Corner Deli" });
    QVERIFY(store.indexIsSound());
}

void TestTransactionBulkInsert::unfinishedGuardStillIndexesItsRows()
{
    // A guard dropped without finish() inside a unit that commits still indexes its rows.
    Store store;
    {
        TransactionScope scope(store.test.db());
        {
            TransactionBulkInsert bulk(store.test.db(), &store.repo);
            store.add("Forgotten Finish", &bulk);
        }
        QVERIFY(scope.commit());
    }
    QCOMPARE(store.found("Forgotten"), QStringList { "Forgotten Finish" });
    QCOMPARE(store.triggers(), store.triggersBefore);
    QVERIFY(store.indexIsSound());
}

void TestTransactionBulkInsert::inactiveOutsideATransaction()
{
    Store store;
    TransactionBulkInsert bulk(store.test.db(), &store.repo);
    QVERIFY(!bulk.isActive());
    QCOMPARE(store.triggers(), store.triggersBefore);
    store.add("Plain Insert", &bulk);
    QCOMPARE(store.found("Plain"), QStringList { "Plain Insert" });
    QVERIFY(bulk.finish());
}

QTEST_GUILESS_MAIN(TestTransactionBulkInsert)
#include "tst_transactionbulkinsert.moc"
