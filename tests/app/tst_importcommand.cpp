#include "DamagedFiles.h"
#include "ImportFixtures.h"
#include "TestDatabase.h"
#include "app/ImportCommand.h"
#include "app/SingleInstance.h"
#include "data/AccountRepository.h"
#include "data/CsvProfileRepository.h"
#include "data/Database.h"
#include "services/import/CsvProfileService.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

class TestImportCommand : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void columnLists();
    void badArgumentsShowTheUsage_data();
    void badArgumentsShowTheUsage();
    void importsWithoutADisplayAndCountsAgain();
    void ofxStatementsGoToTheirAccounts();
    void refusedWhileTheProgramHasTheData();
    void damagedLedgerTakesNothing();

private:
    struct Outcome {
        int code = -1;
        QString out;
        QString err;
        // Ended with `c`, saying `text` on the error output.
        bool failed(int c, const QString& text) const { return code == c && err.contains(text); }
    };
    Outcome run(const QStringList& arguments);

    QTemporaryDir m_dir;
    QString m_data = QStringLiteral("data");
};

namespace {

QString line(int imported, int duplicates, int invalid, int unsupported, int withoutAccount,
    int linked, int retroactive)
{
    return QString::asprintf("imported %d, duplicates %d, invalid %d, unsupported %d, without "
                             "account %d, transfers linked %d, retroactive links %d, insert "
                             "failures 0, adjusted 0\n",
        imported, duplicates, invalid, unsupported, withoutAccount, linked, retroactive);
}

} // namespace

TestImportCommand::Outcome TestImportCommand::run(const QStringList& arguments)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("LEDGERINE_DATA_DIR", m_dir.filePath(m_data));
    env.insert("XDG_CONFIG_HOME", m_dir.filePath("config"));
    // No display and no platform chosen: the command must not need either.
    env.remove("QT_QPA_PLATFORM");
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(LEDGERINE_EXECUTABLE), arguments);
    if (!process.waitForFinished(120000))
        qFatal("the import command did not finish");
    return { process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
        QString::fromLocal8Bit(process.readAllStandardOutput()),
        QString::fromLocal8Bit(process.readAllStandardError()) };
}

void TestImportCommand::columnLists()
{
    CsvMapping mapping;
    QVERIFY(ImportCommand::parseColumns("Payee, -, date,amount,category", mapping));
    QCOMPARE((QList<int> { mapping.payeeColumn, mapping.dateColumn, mapping.amountColumn,
                 mapping.memoColumn, mapping.categoryColumn }),
        (QList<int> { 0, 2, 3, -1, 4 }));
    QVERIFY(!ImportCommand::parseColumns("date,payee", mapping));
    QVERIFY(!ImportCommand::parseColumns("date,payee,amount,date", mapping));
    QVERIFY(!ImportCommand::parseColumns("date,payee,amount,balance", mapping));

    char program[] = "ledgerine";
    char style[] = "-style";
    char fusion[] = "fusion";
    char longStyle[] = "--style=fusion";
    char import[] = "--import=a.csv";
    char* plain[] = { program, style, fusion, longStyle };
    char* scripted[] = { program, style, fusion, import };
    QVERIFY(!ImportCommand::isRequested(4, plain));
    QVERIFY(ImportCommand::isRequested(4, scripted));
}

void TestImportCommand::badArgumentsShowTheUsage_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("reason");
    QTest::newRow("nothing to import")
        << QStringList { "--account", "Checking" } << "Nothing to import: give --import FILE.";
    QTest::newRow("unknown option")
        << QStringList { "--imprt", "a.qif" } << "Unknown option 'imprt'.";
    QTest::newRow("csv without account")
        << QStringList { "--import", importFixture("bank-export.csv") }
        << "CSV files need --account NAME.";
    QTest::newRow("bad columns") << QStringList { "--import", "a.csv", "--account", "A",
        "--csv-columns", "date,amount" }
                                 << "--csv-columns names date, payee, amount";
}

