#include "TestDatabase.h"
#include "data/Database.h"
#include "data/RowOrder.h"
#include "data/SqlStatement.h"

#include <QSqlQuery>
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
    QVERIFY(test.exec(QStringLiteral("CREATE TABLE pairs (n INTEGER, a TEXT, b TEXT)")));
    QSqlQuery insert(test.db()->database());
    insert.prepare(QStringLiteral("INSERT INTO pairs (n, a, b) VALUES (?, ?, ?)"));
    for (int i = 0; i < values.size(); ++i) {
        const QStringList parts = values[i].split(QLatin1Char('|'));
        insert.addBindValue(i);
        insert.addBindValue(parts[0]);
        insert.addBindValue(parts[1]);
        QVERIFY(insert.exec());
    }

    QList<int> expected;
    QSqlQuery sorted(test.db()->database());
    QVERIFY(sorted.exec(QStringLiteral("SELECT n FROM pairs ORDER BY a ASC, b ASC, n ASC")));
    while (sorted.next())
        expected << sorted.value(0).toInt();

    RowOrder order({ 1, 2 });
    QList<int> read;
    SqlStatement statement(test.db(), QStringLiteral("SELECT n, a, b FROM pairs ORDER BY n"), {});
    while (statement.next()) {
        order.add(statement.row());
        read << statement.row().integer(0);
    }
    QVERIFY(order.isUsable());
    QList<int> actual;
    for (qsizetype position : order.permutation())
        actual << read[position];
    QCOMPARE(actual, expected);
}

void TestRowOrder::nonTextKeysAreRefused()
{
    TestDatabase test;
    QVERIFY(test.exec(QStringLiteral("CREATE TABLE pairs (a, b)")));
    QVERIFY(test.exec(QStringLiteral("INSERT INTO pairs VALUES ('2026-01-01', 'x'), (20260101, "
                                     "'x')")));
    RowOrder order({ 0, 1 });
    SqlStatement statement(test.db(), QStringLiteral("SELECT a, b FROM pairs"), {});
    while (statement.next())
        order.add(statement.row());
    QVERIFY(!order.isUsable());

    RowOrder nulls({ 0 });
    SqlStatement withNull(test.db(), QStringLiteral("SELECT NULL"), {});
    while (withNull.next())
        nulls.add(withNull.row());
    QVERIFY(!nulls.isUsable());
}

QTEST_GUILESS_MAIN(TestRowOrder)
#include "tst_roworder.moc"
