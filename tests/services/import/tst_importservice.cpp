#include "ImportFixtures.h"
#include "Records.h"
#include "SmallDisk.h"
#include "TestAppState.h"
#include "TestDatabase.h"
#include "data/AccountRepository.h"
#include "data/CategoryRepository.h"
#include "data/SplitLineRepository.h"
#include "data/TransactionRepository.h"
#include "services/import/CsvProfileService.h"
#include "services/import/CsvProfileText.h"
#include "services/import/CsvReader.h"
#include "services/import/ImportFields.h"
#include "services/import/ImportService.h"
#include "services/import/ImportText.h"
#include "services/import/QifParser.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(CsvMapping)

using ImportFields::DateOrder;

class TestImportService : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void textOfEveryEncodingAndItsCsvRows();
    void amounts_data();
    void amounts();
    void dates_data();
    void dates();
    void qifSectionsRecordsAndSplits();
    void csvEncodingsOrdersAndLimits();
    void cancelledOrEmptyRunsLeaveNothing();
    void fullDiskMidRunStoresNothing();
    void qifFilesLinkTransfersAndStoreSplits();
    void qifHintsLinkLaterImports();
    void csvAmountModes_data();
    void csvAmountModes();
    void csvPreviewAndProfiles();
    void ofxStatementForms_data();
    void ofxStatementForms();
};