void TestImportCommand::badArgumentsShowTheUsage()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, reason);
    const Outcome outcome = run(arguments);
    QCOMPARE(outcome.code, 2);
    QVERIFY2(outcome.err.contains(reason) && outcome.err.contains("--csv-columns <LIST>"),
        qPrintable(outcome.err));
    QVERIFY(outcome.out.isEmpty());
}

void TestImportCommand::importsWithoutADisplayAndCountsAgain()
{
    QVERIFY(run({ "--help" }).out.contains("--create-accounts"));
    const QStringList csv { "--import", importFixture("bank-export.csv"), "--account", "Everyday",
        "--csv-header", "--csv-columns", "date,payee,amount,memo,category" };
    // Without --create-accounts a missing account takes nothing, and a script hears why.
    Outcome outcome = run(csv);
    QCOMPARE(outcome.out, line(0, 0, 0, 0, 8, 0, 0));
    QVERIFY2(outcome.failed(1, "No account is named \"Everyday\""), qPrintable(outcome.err));
    outcome = run(csv + QStringList { "--create-accounts" });
    QCOMPARE(outcome.code, 0);
    QCOMPARE(outcome.out, line(4, 1, 3, 0, 0, 0, 0));

    // The file without account blocks goes to --account, the others by name.
    const QStringList qif { "--import", importFixture("checking.qif"), "--import",
        importFixture("savings.qif"), "--import", importFixture("no-header-day-first.qif"),
        "--account", "everyday", "--create-accounts" };
    outcome = run(qif);
    QCOMPARE(outcome.code, 0);
    QCOMPARE(outcome.out, line(9, 0, 2, 1, 0, 1, 0));
    outcome = run(qif);
    QCOMPARE(outcome.out, line(0, 9, 2, 1, 0, 0, 0));

    // The layout kept by the window reads the next file of the bank, or any
    // file with --profile.
    QTemporaryDir dir;
    const QByteArray bank("Datum;Naam;Bedrag;Af Bij\n05.03.2024;Bakker;3,50;Af\n");
    {
        Database db;
        QVERIFY(db.open(m_dir.filePath(m_data + "/ledgerine.db")) && db.runMigrations());
        CsvMapping m;
        m.directionColumn = 3;
        m.outValue = "Af";
        m.inValue = "Bij";
        m.decimalComma = true;
        m.hasHeaderRow = true;
        QString everyday;
        for (const Account& account : AccountRepository(&db).findAll())
            everyday = account.name == "Everyday" ? account.id : everyday;
        CsvProfileService profiles(new CsvProfileRepository(&db));
        QVERIFY(profiles.remember(everyday, bank, m, "ING"));
    }
    outcome = run({ "--import", writeFile(dir, "maart.csv", bank), "--account", "Everyday" });
    QCOMPARE(outcome.out, line(1, 0, 0, 0, 0, 0, 0));
    const QString other = writeFile(
        dir, "other.csv", "Datum;Naam;Bedrag;Af Bij;Saldo\n06.03.2024;Werk;100,00;Bij;1\n");
    outcome = run({ "--import", other, "--account", "Everyday", "--profile", "ing" });
    QCOMPARE(outcome.out, line(1, 0, 0, 0, 0, 0, 0));
    outcome = run({ "--import", other, "--account", "Everyday", "--profile", "Bank" });
    QVERIFY2(outcome.failed(2, "The account \"Everyday\" has no CSV profile named \"Bank\".\n"),
        qPrintable(outcome.err));
}

