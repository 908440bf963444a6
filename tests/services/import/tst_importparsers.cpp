#include "TestDatabase.h"
#include "services/import/CsvReader.h"
#include "services/import/ImportFields.h"
#include "services/import/ImportText.h"
#include "services/import/QifParser.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using ImportFields::DateOrder;

namespace {

// One line per transaction: date, record line, account, payee, amount, category
// and [transfer], number, memo, C/R flags and the splits.
QStringList records(const QifFile& qif)
{
    QStringList out;
    for (const QifTransaction& t : qif.transactions) {
        QStringList fields { t.date.toString(Qt::ISODate), QString::number(t.line), t.account,
            t.payee, t.amount,
            t.category + (t.transferAccount.isEmpty() ? "" : "[" + t.transferAccount + "]"),
            t.number, t.memo, QString(t.cleared ? "C" : "") + (t.reconciled ? "R" : "") };
        for (const QifSplit& split : t.splits)
            fields << split.category + " " + split.amount + " " + split.memo;
        out << fields.join('|');
    }
    return out;
}

} // namespace

class TestImportParsers : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void decodesEveryEncodingBanksUse();
    void refusesWhatIsNotText();
    void csvRowsQuotesAndLineEnds();
    void amounts_data();
    void amounts();
    void qifDates_data();
    void qifDates();
    void csvDates_data();
    void csvDates();
    void qifSectionsRecordsAndSplits();
};

void TestImportParsers::decodesEveryEncodingBanksUse()
{
    using ImportText::decode;
    // UTF-8 with a byte-order mark.
    QCOMPARE(decode(QByteArray::fromHex("efbbbf436166c3a9")), u"Café");
    QCOMPARE(decode("Caf\xC3\xA9 \xE2\x82\xAC"), u"Café €");
    // Bytes that are not strict UTF-8 are Windows-1252, undefined ones kept.
    QCOMPARE(decode("Caf\xE9 \x80 \x93q\x94 \x81"), u"Café € “q” \u0081");
    for (const QByteArray& bad : { QByteArray("\xC0\x80"), QByteArray("\xED\xA0\x80"),
             QByteArray("\xF4\x90\x80\x80"), QByteArray("ok \xE2\x82"), QByteArray("\xE0\x9F\xBF"),
             QByteArray("\xF8\x88\x80\x80\x80") }) {
        QVERIFY2(!ImportText::isStrictUtf8(bad), bad.toHex().constData());
        QCOMPARE(decode(bad).size(), bad.size());
    }
    QVERIFY(ImportText::isStrictUtf8("\xF0\x9F\x92\xB0 \xF4\x8F\xBF\xBF"));
}

void TestImportParsers::refusesWhatIsNotText()
{
    QTemporaryDir dir;
    writeFile(dir, "empty.csv", {});
    writeFile(dir, "blank.qif", "\xEF\xBB\xBF \r\n\r\n");
    writeFile(dir, "archive.csv", QByteArray("PK\x03\x04\x14\x00\x00\x00\x08\x00", 10) + "stuff");
    writeFile(dir, "image.qif", QByteArray("\x89PNG\r\n\x1a\n", 8) + QByteArray(40, '\x07'));
    writeFile(dir, "fine.csv", "2024-01-01,A,1\n");

    const auto error
        = [&dir](const QString& name) { return ImportText::readFile(dir.filePath(name)).error; };
    const QString native = QDir::toNativeSeparators(dir.path()) + "/";
    QCOMPARE(error("empty.csv") + error("blank.qif"),
        native + "empty.csv is empty." + native + "blank.qif is empty.");
    QCOMPARE(error("archive.csv") + error("image.qif"),
        native + "archive.csv is not a text file." + native + "image.qif is not a text file.");
    QVERIFY(error("missing.csv").startsWith("Could not open " + native + "missing.csv: "));
    QCOMPARE(ImportText::readFile(dir.filePath("fine.csv")).text, "2024-01-01,A,1\n");
    QVERIFY(error("fine.csv").isEmpty());
}

void TestImportParsers::csvRowsQuotesAndLineEnds()
{
    const QList<QStringList> rows
        = CsvReader::read(" a , \"b, \"\"c\"\"\" ,\"multi\nline\"\r\n\r\nd,,\r"
                          "e,\"\"\rf");
    const QList<QStringList> expected { { "a", "b, \"c\"", "multi\nline" }, { "d", "", "" },
        { "e", "" }, { "f" } };
    QCOMPARE(rows, expected);
    QCOMPARE(CsvReader::read("x,y\n\n").size(), 1);
    QCOMPARE(CsvReader::read("x\n  \n").size(), 1);
    QCOMPARE(CsvReader::read("\"\"\n").size(), 1);

    const QList<QStringList> table { { "Account:", "1234" }, { "Date", "Payee", "Amount" },
        { "1/1/2024", "A", "1" } };
    QCOMPARE(CsvReader::tableStart(table, 3), 1);
    QCOMPARE(CsvReader::tableStart(table, 2), 0);
    QCOMPARE(CsvReader::tableStart(table, 4), 3);
}

