#include "Records.h"
#include "TestDatabase.h"
#include "data/CategoryRepository.h"
#include "data/Clock.h"
#include "data/Ids.h"
#include "data/SplitLineRepository.h"
#include "data/TransactionRepository.h"

#include <QTest>

class TestSplitLineRepository : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { Clock::clearFixed(); }
    void linesKeepInsertionOrderAndNeedTheirParents();
};

void TestSplitLineRepository::linesKeepInsertionOrderAndNeedTheirParents()
{
    const QDateTime now(QDate(2026, 3, 14), QTime(9, 26, 53), Qt::UTC);
    Clock::setFixedUtc(now);
    TestDatabase test;
    SplitLineRepository repo(test.db());
    const Account a = test.addAccount("A");
    const Category food = Records::category("Food");
    const Transaction t1 = Records::transaction(a.id, QDate(2026, 1, 1), "Shop", -100);
    const Transaction t2 = Records::transaction(a.id, QDate(2026, 1, 2), "Shop", -50);
    QVERIFY(CategoryRepository(test.db()).insert(food));
    TransactionRepository transactions(test.db());
    QVERIFY(transactions.insert(t1) && transactions.insert(t2));
    const auto line = [&](const QString& transactionId, const QString& categoryId, qint64 amount,
                          const QString& id = Ids::newId()) {
        return SplitLine { id, transactionId, categoryId, amount, QString(), now, now };
    };

    QVERIFY(repo.deleteByTransaction(t1.id)); // no lines yet
    // Ids in descending order, so an ordering by id would show.
    SplitLine first = line(t1.id, food.id, -70, "zz");
    first.memo = "tank";
    SplitLine second = line(t1.id, food.id, -30, "aa");
    second.updatedAt = now.addSecs(5);
    QVERIFY(repo.insert(first) && repo.insert(second) && repo.insert(line(t2.id, food.id, -50)));
    const QList<SplitLine> lines = repo.findByTransaction(t1.id);
    QCOMPARE(Records::texts(lines, &SplitLine::id), QStringList({ "zz", "aa" }));
    QCOMPARE(QStringList({ lines[0].transactionId, lines[0].categoryId, lines[0].memo }),
        QStringList({ t1.id, food.id, "tank" }));
    QCOMPARE(lines[0].amount, -70);
    QCOMPARE(lines[0].createdAt, now);
    QCOMPARE(lines[1].updatedAt, now.addSecs(5));

    QVERIFY(repo.deleteByTransaction(t1.id));
    QVERIFY(repo.findByTransaction(t1.id).isEmpty());
    QCOMPARE(repo.findByTransaction(t2.id).size(), 1);

    // The category is required, and both parents must exist.
    for (int i = 0; i < 3; ++i)
        expectWarning("^SplitLineRepository::insert failed: .*FOREIGN KEY");
    QVERIFY(!repo.insert(line(t1.id, "no-category", -1)));
    QVERIFY(!repo.insert(line(t1.id, QString(), -1)));
    QVERIFY(!repo.insert(line("no-transaction", food.id, -1)));
    QCOMPARE(test.scalar("SELECT COUNT(*) FROM split_lines").toInt(), 1);
}

QTEST_GUILESS_MAIN(TestSplitLineRepository)
#include "tst_splitlinerepository.moc"
