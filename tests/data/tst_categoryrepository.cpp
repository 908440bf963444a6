#include "Records.h"
#include "TestDatabase.h"
#include "data/CategoryRepository.h"
#include "data/Clock.h"

#include <QSignalSpy>
#include <QTest>

namespace {

const QDateTime kNow(QDate(2026, 3, 14), QTime(9, 26, 53), Qt::UTC);

QStringList names(const QList<Category>& categories)
{
    QStringList out;
    for (const Category& c : categories)
        out << c.name;
    return out;
}

} // namespace

class TestCategoryRepository : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { Clock::setFixedUtc(kNow); }
    void cleanup() { Clock::clearFixed(); }

    void roundTripAndNullLinks();
    void typeTexts_data();
    void typeTexts();
    void findAllByNameAndCount();
    void softDeleteTouchesOnlyThatRow();
    void resyncAndMarkSynced();
    void failedWritesLogAndChangeNothing();
};

void TestCategoryRepository::roundTripAndNullLinks()
{
    TestDatabase test;
    CategoryRepository repo(test.db());
    QSignalSpy changed(&repo, &CategoryRepository::categoriesChanged);

    const Category top = Records::category(QStringLiteral("Housing"));
    QVERIFY(repo.insert(top));
    Category child = Records::category(QStringLiteral("Rent"), top.id, CategoryType::Transfer);
    child.isTaxRelevant = true;
    child.taxCategory = QStringLiteral("rental");
    child.icon = QStringLiteral("home");
    child.color = QStringLiteral("#112233");
    child.isDefault = true;
    child.accountId = QStringLiteral("acct");
    child.version = 3;
    child.syncStatus = SyncStatus::Synced;
    child.serverId = QStringLiteral("srv");
    QVERIFY(repo.insert(child));
    QCOMPARE(changed.count(), 2);

    // Empty parent and account are stored as NULL and read back empty.
    QCOMPARE(test.scalar(QStringLiteral("SELECT (parent_id IS NULL) || (account_id IS NULL) FROM "
                                        "categories WHERE name = 'Housing'"))
                 .toString(),
        QStringLiteral("11"));
    const auto storedTop = repo.findById(top.id);
    QVERIFY(storedTop);
    QVERIFY(storedTop->parentId.isEmpty() && storedTop->accountId.isEmpty());
    QCOMPARE(storedTop->type, CategoryType::Expense);

    const auto stored = repo.findById(child.id);
    QCOMPARE(stored->parentId, top.id);
    QCOMPARE(stored->type, CategoryType::Transfer);
    QVERIFY(stored->isTaxRelevant && stored->isDefault);
    QCOMPARE(stored->taxCategory, QStringLiteral("rental"));
    QCOMPARE(stored->icon, QStringLiteral("home"));
    QCOMPARE(stored->color, QStringLiteral("#112233"));
    QCOMPARE(stored->accountId, QStringLiteral("acct"));
    QCOMPARE(stored->version, 3);
    QCOMPARE(stored->syncStatus, SyncStatus::Synced);
    QCOMPARE(stored->serverId, QStringLiteral("srv"));
    QCOMPARE(stored->createdAt, kNow);

    // Moving to the top level clears parent_id; created_at is never rewritten.
    Category moved = *stored;
    moved.parentId.clear();
    moved.accountId.clear();
    moved.name = QStringLiteral("Rent & Lease");
    moved.createdAt = kNow.addYears(-5);
    moved.updatedAt = kNow.addDays(1);
    QVERIFY(repo.update(moved));
    QCOMPARE(changed.count(), 3);
    const auto updated = repo.findById(child.id);
    QVERIFY(updated->parentId.isEmpty());
    QCOMPARE(updated->name, QStringLiteral("Rent & Lease"));
    QCOMPARE(updated->createdAt, kNow);
    QCOMPARE(updated->updatedAt, kNow.addDays(1));
    QCOMPARE(test.scalar(QStringLiteral("SELECT parent_id IS NULL FROM categories WHERE id = '%1'")
                             .arg(child.id))
                 .toInt(),
        1);
}

void TestCategoryRepository::typeTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<CategoryType>("type");
    QTest::newRow("income") << QStringLiteral("income") << CategoryType::Income;
    QTest::newRow("transfer") << QStringLiteral("transfer") << CategoryType::Transfer;
    QTest::newRow("expense") << QStringLiteral("expense") << CategoryType::Expense;
    QTest::newRow("capitalised") << QStringLiteral("Income") << CategoryType::Expense;
    QTest::newRow("unknown") << QStringLiteral("savings") << CategoryType::Expense;
}

void TestCategoryRepository::typeTexts()
{
    QFETCH(QString, text);
    QFETCH(CategoryType, type);
    TestDatabase test;
    CategoryRepository repo(test.db());
    QVERIFY(test.exec(QStringLiteral("INSERT INTO categories (id, name, category_type, "
                                     "created_at, updated_at) VALUES ('c', 'C', '%1', '', '')")
                          .arg(text)));
    QCOMPARE(repo.findById(QStringLiteral("c"))->type, type);
    QCOMPARE(categoryTypeToText(CategoryType(42)), QStringLiteral("expense"));
}

