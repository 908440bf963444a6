#include "app/AppState.h"
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
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

class TestStartup : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup() { qunsetenv("LEDGERINE_DATA_DIR"); }
    void createsMissingDataDirectoryAndOwnsTheStore();
    void currentAccountIsRememberedQuietly();
    void unusableDataDirectoryEndsWithExitCodeOne_data();
    void unusableDataDirectoryEndsWithExitCodeOne();

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
    QTest::newRow("data directory is a file") << "blocker"
                                              << "blocker";
    QTest::newRow("parent is a file") << "blocker/inside"
                                      << "blocker";
    QTest::newRow("database is not sqlite") << "data"
                                            << "data/ledgerine.db";
}

void TestStartup::unusableDataDirectoryEndsWithExitCodeOne()
{
    QFETCH(QString, dataDir);
    QFETCH(QString, blocker);
    QTemporaryDir tmp;
    dataDir = tmp.filePath(dataDir);
    blocker = tmp.filePath(blocker);
    const QByteArray original = QByteArray("just some text, not a database\n").repeated(200);
    QVERIFY(QDir().mkpath(QFileInfo(blocker).path()));
    QFile file(blocker);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(original) == original.size());
    file.close();

    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("LEDGERINE_DATA_DIR", dataDir);
    env.insert("LEDGERINE_TEST_DISMISS_BOXES", "1");
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("XDG_CONFIG_HOME", tmp.filePath("config"));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(LEDGERINE_EXECUTABLE), {});
    QVERIFY(process.waitForFinished(60000));
    const QString errors = QString::fromLocal8Bit(process.readAllStandardError());
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 1);
    QVERIFY2(errors.contains(QLatin1String("Database Error"))
            && errors.contains(
                QStringLiteral("Failed to initialize the database.\n\nData directory: %1\n\n"
                               "Please check file permissions and try again.")
                    .arg(dataDir)),
        qPrintable(errors));

    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), original);
    // Nothing is left beside a file that is not a database.
    QCOMPARE(QDir(QFileInfo(blocker).path()).entryList(QDir::Files),
        QStringList { QFileInfo(blocker).fileName() });
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