namespace {

std::optional<Transaction> byPayee(const QList<Transaction>& list, const QString& payee)
{
    for (const Transaction& t : list) {
        if (t.payee == payee)
            return t;
    }
    return std::nullopt;
}

// Date, payee and amount in the first three columns.
CsvMapping columns(int memo, int category, bool header)
{
    CsvMapping mapping;
    mapping.memoColumn = memo;
    mapping.categoryColumn = category;
    mapping.hasHeaderRow = header;
    return mapping;
}

const CsvMapping kWithHeader = columns(-1, -1, true);

const QByteArray kHeader = "\r\n\r\nOFXHEADER:100\r\nDATA:OFXSGML\r\nVERSION:102\r\nENCODING:"
                           "USASCII\r\nCHARSET:1252\r\n\r\n";

// A bank statement of OFX 1.x without the elements' closing tags.
QByteArray statement(
    const QByteArray& account, const QByteArray& rows, const QByteArray& currency = "USD")
{
    return "<STMTRS>\n<CURDEF>" + currency + "\n<BANKACCTFROM>\n<ACCTID>" + account
        + "\n</BANKACCTFROM>\n<BANKTRANLIST>\n" + rows + "</BANKTRANLIST>\n</STMTRS>\n";
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

} // namespace

void TestImportService::csvEncodingsOrdersAndLimits()
{
    TestAppState app;
    ImportService* service = app->importService();
    const Account euro = app.addAccount("Girokonto", 0, Currency::EUR);
    const Account yen = app.addAccount("Yen", 0, Currency::JPY);
    const CsvMapping plain = columns(-1, -1, false);

    // Windows-1252 with old Mac line ends; 13/05 makes the whole file day first.
    QCOMPARE(service->importCsv(importFixture("day-first-1252.csv"), euro.id, plain).imported, 2);
    const QList<Transaction> euros = app->transactions()->findByAccount(euro.id);
    QCOMPARE(byPayee(euros, "Café Crème")->date, QDate(2024, 5, 3));
    QCOMPARE(byPayee(euros, "Café Crème")->amount, 1250);
    QCOMPARE(byPayee(euros, "Bäckerei “Korn”")->amount, -123456);

    // UTF-16 with a byte-order mark; yen have no minor unit, so 3.50 of them
    // is no amount.
    const ImportResult yens = service->importCsv(importFixture("utf16le-bom.csv"), yen.id, plain);
    QCOMPARE(counts(yens), "imported 1 invalid 1");
    QCOMPARE(byPayee(app->transactions()->findByAccount(yen.id), "Tea ☕")->amount, -2);

    QTemporaryDir dir;
    const int categoriesBefore = app->categories()->count();

    // Texts and dates beyond what any write path stores are refused by row, with the
    // reason. Known categories are taken by name; "Hobbies" is made.
    const QString refused = writeFile(dir, "refused.csv",
        "2024-01-03," + QByteArray(200, 'p') + ",-1,,Hobbies\n2024-01-04," + QByteArray(201, 'p')
            + ",-1\n2024-01-05,Memo,-1," + QByteArray(10001, 'm') + "\n2024-01-06,Category,-1,,"
            + QByteArray(201, 'c')
            + "\n1899-12-31,Too early,-1\n2101-01-01,Too late,-1\n1900-01-01,Earliest,-1,,"
              "Groceries\n");
    const ImportResult capped = service->importCsv(refused, euro.id, columns(3, 4, false));
    QCOMPARE(counts(capped), "imported 2 invalid 5");
    QCOMPARE(capped.problems,
        (QStringList { "Row 2: The payee is longer than 200 characters.",
            "Row 3: The memo is longer than 10000 characters.",
            "Row 4: The category name is longer than 200 characters.",
            "Row 5: The date 1899-12-31 is not between the years 1900 and 2100.",
            "Row 6: The date 2101-01-01 is not between the years 1900 and 2100." }));
    QCOMPARE(app->categories()->count(), categoriesBefore + 1);
    QCOMPARE(byPayee(app->transactions()->findByAccount(euro.id), "Earliest")->categoryId,
        app->categories()->findByName("Groceries")->id);

    // Read with the wrong delimiter chosen no row fits the mapping: each
    // counts, and the file says why.
    const QString semicolons
        = writeFile(dir, "semicolons.csv", "Date;Payee;Amount\n2024-01-01;A;1\n2024-01-02;B;2\n");
    CsvMapping commas = plain;
    commas.hasHeaderRow = true;
    commas.delimiter = u',';
    const ImportResult unfit = service->importCsv(semicolons, euro.id, commas);
    QCOMPARE(counts(unfit), "invalid 2");
    QCOMPARE(unfit.problems,
        QStringList { "No row has the 3 columns the mapping needs; is the delimiter right?" });
}

void TestImportService::cancelledOrEmptyRunsLeaveNothing()
{
    TestAppState app;
    // The account the import goes to is made by the import itself.
    const Account checking = Records::account("Checking");
    ImportService* service = app->importService();
    QTemporaryDir dir;
    QByteArray rows;
    for (int i = 0; i < 350; ++i)
        rows += QStringLiteral("2024-02-%1,Payee %2,-%2.00,,New Category %2\n")
                    .arg(1 + i % 28, 2, 10, QChar('0'))
                    .arg(i)
                    .toUtf8();
    const QString path = writeFile(dir, "long.csv", rows);
    const int categoriesBefore = app->categories()->count();
    QSignalSpy changed(app->transactions(), &TransactionRepository::transactionsChanged);
    const auto cancelling = connect(
        service, &ImportService::importProgress, service, [service](int current, int total) {
            if (current == 200 && total == 350)
                service->cancel();
        });

    const CsvMapping mapping = columns(3, 4, false);
    const ImportResult result = service->importCsv(path, checking.id, mapping, { checking });
    QVERIFY(result.aborted && result.cancelled);
    QCOMPARE(counts(result), "");
    QCOMPARE(app->transactions()->findByAccount(checking.id).size(), 0);
    QVERIFY(!app->accounts()->findById(checking.id));
    QCOMPARE(app->categories()->count(), categoriesBefore);
    QCOMPARE(changed.count(), 0);
    disconnect(cancelling);

    // An account the import may create comes with the first row stored in it.
    const QString unreadable = writeFile(dir, "unreadable.csv", "not a date,Payee,1\n");
    QCOMPARE(service->importCsv(unreadable, checking.id, mapping, { checking }).invalid, 1);
    QVERIFY(!app->accounts()->findById(checking.id));
    // The next run starts afresh.
    QCOMPARE(service->importCsv(path, checking.id, mapping, { checking }).imported, 350);
}

void TestImportService::fullDiskMidRunStoresNothing()
{
    SmallDisk disk(8 << 20);
    QVERIFY2(disk.isMounted(), "mounting a small tmpfs needs root, as the test command has");
    TestAppState app(disk.path());
    const Account checking = app.addAccount("Checking");
    app.addTransaction(checking.id, QDate(2024, 1, 1), "Kept Bakery", -100);
    const QString triggers = "SELECT name || sql FROM sqlite_master WHERE type = 'trigger'";
    const QStringList triggersBefore = app.column(triggers);
    QTemporaryDir dir;
    QByteArray rows;
    for (int i = 0; i < 3000; ++i)
        rows += QStringLiteral("2024-02-%1,Payee %2,-%2.00,Memo of row %2 %3\n")
                    .arg(1 + i % 28, 2, 10, QChar('0'))
                    .arg(i)
                    .arg(QString(60, 'm'))
                    .toUtf8();
    const QString path = writeFile(dir, "large.csv", rows);
    const CsvMapping mapping = columns(3, -1, false);

    // The disk fills at the 500th row, and has room again right after the
    // store says so: nothing of the run may be kept all the same.
    QVERIFY(disk.fillAtInsert(app->database(), "transactions", 500));
    disk.releaseWhenFull();
    expectWarning("TransactionBulkInsert::insert failed: database or disk is full");
    expectWarning("CSV import: insert failed for");
    expectWarning("CSV import aborted: insert failed: the disk is full");
    const ImportResult full = app->importService()->importCsv(path, checking.id, mapping);
    QVERIFY(full.aborted);
    QCOMPARE(counts(full), "");
    QCOMPARE(full.failure, "Nothing was imported: the disk is full.");
    QCOMPARE(app.column("SELECT payee FROM transactions"), QStringList { "Kept Bakery" });
    QCOMPARE(app.column(triggers), triggersBefore);
    QVERIFY(app.searchIndexIsSound());

    QCOMPARE(app->importService()->importCsv(path, checking.id, mapping).imported, 3000);
    QCOMPARE(app->transactions()->search("Payee 2999", {}).size(), 1);
    QCOMPARE(app->transactions()->search("Bakery", {}).size(), 1);
    QVERIFY(app.searchIndexIsSound());
}

void TestImportService::qifFilesLinkTransfersAndStoreSplits()
{
    TestAppState app;
    const Account checking = app.addAccount("Checking");
    const Account savings = app.addAccount("Savings");
    ImportService* service = app->importService();
    // Names match without case; savings.qif is UTF-16 big-endian.
    const ImportResult result
        = service->importQif({ importFixture("checking.qif"), importFixture("savings.qif") },
            { { "CHECKING", checking.id }, { "savings", savings.id } });
    QCOMPARE(counts(result), "imported 7 invalid 2 unsupported 1 linked 1");

    const QList<Transaction> inChecking = app->transactions()->findByAccount(checking.id);
    const QList<Transaction> inSavings = app->transactions()->findByAccount(savings.id);
    QCOMPARE(Records::sum(inChecking), -4520 + 250000 - 50000 - 12000 - 1200);
    QCOMPARE(Records::sum(inSavings), 50000 + 125);
    const auto out = byPayee(inChecking, "Transfer to savings");
    const auto in = byPayee(inSavings, "From checking");
    QVERIFY(out && in);
    QCOMPARE(QStringList({ out->transferLinkId, in->transferLinkId, out->transferDestAccountId,
                 in->transferDestAccountId, out->memo }),
        QStringList({ in->id, out->id, savings.id, checking.id, "Monthly saving" }));

    const auto pay = byPayee(inChecking, "Employer Inc");
    QVERIFY(pay->cleared && pay->reconciled);
    QCOMPARE(pay->checkNumber, "1001");
    QCOMPARE(app->categories()->findById(pay->categoryId)->type, CategoryType::Income);
    // "Auto:Fuel" is one category of exactly that name, with no parent made for it.
    const auto fuel = app->categories()->findByName("Auto:Fuel");
    QVERIFY(fuel && fuel->parentId.isEmpty());
    QCOMPARE(byPayee(inChecking, "Shell")->categoryId, fuel->id);
    QVERIFY(byPayee(inChecking, "Shell")->cleared);

    const auto market = byPayee(inChecking, "Mega Market");
    QVERIFY(market->isSplit && market->categoryId.isEmpty());
    QCOMPARE(Records::rows(app->splitLines()->findByTransaction(market->id), &SplitLine::amount,
                 &SplitLine::categoryId, &SplitLine::memo),
        QStringList({ "-8000 " + app->categories()->findByName("Groceries")->id + " Food",
            "-4000 " + app->categories()->findByName("Household")->id + " Household things" }));

    // Lines that leave part of the amount get an "Uncategorized" line for it;
    // more lines than a transaction holds refuse the record, with where it is.
    QTemporaryDir dir;
    QByteArray text = "!Type:Bank\nD2/1'24\nT-251.00\nPMany Lines\n";
    for (int i = 0; i < 251; ++i)
        text += "SGroceries\n$-1.00\n";
    text += "^\nD2/2'24\nT-100.00\nPShort Split\nSGroceries\n$-60.00\n^\n";
    const QString extra = writeFile(dir, "extra.qif", text);
    const ImportResult more = service->importQif({ extra }, { { extra, checking.id } });
    QCOMPARE(counts(more), "imported 1 invalid 1 adjusted 1");
    QCOMPARE(more.problems,
        QStringList {
            "extra.qif, line 2: The split has 251 lines; a transaction has at most 250." });
    const auto adjusted = byPayee(app->transactions()->findByAccount(checking.id), "Short Split");
    QCOMPARE(Records::rows(app->splitLines()->findByTransaction(adjusted->id), &SplitLine::amount,
                 &SplitLine::categoryId),
        QStringList({ "-6000 " + app->categories()->findByName("Groceries")->id,
            "-4000 " + app->categories()->findByName("Uncategorized")->id }));

    // Files without an account block, unmapped ones and missing ones.
    const Account cash = app.addAccount("Cash");
    const QString headerless = importFixture("no-header-day-first.qif");
    const QStringList files { importFixture("checking.qif"), importFixture("investment.qif"),
        headerless, importFixture("missing.qif") };

    const QifScan scan = service->scanQifAccounts(files);
    QCOMPARE(scan.transactions, 5 + 2 + 2);
    QCOMPARE(Records::texts(scan.accounts, &QifAccountEntry::key),
        (QStringList { "Checking", "Brokerage", headerless }));
    QCOMPARE(scan.accounts.at(1).suggestedType, AccountType::Investment);
    QCOMPARE(scan.accounts.at(2).displayName, "no-header-day-first.qif (no account header)");
    QCOMPARE(scan.fileErrors.size(), 1);

    const ImportResult unmapped = service->importQif(files, { { headerless, cash.id } });
    QCOMPARE(counts(unmapped), "imported 2 invalid 2 unsupported 2 withoutAccount 7");
    QCOMPARE(unmapped.fileErrors.size(), 1);
    const QList<Transaction> stored = app->transactions()->findByAccount(cash.id);
    // Day-first dates, grouped decimal commas and Windows-1252 text.
    QCOMPARE(Records::rows(stored, &Transaction::payee, &Transaction::date, &Transaction::amount),
        QStringList({ "Gehalt 2024-01-03 100000", "Café Müller 2023-12-25 -123456" }));

    Account brokerage = Records::account("Brokerage");
    brokerage.type = AccountType::Investment;
    QCOMPARE(service
                 ->importQif({ importFixture("investment.qif") }, { { "brokerage", brokerage.id } },
                     { brokerage })
                 .imported,
        2);
    QCOMPARE(app->accounts()->findById(brokerage.id)->type, AccountType::Investment);
    QVERIFY(byPayee(app->transactions()->findByAccount(brokerage.id), "Buy: Acme Corp"));
}

void TestImportService::qifHintsLinkLaterImports()
{
    TestAppState app;
    const Account checking = app.addAccount("Checking");
    const Account savings = app.addAccount("Savings");
    ImportService* service = app->importService();
    const QHash<QString, QString> both { { "Checking", checking.id }, { "Savings", savings.id } };

    // The other side is missing: the stored side waits with a hint.
    const ImportResult alone = service->importQif({ importFixture("checking.qif") }, both);
    QCOMPARE(counts(alone), "imported 5 invalid 2 unsupported 1");
    const auto waiting
        = byPayee(app->transactions()->findByAccount(checking.id), "Transfer to savings");
    QCOMPARE(waiting->memo, "[→ Savings] Monthly saving");
    QVERIFY(waiting->transferLinkId.isEmpty());

    // Both files again: the checking side repeats what is stored, so the
    // savings side links to the stored one and takes its hint away.
    const ImportResult later
        = service->importQif({ importFixture("checking.qif"), importFixture("savings.qif") }, both);
    QCOMPARE(
        counts(later), "imported 2 duplicates 5 invalid 2 unsupported 1 linked 1 retroactive 1");
    const auto linked = app->transactions()->findById(waiting->id);
    const auto in = byPayee(app->transactions()->findByAccount(savings.id), "From checking");
    QCOMPARE(QStringList({ linked->memo, linked->transferLinkId, in->transferLinkId,
                 in->transferDestAccountId }),
        QStringList({ "Monthly saving", in->id, linked->id, checking.id }));
    // Versions are the sync engine's: an edit marks the row pending instead.
    QCOMPARE(std::pair(linked->version, linked->syncStatus),
        std::pair(waiting->version, SyncStatus::Pending));

    QCOMPARE(counts(service->importQif(
                 { importFixture("checking.qif"), importFixture("savings.qif") }, both)),
        "duplicates 7 invalid 2 unsupported 1");

    // A side stored earlier in the same run takes the link, and its memo
    // changes while the run's rows are not yet in the search index: the
    // in-file pair of "Card payment" repeats a stored row, so the second
    // savings side finds the card payment by its hint.
    QTemporaryDir dir;
    app.addTransaction(savings.id, QDate(2024, 3, 1), "Card in", 7000);
    const QString out = writeFile(dir, "out.qif",
        "!Account\nNChecking\n^\n!Type:Bank\nD3/1'24\nT-70.00\nPCard payment\nMRent "
        "share\nL[Savings]\n^\n");
    const QString incoming = writeFile(dir, "in.qif",
        "!Account\nNSavings\n^\n!Type:Bank\nD3/1'24\nT70.00\nPCard in\nL[Checking]\n^\n"
        "D3/1'24\nT70.00\nPSecond side\nL[Checking]\n^\n");
    const ImportResult sameRun = service->importQif({ out, incoming }, both);
    QVERIFY2(!sameRun.aborted, qPrintable(sameRun.abortReason));
    QCOMPARE(counts(sameRun), "imported 2 duplicates 1 linked 1 retroactive 1");
    const auto card = byPayee(app->transactions()->findByAccount(checking.id), "Card payment");
    QCOMPARE(card->memo, "Rent share");
    QCOMPARE(app->transactions()->findById(card->transferLinkId)->payee, "Second side");
    QCOMPARE(app->transactions()->search("Rent share", {}).size(), 1);
    QVERIFY(app.searchIndexIsSound());
}

void TestImportService::csvAmountModes_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<CsvMapping>("mapping");
    QTest::addColumn<QString>("delimiter"); // as detected
    QTest::addColumn<QString>("counts");
    QTest::addColumn<qint64>("sum");

