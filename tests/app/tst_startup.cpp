#include "app/AppState.h"
#include "app/Application.h"
#include "data/AccountRepository.h"
#include "data/CategoryRepository.h"
#include "data/Database.h"
#include "data/PreferencesRepository.h"
#include "data/ReconciliationRepository.h"
#include "data/RecurringRepository.h"
#include "data/SplitLineRepository.h"
#include "data/TransactionRepository.h"
#include "services/CategoryService.h"

#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

class TestStartup : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void createsMissingDataDirectory();
    void currentAccountIsRememberedQuietly();
    void ownsTheStoreAndSeedsDefaultCategories();
    void languageResolution();
    void unusableDataDirectoryEndsWithExitCodeOne_data();
    void unusableDataDirectoryEndsWithExitCodeOne();

private:
    QTemporaryDir m_tmp;
};

void TestStartup::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("Mellowind"));
    QCoreApplication::setApplicationName(QStringLiteral("Ledgerine"));
}

void TestStartup::createsMissingDataDirectory()
{
    const QString dir = m_tmp.filePath(QStringLiteral("not/yet/there"));
    qputenv("LEDGERINE_DATA_DIR", dir.toUtf8());
    AppState state;
    QSignalSpy ready(&state, &AppState::databaseReady);
    QVERIFY(state.initialize());
    QCOMPARE(ready.count(), 1);
    QVERIFY(QFile::exists(dir + QStringLiteral("/ledgerine.db")));
    QVERIFY(state.accounts());
    QVERIFY(state.preferences());

    QSqlQuery q(state.database()->database());
    QVERIFY(q.exec(QStringLiteral("SELECT version, name FROM schema_version ORDER BY version")));
    QStringList rows;
    while (q.next())
        rows << q.value(0).toString() + QLatin1Char(':') + q.value(1).toString();
    QCOMPARE(rows,
        QStringList({ QStringLiteral("1:initial"), QStringLiteral("2:recon_sync"),
            QStringLiteral("3:payee_index"), QStringLiteral("4:balance_index") }));
    QVERIFY(q.exec(QStringLiteral("PRAGMA journal_mode")) && q.next());
    QCOMPARE(q.value(0).toString(), QStringLiteral("wal"));
    qunsetenv("LEDGERINE_DATA_DIR");
}

void TestStartup::currentAccountIsRememberedQuietly()
{
    const QString dir = m_tmp.filePath(QStringLiteral("remember"));
    qputenv("LEDGERINE_DATA_DIR", dir.toUtf8());
    {
        AppState state;
        QVERIFY(state.initialize());
        QVERIFY(state.currentAccountId().isEmpty());
        QSignalSpy changed(&state, &AppState::currentAccountChanged);
        QSignalSpy prefs(state.preferences(), &PreferencesRepository::changed);

        state.setCurrentAccountId(QStringLiteral("acct-1"));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.first().first().toString(), QStringLiteral("acct-1"));
        QCOMPARE(prefs.count(), 1);

        state.setCurrentAccountId(QStringLiteral("acct-1"));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(prefs.count(), 1);
    }
    AppState again;
    QSignalSpy changed(&again, &AppState::currentAccountChanged);
    QVERIFY(again.initialize());
    QCOMPARE(again.currentAccountId(), QStringLiteral("acct-1"));
    QCOMPARE(changed.count(), 0);
    qunsetenv("LEDGERINE_DATA_DIR");
}