void TestCategoryRepository::findAllByNameAndCount()
{
    TestDatabase test;
    CategoryRepository repo(test.db());
    QCOMPARE(repo.count(), 0);
    for (const char* name : { "groceries", "Zoo", "Auto", "auto" })
        QVERIFY(repo.insert(Records::category(QLatin1String(name))));
    const Category gone = Records::category(QStringLiteral("Gone"));
    QVERIFY(repo.insert(gone));
    QVERIFY(repo.softDelete(gone.id));

    // Raw byte order: upper case before lower case.
    QCOMPARE(names(repo.findAll()),
        QStringList({ QStringLiteral("Auto"), QStringLiteral("Zoo"), QStringLiteral("auto"),
            QStringLiteral("groceries") }));
    QCOMPARE(repo.count(), 4);
    QCOMPARE(repo.findByName(QStringLiteral("auto"))->name, QStringLiteral("auto"));
    QVERIFY(!repo.findByName(QStringLiteral("AUTO")));
    QVERIFY(!repo.findByName(QStringLiteral("Gone")));
    QVERIFY(repo.findById(gone.id)->deletedAt);
    QCOMPARE(repo.findPending().size(), 5); // the deleted one included

    for (const Category& c : repo.findAll())
        QVERIFY(repo.softDelete(c.id));
    QCOMPARE(repo.count(), 0);
    QVERIFY(repo.findAll().isEmpty());
}

void TestCategoryRepository::softDeleteTouchesOnlyThatRow()
{
    TestDatabase test;
    CategoryRepository repo(test.db());
    const Category parent = Records::category(QStringLiteral("Parent"));
    const Category child = Records::category(QStringLiteral("Child"), parent.id);
    QVERIFY(repo.insert(parent) && repo.insert(child));
    QVERIFY(repo.markSynced(parent.id, QStringLiteral("s")));

    QSignalSpy changed(&repo, &CategoryRepository::categoriesChanged);
    Clock::setFixedUtc(kNow.addDays(2));
    QVERIFY(repo.softDelete(parent.id));
    QCOMPARE(changed.count(), 1);
    const auto deleted = repo.findById(parent.id);
    QCOMPARE(*deleted->deletedAt, kNow.addDays(2));
    QCOMPARE(deleted->updatedAt, kNow.addDays(2));
    QCOMPARE(deleted->syncStatus, SyncStatus::Pending);
    QCOMPARE(names(repo.findAll()), QStringList({ QStringLiteral("Child") }));
    QCOMPARE(repo.findAll().first().parentId, parent.id);

    QVERIFY(repo.restore(parent.id));
    QCOMPARE(changed.count(), 2);
    QVERIFY(!repo.findById(parent.id)->deletedAt);
    QCOMPARE(repo.count(), 2);
}

void TestCategoryRepository::resyncAndMarkSynced()
{
    TestDatabase test;
    CategoryRepository repo(test.db());
    const Category a = Records::category(QStringLiteral("A"));
    const Category b = Records::category(QStringLiteral("B"));
    QVERIFY(repo.insert(a) && repo.insert(b));
    QSignalSpy changed(&repo, &CategoryRepository::categoriesChanged);
    QCOMPARE(repo.markAllPendingForResync(), 0);
    QVERIFY(repo.markSynced(a.id, QStringLiteral("sa")));
    QVERIFY(repo.markSynced(b.id, QStringLiteral("sb")));
    QVERIFY(repo.softDelete(b.id));
    QVERIFY(repo.markSynced(b.id, QStringLiteral("sb")));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(repo.markAllPendingForResync(), 1);
    QCOMPARE(changed.count(), 2);
    QCOMPARE(repo.findById(b.id)->syncStatus, SyncStatus::Synced);
    QCOMPARE(repo.findById(a.id)->serverId, QStringLiteral("sa"));
}

void TestCategoryRepository::failedWritesLogAndChangeNothing()
{
    TestDatabase test;
    CategoryRepository repo(test.db());
    const Category c = Records::category(QStringLiteral("Kept"));
    QVERIFY(repo.insert(c));
    QSignalSpy changed(&repo, &CategoryRepository::categoriesChanged);

    QTest::ignoreMessage(QtWarningMsg,
        QRegularExpression(QStringLiteral("^CategoryRepository::insert failed: .*UNIQUE")));
    QVERIFY(!repo.insert(c));
    QTest::ignoreMessage(QtWarningMsg,
        QRegularExpression(QStringLiteral("^CategoryRepository::insert failed: .*FOREIGN KEY")));
    QVERIFY(!repo.insert(Records::category(QStringLiteral("Orphan"), QStringLiteral("nope"))));

    QVERIFY(test.exec(QStringLiteral("CREATE TRIGGER frozen BEFORE UPDATE ON categories BEGIN "
                                     "SELECT RAISE(ABORT, 'frozen'); END")));
    for (const char* op : { "update", "softDelete", "markAllPendingForResync" })
        QTest::ignoreMessage(QtWarningMsg,
            QRegularExpression(
                QStringLiteral("^CategoryRepository::%1 failed: .*frozen").arg(QLatin1String(op))));
    Category renamed = c;
    renamed.name = QStringLiteral("Renamed");
    QVERIFY(!repo.update(renamed));
    QVERIFY(!repo.softDelete(c.id));
    QVERIFY(!repo.markSynced(c.id, QStringLiteral("s")));
    QVERIFY(test.exec(QStringLiteral("DROP TRIGGER frozen")));
    QVERIFY(repo.markSynced(c.id, QStringLiteral("s")));
    QVERIFY(test.exec(QStringLiteral("CREATE TRIGGER frozen BEFORE UPDATE ON categories BEGIN "
                                     "SELECT RAISE(ABORT, 'frozen'); END")));
    QCOMPARE(repo.markAllPendingForResync(), 0);

    QCOMPARE(changed.count(), 0);
    QCOMPARE(names(repo.findAll()), QStringList({ QStringLiteral("Kept") }));
    QCOMPARE(repo.findById(c.id)->syncStatus, SyncStatus::Synced);
}

QTEST_GUILESS_MAIN(TestCategoryRepository)
#include "tst_categoryrepository.moc"