    CsvMapping signedAmount = kWithHeader;
    signedAmount.decimalComma = true;
    QTest::newRow("semicolons, decimal comma, trailing minus, footer")
        << QByteArray("Datum;Omschrijving;Bedrag\n05.03.2024;Bakker;1.234,50-\n"
                      "06.03.2024;\"Loon; maart\";2.000,00\nTotaal;;765,50\n")
        << signedAmount << ";"
        << "imported 2" << qint64(76550);
    CsvMapping debitCredit = kWithHeader;
    debitCredit.amountColumn = -1;
    debitCredit.debitColumn = 2;
    debitCredit.creditColumn = 3;
    QTest::newRow("tabs, paid out and paid in")
        << QByteArray("Date\tPayee\tOut\tIn\tBalance\n2024-03-05\tShop\t£12.00\t\t100\n"
                      "2024-03-06\tSalary\t\t500.00\t600\n2024-03-07\tNothing\t\t\t600\n"
                      "2024-03-08\tFee\t-1.50\t\t598.50\n")
        << debitCredit << "\t"
        << "imported 3 invalid 1" << qint64(-1200 + 50000 - 150);
    CsvMapping inverted = kWithHeader;
    inverted.invert = true;
    inverted.skipLines = 2;
    QTest::newRow("card: inverted, lines skipped")
        << QByteArray("Card statement\n\"Period: March\"\nDate,Payee,Amount\n"
                      "2024-03-05,Books,45.10\n2024-03-09,Refund,(5.00)\n")
        << inverted << ","
        << "imported 2" << qint64(-4510 + 500);
}

