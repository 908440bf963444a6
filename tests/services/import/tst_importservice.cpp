#include "ImportFixtures.h"
#include "Records.h"
#include "SmallDisk.h"
#include "TestAppState.h"
#include "TestDatabase.h"
#include "data/AccountRepository.h"
#include "data/CategoryRepository.h"
#include "data/SplitLineRepository.h"
#include "data/TransactionRepository.h"
#include "services/import/ImportService.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

class TestImportService : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void csvCountsSumsAndDuplicates();
    void csvEncodingsOrdersAndLimits();
    void cancelledOrEmptyRunsLeaveNothing();
    void fullDiskMidRunStoresNothing();
    void qifFilesLinkTransfersAndStoreSplits();
    void qifHintsLinkLaterImports();
    void qifScanUnmappedAndHeaderlessFiles();
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

const CsvMapping kFiveColumns { 0, 1, 2, 3, 4, true, {} };

} // namespace

void TestImportService::csvCountsSumsAndDuplicates()
{
    TestAppState app;
    const Account checking = app.addAccount("Checking");
    ImportService* service = app->importService();
    const int categoriesBefore = app->categories()->count();
    QSignalSpy changed(app->transactions(), &TransactionRepository::transactionsChanged);

    // Two lines about the account before the header; one row repeats another.
    const ImportResult first
        = service->importCsv(importFixture("bank-export.csv"), checking.id, kFiveColumns);
    // Invalid: "abc", an empty amount, "not a date".
    QCOMPARE(counts(first), "imported 4 duplicates 1 invalid 3");
    QVERIFY(!first.aborted && first.fileErrors.isEmpty());
    QCOMPARE(changed.count(), 1);

    const QList<Transaction> stored = app->transactions()->findByAccount(checking.id);
    QCOMPARE(stored.size(), 4);
    QCOMPARE(Records::sum(stored), -350 + 12500 - 123456 - 2000);
    const auto smith = byPayee(stored, "Smith, John");
    QCOMPARE(smith->date, QDate(2024, 1, 6));
    QCOMPARE(smith->memo, "Rent share, January");
    QVERIFY(smith->categoryId.isEmpty());
    QCOMPARE(byPayee(stored, "Grocery Store")->categoryId,
        app->categories()->findByName("Groceries")->id);
    QCOMPARE(app->categories()->findByName("Hobbies")->type, CategoryType::Expense);
    QCOMPARE(app->categories()->count(), categoriesBefore + 1);

    const ImportResult again
        = service->importCsv(importFixture("bank-export.csv"), checking.id, kFiveColumns);
    QCOMPARE(counts(again), "duplicates 5 invalid 3");
    QCOMPARE(app->transactions()->findByAccount(checking.id).size(), 4);
}

