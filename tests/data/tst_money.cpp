#include "data/Ids.h"
#include "data/Money.h"

#include <QTest>

class TestMoney : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void formatting_data();
    void formatting();
    void parsing_data();
    void parsing();
    void spinBoxValues();
    void ids();
};

void TestMoney::formatting_data()
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

void TestMoney::formatting()
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

void TestMoney::parsing_data()
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

void TestMoney::parsing()
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

void TestMoney::spinBoxValues()
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

void TestMoney::ids()
{
    // Computed independently with Python's uuid.uuid5: names are hashed as UTF-8.
    QCOMPARE(Ids::nameBased(Ids::kDnsNamespace, "Grüße"), "d608d6cd-4cee-54a1-8e24-8ca9de8ac858");
    QCOMPARE(QUuid(Ids::newId()).version(), QUuid::Random);
}

QTEST_GUILESS_MAIN(TestMoney)
#include "tst_money.moc"