void TestImportParsers::amounts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("currency");
    QTest::addColumn<qint64>("expected"); // -1 for no value
    const int usd = int(Currency::USD);
    QTest::newRow("grouped decimal comma") << "1.234,56" << usd << qint64(123456);
    QTest::newRow("thousands comma") << "1,234" << usd << qint64(123400);
    QTest::newRow("decimal comma") << "1,23" << usd << qint64(123);
    QTest::newRow("parentheses") << "(12.00)" << usd << qint64(-1200);
    QTest::newRow("symbol and sign") << "-$1,234.56" << usd << qint64(-123456);
    QTest::newRow("plus and spaces") << " + 1 000.5 " << usd << qint64(100050);
    QTest::newRow("other currency symbol") << "€12,50" << usd << qint64(1250);
    QTest::newRow("negative in parentheses") << "(-5)" << usd << qint64(500);
    QTest::newRow("yen are whole") << "1,234" << int(Currency::JPY) << qint64(1234);
    QTest::newRow("yen have no decimals") << "12.5" << int(Currency::JPY) << qint64(-1);
    QTest::newRow("at the limit") << "99,999,999.99" << usd << qint64(9'999'999'999);
    QTest::newRow("beyond the limit") << "100,000,000.00" << usd << qint64(-1);
    QTest::newRow("beyond the yen limit") << "10000000000" << int(Currency::JPY) << qint64(-1);
    QTest::newRow("bad grouping") << "1,234,56" << usd << qint64(-1);
    QTest::newRow("lone dot") << "." << usd << qint64(-1);
    QTest::newRow("empty") << "" << usd << qint64(-1);
    QTest::newRow("word") << "abc" << usd << qint64(-1);
    QTest::newRow("two signs") << "--5" << usd << qint64(-1);
    QTest::newRow("huge") << "123456789012345678901234" << usd << qint64(-1);
}

void TestImportParsers::amounts()
{
    QFETCH(QString, text);
    QFETCH(int, currency);
    QFETCH(qint64, expected);
    const auto value = ImportFields::amount(text, Currency(currency));
    QCOMPARE(value.value_or(-1), expected);
    if (expected != -1 || text == "100,000,000.00")
        QVERIFY(ImportFields::isAmount(text));
}

void TestImportParsers::qifDates_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("order");
    QTest::addColumn<QDate>("expected");
    const int month = int(DateOrder::MonthFirst);
    const int day = int(DateOrder::DayFirst);
    const int unknown = int(DateOrder::Unknown);
    QTest::newRow("apostrophe year") << "1/15'05" << month << QDate(2005, 1, 15);
    QTest::newRow("padded apostrophe") << " 1/ 5' 5" << month << QDate(2005, 1, 5);
    QTest::newRow("short year of the last century") << "3/4/98" << month << QDate(1998, 3, 4);
    QTest::newRow("day first") << "3/4/98" << day << QDate(1998, 4, 3);
    QTest::newRow("dots, day first") << "25.12.2023" << day << QDate(2023, 12, 25);
    QTest::newRow("unknown order, day above 12") << "25/12/2023" << unknown << QDate(2023, 12, 25);
    QTest::newRow("year first") << "2024-03-05" << day << QDate(2024, 3, 5);
    QTest::newRow("no such month") << "13/01/2024" << month << QDate();
    QTest::newRow("two parts") << "1/2" << month << QDate();
    QTest::newRow("letters") << "Jan 5 2024" << month << QDate();
}

void TestImportParsers::qifDates()
{
    QFETCH(QString, text);
    QFETCH(int, order);
    QFETCH(QDate, expected);
    QCOMPARE(ImportFields::qifDate(text, DateOrder(order)), expected);
}

