#include "ImportFixtures.h"
#include "Records.h"
#include "TestAppState.h"
#include "TestDatabase.h"
#include "data/AccountRepository.h"
#include "data/TransactionRepository.h"
#include "services/import/ImportService.h"

#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

class TestOfxImport : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void statementForms_data();
    void statementForms();
    void rowsAreKnownAgainByTheirIds();
};

namespace {

const QByteArray kHeader = "\r\n\r\nOFXHEADER:100\r\nDATA:OFXSGML\r\nVERSION:102\r\nENCODING:"
                           "USASCII\r\nCHARSET:1252\r\n\r\n";

// A bank statement of OFX 1.x without the elements' closing tags.
QByteArray statement(const QByteArray& account, const QByteArray& rows,
    const QByteArray& currency = "USD", bool card = false)
{
    const QByteArray from = card ? "CCACCTFROM" : "BANKACCTFROM";
    const QByteArray tag = card ? "CCSTMTRS" : "STMTRS";
    return "<" + tag + ">\n<CURDEF>" + currency + "\n<" + from + ">\n<ACCTID>" + account + "\n</"
        + from + ">\n<BANKTRANLIST>\n" + rows + "</BANKTRANLIST>\n</" + tag + ">\n";
}

QByteArray row(const QByteArray& date, const QByteArray& amount, const QByteArray& name,
    const QByteArray& fitId, const QByteArray& more = {})
{
    return "<STMTTRN>\n<TRNTYPE>OTHER\n<DTPOSTED>" + date + "\n<TRNAMT>" + amount
        + (fitId.isEmpty() ? QByteArray() : "\n<FITID>" + fitId) + "\n<NAME>" + name + "\n" + more
        + "</STMTTRN>\n";
}

QByteArray sgml(const QByteArray& statements)
{
    return kHeader + "<OFX>\n<BANKMSGSRSV1>\n<STMTTRNRS>\n" + statements
        + "</STMTTRNRS>\n</BANKMSGSRSV1>\n</OFX>\n";
}

// "2024-03-05|Coffee|Card 1|101": what the earliest stored row says.
QString earliest(QList<Transaction> rows)
{
    if (rows.isEmpty())
        return {};
    std::sort(rows.begin(), rows.end(),
        [](const Transaction& a, const Transaction& b) { return a.date < b.date; });
    const Transaction& t = rows.first();
    return QStringList { t.date.toString(Qt::ISODate), t.payee, t.memo, t.checkNumber }.join('|');
}

} // namespace