void TestImportService::csvAmountModes()
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

void TestImportService::csvPreviewAndProfiles()
{
    TestAppState app;
    const Account account = app.addAccount("Everyday");
    app.addTransaction(account.id, QDate(2024, 3, 6), "Werk", 10000);
    CsvMapping m = kWithHeader;
    m.directionColumn = 3;
    m.outValue = "Af";
    m.inValue = "Bij";
    m.decimalComma = true;
    const QString file = "Rekening 123\nDatum;Naam;Bedrag;Af Bij\n05.03.2024;Bakker;3,50;Af\n"
                         "06.03.2024;Werk;100,00;Bij\n07.03.2024;Raar;1,00;Over\n"
                         "32.03.2024;Kapot;1,00;Af\n05.03.2024;Bakker;3,50;Af\nTotaal;;;\n";
    // The footer is no row; a date that does not read says so.
    const QList<CsvPreviewRow> rows = app->importService()->previewCsv(file, account.id, m);
    QCOMPARE(rows.size(), 5);
    QCOMPARE(rows.at(3).reason, "the date does not read");
    QCOMPARE(app->importService()->previewCsv(file, account.id, m, 2).size(), 2);

    CsvProfileService* profiles = app->importService()->profiles();
    const auto kept = profiles->remember(account.id, file, m, "Bank");
    QVERIFY(kept);
    // The next month's file of the bank, whatever its rows and the lines above.
    const QString next = "Rekening 123\nDATUM;Naam;Bedrag;Af Bij\n01.04.2024;Bakker;1,00;Af\n";
    QCOMPARE(CsvProfileText::toJson(profiles->matching(account.id, next)->mapping),
        CsvProfileText::toJson(m));
    QVERIFY(!profiles->matching(account.id, "Rekening\nDatum;Naam;Bedrag;Saldo\n"));
    QVERIFY(!profiles->matching(app.addAccount("Other").id, next));
    // Keeping it again updates the profile under its name; a new shape is a new one.
    QCOMPARE(profiles->remember(account.id, next, m, "Bank")->id, kept->id);
    QCOMPARE(profiles->remember(account.id, "Date,Payee,Amount\n", kWithHeader, "bank")->name,
        "bank (2)");
    QVERIFY(!profiles->rename(kept->id, "BANK (2)"));
    QVERIFY(!profiles->rename(kept->id, "  "));

    // Stored text that is no mapping reads as none.
    for (const char* bad :
        { "", "[]", "{\"date\":0}", "{\"date\":0,\"payee\":1,\"amount\":2.5,\"skipLines\":0}",
            "{\"date\":0,\"payee\":1,\"amount\":2,\"skipLines\":0,\"delimiter\":\"x\"}",
            "{\"date\":0,\"payee\":1,\"amount\":2,\"skipLines\":0,\"direction\":3}" })
        QVERIFY2(!CsvProfileText::fromJson(bad), bad);
}

