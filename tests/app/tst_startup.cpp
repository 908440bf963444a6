#include "DamagedFiles.h"
#include "ImportFixtures.h"
#include "TestDatabase.h"
#include "app/AppState.h"
#include "app/DisplaySettings.h"
#include "app/ImportCommand.h"
#include "app/SingleInstance.h"
#include "app/ThemeColors.h"
#include "app/ThemeManager.h"
#include "data/AccountRepository.h"
#include "data/CategoryRepository.h"
#include "data/CsvProfileRepository.h"
#include "data/Database.h"
#include "data/PreferencesRepository.h"
#include "data/ReconciliationRepository.h"
#include "data/RecurringRepository.h"
#include "data/SplitLineRepository.h"
#include "data/TransactionRepository.h"
#include "services/CategoryService.h"
#include "services/import/CsvProfileService.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLocalSocket>
#include <QLockFile>
#include <QProcess>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QStyleOption>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The program on `dataDir` with `arguments`, its settings under `scratch`. The
// window answers its boxes on stderr; the import command gets no display and
// no platform, as it must need neither.
void startProgram(QProcess& process, const QString& dataDir, const QTemporaryDir& scratch,
    const QStringList& arguments = {})
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("LEDGERINE_DATA_DIR", dataDir);
    env.insert("XDG_CONFIG_HOME", scratch.filePath("config"));
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    env.remove("QT_QPA_PLATFORM");
    if (arguments.isEmpty()) {
        env.insert("LEDGERINE_TEST_DISMISS_BOXES", "1");
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("LEDGERINE_VERBOSE", "1");
    }
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(LEDGERINE_EXECUTABLE), arguments);
}

// True once a program answers on the socket of `dataDir`.
bool listening(const QString& dataDir)
{
    for (int attempt = 0; attempt < 300; ++attempt) {
        QLocalSocket socket;
        socket.connectToServer(SingleInstance::serverName(dataDir));
        if (socket.waitForConnected(100))
            return true;
        QTest::qWait(100);
    }
    return false;
}

QString line(int imported, int duplicates, int invalid, int unsupported, int withoutAccount,
    int linked, int retroactive)
{
    return QString::asprintf("imported %d, duplicates %d, invalid %d, unsupported %d, without "
                             "account %d, transfers linked %d, retroactive links %d, insert "
                             "failures 0, adjusted 0\n",
        imported, duplicates, invalid, unsupported, withoutAccount, linked, retroactive);
}

// The contrast ratio of two colours as the web's accessibility guidelines define it.
double contrast(const QColor& a, const QColor& b)
{
    const auto luminance = [](const QColor& c) {
        const auto channel = [](double v) {
            return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF())
            + 0.0722 * channel(c.blueF());
    };
    const double x = luminance(a);
    const double y = luminance(b);
    return (std::max(x, y) + 0.05) / (std::min(x, y) + 0.05);
}

} // namespace

class TestStartup : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup() { qunsetenv("LEDGERINE_DATA_DIR"); }
    void createsMissingDataDirectoryAndOwnsTheStore();
    void unusableDataDirectoryEndsWithExitCodeOne_data();
    void unusableDataDirectoryEndsWithExitCodeOne();
    void oneProgramPerDataDirectory();
    void badArgumentsShowTheUsage_data();
    void badArgumentsShowTheUsage();
    void importsWithoutADisplayAndCountsAgain();
    void ofxStatementsGoToTheirAccounts();
    void refusedWhileTheProgramHasTheData();
    void scaleAndThemeAreStored();
    void paletteContrast_data();
    void paletteContrast();
    void uncheckedIndicatorsStandOut_data();
    void uncheckedIndicatorsStandOut();

private:
    struct Outcome {
        int code = -1;
        QString out;
        QString err;
        // Ended with `c`, saying `text` on the error output.
        bool failed(int c, const QString& text) const { return code == c && err.contains(text); }
    };
    // The import command run on the data in `m_data`.
    Outcome run(const QStringList& arguments);

    QTemporaryDir m_tmp;
    QFont m_startFont = QApplication::font();
    QString m_data = QStringLiteral("data");
};

