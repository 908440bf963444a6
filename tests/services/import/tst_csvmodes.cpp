#include "ImportFixtures.h"
#include "Records.h"
#include "TestAppState.h"
#include "TestDatabase.h"
#include "data/TransactionRepository.h"
#include "services/import/CsvProfileService.h"
#include "services/import/CsvProfileText.h"
#include "services/import/CsvReader.h"
#include "services/import/ImportService.h"

#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(CsvMapping)

class TestCsvModes : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void amountModes_data();
    void amountModes();
    void previewAndProfiles();
};

namespace {

CsvMapping columns(int date, int payee, int amount)
{
    CsvMapping m;
    m.dateColumn = date;
    m.payeeColumn = payee;
    m.amountColumn = amount;
    m.hasHeaderRow = true;
    return m;
}

} // namespace

void TestCsvModes::amountModes_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<CsvMapping>("mapping");
    QTest::addColumn<QString>("delimiter"); // as detected
    QTest::addColumn<QString>("counts");
    QTest::addColumn<qint64>("sum");

    CsvMapping signedAmount = columns(0, 1, 2);
    signedAmount.decimalComma = true;
    QTest::newRow("semicolons, decimal comma, trailing minus, footer")
        << QByteArray("Datum;Omschrijving;Bedrag\n05.03.2024;Bakker;1.234,50-\n"
                      "06.03.2024;\"Loon; maart\";2.000,00\nTotaal;;765,50\n")
        << signedAmount << ";"
        << "imported 2" << qint64(76550);
    CsvMapping debitCredit = columns(0, 1, -1);
    debitCredit.debitColumn = 2;
    debitCredit.creditColumn = 3;
    QTest::newRow("tabs, paid out and paid in")
        << QByteArray("Date\tPayee\tOut\tIn\tBalance\n2024-03-05\tShop\t£12.00\t\t100\n"
                      "2024-03-06\tSalary\t\t500.00\t600\n2024-03-07\tNothing\t\t\t600\n"
                      "2024-03-08\tFee\t-1.50\t\t598.50\n")
        << debitCredit << "\t"
        << "imported 3 invalid 1" << qint64(-1200 + 50000 - 150);
    CsvMapping direction = columns(0, 1, 2);
    direction.directionColumn = 3;
    direction.outValue = "Af";
    direction.inValue = "Bij";
    direction.decimalComma = true;
    QTest::newRow("pipes, direction column")
        << QByteArray("Datum|Naam|Bedrag|Af Bij\n20240305|Bakker|3,50|Af\n"
                      "20240307|Raar|1,00|Over\n20240306|Werk|100,00|bij\n")
        << direction << "|"
        << "imported 2 invalid 1" << qint64(-350 + 10000);
    CsvMapping inverted = columns(0, 1, 2);
    inverted.invert = true;
    inverted.skipLines = 2;
    QTest::newRow("card: inverted, lines skipped")
        << QByteArray("Card statement\n\"Period: March\"\nDate,Payee,Amount\n"
                      "2024-03-05,Books,45.10\n2024-03-09,Refund,(5.00)\n")
        << inverted << ","
        << "imported 2" << qint64(-4510 + 500);
}

void TestCsvModes::amountModes()
{
    QFETCH(QByteArray, file);
    QFETCH(CsvMapping, mapping);
    QFETCH(QString, delimiter);
    QFETCH(QString, counts);
    QFETCH(qint64, sum);

    QCOMPARE(QString(CsvReader::detectDelimiter(
                 CsvReader::skipLines(QString::fromUtf8(file), mapping.skipLines))),
        delimiter);
    TestAppState app;
    const Account account = app.addAccount("Everyday");
    QTemporaryDir dir;
    QCOMPARE(::counts(app->importService()->importCsv(
                 writeFile(dir, "statement.csv", file), account.id, mapping)),
        counts);
    const QList<Transaction> stored = app->transactions()->findByAccount(account.id);
    QCOMPARE(Records::sum(stored), sum);
}

void TestCsvModes::previewAndProfiles()
{
    TestAppState app;
    const Account account = app.addAccount("Everyday");
    app.addTransaction(account.id, QDate(2024, 3, 6), "Werk", 10000);
    CsvMapping m = columns(0, 1, 2);
    m.directionColumn = 3;
    m.outValue = "Af";
    m.inValue = "Bij";
    m.decimalComma = true;
    const QString file = "Rekening 123\nDatum;Naam;Bedrag;Af Bij\n05.03.2024;Bakker;3,50;Af\n"
                         "06.03.2024;Werk;100,00;Bij\n07.03.2024;Raar;1,00;Over\n"
                         "32.03.2024;Kapot;1,00;Af\n05.03.2024;Bakker;3,50;Af\nTotaal;;;\n";
    const QList<CsvPreviewRow> rows = app->importService()->previewCsv(file, account.id, m);
    // The footer is no row; the last shown is the second of two equal rows.
    QStringList shown;
    for (const CsvPreviewRow& r : rows) {
        shown << QStringList { QString::number(r.line), r.date.toString(Qt::ISODate),
            r.amount ? QString::number(*r.amount) : "-", QString::number(int(r.status)), r.reason }
                     .join(' ');
    }
    QCOMPARE(shown,
        QStringList({ "3 2024-03-05 -350 0 ", "4 2024-03-06 10000 1 ",
            "5 2024-03-07 - 2 the amount does not read", "6  -100 2 the date does not read",
            "7 2024-03-05 -350 1 " }));
    QCOMPARE(app->importService()->previewCsv(file, account.id, m, 2).size(), 2);

    CsvProfileService* profiles = app->importService()->profiles();
    const auto kept = profiles->remember(account.id, file, m, "Bank");
    QVERIFY(kept);
    // The next month's file of the bank, whatever its rows and the lines above.
    const QString next = "Rekening 123\nDATUM;Naam;Bedrag;Af Bij\n01.04.2024;Bakker;1,00;Af\n";
    const auto found = profiles->matching(account.id, next);
    QVERIFY(found);
    QCOMPARE(found->name, "Bank");
    QCOMPARE(CsvProfileText::toJson(found->mapping), CsvProfileText::toJson(m));
    QVERIFY(!profiles->matching(account.id, "Rekening\nDatum;Naam;Bedrag;Saldo\n"));
    QVERIFY(!profiles->matching(app.addAccount("Other").id, next));
    // Keeping it again updates the profile under its name; a new shape is a new one.
    QCOMPARE(profiles->remember(account.id, next, m, "Bank")->id, kept->id);
    CsvMapping plain = columns(0, 1, 2);
    QCOMPARE(
        profiles->remember(account.id, "Date,Payee,Amount\n", plain, "bank")->name, "bank (2)");
    QVERIFY(!profiles->rename(kept->id, "BANK (2)"));
    QVERIFY(!profiles->rename(kept->id, "  "));

    // Stored text that is no mapping reads as none.
    for (const char* bad :
        { "", "[]", "{\"date\":0}", "{\"date\":0,\"payee\":1,\"amount\":2.5,\"skipLines\":0}",
            "{\"date\":0,\"payee\":1,\"amount\":2,\"skipLines\":0,\"delimiter\":\"x\"}",
            "{\"date\":0,\"payee\":1,\"amount\":2,\"skipLines\":0,\"direction\":3}" })
        QVERIFY2(!CsvProfileText::fromJson(bad), bad);
}

QTEST_MAIN(TestCsvModes)
#include "tst_csvmodes.moc"