void TestImportService::ofxStatementForms_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("counts");
    QTest::addColumn<qint64>("sum");
    QTest::addColumn<QString>("first"); // the earliest row: date, payee, memo, number
    QTest::addColumn<QString>("problem");
    const auto add = [](const char* name, const QByteArray& file, const char* counts, qint64 sum,
                         const QString& first, const char* problem = "") {
        QTest::newRow(name) << file << QString(counts) << sum << first << QString(problem);
    };

    const QByteArray coffee = row(
        "20240305235959.000[-3:GMT]", "-3.50", "Coffee", "F1", "<MEMO>Card 1\n<CHECKNUM>101\n");
    const QByteArray pay = row("20240306", "+100.00", "Payroll", "F2");
    const QString firstCoffee = "2024-03-05 Coffee Card 1 101";
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
        "imported 1", -2000, "2024-03-07 Smith & Co Café ");
    add("decimal comma", sgml(statement("1001", row("20240308", "-12,5", "Bus", "F3"))),
        "imported 1", -1250, "2024-03-08 Bus  ");
    add("alike rows: by FITID both, without one",
        sgml(statement("1001",
            row("20240309", "-2.00", "Tea", "T1") + row("20240309", "-2.00", "Tea", "T2")
                + row("20240310", "-1.00", "Gum", "") + row("20240310", "-1.00", "Gum", ""))),
        "imported 3 duplicates 1", -500, "2024-03-09 Tea  ");
    add("bad date and amount",
        sgml(statement("1001",
            row("2024-3-5", "-1.00", "A", "B1") + row("20241345", "-1.00", "B", "B2")
                + row("20240311", "1.2.3", "C", "B3") + row("20240311", "-4.00", "D", "B4"))),
        "imported 1 invalid 3", -400, "2024-03-11 D  ");
    add("another currency", sgml(statement("1001", coffee + pay, "EUR")), "invalid 2", 0, "",
        "is in EUR");
    add("a currency not kept", sgml(statement("1001", coffee, "CHF")), "invalid 1", 0, "", "CHF");
    add("cut off", sgml(statement("1001", coffee + pay)).left(300), "", 0, "",
        "not a complete OFX file");
    add("UTF-8 under a 1252 header",
        sgml(statement("1001", row("20240312", "-5.00", "Caf\xc3\xa9", "W1"))), "imported 1", -500,
        "2024-03-12 Caf\u00e9  ");
}

