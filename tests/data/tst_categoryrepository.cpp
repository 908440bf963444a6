#include "Records.h"
#include "TestDatabase.h"
#include "data/CategoryRepository.h"
#include "data/Clock.h"

#include <QSignalSpy>
#include <QTest>

namespace {

const QDateTime kNow(QDate(2026, 3, 14), QTime(9, 26, 53), Qt::UTC);

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

} // namespace

class TestCategoryRepository : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { Clock::setFixedUtc(kNow); }
    void cleanup() { Clock::clearFixed(); }

    void roundTripAndNullLinks();
    void textsNamesAndCount();
    void softDeleteRestoreAndResync();
    void failedWritesLogAndChangeNothing();
};

void TestCategoryRepository::roundTripAndNullLinks()
{
    Categories s;
    const Category top = s.add("Housing");
    Category child = Records::category("Rent", top.id, CategoryType::Transfer);
    child.isTaxRelevant = child.isDefault = true;
    child.taxCategory = "rental";
    child.color = "#112233";
    child.accountId = "acct";
    child.syncStatus = SyncStatus::Synced;
    QVERIFY(s.repo.insert(child));
    QCOMPARE(s.changed.count(), 2);

    // Empty parent and account are stored as NULL, never as "".
    const QString nullLinks = "SELECT (parent_id IS NULL) || (account_id IS NULL) FROM categories "
                              "ORDER BY rowid";
    QCOMPARE(s.test.column(nullLinks), QStringList({ "11", "00" }));
    auto stored = s.repo.findById(child.id);
    QCOMPARE(
        QStringList({ stored->parentId, stored->taxCategory, stored->color, stored->accountId }),
        QStringList({ top.id, "rental", "#112233", "acct" }));
    QCOMPARE(stored->type, CategoryType::Transfer);
    QVERIFY(stored->isTaxRelevant && stored->isDefault);
    QCOMPARE(stored->syncStatus, SyncStatus::Synced);

    // Moving to the top level clears parent_id; created_at is never rewritten.
    stored->parentId.clear();
    stored->accountId.clear();
    stored->createdAt = kNow.addYears(-5);
    QVERIFY(s.repo.update(*stored));
    QCOMPARE(s.changed.count(), 3);
    QCOMPARE(s.test.column(nullLinks), QStringList({ "11", "11" }));
    QCOMPARE(s.repo.findById(child.id)->createdAt, kNow);
}

void TestCategoryRepository::textsNamesAndCount()
{
    Categories s;
    QCOMPARE(s.repo.count(), 0);
    // Type texts are compared exactly; anything else is an expense.
    QVERIFY(s.test.exec("INSERT INTO categories (id, name, category_type, created_at, "
                        "updated_at) VALUES ('i', 'auto', 'income', '', ''), ('c', 'Zoo', "
                        "'Income', '', '')"));
    QCOMPARE(s.repo.findById("i")->type, CategoryType::Income);
    QCOMPARE(s.repo.findById("c")->type, CategoryType::Expense);
    QCOMPARE(categoryTypeToText(CategoryType(42)), "expense");

    s.add("groceries");
    s.add("Auto");
    QVERIFY(s.repo.softDelete(s.add("Gone").id));
    // Raw byte order: upper case before lower case.
    QCOMPARE(s.names(), QStringList({ "Auto", "Zoo", "auto", "groceries" }));
    QCOMPARE(s.repo.count(), 4);
    QCOMPARE(s.repo.findByName("auto")->id, "i");
    QVERIFY(!s.repo.findByName("AUTO"));
    QVERIFY(!s.repo.findByName("Gone"));
    QCOMPARE(s.repo.findPending().size(), 5); // the deleted one included
}

void TestCategoryRepository::softDeleteRestoreAndResync()
{
    // The shared sync statements are covered with accounts; here only what is
    // particular to categories.
    Categories s;
    const Category parent = s.add("Parent");
    const Category child = s.add("Child", parent.id);
    QVERIFY(s.repo.markSynced(child.id, "sc"));
    QVERIFY(s.repo.softDelete(parent.id));
    QCOMPARE(s.changed.count(), 3);
    // Deleting a parent touches only its own row.
    QCOMPARE(s.names(), QStringList { "Child" });
    QCOMPARE(s.repo.findById(child.id)->syncStatus, SyncStatus::Synced);
    QCOMPARE(s.repo.markAllPendingForResync(), 1);
    QVERIFY(s.repo.restore(parent.id));
    QCOMPARE(s.changed.count(), 5);
    QCOMPARE(s.repo.count(), 2);
}

void TestCategoryRepository::failedWritesLogAndChangeNothing()
{
    Categories s;
    expectWarning("^CategoryRepository::insert failed: .*FOREIGN KEY");
    QVERIFY(!s.repo.insert(Records::category("Orphan", "nope")));
    QCOMPARE(s.changed.count(), 0);
    QCOMPARE(s.repo.count(), 0);
}

QTEST_GUILESS_MAIN(TestCategoryRepository)
#include "tst_categoryrepository.moc"
