#include "DamagedFiles.h"
#include "TestDatabase.h"
#include "app/AppState.h"
#include "app/SingleInstance.h"
#include "data/AccountRepository.h"
#include "data/CategoryRepository.h"
#include "data/Database.h"
#include "data/PreferencesRepository.h"
#include "data/ReconciliationRepository.h"
#include "data/RecurringRepository.h"
#include "data/SplitLineRepository.h"
#include "data/TransactionRepository.h"
#include "services/CategoryService.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QLockFile>
#include <QProcess>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The program on `dataDir`, its settings under `scratch`, boxes answered on stderr.
void startProgram(
    QProcess& process, const QString& dataDir, const QTemporaryDir& scratch, bool verbose = false)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("LEDGERINE_DATA_DIR", dataDir);
    env.insert("LEDGERINE_TEST_DISMISS_BOXES", "1");
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("XDG_CONFIG_HOME", scratch.filePath("config"));
    if (verbose)
        env.insert("LEDGERINE_VERBOSE", "1");
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(LEDGERINE_EXECUTABLE), {});
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

} // namespace

class TestStartup : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup() { qunsetenv("LEDGERINE_DATA_DIR"); }
    void createsMissingDataDirectoryAndOwnsTheStore();
    void currentAccountIsRememberedQuietly();
    void unusableDataDirectoryEndsWithExitCodeOne_data();
    void unusableDataDirectoryEndsWithExitCodeOne();
    void oneProgramPerDataDirectory();
    void heldLockWithoutAnswerEndsWithExitCodeOne();

private:
    QTemporaryDir m_tmp;
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
    }
    AppState again;
    QVERIFY(again.initialize());
    QCOMPARE(again.categories()->count(), 56);
}

void TestStartup::currentAccountIsRememberedQuietly()
{
    qputenv("LEDGERINE_DATA_DIR", m_tmp.filePath("remember").toUtf8());
    {
        AppState state;
        QVERIFY(state.initialize());
        QVERIFY(state.currentAccountId().isEmpty());
        QSignalSpy changed(&state, &AppState::currentAccountChanged);
        QSignalSpy prefs(state.preferences(), &PreferencesRepository::changed);
        state.setCurrentAccountId("acct-1");
        state.setCurrentAccountId("acct-1");
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.first().first().toString(), "acct-1");
        QCOMPARE(prefs.count(), 1);
    }
    AppState again;
    QSignalSpy changed(&again, &AppState::currentAccountChanged);
    QVERIFY(again.initialize());
    QCOMPARE(again.currentAccountId(), "acct-1");
    QCOMPARE(changed.count(), 0);
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
    startProgram(first, dataDir, tmp, true);
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

void TestStartup::heldLockWithoutAnswerEndsWithExitCodeOne()
{
    QTemporaryDir tmp;
    const QString dataDir = tmp.filePath("data");
    QVERIFY(QDir().mkpath(dataDir));
    // Held by a live process that never answers: this test.
    QLockFile lock(SingleInstance::lockFilePath(dataDir));
    QVERIFY(lock.tryLock(0));

    QProcess process;
    startProgram(process, dataDir, tmp);
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitCode(), 1);
    const QString errors = QString::fromLocal8Bit(process.readAllStandardError());
    QVERIFY2(
        errors.contains(
            QString("Mellowind Ledgerine is already running with this data (%1).").arg(dataDir)),
        qPrintable(errors));
    QVERIFY(!QFile::exists(dataDir + "/ledgerine.db"));
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