void TestImportService::ofxStatementForms()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, counts);
    QFETCH(qint64, sum);
    QFETCH(QString, first);
    QFETCH(QString, problem);

    TestAppState app;
    const Account bank = app.addAccount("Bank");
    QTemporaryDir dir;
    const ImportResult result = app->importService()->importOfx(
        writeFile(dir, "statement.qfx", file), { { "1001", bank.id } });
    QCOMPARE(::counts(result), counts);
    QVERIFY(!result.aborted);
    const QString told = (result.problems + result.fileErrors).join('\n');
    QVERIFY2(problem.isEmpty() ? told.isEmpty() : told.contains(problem), qPrintable(told));
    const QList<Transaction> stored = app->transactions()->findByAccount(bank.id);
    QCOMPARE(Records::rows(stored.mid(stored.size() - 1), &Transaction::date, &Transaction::payee,
                 &Transaction::memo, &Transaction::checkNumber)
                 .join(""),
        first);
    QCOMPARE(Records::sum(stored), sum);
}

void TestImportService::textOfEveryEncodingAndItsCsvRows()
{
    using ImportText::decode;
    // UTF-8 with a byte-order mark.
    QCOMPARE(decode(QByteArray::fromHex("efbbbf436166c3a9")), u"Café");
    // Bytes that are not strict UTF-8 are Windows-1252, undefined ones kept.
    QCOMPARE(decode("Caf\xE9 \x80 \x93q\x94 \x81"), u"Café € “q” \u0081");
    for (const QByteArray& bad : { QByteArray("\xC0\x80"), QByteArray("\xED\xA0\x80"),
             QByteArray("\xF4\x90\x80\x80"), QByteArray("ok \xE2\x82"), QByteArray("\xE0\x9F\xBF"),
             QByteArray("\xF8\x88\x80\x80\x80") }) {
        QVERIFY2(!ImportText::isStrictUtf8(bad), bad.toHex().constData());
        QCOMPARE(decode(bad).size(), bad.size());
    }
    QVERIFY(ImportText::isStrictUtf8("\xF0\x9F\x92\xB0 \xF4\x8F\xBF\xBF"));

    // Files that are no text are refused with the reason.
    QTemporaryDir dir;
    writeFile(dir, "blank.qif", "\xEF\xBB\xBF \r\n\r\n");
    writeFile(dir, "image.qif", QByteArray("\x89PNG\r\n\x1a\n", 8) + QByteArray(40, '\x07'));
    const auto error
        = [&dir](const QString& name) { return ImportText::readFile(dir.filePath(name)).error; };
    const QString native = QDir::toNativeSeparators(dir.path()) + "/";
    QCOMPARE(error("blank.qif") + error("image.qif"),
        native + "blank.qif is empty." + native + "image.qif is not a text file.");

    // Quoted fields, empty lines and every kind of line end.
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

void TestImportService::amounts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("currency");
    QTest::addColumn<qint64>("expected"); // -1 for no value
    const int usd = int(Currency::USD);
    QTest::newRow("grouped decimal comma") << "1.234,56" << usd << qint64(123456);
    QTest::newRow("parentheses") << "(12.00)" << usd << qint64(-1200);
    QTest::newRow("symbol and sign") << "-$1,234.56" << usd << qint64(-123456);
    QTest::newRow("plus and spaces") << " + 1 000.5 " << usd << qint64(100050);
    QTest::newRow("other currency symbol") << "€12,50" << usd << qint64(1250);
    QTest::newRow("negative in parentheses") << "(-5)" << usd << qint64(500);
    QTest::newRow("yen have no decimals") << "12.5" << int(Currency::JPY) << qint64(-1);
    QTest::newRow("at the limit") << "99,999,999.99" << usd << qint64(9'999'999'999);
    QTest::newRow("beyond the limit") << "100,000,000.00" << usd << qint64(-1);
    QTest::newRow("empty") << "" << usd << qint64(-1);
    QTest::newRow("two signs") << "--5" << usd << qint64(-1);
}

void TestImportService::amounts()
{
    QFETCH(QString, text);
    QFETCH(int, currency);
    QFETCH(qint64, expected);
    const auto value = ImportFields::amount(text, Currency(currency));
    QCOMPARE(value.value_or(-1), expected);
    if (expected != -1 || text == "100,000,000.00")
        QVERIFY(ImportFields::isAmount(text));
}

void TestImportService::dates_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("format"); // "QIF" for a QIF file's date
    QTest::addColumn<int>("order");
    QTest::addColumn<QDate>("expected");
    const int unknown = int(DateOrder::Unknown);
    const int month = int(DateOrder::MonthFirst);
    const auto row = [](const char* text, const char* format, int order, const QDate& date) {
        QTest::addRow("%s %s %d", format, text, order)
            << QString::fromUtf8(text) << QString::fromUtf8(format) << order << date;
    };
    row("1/15'05", "QIF", month, QDate(2005, 1, 15));
    row(" 1/ 5' 5", "QIF", month, QDate(2005, 1, 5));
    row("3/4/98", "QIF", month, QDate(1998, 3, 4));
    row("3/4/98", "QIF", int(DateOrder::DayFirst), QDate(1998, 4, 3));
    row("25/12/2023", "QIF", unknown, QDate(2023, 12, 25));
    row("2024-03-05", "QIF", int(DateOrder::DayFirst), QDate(2024, 3, 5));
    row("13/01/2024", "QIF", month, QDate());
    row("1/2", "QIF", month, QDate());
    row("2024-03-05", "", unknown, QDate(2024, 3, 5));
    row("2024/3/5", "", unknown, QDate(2024, 3, 5));
    row("03/05/2024", "", unknown, QDate(2024, 3, 5));
    row("03/05/2024", "", int(DateOrder::DayFirst), QDate(2024, 5, 3));
    row("13/05/2024", "", unknown, QDate(2024, 5, 13));
    row("3/5/24", "", unknown, QDate(2024, 3, 5));
    row("3/5/85", "", unknown, QDate(1985, 3, 5));
    // Timestamps of bank exports, read by their leading yyyyMMdd.
    row("20091224120000[0:GMT]", "", unknown, QDate(2009, 12, 24));
    row("20091224120000.000[-5:EST]", "", unknown, QDate(2009, 12, 24));
    // Month names of the interface's languages, any case, with or without the dot.
    row("May 14, 2026", "", unknown, QDate(2026, 5, 14));
    row("07 Nov 2013", "", unknown, QDate(2013, 11, 7));
    row("07-NOV-13", "", unknown, QDate(2013, 11, 7));
    row("7. Dez. 2023", "", unknown, QDate(2023, 12, 7));
    row("7 déc. 2023", "", unknown, QDate(2023, 12, 7));
    row("1er févr. 2024", "", unknown, QDate(2024, 2, 1));
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

void TestImportService::dates()
{
    QFETCH(QString, text);
    QFETCH(QString, format);
    QFETCH(int, order);
    QFETCH(QDate, expected);
    QCOMPARE(format == "QIF" ? ImportFields::qifDate(text, DateOrder(order))
                             : ImportFields::csvDate(text, format, DateOrder(order)),
        expected);
    QCOMPARE(ImportFields::csvDateOrderHint("13/05/2024"), DateOrder::DayFirst);
    QCOMPARE(ImportFields::csvDateOrderHint("05/13/2024"), DateOrder::MonthFirst);
    QCOMPARE(ImportFields::csvDateOrderHint("05/06/2024"), DateOrder::Unknown);
}

void TestImportService::qifSectionsRecordsAndSplits()
{
    // Day first as soon as one date says so; transactions before any account
    // block belong to no account; a split without a readable amount is invalid.
    const QifFile loose
        = QifParser::parse("\xEF\xBB\xBF!Type:CCard\rD05/01/2024\rT-1\rX?\r^\rD25/01/2024\rT-2\r"
                           "S[Savings]/Class\r$oops\r^\r!Type:Class\rNBusiness\r^\rAjunk only\r^");
    QCOMPARE(loose.dateOrder, DateOrder::DayFirst);
    QCOMPARE(Records::rows(loose.transactions, &QifTransaction::date, &QifTransaction::line,
                 &QifTransaction::amount, &QifTransaction::account),
        QStringList { "2024-01-05 2 -1 " });
    QVERIFY(loose.accounts.isEmpty());
    QCOMPARE(loose.invalid, 1);
    QCOMPARE(loose.unsupported, 2);

    // A "D" inside a split is no date of the transaction; a record the file
    // ends in before its "^" was cut off, its amount perhaps with it.
    const QifFile cut = QifParser::parse("!Type:Bank\nD1/5'24\nT-20.00\nSFood\nD1/9'24\n"
                                         "$-20.00\n^\nD1/6'24\nPCut short\nT-57.");
    QCOMPARE(Records::rows(cut.transactions, &QifTransaction::date, &QifTransaction::line,
                 &QifTransaction::amount),
        QStringList { "2024-01-05 2 -20.00" });
    QCOMPARE(
        Records::rows(cut.transactions.value(0).splits, &QifSplit::category, &QifSplit::amount),
        QStringList { "Food -20.00" });
    QCOMPARE(cut.invalid, 1);
}

QTEST_MAIN(TestImportService)
#include "tst_importservice.moc"
