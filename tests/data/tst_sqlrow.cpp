#include "TestDatabase.h"
#include "data/Database.h"
#include "data/Ids.h"
#include "data/Money.h"
#include "data/Permutation.h"
#include "data/RowOrder.h"
#include "data/SqlStatement.h"
#include "data/SqlValue.h"

#include <QSqlQuery>
#include <QTest>

// The store reads its own date and timestamp shapes without Qt's general
// parsers, rows straight from SQLite without Qt's driver, and sorts rows
// without SQLite: whatever it reads and sorts must be exactly what those give.
// Amounts are read and written as money texts by one parser and formatter.
class TestSqlRow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void readDateMatchesQt_data();
    void readDateMatchesQt();
    void readDateTimeMatchesQt_data();
    void readDateTimeMatchesQt();
    void convertsLikeQtsDriver_data();
    void convertsLikeQtsDriver();
    void bindsLikeQtsDriverAndFailsCleanly();
    void matchesSqliteOrder_data();
    void matchesSqliteOrder();
    void moneyFormatting_data();
    void moneyFormatting();
    void moneyParsing_data();
    void moneyParsing();
    void spinBoxValues();
    void ids();
};

void TestSqlRow::readDateMatchesQt_data()
{
    QTest::addColumn<QString>("text");
    for (const char* text : { "2026-03-14", "2024-02-29", "2023-02-29", "2026-02-30", "2026-13-01",
             "2026-00-10", "2026-01-00", "0001-01-01", "0000-01-01", "9999-12-31", "2026-1-05",
             "2026-01-5", " 2026-01-05", "2026-01-05 ", "2026/01/05", "2026-01-0x", "20260105", "",
             "x", "2026-01-05T00:00:00Z", "+026-01-05", "-026-01-05", "２０２６-01-05" })
        QTest::newRow(text) << QString::fromUtf8(text);
}

void TestSqlRow::readDateMatchesQt()
{
    QFETCH(QString, text);
    const QDate expected = QDate::fromString(text, "yyyy-MM-dd");
    QCOMPARE(SqlValue::readDate(text), expected);
    const auto optional = SqlValue::readOptionalDate(text);
    QCOMPARE(optional.has_value(), !text.isEmpty());
    if (optional)
        QCOMPARE(*optional, expected);
}

void TestSqlRow::readDateTimeMatchesQt_data()
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

void TestSqlRow::readDateTimeMatchesQt()
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

    // Timestamps are written to the second.
    QCOMPARE(SqlValue::dateTime(QDateTime(QDate(2026, 3, 14), QTime(9, 26, 53, 999), Qt::UTC))
                 .toString(),
        "2026-03-14T09:26:53Z");

    SqlStatement broken(test.db(), "SELECT nothing FROM nowhere", {});
    QVERIFY(!broken.isValid() && !broken.next() && broken.failed());
    SqlStatement tooMany(test.db(), "SELECT ?", { 1, 2 });
    QVERIFY(!tooMany.next() && tooMany.failed());
}

void TestSqlRow::matchesSqliteOrder_data()
{
    QTest::addColumn<QStringList>("values"); // "first|second" pairs
    QTest::newRow("prefixes and lengths")
        << QStringList({ "2026-01-0|b", "2026-01-01|a", "2026-01-01|", "2026-01|z", "|a", "|" });
    QTest::newRow("case and other shapes") << QStringList({ "someday|x", "Someday|x", "2026-3-1|x",
        "2026-03-01|x", "2026-03-01T00:00:00+02:00|x", "2026-03-01T00:00:00Z|x" });
    QTest::newRow("non-ascii bytes") << QStringList(
        { "é|x", "e|x", "z|x", "\u00ff|x", "\u0100|x", "\U0001F600|x", "\uFFFD|x", "\uE000|x" });
}

void TestSqlRow::matchesSqliteOrder()
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

void TestSqlRow::moneyFormatting_data()
{
    QTest::addColumn<qint64>("amount");
    QTest::addColumn<Currency>("currency");
    QTest::addColumn<QString>("moneyText");
    const auto row = [](const char* name, qint64 amount, Currency currency, const char* text) {
        QTest::newRow(name) << amount << currency << QString::fromUtf8(text);
    };
    row("grouped negative", -123456, Currency::USD, "-$1,234.56");
    row("millions", 123456789012, Currency::EUR, "€1,234,567,890.12");
    row("negative cents", -7, Currency::GBP, "-£0.07");
    row("yen negative", -1000, Currency::JPY, "-¥1,000");
    row("most negative", std::numeric_limits<qint64>::min(), Currency::USD,
        "-$92,233,720,368,547,758.08");
}