void TestImportCommand::ofxStatementsGoToTheirAccounts()
{
    m_data = QStringLiteral("ofx");
    const QString ofx = importFixture("two-statements.qfx");
    // Every file is read before any is stored.
    QTemporaryDir dir;
    const QString missing = dir.filePath("missing.qif");
    Outcome outcome = run({ "--import", ofx, "--import", missing, "--create-accounts" });
    QVERIFY2(outcome.failed(1, "Could not open " + missing), qPrintable(outcome.err));
    outcome = run({ "--import", ofx });
    QCOMPARE(outcome.out, line(0, 0, 0, 0, 3, 0, 0));
    QVERIFY2(outcome.failed(1, "No account is named \"Checking 6789\""), qPrintable(outcome.err));

    // A statement cut short stores nothing, not even the files before it.
    const QString cut = writeFile(dir, "cut.txt", DamagedFiles::bytes(ofx).left(900));
    outcome
        = run({ "--import", importFixture("checking.qif"), "--import", cut, "--create-accounts" });
    QVERIFY2(outcome.failed(1, "not a complete OFX file"), qPrintable(outcome.err));

    outcome = run({ "--import", ofx, "--create-accounts" });
    QCOMPARE(outcome.code, 0);
    QCOMPARE(outcome.out, line(3, 0, 0, 0, 0, 0, 0));
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "ofx");
    db.setDatabaseName(m_dir.filePath("ofx/ledgerine.db"));
    QVERIFY(db.open());
    QCOMPARE(queryColumn(db,
                 "SELECT name || '/' || account_type || '/' || currency || '/' || "
                 "statement_account_id FROM accounts ORDER BY name"),
        QStringList({ "Checking 6789/checking/USD/000123456789",
            "Credit Card 4444/credit_card/USD/4111222233334444" }));
    db.close();

    // The next download goes where the last one went, under any account name.
    outcome = run({ "--import", ofx });
    QCOMPARE(outcome.code, 0);
    QCOMPARE(outcome.out, line(0, 3, 0, 0, 0, 0, 0));
}

void TestImportCommand::refusedWhileTheProgramHasTheData()
{
    m_data = QStringLiteral("held");
    QVERIFY(QDir().mkpath(m_dir.filePath(m_data)));
    // This process stands in for a running window on the same data.
    QLockFile lock(SingleInstance::lockFilePath(m_dir.filePath(m_data)));
    QVERIFY(lock.tryLock(0));
    const QStringList args { "--import", importFixture("checking.qif"), "--create-accounts" };
    const Outcome refused = run(args);
    QVERIFY2(refused.failed(1, "close it before importing"), qPrintable(refused.err));
    lock.unlock();
    QCOMPARE(run(args).out, line(5, 0, 2, 1, 0, 0, 0));

    // Another program writing to the file: nothing stored, and the reason.
    QTemporaryDir dir;
    const QStringList more { "--import",
        writeFile(dir, "more.csv", "2024-05-01,Locked out,-1.00\n2024-05-02,Still locked,-2.00\n"),
        "--account", "Checking" };
    {
        QSqlDatabase other = QSqlDatabase::addDatabase("QSQLITE", "other-writer");
        other.setDatabaseName(m_dir.filePath(m_data + "/ledgerine.db"));
        QVERIFY(other.open());
        QVERIFY(QSqlQuery(other).exec("BEGIN IMMEDIATE"));
        const Outcome locked = run(more);
        QVERIFY(QSqlQuery(other).exec("ROLLBACK"));
        other.close();
        QVERIFY2(locked.failed(
                     1, "Nothing was imported: another program is writing to the ledger file."),
            qPrintable(locked.err));
    }
    QSqlDatabase::removeDatabase("other-writer");
    QCOMPARE(run(more).out, line(2, 0, 0, 0, 0, 0, 0));
}

void TestImportCommand::damagedLedgerTakesNothing()
{
    m_data = QStringLiteral("damaged");
    const QStringList args { "--import", importFixture("checking.qif"), "--create-accounts" };
    QCOMPARE(run(args).code, 0);
    // An index page no start reads: only the check finds it.
    const QString path = m_dir.filePath(m_data) + "/ledgerine.db";
    QVERIFY(DamagedFiles::overwriteLeafPage(path, "idx_transactions_sync_status"));
    const QByteArray before = DamagedFiles::bytes(path);
    const Outcome outcome = run({ "--import", importFixture("savings.qif"), "--create-accounts" });
    QVERIFY2(outcome.failed(1, "The ledger file is damaged (")
            && outcome.err.contains("Restore a backup from File › Import Backup"),
        qPrintable(outcome.err));
    QVERIFY(outcome.out.isEmpty());
    QCOMPARE(DamagedFiles::bytes(path), before);
}

QTEST_GUILESS_MAIN(TestImportCommand)
#include "tst_importcommand.moc"