void TestStartup::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName("Mellowind");
    QCoreApplication::setApplicationName("Ledgerine");
}

void TestStartup::createsMissingDataDirectoryAndOwnsTheStore()
{
    const QString dir = m_tmp.filePath("not/yet/there");
    qputenv("LEDGERINE_DATA_DIR", dir.toUtf8());
    {
        AppState state;
        QVERIFY(!state.transactions() && !state.categoryService());
        QSignalSpy ready(&state, &AppState::databaseReady);
        QVERIFY(state.initialize());
        QCOMPARE(ready.count(), 1);
        QVERIFY(QFile::exists(dir + "/ledgerine.db"));
        // Everything is created after the database and owned by the state.
        const qsizetype database = state.children().indexOf(state.database());
        for (QObject* object : QList<QObject*> { state.accounts(), state.transactions(),
                 state.categories(), state.preferences(), state.splitLines(), state.recurring(),
                 state.reconciliations(), state.categoryService() }) {
            QVERIFY(object);
            QVERIFY(state.children().indexOf(object) > database);
        }
        QCOMPARE(state.categories()->count(), 56);
        // The account viewed is stored once; the same one again changes nothing.
        QVERIFY(state.currentAccountId().isEmpty());
        QSignalSpy changed(&state, &AppState::currentAccountChanged);
        QSignalSpy prefs(state.preferences(), &PreferencesRepository::changed);
        state.setCurrentAccountId("acct-1");
        state.setCurrentAccountId("acct-1");
        QCOMPARE(QList<QVariantList>(changed), QList<QVariantList>({ { "acct-1" } }));
        QCOMPARE(prefs.count(), 1);
    }
    // The next start seeds nothing twice and comes back to the account quietly.
    AppState again;
    QSignalSpy changed(&again, &AppState::currentAccountChanged);
    QVERIFY(again.initialize());
    QCOMPARE(again.categories()->count(), 56);
    QCOMPARE(std::tuple(again.currentAccountId(), changed.count()),
        std::tuple(QString("acct-1"), qsizetype(0)));

    // Display choices come back at the next start.
    const Qt::DayOfWeek localeStart = DisplaySettings::weekStartDay();
    const auto store = [](const char* key, const char* value) {
        AppState state;
        return state.initialize()
            && state.preferences()->set(QLatin1String(key), QLatin1String(value));
    };
    // Values that make no sense leave the defaults.
    QVERIFY(store("theme", "dark") && store("weekStartDay", "9") && store("fontScale", "200"));
    {
        AppState state;
        QVERIFY(state.initialize() && ThemeColors::isDark());
        QCOMPARE(std::tuple(DisplaySettings::fontScale(), DisplaySettings::weekStartDay()),
            std::tuple(160, localeStart));
    }
    QVERIFY(store("fontScale", "abc") && store("weekStartDay", "3"));
    AppState last;
    QVERIFY(last.initialize());
    QCOMPARE(std::tuple(DisplaySettings::fontScale(), DisplaySettings::weekStartDay()),
        std::tuple(100, Qt::Wednesday));
}

