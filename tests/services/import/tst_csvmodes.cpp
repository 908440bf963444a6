#include "TestAppState.h"
#include "data/TransactionRepository.h"
#include "services/import/CsvReader.h"
#include "services/import/ImportService.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <numeric>

Q_DECLARE_METATYPE(CsvMapping)

class TestCsvModes : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void amountModes_data();
    void amountModes();
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
    QTest::addColumn<int>("imported");
    QTest::addColumn<int>("invalid");
    QTest::addColumn<qint64>("sum");

    CsvMapping signedAmount = columns(0, 1, 2);
    signedAmount.decimalComma = true;
    QTest::newRow("semicolons, decimal comma, trailing minus, footer")
        << QByteArray("Datum;Omschrijving;Bedrag\n05.03.2024;Bakker;1.234,50-\n"
                      "06.03.2024;\"Loon; maart\";2.000,00\nTotaal;;765,50\n")
        << signedAmount << ";" << 2 << 0 << qint64(76550);
    CsvMapping debitCredit = columns(0, 1, -1);
    debitCredit.debitColumn = 2;
    debitCredit.creditColumn = 3;
    QTest::newRow("tabs, paid out and paid in")
        << QByteArray("Date\tPayee\tOut\tIn\tBalance\n2024-03-05\tShop\t£12.00\t\t100\n"
                      "2024-03-06\tSalary\t\t500.00\t600\n2024-03-07\tNothing\t\t\t600\n"
                      "2024-03-08\tFee\t-1.50\t\t598.50\n")
        << debitCredit << "\t" << 3 << 1 << qint64(-1200 + 50000 - 150);
    CsvMapping direction = columns(0, 1, 2);
    direction.directionColumn = 3;
    direction.outValue = "Af";
    direction.inValue = "Bij";
    direction.decimalComma = true;
    QTest::newRow("pipes, direction column")
        << QByteArray("Datum|Naam|Bedrag|Af Bij\n20240305|Bakker|3,50|Af\n"
                      "20240307|Raar|1,00|Over\n20240306|Werk|100,00|bij\n")
        << direction << "|" << 2 << 1 << qint64(-350 + 10000);
    CsvMapping inverted = columns(0, 1, 2);
    inverted.invert = true;
    inverted.skipLines = 2;
    QTest::newRow("card: inverted, lines skipped")
        << QByteArray("Card statement\n\"Period: March\"\nDate,Payee,Amount\n"
                      "2024-03-05,Books,45.10\n2024-03-09,Refund,(5.00)\n")
        << inverted << "," << 2 << 0 << qint64(-4510 + 500);
}

void TestCsvModes::amountModes()
{
    QFETCH(QByteArray, file);
    QFETCH(CsvMapping, mapping);
    QFETCH(QString, delimiter);
    QFETCH(int, imported);
    QFETCH(int, invalid);
    QFETCH(qint64, sum);

    QCOMPARE(QString(CsvReader::detectDelimiter(
                 CsvReader::skipLines(QString::fromUtf8(file), mapping.skipLines))),
        delimiter);
    TestAppState app;
    const Account account = app.addAccount("Everyday");
    QTemporaryDir dir;
    QFile csv(dir.filePath("statement.csv"));
    QVERIFY(csv.open(QIODevice::WriteOnly) && csv.write(file) == file.size());
    csv.close();
    const ImportResult result
        = app->importService()->importCsv(csv.fileName(), account.id, mapping);
    QCOMPARE(result.imported, imported);
    QCOMPARE(result.invalid, invalid);
    const QList<Transaction> stored = app->transactions()->findByAccount(account.id);
    QCOMPARE(std::accumulate(stored.cbegin(), stored.cend(), qint64(0),
                 [](qint64 total, const Transaction& t) { return total + t.amount; }),
        sum);
}

QTEST_MAIN(TestCsvModes)
#include "tst_csvmodes.moc"
