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
    void nameBasedIds();
    void randomIds();
};

void TestMoney::formatting_data()
{
    QTest::addColumn<qint64>("amount");
    QTest::addColumn<Currency>("currency");
    QTest::addColumn<QString>("amountText");
    QTest::addColumn<QString>("moneyText");

    QTest::newRow("grouped negative") << qint64(-123456) << Currency::USD << "-1,234.56"
                                      << "-$1,234.56";
    QTest::newRow("cents only") << qint64(5) << Currency::USD << "0.05"
                                << "$0.05";
    QTest::newRow("zero") << qint64(0) << Currency::USD << "0.00"
                          << "$0.00";
    QTest::newRow("millions") << qint64(123456789012) << Currency::EUR << "1,234,567,890.12"
                              << "€1,234,567,890.12";
    QTest::newRow("negative cents") << qint64(-7) << Currency::GBP << "-0.07"
                                    << "-£0.07";
    QTest::newRow("yen grouped") << qint64(1234567) << Currency::JPY << "1,234,567"
                                 << "¥1,234,567";
    QTest::newRow("yen negative") << qint64(-1000) << Currency::JPY << "-1,000"
                                  << "-¥1,000";
    QTest::newRow("canadian dollar") << qint64(100) << Currency::CAD << "1.00"
                                     << "$1.00";
    QTest::newRow("most negative")
        << std::numeric_limits<qint64>::min() << Currency::USD << "-92,233,720,368,547,758.08"
        << "-$92,233,720,368,547,758.08";
}

void TestMoney::formatting()
{
    QFETCH(qint64, amount);
    QFETCH(Currency, currency);
    QFETCH(QString, amountText);
    QFETCH(QString, moneyText);
    QCOMPARE(Money::formatAmount(amount, currency), amountText);
    if (amount != std::numeric_limits<qint64>::min())
        QCOMPARE(Money::formatMoney(amount, currency), moneyText);
}

void TestMoney::parsing_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Currency>("currency");
    QTest::addColumn<bool>("isNumber");
    QTest::addColumn<qint64>("amount");

    QTest::newRow("grouped") << "1,234.5" << Currency::USD << true << qint64(123450);
    QTest::newRow("symbol") << "$12" << Currency::USD << true << qint64(1200);
    QTest::newRow("negative") << "-5" << Currency::USD << true << qint64(-500);
    QTest::newRow("negative with symbol")
        << "-$1,000.01" << Currency::USD << true << qint64(-100001);
    QTest::newRow("padded") << "  42.10  " << Currency::USD << true << qint64(4210);
    QTest::newRow("empty is zero") << "" << Currency::USD << true << qint64(0);
    QTest::newRow("only symbol is zero") << "$" << Currency::USD << true << qint64(0);
    QTest::newRow("half cent rounds up") << "0.125" << Currency::USD << true << qint64(13);
    QTest::newRow("negative half cent away from zero")
        << "-0.125" << Currency::USD << true << qint64(-13);
    QTest::newRow("below half rounds down") << "2.674" << Currency::USD << true << qint64(267);
    QTest::newRow("binary-unfriendly") << "1.005" << Currency::USD << true << qint64(101);
    QTest::newRow("leading point") << ".5" << Currency::USD << true << qint64(50);
    QTest::newRow("euro symbol") << "€3.20" << Currency::EUR << true << qint64(320);
    QTest::newRow("dollar sign in euros") << "$3.20" << Currency::EUR << false << qint64(0);
    QTest::newRow("yen whole") << "¥1,500" << Currency::JPY << true << qint64(1500);
    QTest::newRow("yen half rounds away") << "-2.5" << Currency::JPY << true << qint64(-3);
    QTest::newRow("letters") << "abc" << Currency::USD << false << qint64(0);
    QTest::newRow("two points") << "12..5" << Currency::USD << false << qint64(0);
    QTest::newRow("double minus") << "--5" << Currency::USD << false << qint64(0);
    QTest::newRow("trailing junk") << "12a" << Currency::USD << false << qint64(0);
    QTest::newRow("lone point") << "." << Currency::USD << false << qint64(0);
    QTest::newRow("too large") << "12345678901234567" << Currency::USD << false << qint64(0);
}

void TestMoney::parsing()
{
    QFETCH(QString, text);
    QFETCH(Currency, currency);
    QFETCH(bool, isNumber);
    QFETCH(qint64, amount);
    const auto parsed = Money::tryParseAmount(text, currency);
    QCOMPARE(parsed.has_value(), isNumber);
    if (parsed)
        QCOMPARE(*parsed, amount);
    QCOMPARE(Money::parseAmount(text, currency), amount);
}

void TestMoney::spinBoxValues()
{
    QCOMPARE(Money::centsFromValue(12.35), qint64(1235));
    QCOMPARE(Money::centsFromValue(-12.35), qint64(-1235));
    QCOMPARE(Money::centsFromValue(0.285), qint64(29));
    QCOMPARE(Money::centsFromValue(-0.285), qint64(-29));
    QCOMPARE(Money::centsFromValue(99999999.99), qint64(9999999999));
    QCOMPARE(Money::centsFromValue(0.0), qint64(0));
}

void TestMoney::nameBasedIds()
{
    // Expected values computed independently with Python's uuid.uuid5.
    QCOMPARE(Ids::nameBased(Ids::kDnsNamespace, QStringLiteral("expense::Housing")),
        QStringLiteral("a3be4c14-fe7e-514c-b45e-22f112551974"));
    QCOMPARE(Ids::nameBased(Ids::kDnsNamespace, QStringLiteral("expense:Housing:Maintenance")),
        QStringLiteral("daf59c16-ae84-5a09-be11-bd9dcd047413"));
    QCOMPARE(Ids::nameBased(Ids::kDnsNamespace, QStringLiteral("Grüße")),
        QStringLiteral("d608d6cd-4cee-54a1-8e24-8ca9de8ac858"));
    const QUuid urlNamespace(QStringLiteral("6ba7b811-9dad-11d1-80b4-00c04fd430c8"));
    QCOMPARE(Ids::nameBased(urlNamespace, QStringLiteral("https://example.org/")),
        QStringLiteral("527dda32-a0de-5105-a042-cb475b5f7d11"));
}

void TestMoney::randomIds()
{
    const QString a = Ids::newId();
    const QString b = Ids::newId();
    QCOMPARE(a.size(), 36);
    QVERIFY(a != b);
    QCOMPARE(a, a.toLower());
    QVERIFY(!a.contains(QChar('{')));
    QCOMPARE(QUuid(a).version(), QUuid::Random);
}

QTEST_GUILESS_MAIN(TestMoney)
#include "tst_money.moc"