void TestStartup::unusableDataDirectoryEndsWithExitCodeOne_data()
{
    QTest::addColumn<QString>("dataDir"); // under the temporary directory
    QTest::addColumn<QString>("blocker"); // a file there that must stay as it is
    // Statements that make the blocker a database; none for a file of `text`.
    QTest::addColumn<QStringList>("statements");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("reason"); // under the general sentence
    const QString permissions = "Please check file permissions and try again.";
    const QByteArray text = QByteArray("just some text, not a database\n").repeated(200);
    const auto damaged = [](const char* why) {
        return QString("The ledger file is damaged (%1). Restore a backup from File › Import "
                       "Backup, or open it with an SQLite tool.")
            .arg(why);
    };
    const auto row
        = [](const char* name, const char* dataDir, const char* blocker,
              const QStringList& statements, const QByteArray& text, const QString& reason) {
              QTest::newRow(name) << dataDir << blocker << statements << text << reason;
          };
    row("data directory is a file", "blocker", "blocker", {}, text, permissions);
    const char* db = "data/ledgerine.db";
    row("database is not sqlite", "data", db, {}, text, damaged("file is not a database"));
    row("database of zero bytes", "data", db, {}, {}, damaged("the file is empty"));
    row("no schema_version", "data", db,
        { "PRAGMA journal_mode=DELETE", "DROP TABLE schema_version" }, {},
        "Required tables are missing: schema_version.");
    const int newer = Database::latestVersion() + 1;
    row("newer schema", "data", db,
        { QString("INSERT INTO schema_version (version, name) VALUES (%1, 'next')").arg(newer) },
        {},
        QString("This data was made by a newer version of Mellowind Ledgerine (data version %1). "
                "This version understands data up to version %2.")
            .arg(newer)
            .arg(newer - 1));
}

void TestStartup::unusableDataDirectoryEndsWithExitCodeOne()
{
    QFETCH(QString, dataDir);
    QFETCH(QString, blocker);
    QFETCH(QStringList, statements);
    QFETCH(QByteArray, text);
    QFETCH(QString, reason);
    QTemporaryDir tmp;
    dataDir = tmp.filePath(dataDir);
    blocker = tmp.filePath(blocker);
    QVERIFY(QDir().mkpath(QFileInfo(blocker).path()));
    if (statements.isEmpty()) {
        writeFile(blocker, text);
    } else {
        Database db;
        QVERIFY(db.open(blocker) && db.runMigrations());
        for (const QString& sql : statements)
            QVERIFY(QSqlQuery(db.database()).exec(sql));
    }
    const QByteArray original = DamagedFiles::bytes(blocker);

    QProcess process;
    startProgram(process, dataDir, tmp);
    QVERIFY(process.waitForFinished(60000));
    const QString errors = QString::fromLocal8Bit(process.readAllStandardError());
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 1);
    QVERIFY2(errors.contains(QLatin1String("Database Error"))
            && errors.contains(
                QStringLiteral("Failed to initialize the database.\n\nData directory: %1\n\n%2")
                    .arg(dataDir, reason)),
        qPrintable(errors));

    QCOMPARE(DamagedFiles::bytes(blocker), original);
    // Nothing is left beside a file that is not a database.
    QCOMPARE(QDir(QFileInfo(blocker).path()).entryList(QDir::Files),
        QStringList { QFileInfo(blocker).fileName() });
}

void TestStartup::oneProgramPerDataDirectory()
{
    QTemporaryDir tmp;
    const QString dataDir = tmp.filePath("data");
    QProcess first;
    startProgram(first, dataDir, tmp);
    QVERIFY(listening(dataDir));

    // A second start hands over to the first and leaves.
    QProcess second;
    startProgram(second, dataDir, tmp);
    QVERIFY(second.waitForFinished(30000));
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);
    QString log;
    QTRY_VERIFY_WITH_TIMEOUT((log += QString::fromLocal8Bit(first.readAllStandardError()))
                                 .contains("Another start asked for the window"),
        10000);
    QCOMPARE(first.state(), QProcess::Running);

    // Killed outright, the first leaves its lock behind; the next start takes
    // it over, also when its process number now belongs to a program running
    // on other data.
    first.kill();
    QVERIFY(first.waitForFinished(10000));
    const QString lockPath = SingleInstance::lockFilePath(dataDir);
    QVERIFY(QFile::exists(lockPath));
    QProcess other;
    const QString otherDir = tmp.filePath("other");
    startProgram(other, otherDir, tmp);
    QVERIFY(listening(otherDir));
    QByteArray held = DamagedFiles::bytes(lockPath);
    held.replace(0, held.indexOf('\n'), QByteArray::number(other.processId()));
    writeFile(lockPath, held);
    QProcess third;
    startProgram(third, dataDir, tmp);
    QVERIFY(listening(dataDir));
    QCOMPARE(third.state(), QProcess::Running);
    QProcess fourth;
    startProgram(fourth, dataDir, tmp);
    QVERIFY(fourth.waitForFinished(30000));
    QCOMPARE(fourth.exitCode(), 0);
    QCOMPARE(third.state(), QProcess::Running);
    third.kill();
    QVERIFY(third.waitForFinished(10000));
    other.kill();
    QVERIFY(other.waitForFinished(10000));
}

