#include "data/SqlValue.h"

#include <QTest>

// The store reads its own date and timestamp shapes without Qt's general
// parsers; whatever it reads must be exactly what those parsers give.
class TestSqlValue : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void readDateMatchesQt_data();
    void readDateMatchesQt();
    void readDateTimeMatchesQt_data();
    void readDateTimeMatchesQt();
    void writesAndNulls();
};

void TestSqlValue::readDateMatchesQt_data()
{
    QTest::addColumn<QString>("text");
    for (const char* text : { "2026-03-14", "2024-02-29", "2023-02-29", "2026-02-30", "2026-13-01",
             "2026-00-10", "2026-01-00", "0001-01-01", "0000-01-01", "9999-12-31", "2026-1-05",
             "2026-01-5", " 2026-01-05", "2026-01-05 ", "2026/01/05", "2026-01-0x", "20260105", "",
             "x", "2026-01-05T00:00:00Z", "+026-01-05", "-026-01-05", "２０２６-01-05" })
        QTest::newRow(text) << QString::fromUtf8(text);
}

void TestSqlValue::readDateMatchesQt()
{
    QFETCH(QString, text);
    const QDate expected = QDate::fromString(text, "yyyy-MM-dd");
    QCOMPARE(SqlValue::readDate(text), expected);
    const auto optional = SqlValue::readOptionalDate(text);
    QCOMPARE(optional.has_value(), !text.isEmpty());
    if (optional)
        QCOMPARE(*optional, expected);
}

void TestSqlValue::readDateTimeMatchesQt_data()
{
    QTest::addColumn<QString>("text");
    for (const char* text : { "2026-03-14T09:26:53Z", "2024-02-29T23:59:59Z",
             "2023-02-29T10:00:00Z", "2026-03-14T24:00:00Z", "2026-03-14T23:60:00Z",
             "2026-03-14T23:59:60Z", "2026-03-14T25:00:00Z", "2026-03-14T09:26:53",
             "2026-03-14T09:26:53+02:00", "2026-03-14T09:26:53.120Z", "2026-03-14 09:26:53Z",
             "2026-03-14t09:26:53Z", "2026-03-14T09:26Z", "2026-03-14T9:26:53Z",
             "0001-01-01T00:00:00Z", "garbage", "", "2026-03-14T09:2a:53Z" })
        QTest::newRow(text) << QString::fromUtf8(text);
}

void TestSqlValue::readDateTimeMatchesQt()
{
    QFETCH(QString, text);
    const QDateTime expected = QDateTime::fromString(text, Qt::ISODate);
    const QDateTime actual = SqlValue::readDateTime(text);
    QCOMPARE(actual, expected);
    QCOMPARE(actual.timeSpec(), expected.timeSpec());
    QCOMPARE(actual.offsetFromUtc(), expected.offsetFromUtc());
    const auto optional = SqlValue::readOptionalDateTime(text);
    QCOMPARE(optional.has_value(), !text.isEmpty());
    if (optional)
        QCOMPARE(*optional, expected);
}

void TestSqlValue::writesAndNulls()
{
    using namespace SqlValue;
    QCOMPARE(date(QDate(2026, 3, 4)).toString(), "2026-03-04");
    // Invalid dates are written as "" (NOT NULL columns take them), not as NULL.
    QVERIFY(!date(QDate()).isNull() && date(QDate()).toString().isEmpty());
    QVERIFY(optionalDate(std::nullopt).isNull() && optionalDate(QDate()).isNull());
    QVERIFY(textOrNull("").isNull() && !text(QString()).isNull());
    QCOMPARE(dateTime(QDateTime(QDate(2026, 3, 14), QTime(9, 26, 53, 999), Qt::UTC)).toString(),
        "2026-03-14T09:26:53Z");
    QVERIFY(readText(null()).isNull() && !readOptionalDateTime(null()));
}

QTEST_GUILESS_MAIN(TestSqlValue)
#include "tst_sqlvalue.moc"
