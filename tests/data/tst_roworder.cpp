#include "TestDatabase.h"
#include "data/Database.h"
#include "data/Permutation.h"
#include "data/RowOrder.h"
#include "data/SqlStatement.h"

#include <QTest>

// Rows sorted here must come out exactly as SQLite's ORDER BY puts them.
class TestRowOrder : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void matchesSqliteOrder_data();
    void matchesSqliteOrder();
    void nonTextKeysAreRefused();
};

void TestRowOrder::matchesSqliteOrder_data()
{
    QTest::addColumn<QStringList>("values"); // "first|second" pairs
    QTest::newRow("dates then times")
        << QStringList({ "2026-01-02|2026-01-01T10:00:00Z", "2026-01-01|2026-01-05T00:00:00Z",
               "2026-01-02|2026-01-01T09:59:59Z", "2025-12-31|2026-01-01T00:00:00Z" });
    QTest::newRow("prefixes and lengths")
        << QStringList({ "2026-01-0|b", "2026-01-01|a", "2026-01-01|", "2026-01|z", "|a", "|" });
    QTest::newRow("ties keep reading order") << QStringList({ "d|t", "d|t", "c|t", "d|t", "c|t" });
    QTest::newRow("case and other shapes") << QStringList({ "someday|x", "Someday|x", "2026-3-1|x",
        "2026-03-01|x", "2026-03-01T00:00:00+02:00|x", "2026-03-01T00:00:00Z|x" });
    QTest::newRow("non-ascii bytes") << QStringList(
        { "é|x", "e|x", "z|x", "\u00ff|x", "\u0100|x", "\U0001F600|x", "\uFFFD|x", "\uE000|x" });
}

void TestRowOrder::matchesSqliteOrder()
{
    QFETCH(QStringList, values);
    TestDatabase test;
    QVERIFY(test.exec("CREATE TABLE pairs (n INTEGER, a TEXT, b TEXT)"));
    for (int i = 0; i < values.size(); ++i) {
        const QStringList parts = values[i].split('|');
        QVERIFY(test.exec(
            QString("INSERT INTO pairs VALUES (%1, '%2', '%3')").arg(i).arg(parts[0], parts[1])));
    }

    QList<int> expected;
    for (const QString& n : test.column("SELECT n FROM pairs ORDER BY a ASC, b ASC, n ASC"))
        expected << n.toInt();

    RowOrder order({ 1, 2 });
    QList<int> read;
    SqlStatement statement(test.db(), "SELECT n, a, b FROM pairs ORDER BY n", {});
    while (statement.next()) {
        order.add(statement.row());
        read << statement.row().integer(0);
    }
    QVERIFY(order.isUsable());
    // Reordered in place, behind a row that stays first.
    QList<int> actual = QList<int>({ -1 }) + read;
    applyPermutation(actual, order.permutation(), 1);
    QCOMPARE(actual, QList<int>({ -1 }) + expected);
}

void TestRowOrder::nonTextKeysAreRefused()
{
    TestDatabase test;
    const auto usable = [&](const char* sql) {
        RowOrder order({ 0 });
        SqlStatement statement(test.db(), QLatin1String(sql), {});
        while (statement.next())
            order.add(statement.row());
        return order.isUsable();
    };
    QVERIFY(usable("SELECT '2026-01-01' UNION ALL SELECT '2026-01-02'"));
    QVERIFY(!usable("SELECT '2026-01-01' UNION ALL SELECT 20260101"));
    QVERIFY(!usable("SELECT NULL"));
}

QTEST_GUILESS_MAIN(TestRowOrder)
#include "tst_roworder.moc"