TestStartup::Outcome TestStartup::run(const QStringList& arguments)
{
    QProcess process;
    startProgram(process, m_tmp.filePath(m_data), m_tmp, arguments);
    if (!process.waitForFinished(120000))
        qFatal("the import command did not finish");
    return { process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
        QString::fromLocal8Bit(process.readAllStandardOutput()),
        QString::fromLocal8Bit(process.readAllStandardError()) };
}

void TestStartup::badArgumentsShowTheUsage_data()
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

void TestStartup::badArgumentsShowTheUsage()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, reason);
    const Outcome outcome = run(arguments);
    QCOMPARE(outcome.code, 2);
    QVERIFY2(outcome.err.contains(reason) && outcome.err.contains("--csv-columns <LIST>"),
        qPrintable(outcome.err));
    QVERIFY(outcome.out.isEmpty());
}

void TestStartup::importsWithoutADisplayAndCountsAgain()
{
    // Column lists name each column once, date, payee and an amount among them.
    CsvMapping mapping;
    QVERIFY(ImportCommand::parseColumns("Payee, -, date,amount,category", mapping));
    QCOMPARE((QList<int> { mapping.payeeColumn, mapping.dateColumn, mapping.amountColumn,
                 mapping.memoColumn, mapping.categoryColumn }),
        (QList<int> { 0, 2, 3, -1, 4 }));
    QVERIFY(!ImportCommand::parseColumns("date,payee", mapping));
    QVERIFY(!ImportCommand::parseColumns("date,payee,amount,date", mapping));
    QVERIFY(!ImportCommand::parseColumns("date,payee,amount,balance", mapping));

    // Qt's own options, with their values, are no command.
    const auto requested = [](QByteArrayList arguments) {
        QList<char*> argv;
        for (QByteArray& argument : arguments)
            argv << argument.data();
        return ImportCommand::isRequested(int(argv.size()), argv.data());
    };
    QVERIFY(!requested({ "ledgerine", "-style", "fusion", "--style=fusion" }));
    QVERIFY(requested({ "ledgerine", "-style", "fusion", "--import=a.csv" }));

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
        QVERIFY(db.open(m_tmp.filePath(m_data + "/ledgerine.db")) && db.runMigrations());
        CsvMapping m;
        std::tie(m.directionColumn, m.outValue, m.inValue, m.decimalComma, m.hasHeaderRow)
            = std::tuple(3, "Af", "Bij", true, true);
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

void TestStartup::ofxStatementsGoToTheirAccounts()
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
    db.setDatabaseName(m_tmp.filePath("ofx/ledgerine.db"));
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

    // Damage on an index page no start reads: only the check finds it, and
    // the file is left as it is.
    const QString path = m_tmp.filePath(m_data) + "/ledgerine.db";
    QVERIFY(DamagedFiles::overwriteLeafPage(path, "idx_transactions_sync_status"));
    const QByteArray before = DamagedFiles::bytes(path);
    outcome = run({ "--import", importFixture("savings.qif"), "--create-accounts" });
    QVERIFY2(outcome.failed(1, "The ledger file is damaged (")
            && outcome.err.contains("Restore a backup from File › Import Backup"),
        qPrintable(outcome.err));
    QVERIFY(outcome.out.isEmpty());
    QCOMPARE(DamagedFiles::bytes(path), before);
}