void TestImportParsers::csvDates_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("format");
    QTest::addColumn<int>("order");
    QTest::addColumn<QDate>("expected");
    const int unknown = int(DateOrder::Unknown);
    const auto row = [](const char* text, const char* format, int order, const QDate& date) {
        QTest::newRow(text) << QString::fromUtf8(text) << QString::fromUtf8(format) << order
                            << date;
    };
    row("2024-03-05", "", unknown, QDate(2024, 3, 5));
    row("20240305", "", unknown, QDate(2024, 3, 5));
    row("2024/3/5", "", unknown, QDate(2024, 3, 5));
    row("03/05/2024", "", unknown, QDate(2024, 3, 5));
    row("03/05/2024", "", int(DateOrder::DayFirst), QDate(2024, 5, 3));
    row("13/05/2024", "", unknown, QDate(2024, 5, 13));
    row("3/5/24", "", unknown, QDate(2024, 3, 5));
    row("3/5/85", "", unknown, QDate(1985, 3, 5));
    // Timestamps of bank exports, read by their leading yyyyMMdd.
    row("20091224120000[0:GMT]", "", unknown, QDate(2009, 12, 24));
    row("20091224120000.000[-5:EST]", "", unknown, QDate(2009, 12, 24));
    row("200912241200", "", unknown, QDate(2009, 12, 24));
    // Month names of the interface's languages, any case, with or without the dot.
    row("May 14, 2026", "", unknown, QDate(2026, 5, 14));
    row("sep. 3 2025", "", unknown, QDate(2025, 9, 3));
    row("07 Nov 2013", "", unknown, QDate(2013, 11, 7));
    row("07-NOV-13", "", unknown, QDate(2013, 11, 7));
    row("7. Dez. 2023", "", unknown, QDate(2023, 12, 7));
    row("3. März 2024", "", unknown, QDate(2024, 3, 3));
    row("3 Mrz 2024", "", unknown, QDate(2024, 3, 3));
    row("7 déc. 2023", "", unknown, QDate(2023, 12, 7));
    row("1er févr. 2024", "", unknown, QDate(2024, 2, 1));
    row("15 aout 2024", "", unknown, QDate(2024, 8, 15));
    row("7 dic 2023", "", unknown, QDate(2023, 12, 7));
    row("7 de septiembre de 2023", "", unknown, QDate(2023, 9, 7));
    row("2013 Nov 07", "", unknown, QDate(2013, 11, 7));
    row("2023年12月7日", "", unknown, QDate(2023, 12, 7));
    // A typed pattern, month names in any of the languages too.
    row("05.03.24", "dd.MM.yy", unknown, QDate(2024, 3, 5));
    row("07/Dez/2023", "dd/MMM/yyyy", unknown, QDate(2023, 12, 7));
    // A format that does not fit falls back to the usual shapes.
    row("2024-03-05", "MM/dd/yyyy", unknown, QDate(2024, 3, 5));
    for (const char* bad : { "", "not a date", "2024-13-01", "1/2", "123/4/2024", "Smarch 1, 2024",
             "20091224120000[0:GMT", "2009122412", "31 Nov 2023", "7 Dez 123", "Dez 2023",
             "7 Dez Dez", "+7 Dez 2023", "2023年13月7日" })
        row(bad, "", unknown, QDate());
}

void TestImportParsers::csvDates()
{
    QFETCH(QString, text);
    QFETCH(QString, format);
    QFETCH(int, order);
    QFETCH(QDate, expected);
    QCOMPARE(ImportFields::csvDate(text, format, DateOrder(order)), expected);
    QCOMPARE(ImportFields::csvDateOrderHint("13/05/2024"), DateOrder::DayFirst);
    QCOMPARE(ImportFields::csvDateOrderHint("05/13/2024"), DateOrder::MonthFirst);
    QCOMPARE(ImportFields::csvDateOrderHint("05/06/2024"), DateOrder::Unknown);
}

void TestImportParsers::qifSectionsRecordsAndSplits()
{
    // Day first as soon as one date says so; transactions before any account
    // block belong to no account; a split without a readable amount is invalid.
    const QifFile loose
        = QifParser::parse("\xEF\xBB\xBF!Type:CCard\rD05/01/2024\rT-1\rX?\r^\rD25/01/2024\rT-2\r"
                           "S[Savings]/Class\r$oops\r^\r!Type:Class\rNBusiness\r^\rAjunk only\r^");
    QCOMPARE(loose.dateOrder, DateOrder::DayFirst);
    QCOMPARE(records(loose), QStringList { "2024-01-05|2|||-1||||" });
    QVERIFY(loose.accounts.isEmpty());
    QCOMPARE(loose.invalid, 1);
    QCOMPARE(loose.unsupported, 2);

    // A "D" inside a split is no date of the transaction; a record the file
    // ends in before its "^" was cut off, its amount perhaps with it.
    const QifFile cut = QifParser::parse("!Type:Bank\nD1/5'24\nT-20.00\nSFood\nD1/9'24\n"
                                         "$-20.00\n^\nD1/6'24\nPCut short\nT-57.");
    QCOMPARE(records(cut), QStringList { "2024-01-05|2|||-20.00|||||Food -20.00 " });
    QCOMPARE(cut.invalid, 1);
}

QTEST_GUILESS_MAIN(TestImportParsers)
#include "tst_importparsers.moc"