void TestImportService::csvEncodingsOrdersAndLimits()
{
    TestAppState app;
    ImportService* service = app->importService();
    const Account euro = app.addAccount("Girokonto", 0, Currency::EUR);
    const Account yen = app.addAccount("Yen", 0, Currency::JPY);
    const CsvMapping plain { 0, 1, 2, -1, -1, false, {} };

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

    // Texts and dates beyond what any write path stores are refused by row, with the reason.
    const QString refused = writeFile(dir, "refused.csv",
        "2024-01-03," + QByteArray(200, 'p') + ",-1\n2024-01-04," + QByteArray(201, 'p')
            + ",-1\n2024-01-05,Memo,-1," + QByteArray(10001, 'm') + "\n2024-01-06,Category,-1,,"
            + QByteArray(201, 'c')
            + "\n1899-12-31,Too early,-1\n2101-01-01,Too late,-1\n1900-01-01,Earliest,-1\n");
    const ImportResult capped = service->importCsv(refused, euro.id, { 0, 1, 2, 3, 4, false, {} });
    QCOMPARE(counts(capped), "imported 2 invalid 5");
    QCOMPARE(capped.problems,
        (QStringList { "Row 2: The payee is longer than 200 characters.",
            "Row 3: The memo is longer than 10000 characters.",
            "Row 4: The category name is longer than 200 characters.",
            "Row 5: The date 1899-12-31 is not between the years 1900 and 2100.",
            "Row 6: The date 2101-01-01 is not between the years 1900 and 2100." }));
    QVERIFY(!app->categories()->findByName(QString(201, 'c')));

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

    const QString zip
        = writeFile(dir, "statement.csv", QByteArray("PK\x03\x04\x14\x00\x00\x00", 8));
    const ImportResult unreadable = service->importCsv(zip, euro.id, plain);
    QCOMPARE(unreadable.fileErrors, QStringList { zip + " is not a text file." });
    QCOMPARE(counts(unreadable), "");
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

    const CsvMapping mapping { 0, 1, 2, 3, 4, false, {} };
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

    // The next run starts afresh, and rows are searchable again as single edits are.
    QCOMPARE(service->importCsv(path, checking.id, mapping, { checking }).imported, 350);
    QCOMPARE(app->accounts()->findById(checking.id)->name, "Checking");
    app.addTransaction(checking.id, QDate(2024, 3, 1), "Zebra Crossing Cafe", -100);
    QCOMPARE(app->transactions()->search("Payee 349", {}).size(), 1);
    QCOMPARE(app->transactions()->search("Zebra", {}).size(), 1);
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
    const CsvMapping mapping { 0, 1, 2, 3, -1, false, {} };

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
    QCOMPARE(out->transferLinkId, in->id);
    QCOMPARE(in->transferLinkId, out->id);
    QCOMPARE(out->transferDestAccountId, savings.id);
    QCOMPARE(in->transferDestAccountId, checking.id);
    QCOMPARE(out->memo, "Monthly saving");

    const auto pay = byPayee(inChecking, "Employer Inc");
    QVERIFY(pay->cleared && pay->reconciled);
    QCOMPARE(pay->checkNumber, "1001");
    const auto salary = app->categories()->findByName("Salary");
    QCOMPARE(salary->type, CategoryType::Income);
    QCOMPARE(pay->categoryId, salary->id);
    // "Auto:Fuel" is one category of exactly that name, with no parent made for it.
    const auto fuel = app->categories()->findByName("Auto:Fuel");
    QVERIFY(fuel && fuel->parentId.isEmpty());
    QCOMPARE(byPayee(inChecking, "Shell")->categoryId, fuel->id);
    QVERIFY(byPayee(inChecking, "Shell")->cleared);

    const auto market = byPayee(inChecking, "Mega Market");
    QVERIFY(market->isSplit);
    QVERIFY(market->categoryId.isEmpty());
    const QList<SplitLine> lines = app->splitLines()->findByTransaction(market->id);
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines.at(0).amount + lines.at(1).amount, market->amount);
    QCOMPARE(lines.at(1).memo, "Household things");
    QCOMPARE(lines.at(1).categoryId, app->categories()->findByName("Household")->id);

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
    const QList<SplitLine> adjustedLines = app->splitLines()->findByTransaction(adjusted->id);
    QCOMPARE(adjustedLines.size(), 2);
    QCOMPARE(adjustedLines.at(1).amount, -4000);
    QCOMPARE(adjustedLines.at(1).categoryId, app->categories()->findByName("Uncategorized")->id);
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
    QCOMPARE(linked->memo, "Monthly saving");
    QCOMPARE(linked->transferLinkId, in->id);
    // Versions are the sync engine's: an edit marks the row pending instead.
    QCOMPARE(linked->version, waiting->version);
    QCOMPARE(linked->syncStatus, SyncStatus::Pending);
    QCOMPARE(in->transferLinkId, linked->id);
    QCOMPARE(in->transferDestAccountId, checking.id);

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

void TestImportService::qifScanUnmappedAndHeaderlessFiles()
{
    TestAppState app;
    const Account cash = app.addAccount("Cash");
    ImportService* service = app->importService();
    const QString headerless = importFixture("no-header-day-first.qif");
    const QStringList files { importFixture("checking.qif"), importFixture("investment.qif"),
        headerless, importFixture("missing.qif") };

    const QifScan scan = service->scanQifAccounts(files);
    QCOMPARE(scan.transactions, 5 + 2 + 2);
    QCOMPARE(Records::texts(scan.accounts, &QifAccountEntry::key),
        (QStringList { "Checking", "Brokerage", headerless }));
    QCOMPARE(scan.accounts.at(0).suggestedType, AccountType::Checking);
    QCOMPARE(scan.accounts.at(1).suggestedType, AccountType::Investment);
    QCOMPARE(scan.accounts.at(2).displayName, "no-header-day-first.qif (no account header)");
    QVERIFY(scan.accounts.at(2).withoutHeader);
    QCOMPARE(scan.fileErrors.size(), 1);

    const ImportResult result = service->importQif(files, { { headerless, cash.id } });
    QCOMPARE(counts(result), "imported 2 invalid 2 unsupported 2 withoutAccount 7");
    QCOMPARE(result.fileErrors.size(), 1);
    const QList<Transaction> stored = app->transactions()->findByAccount(cash.id);
    // Day-first dates, grouped decimal commas and Windows-1252 text.
    QCOMPARE(byPayee(stored, "Café Müller")->date, QDate(2023, 12, 25));
    QCOMPARE(byPayee(stored, "Café Müller")->amount, -123456);
    QCOMPARE(byPayee(stored, "Gehalt")->date, QDate(2024, 1, 3));
    QCOMPARE(byPayee(stored, "Gehalt")->amount, 100000);

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

QTEST_MAIN(TestImportService)
#include "tst_importservice.moc"