void TestStartup::refusedWhileTheProgramHasTheData()
{
    m_data = QStringLiteral("held");
    const QString dataDir = m_tmp.filePath(m_data);
    QVERIFY(QDir().mkpath(dataDir));
    // This process stands in for a running program on the same data that
    // never answers: a window ends with code 1, an import is refused.
    QLockFile lock(SingleInstance::lockFilePath(dataDir));
    QVERIFY(lock.tryLock(0));
    QProcess window;
    startProgram(window, dataDir, m_tmp);
    QVERIFY(window.waitForFinished(60000));
    const QString errors = QString::fromLocal8Bit(window.readAllStandardError());
    QVERIFY2(window.exitCode() == 1
            && errors.contains(
                QString("Mellowind Ledgerine is already running with this data (%1).")
                    .arg(dataDir)),
        qPrintable(errors));
    const QStringList args { "--import", importFixture("checking.qif"), "--create-accounts" };
    const Outcome refused = run(args);
    QVERIFY2(refused.failed(1, "close it before importing"), qPrintable(refused.err));
    QVERIFY(!QFile::exists(dataDir + "/ledgerine.db"));
    lock.unlock();
    QCOMPARE(run(args).out, line(5, 0, 2, 1, 0, 0, 0));

    // Another program writing to the file: nothing stored, and the reason.
    QTemporaryDir dir;
    const QStringList more { "--import",
        writeFile(dir, "more.csv", "2024-05-01,Locked out,-1.00\n2024-05-02,Still locked,-2.00\n"),
        "--account", "Checking" };
    {
        QSqlDatabase other = QSqlDatabase::addDatabase("QSQLITE", "other-writer");
        other.setDatabaseName(dataDir + "/ledgerine.db");
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

void TestStartup::init()
{
    QFont base = m_startFont;
    base.setPointSize(10);
    DisplaySettings::setBaseFont(base);
    DisplaySettings::setFontScale(100);
}

void TestStartup::scaleAndThemeAreStored()
{
    // Points and weight of a role over a base font and scale.
    const auto font = [this](int basePoints, int scale, int role) {
        QFont base = m_startFont;
        if (basePoints > 0)
            base.setPointSize(basePoints);
        else
            base.setPixelSize(-basePoints);
        DisplaySettings::setBaseFont(base);
        DisplaySettings::setFontScale(scale);
        const QFont f = ThemeManager::fontForRole(role);
        return QList<int> { f.pointSize(), int(f.weight()) };
    };
    QCOMPARE(font(10, 100, ThemeManager::Display), QList<int>({ 24, 700 }));
    QCOMPARE(font(10, 100, 42), QList<int>({ 10, QFont::Normal })); // an unknown role is body
    QCOMPARE(font(9, 85, ThemeManager::Small), QList<int>({ 7, QFont::Normal }));
    // A base font sized in pixels counts as ten points.
    QCOMPARE(font(-20, 150, ThemeManager::Heading), QList<int>({ 19, 600 }));

    init(); // 10 points at 100% again
    TestDatabase test;
    PreferencesRepository prefs(test.db());
    ThemeManager theme(&prefs);
    QLabel memo;
    memo.setProperty("mellFontItalic", true);
    memo.setProperty("mellFontWeight", 700);
    ThemeManager::setFontRole(&memo, ThemeManager::Small);

    // Role widgets keep their italic and weight through a change of scale.
    theme.setFontScale(150);
    QCOMPARE(memo.font().pointSize(), 13);
    QVERIFY(memo.font().italic() && memo.font().weight() == 700);
    theme.setFontScale(200);
    QCOMPARE(prefs.value("fontScale"), "160");
    QCOMPARE(QApplication::font().pointSize(), 16);
    theme.setFontScale(10);
    QCOMPARE(QApplication::font().pointSize(), 7);
    // Round trips start from the base font each time.
    theme.setFontScale(100);
    QCOMPARE(QList<int>({ QApplication::font().pointSize(), memo.font().pointSize() }),
        QList<int>({ 10, 8 }));

    const auto window = [] {
        return QApplication::palette().color(QPalette::Window).name(QColor::HexRgb).toUpper();
    };
    theme.setTheme("dark");
    QCOMPARE(window(), "#0F1E19");
    // Names are compared exactly; the offscreen platform reports no scheme, so light.
    theme.setTheme("Dark");
    QCOMPARE(theme.theme(), ThemeManager::System);
    QCOMPARE(prefs.value("theme"), "system");
    QCOMPARE(window(), "#FAFBFA");
}

void TestStartup::paletteContrast_data()
{
    QTest::addColumn<QColor>("foreground");
    QTest::addColumn<QColor>("background");
    QTest::addColumn<double>("minimum");
    using R = QPalette::ColorRole;
    // Text needs 4.5:1 against what it is drawn on, the edge of a control 3:1.
    const QList<std::tuple<const char*, R, R>> texts {
        { "window text", R::WindowText, R::Window },
        { "text", R::Text, R::Base },
        { "text, alternate rows", R::Text, R::AlternateBase },
        { "link in a field", R::Link, R::Base },
        { "link on the window", R::Link, R::Window },
        { "visited link", R::LinkVisited, R::Base },
    };
    for (const bool dark : { false, true }) {
        const QPalette palette = ThemeManager::palette(dark);
        const char* name = dark ? "dark" : "light";
        for (const auto& [what, text, ground] : texts)
            QTest::addRow("%s %s", name, what)
                << palette.color(text) << palette.color(ground) << 4.5;
        for (const auto& [where, ground] :
            QList<std::pair<const char*, R>> { { "window", R::Window }, { "field", R::Base },
                { "alternate row", R::AlternateBase } })
            QTest::addRow("%s control edge on the %s", name, where)
                << ThemeManager::controlEdge(palette) << palette.color(ground) << 3.0;
    }
}

void TestStartup::paletteContrast()
{
    QFETCH(QColor, foreground);
    QFETCH(QColor, background);
    QFETCH(double, minimum);
    QVERIFY2(contrast(foreground, background) >= minimum,
        qPrintable(QStringLiteral("%1 on %2: %3")
                       .arg(foreground.name(), background.name())
                       .arg(contrast(foreground, background), 0, 'f', 2)));
}

void TestStartup::uncheckedIndicatorsStandOut_data()
{
    // The dark palette is where they faded into the window.
    QTest::addColumn<bool>("radio");
    QTest::newRow("check box") << false;
    QTest::newRow("radio button") << true;
}

void TestStartup::uncheckedIndicatorsStandOut()
{
    QFETCH(bool, radio);
    ThemeManager manager(nullptr);
    manager.setTheme("dark");
    std::unique_ptr<QAbstractButton> button;
    if (radio)
        button = std::make_unique<QRadioButton>(QStringLiteral("Cleared only"));
    else
        button = std::make_unique<QCheckBox>(QStringLiteral("Cleared only"));
    button->resize(button->sizeHint());
    const QImage image = button->grab().toImage();
    QStyleOptionButton option;
    option.initFrom(button.get());
    const QRect indicator = button->style()->subElementRect(
        radio ? QStyle::SE_RadioButtonIndicator : QStyle::SE_CheckBoxIndicator, &option,
        button.get());
    QVERIFY(!indicator.isEmpty());
    // The strongest pixel of the box against the window around it.
    const QColor window = QApplication::palette().color(QPalette::Window);
    double strongest = 0;
    for (int y = indicator.top(); y <= indicator.bottom(); ++y) {
        for (int x = indicator.left(); x <= indicator.right(); ++x)
            strongest = std::max(strongest, contrast(image.pixelColor(x, y), window));
    }
    QVERIFY2(strongest >= 3.0, qPrintable(QString::number(strongest, 'f', 2)));
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