void TestSqlRow::moneyFormatting()
{
    QFETCH(qint64, amount);
    QFETCH(Currency, currency);
    QFETCH(QString, moneyText);
    QString amountText = moneyText;
    amountText.remove(Money::currencySymbol(currency));
    QCOMPARE(Money::formatAmount(amount, currency), amountText);
    if (amount != std::numeric_limits<qint64>::min())
        QCOMPARE(Money::formatMoney(amount, currency), moneyText);
}

void TestSqlRow::moneyParsing_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Currency>("currency");
    QTest::addColumn<std::optional<qint64>>("amount");
    const auto row = [](const char* text, Currency currency, std::optional<qint64> amount) {
        QTest::addRow("%s %s", *text ? text : "empty", qPrintable(currencyToText(currency)))
            << QString::fromUtf8(text) << currency << amount;
    };
    row("-$1,000.01", Currency::USD, -100001);
    row("  42.10  ", Currency::USD, 4210);
    row("", Currency::USD, 0);
    row("$", Currency::USD, 0);
    row(".5", Currency::USD, 50);
    // Halves round away from zero on the exact decimal, never through a double.
    row("0.125", Currency::USD, 13);
    row("1.005", Currency::USD, 101);
    row("€3.20", Currency::EUR, 320);
    row("¥1,500", Currency::JPY, 1500);
    // Yen have no decimals to round away; a full stop before three digits
    // groups thousands in yen and euros.
    row("-2.5", Currency::JPY, std::nullopt);
    row("1.500", Currency::JPY, 1500);
    row("2.000", Currency::EUR, 200000);
    row("2.000", Currency::USD, 200);
    row("800,50", Currency::EUR, 80050);
    row("$3.20", Currency::EUR, std::nullopt);
    row("12..5", Currency::USD, std::nullopt);
    row("--5", Currency::USD, std::nullopt);
    row("12a", Currency::USD, std::nullopt);
    row("12345678901234567", Currency::USD, std::nullopt);
    // A decimal comma, unless it is followed by exactly three digits.
    row("12,50", Currency::USD, 1250);
    row("1,5", Currency::USD, 150);
    row("1.234,56", Currency::USD, 123456);
    row("1,234", Currency::USD, 123400);
    row("1,234,567.8", Currency::USD, 123456780);
    row("1.234.567", Currency::USD, 123456700);
    row("1 234,56", Currency::USD, 123456);
    row("-£0,07", Currency::GBP, -7);
    row("¥10000", Currency::JPY, 10000);
    row("1,234,567", Currency::JPY, 1234567);
    row("12,5", Currency::JPY, std::nullopt);
    row("1,2,3.4.5", Currency::USD, std::nullopt);
    row("1234,567", Currency::USD, std::nullopt);
    row("12,34,56", Currency::USD, std::nullopt);
    row("1.2,34", Currency::USD, std::nullopt);
}

void TestSqlRow::moneyParsing()
{
    QFETCH(QString, text);
    QFETCH(Currency, currency);
    QFETCH(std::optional<qint64>, amount);
    QString refusal;
    QCOMPARE(Money::tryParseAmount(text, currency, &refusal), amount);
    QCOMPARE(Money::parseAmount(text, currency), amount.value_or(0));
    // Only decimals in yen are refused with their own reason.
    QCOMPARE(refusal.isEmpty(), amount || currency != Currency::JPY);
}

void TestSqlRow::spinBoxValues()
{
    QCOMPARE(Money::fromValue(0.285), qint64(29));
    QCOMPARE(Money::fromValue(-0.285), qint64(-29));
    QCOMPARE(Money::fromValue(99999999.99), qint64(9999999999));
    QCOMPARE(Money::fromValue(Money::maxValue(Currency::JPY), Currency::JPY), Money::kMaxAmount);
    QCOMPARE(Money::fromValue(Money::maxValue(Currency::EUR), Currency::EUR), Money::kMaxAmount);
    QCOMPARE(Money::fromValue(1500.4, Currency::JPY), qint64(1500));
    QVERIFY(Money::isWithinLimit(-Money::kMaxAmount));
    QVERIFY(!Money::isWithinLimit(Money::kMaxAmount + 1));
}

void TestSqlRow::ids()
{
    // Computed independently with Python's uuid.uuid5: names are hashed as UTF-8.
    QCOMPARE(Ids::nameBased(Ids::kDnsNamespace, "Grüße"), "d608d6cd-4cee-54a1-8e24-8ca9de8ac858");
    QCOMPARE(QUuid(Ids::newId()).version(), QUuid::Random);
}

QTEST_GUILESS_MAIN(TestSqlRow)
#include "tst_sqlrow.moc"
