#include "Records.h"
#include "TestDatabase.h"
#include "data/AccountRepository.h"
#include "data/CategoryRepository.h"
#include "data/Clock.h"
#include "data/Ids.h"
#include "data/SplitLineRepository.h"
#include "data/TransactionRepository.h"

#include <QTest>

namespace {

const QDateTime kNow(QDate(2026, 3, 14), QTime(9, 26, 53), Qt::UTC);

SplitLine line(const QString& transactionId, const QString& categoryId, qint64 amount,
    const QString& memo = QString())
{
    SplitLine l;
    l.id = Ids::newId();
    l.transactionId = transactionId;
    l.categoryId = categoryId;
    l.amount = amount;
    l.memo = memo;
    l.createdAt = l.updatedAt = Clock::nowUtc();
    return l;
}

} // namespace

class TestSplitLineRepository : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void linesComeBackInInsertionOrder();
    void deleteByTransaction();
    void foreignKeysRejectUnknownParents();

private:
    std::unique_ptr<TestDatabase> m_test;
    std::unique_ptr<SplitLineRepository> m_repo;
    QString m_txA;
    QString m_txB;
    QString m_food;
    QString m_fuel;
};

void TestSplitLineRepository::init()
{
    Clock::setFixedUtc(kNow);
    m_test = std::make_unique<TestDatabase>();
    m_repo = std::make_unique<SplitLineRepository>(m_test->db());
    AccountRepository accounts(m_test->db());
    CategoryRepository categories(m_test->db());
    TransactionRepository transactions(m_test->db());
    const Account a = Records::account(QStringLiteral("A"));
    QVERIFY(accounts.insert(a));
    const Category food = Records::category(QStringLiteral("Food"));
    const Category fuel = Records::category(QStringLiteral("Fuel"));
    QVERIFY(categories.insert(food) && categories.insert(fuel));
    const Transaction ta = Records::transaction(a.id, QDate(2026, 1, 1), QStringLiteral("A"), -100);
    const Transaction tb = Records::transaction(a.id, QDate(2026, 1, 2), QStringLiteral("B"), -50);
    QVERIFY(transactions.insert(ta) && transactions.insert(tb));
    m_txA = ta.id;
    m_txB = tb.id;
    m_food = food.id;
    m_fuel = fuel.id;
}

void TestSplitLineRepository::cleanup()
{
    m_repo.reset();
    m_test.reset();
    Clock::clearFixed();
}

void TestSplitLineRepository::linesComeBackInInsertionOrder()
{
    // Ids in descending order, so an ordering by id would show.
    SplitLine first = line(m_txA, m_fuel, -70, QStringLiteral("tank"));
    first.id = QStringLiteral("zz");
    SplitLine second = line(m_txA, m_food, -30);
    second.id = QStringLiteral("aa");
    second.updatedAt = kNow.addSecs(5);
    QVERIFY(m_repo->insert(first));
    QVERIFY(m_repo->insert(second));
    QVERIFY(m_repo->insert(line(m_txB, m_food, -50)));

    const QList<SplitLine> lines = m_repo->findByTransaction(m_txA);
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines[0].id, QStringLiteral("zz"));
    QCOMPARE(lines[0].transactionId, m_txA);
    QCOMPARE(lines[0].categoryId, m_fuel);
    QCOMPARE(lines[0].amount, -70);
    QCOMPARE(lines[0].memo, QStringLiteral("tank"));
    QCOMPARE(lines[0].createdAt, kNow);
    QCOMPARE(lines[1].id, QStringLiteral("aa"));
    QVERIFY(lines[1].memo.isEmpty());
    QCOMPARE(lines[1].updatedAt, kNow.addSecs(5));
    QVERIFY(m_repo->findByTransaction(QStringLiteral("none")).isEmpty());
}

void TestSplitLineRepository::deleteByTransaction()
{
    QVERIFY(m_repo->deleteByTransaction(m_txA)); // no lines yet
    QVERIFY(m_repo->insert(line(m_txA, m_fuel, -70)));
    QVERIFY(m_repo->insert(line(m_txB, m_food, -50)));
    QVERIFY(m_repo->deleteByTransaction(m_txA));
    QVERIFY(m_repo->findByTransaction(m_txA).isEmpty());
    QCOMPARE(m_repo->findByTransaction(m_txB).size(), 1);
    QCOMPARE(m_test->scalar(QStringLiteral("SELECT COUNT(*) FROM split_lines")).toInt(), 1);
}

void TestSplitLineRepository::foreignKeysRejectUnknownParents()
{
    QTest::ignoreMessage(QtWarningMsg,
        QRegularExpression(QStringLiteral("^SplitLineRepository::insert failed: .*FOREIGN KEY")));
    QVERIFY(!m_repo->insert(line(m_txA, QStringLiteral("no-category"), -1)));
    QTest::ignoreMessage(QtWarningMsg,
        QRegularExpression(QStringLiteral("^SplitLineRepository::insert failed: .*FOREIGN KEY")));
    QVERIFY(!m_repo->insert(line(m_txA, QString(), -1))); // the category is required
    QTest::ignoreMessage(QtWarningMsg,
        QRegularExpression(QStringLiteral("^SplitLineRepository::insert failed: .*FOREIGN KEY")));
    QVERIFY(!m_repo->insert(line(QStringLiteral("no-transaction"), m_food, -1)));
    QCOMPARE(m_test->scalar(QStringLiteral("SELECT COUNT(*) FROM split_lines")).toInt(), 0);
}

QTEST_GUILESS_MAIN(TestSplitLineRepository)
#include "tst_splitlinerepository.moc"