void TestStartup::ownsTheStoreAndSeedsDefaultCategories()
{
    const QString dir = m_tmp.filePath(QStringLiteral("store"));
    qputenv("LEDGERINE_DATA_DIR", dir.toUtf8());
    QString housingName;
    {
        AppState state;
        QVERIFY(!state.transactions() && !state.categoryService());
        QVERIFY(state.initialize());
        const QList<QObject*> owned = { state.accounts(), state.transactions(), state.categories(),
            state.preferences(), state.splitLines(), state.recurring(), state.reconciliations(),
            state.categoryService() };
        qsizetype previous = -1;
        for (QObject* object : owned) {
            QVERIFY(object);
            QCOMPARE(object->parent(), &state);
            // Created in this order, after the database.
            const qsizetype index = state.children().indexOf(object);
            QVERIFY(index > state.children().indexOf(state.database()));
            QVERIFY(index > previous);
            previous = index;
        }
        QCOMPARE(state.categories()->count(), 56);
        housingName = state.categories()
                          ->findById(QStringLiteral("a3be4c14-fe7e-514c-b45e-22f112551974"))
                          ->name;
    }
    AppState again;
    QVERIFY(again.initialize());
    QSqlQuery q(again.database()->database());
    QVERIFY(q.exec(QStringLiteral("SELECT COUNT(*) FROM categories")) && q.next());
    QCOMPARE(q.value(0).toInt(), 56);
    QCOMPARE(housingName, QStringLiteral("Housing"));
    qunsetenv("LEDGERINE_DATA_DIR");
}

void TestStartup::languageResolution()
{
    QSettings settings;
    settings.remove(QStringLiteral("ui/language"));
    QCOMPARE(Application::resolveLanguage(false), QStringLiteral("system"));
    // The suite runs in the C locale, which is none of the catalogues.
    QCOMPARE(Application::resolveLanguage(true), QStringLiteral("en"));
    Application::setLanguage(QStringLiteral("ja"));
    QCOMPARE(Application::resolveLanguage(true), QStringLiteral("ja"));
    QCOMPARE(Application::resolveLanguage(false), QStringLiteral("ja"));
    QCOMPARE(Application::supportedLanguages(),
        QStringList({ QStringLiteral("en"), QStringLiteral("es"), QStringLiteral("de"),
            QStringLiteral("fr"), QStringLiteral("ja") }));
    settings.remove(QStringLiteral("ui/language"));
}

void TestStartup::unusableDataDirectoryEndsWithExitCodeOne_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("data directory is a file") << "file";
    QTest::newRow("parent is a file") << "under-file";
    QTest::newRow("database is not sqlite") << "not-sqlite";
}

void TestStartup::unusableDataDirectoryEndsWithExitCodeOne()
{
    QFETCH(QString, kind);
    QTemporaryDir tmp;
    const QString blocker = tmp.filePath(QStringLiteral("blocker"));
    QString dataDir = blocker;
    QByteArray original("just some text, not a database\n");
    if (kind == QLatin1String("not-sqlite")) {
        dataDir = tmp.filePath(QStringLiteral("data"));
        QVERIFY(QDir().mkpath(dataDir));
        QFile db(dataDir + QStringLiteral("/ledgerine.db"));
        QVERIFY(db.open(QIODevice::WriteOnly));
        db.write(original.repeated(200));
        original = original.repeated(200);
    } else {
        QFile file(blocker);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(original);
        if (kind == QLatin1String("under-file"))
            dataDir = blocker + QStringLiteral("/inside");
    }

    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LEDGERINE_DATA_DIR"), dataDir);
    env.insert(QStringLiteral("LEDGERINE_TEST_DISMISS_BOXES"), QStringLiteral("1"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), tmp.filePath(QStringLiteral("config")));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(LEDGERINE_EXECUTABLE), {});
    QVERIFY(process.waitForFinished(60000));
    const QString errors = QString::fromLocal8Bit(process.readAllStandardError());
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 1);
    QVERIFY2(errors.contains(QLatin1String("Database Error")), qPrintable(errors));
    QVERIFY2(errors.contains(QStringLiteral("Failed to initialize the database.\n\nData directory: "
                                            "%1\n\nPlease check file permissions and try again.")
                                 .arg(dataDir)),
        qPrintable(errors));

    const QString file
        = kind == QLatin1String("not-sqlite") ? dataDir + QStringLiteral("/ledgerine.db") : blocker;
    QFile check(file);
    QVERIFY(check.open(QIODevice::ReadOnly));
    QCOMPARE(check.readAll(), original);
    if (kind == QLatin1String("not-sqlite")) {
        QCOMPARE(
            QDir(dataDir).entryList(QDir::Files), QStringList { QStringLiteral("ledgerine.db") });
    }
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
