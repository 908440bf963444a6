#include "TestDatabase.h"
#include "data/Database.h"
#include "data/SqlStatement.h"
#include "data/SqlValue.h"

#include <QSqlQuery>
#include <QTest>

// Rows read straight from SQLite must give what reading the same value through
// Qt's driver (QSqlQuery::value and the SqlValue readers) gives.
class TestSqlRow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void convertsLikeQtsDriver_data();
    void convertsLikeQtsDriver();
    void bindsLikeQtsDriverAndFailsCleanly();
};

void TestSqlRow::convertsLikeQtsDriver_data()
{
    QTest::addColumn<QString>("literal");
    for (const char* literal : { "NULL", "''", "'text'", "'日本語 ✓'", "42", "-9000000000000",
             "4294967297", "12.5", "-12.5", "0.49", "'12'", "'12abc'", "' 7 '", "'1'", "'true'",
             "x'00ff'", "'2026-03-14'", "'2026-02-30'", "'2026-03-14T09:26:53Z'",
             "'2026-03-14T09:26:53+01:00'", "20260314", "'  '" })
        QTest::newRow(literal) << QString::fromUtf8(literal);
}

void TestSqlRow::convertsLikeQtsDriver()
{
    QFETCH(QString, literal);
    TestDatabase test;
    const QString sql = QStringLiteral("SELECT %1").arg(literal);
    QSqlQuery query(test.db()->database());
    QVERIFY(query.exec(sql) && query.next());
    const QVariant qt = query.value(0);

    SqlStatement statement(test.db(), sql, {});
    QVERIFY(statement.next());
    const SqlRow row = statement.row();
    using namespace SqlValue;
    QCOMPARE(row.isNull(0), qt.isNull());
    QCOMPARE(row.text(0), readText(qt));
    QCOMPARE(row.text(0).isNull(), readText(qt).isNull());
    QCOMPARE(row.int64(0), qt.toLongLong());
    QCOMPARE(row.integer(0), qt.toInt());
    QCOMPARE(row.flag(0), qt.toInt() != 0);
    QCOMPARE(row.date(0), readDate(qt));
    QCOMPARE(row.optionalDate(0), readOptionalDate(qt));
    QCOMPARE(row.dateTime(0), readDateTime(qt));
    QCOMPARE(row.dateTime(0).timeSpec(), readDateTime(qt).timeSpec());
    QCOMPARE(row.optionalDateTime(0), readOptionalDateTime(qt));
    QCOMPARE(row.value(0), qt);
    QVERIFY(!statement.next() && !statement.failed());
}

void TestSqlRow::bindsLikeQtsDriverAndFailsCleanly()
{
    TestDatabase test;
    const QVariantList values = { QVariant(QString()), QVariant(QString(QLatin1String(""))),
        "it's \"quoted\"; --", "日本", qint64(-9'000'000'000'000), 42, true, 2.5,
        QVariant(QMetaType::fromType<QString>()) };
    const QString sql = "SELECT typeof(?), ?";
    for (const QVariant& value : values) {
        QSqlQuery query(test.db()->database());
        query.prepare(sql);
        query.addBindValue(value);
        query.addBindValue(value);
        QVERIFY(query.exec() && query.next());
        SqlStatement statement(test.db(), sql, { value, value });
        QVERIFY(statement.next());
        QCOMPARE(statement.row().text(0), query.value(0).toString());
        QCOMPARE(statement.row().value(1), query.value(1));
    }

    SqlStatement broken(test.db(), "SELECT nothing FROM nowhere", {});
    QVERIFY(!broken.isValid() && !broken.next() && broken.failed());
    SqlStatement tooMany(test.db(), "SELECT ?", { 1, 2 });
    QVERIFY(!tooMany.next() && tooMany.failed());
}

QTEST_GUILESS_MAIN(TestSqlRow)
#include "tst_sqlrow.moc"