void TestOfxImport::statementForms_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("counts");
    QTest::addColumn<qint64>("sum");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("problem");
    const auto add = [](const char* name, const QByteArray& file, const char* counts, qint64 sum,
                         const QString& first, const char* problem = "") {
        QTest::newRow(name) << file << QString(counts) << sum << first << QString(problem);
    };

    const QByteArray coffee = row(
        "20240305235959.000[-3:GMT]", "-3.50", "Coffee", "F1", "<MEMO>Card 1\n<CHECKNUM>101\n");
    const QByteArray pay = row("20240306", "+100.00", "Payroll", "F2");
    const QString firstCoffee = "2024-03-05|Coffee|Card 1|101";
    add("SGML, open elements", sgml(statement("1001", coffee + pay)), "imported 2", 9650,
        firstCoffee);
    QByteArray closed = sgml(statement("1001",
        "<STMTTRN><DTPOSTED>20240305000000[+9:JST]</DTPOSTED><TRNAMT>-3.50</TRNAMT><FITID>F1"
        "</FITID><NAME>Coffee</NAME><MEMO>Card 1</MEMO><CHECKNUM>101</CHECKNUM></STMTTRN>"));
    add("SGML, closing tags, one line", closed.replace('\n', ""), "imported 1", -350, firstCoffee);
    add("XML",
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<?OFX OFXHEADER=\"200\" VERSION=\"211\"?>\n"
        "<OFX><BANKMSGSRSV1><STMTTRNRS><STMTRS><CURDEF>USD</CURDEF><BANKACCTFROM><ACCTID>1001"
        "</ACCTID></BANKACCTFROM><BANKTRANLIST><STMTTRN><DTPOSTED>20240307</DTPOSTED><TRNAMT>-20.00"
        "</TRNAMT><FITID>X1</FITID><PAYEE><NAME>Smith &amp; Co</NAME></PAYEE><MEMO>Café</MEMO>"
        "</STMTTRN></BANKTRANLIST></STMTRS></STMTTRNRS></BANKMSGSRSV1></OFX>",
        "imported 1", -2000, "2024-03-07|Smith & Co|Café|");
    add("two statements, one a card",
        sgml(statement("1001", coffee) + statement("2002", pay, "USD", true)), "imported 2", 9650,
        firstCoffee);
    add("decimal comma", sgml(statement("1001", row("20240308", "-12,5", "Bus", "F3"))),
        "imported 1", -1250, "2024-03-08|Bus||");
    add("alike rows: by FITID both, without one",
        sgml(statement("1001",
            row("20240309", "-2.00", "Tea", "T1") + row("20240309", "-2.00", "Tea", "T2")
                + row("20240310", "-1.00", "Gum", "") + row("20240310", "-1.00", "Gum", ""))),
        "imported 3 duplicates 1", -500, "2024-03-09|Tea||");
    add("bad date and amount",
        sgml(statement("1001",
            row("2024-3-5", "-1.00", "A", "B1") + row("20241345", "-1.00", "B", "B2")
                + row("20240311", "1.2.3", "C", "B3") + row("20240311", "-4.00", "D", "B4"))),
        "imported 1 invalid 3", -400, "2024-03-11|D||");
    add("another currency", sgml(statement("1001", coffee + pay, "EUR")), "invalid 2", 0, "",
        "is in EUR");
    add("a currency not kept", sgml(statement("1001", coffee, "CHF")), "invalid 1", 0, "", "CHF");
    add("cut off", sgml(statement("1001", coffee + pay)).left(300), "", 0, "",
        "not a complete OFX file");
    add("Windows-1252 bytes", sgml(statement("1001", row("20240312", "-5.00", "Caf\xe9", "W1"))),
        "imported 1", -500, "2024-03-12|Caf\u00e9||");
    add("UTF-8 under a 1252 header",
        sgml(statement("1001", row("20240312", "-5.00", "Caf\xc3\xa9", "W1"))), "imported 1", -500,
        "2024-03-12|Caf\u00e9||");
}

void TestOfxImport::statementForms()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, counts);
    QFETCH(qint64, sum);
    QFETCH(QString, first);
    QFETCH(QString, problem);

    TestAppState app;
    const Account bank = app.addAccount("Bank");
    const Account card = app.addAccount("Card");
    QTemporaryDir dir;
    const ImportResult result = app->importService()->importOfx(
        writeFile(dir, "statement.qfx", file), { { "1001", bank.id }, { "2002", card.id } });
    QCOMPARE(::counts(result), counts);
    QVERIFY(!result.aborted);
    const QString told = (result.problems + result.fileErrors).join('\n');
    QVERIFY2(problem.isEmpty() ? told.isEmpty() : told.contains(problem), qPrintable(told));
    QList<Transaction> stored = app->transactions()->findByAccount(bank.id);
    QCOMPARE(earliest(stored), first);
    stored += app->transactions()->findByAccount(card.id);
    QCOMPARE(Records::sum(stored), sum);
}

void TestOfxImport::rowsAreKnownAgainByTheirIds()
{
    TestAppState app;
    const Account bank = app.addAccount("Bank");
    const Account card = app.addAccount("Card");
    ImportService* service = app->importService();
    const QString path = importFixture("two-statements.qfx");

    const ImportResult first = service->importOfx(
        path, { { "000123456789", bank.id }, { "4111222233334444", card.id } });
    QCOMPARE(counts(first), "imported 3");

    // The bank sends the same rows again: known by their FITIDs even where a
    // payee was renamed in the register since.
    Transaction coffee = app->transactions()->findByAccount(bank.id).last();
    coffee.payee = "Corner Coffee";
    QVERIFY(app->transactions()->update(coffee));
    const ImportResult again = service->importOfx(
        path, { { "000123456789", bank.id }, { "4111222233334444", card.id } });
    QCOMPARE(counts(again), "duplicates 3");
}

QTEST_MAIN(TestOfxImport)
#include "tst_ofximport.moc"
