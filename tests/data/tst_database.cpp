#include "DamagedFiles.h"
#include "ReadOnlyFolder.h"
#include "Records.h"
#include "TestDatabase.h"
#include "data/AccountRepository.h"
#include "data/Database.h"
#include "data/FilePrivacy.h"

#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTest>

#include <sys/stat.h>

namespace {

using DamagedFiles::bytes;

// A migrated database at `path`, changed by `statements` and closed again.
bool prepare(const QString& path, const QStringList& statements)
{
    Database db;
    if (!db.open(path) || !db.runMigrations())
        return false;
    for (const QString& sql : statements) {
        if (!QSqlQuery(db.database()).exec(sql))
            return false;
    }
    return true;
}

} // namespace

class TestDatabaseMigrations : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void freshFileReachesLatestVersion();
    void versionOneFileGetsTheLaterMigrations();
    void failingStatementLeavesNothing();
    void newFilesAreTheOwnersOnly();
    void readOnlyFileIsOpenedForReading();
    void schemaThisBuildDoesNotKnowIsRefused();
};

void TestDatabaseMigrations::freshFileReachesLatestVersion()
{
    TestDatabase test;
    QCOMPARE(test.column("SELECT version || ':' || name FROM schema_version"),
        QStringList({ "1:initial", "2:recon_sync", "3:payee_index", "4:balance_index",
            "5:report_index", "6:sync_state", "7:report_walks", "8:sync_conflicts",
            "9:statement_ids", "10:shared_accounts", "11:register_order", "12:csv_profiles",
            "13:csv_profile_sync", "14:search_index_pause", "15:server_id_index" }));
    QCOMPARE(test.column("PRAGMA journal_mode") + test.column("PRAGMA foreign_keys"),
        QStringList({ "wal", "1" }));
}

void TestDatabaseMigrations::versionOneFileGetsTheLaterMigrations()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("old.db");
    {
        Database old;
        QVERIFY(old.open(path));
        QSqlQuery q(old.database());
        QVERIFY(q.exec(
            "CREATE TABLE IF NOT EXISTS schema_version (  version INTEGER PRIMARY KEY,  name    "
            "TEXT NOT NULL,  applied_at TEXT NOT NULL DEFAULT (datetime('now')))"));
        QVERIFY(old.applyMigration(
            1, "initial", QString::fromUtf8(bytes(":/sql/sql/migrations/001_initial.sql"))));
        QVERIFY(q.exec(
            "INSERT INTO accounts (id, name, created_at, updated_at) VALUES ('a', 'A', '', '')"));
        QVERIFY(q.exec(
            "INSERT INTO reconciliations (id, account_id, statement_date, statement_balance, "
            "reconciled_balance, completed_at) VALUES ('r', 'a', '2024-05-31', 1000, 1000, "
            "'2024-06-02T10:00:00Z')"));
        // A bank's layout as builds before their synchronisation kept it.
        QVERIFY(q.exec("CREATE TABLE csv_profiles (id TEXT PRIMARY KEY, account_id TEXT NOT NULL, "
                       "name TEXT NOT NULL, header_shape TEXT NOT NULL, mapping TEXT NOT NULL, "
                       "updated_at TEXT NOT NULL)"));
        QVERIFY(q.exec("INSERT INTO csv_profiles VALUES ('p', 'a', 'Bank', 'shape', '{}', "
                       "'2024-07-01T09:00:00Z')"));
    }

    {
        Database db;
        QSignalSpy applied(&db, &Database::migrationApplied);
        QVERIFY(db.open(path) && db.runMigrations());
        QCOMPARE(applied.count(), Database::latestVersion() - 1);
        QCOMPARE(applied.first(), QVariantList({ 2, "recon_sync" }));
        QCOMPARE(queryColumn(db.database(),
                     "SELECT created_at || '|' || updated_at || '|' || version || '|' "
                     "|| sync_status FROM reconciliations"),
            QStringList { "2024-06-02T10:00:00Z|2024-06-02T10:00:00Z|1|pending" });
        // Kept before they travelled: sent with the next synchronisation.
        QCOMPARE(queryColumn(db.database(),
                     "SELECT created_at || '|' || version || '|' || sync_status FROM csv_profiles"),
            QStringList { "2024-07-01T09:00:00Z|1|pending" });
    }
    // Opened again, an up-to-date file runs nothing.
    Database again;
    QSignalSpy applied(&again, &Database::migrationApplied);
    QVERIFY(again.open(path) && again.runMigrations());
    QCOMPARE(applied.count(), 0);
}

void TestDatabaseMigrations::failingStatementLeavesNothing()
{
    TestDatabase test;
    QSignalSpy errors(test.db(), &Database::migrationError);
    const QString script = "CREATE TABLE extra (id TEXT);\n"
                           "ALTER TABLE extra ADD COLUMN note TEXT;\n"
                           "INSERT INTO no_such_table VALUES (1);\n";
    const int next = Database::latestVersion() + 1;
    QTest::ignoreMessage(
        QtCriticalMsg, QRegularExpression(QString("^Migration %1 failed:").arg(next)));
    QVERIFY(!test.db()->applyMigration(next, "broken", script));
    QCOMPARE(errors.count(), 1);
    QCOMPARE(test.scalar(QString("SELECT (SELECT COUNT(*) FROM schema_version WHERE "
                                 "version = %1) + (SELECT COUNT(*) FROM sqlite_master "
                                 "WHERE name = 'extra')")
                             .arg(next))
                 .toInt(),
        0);
    // Nothing is left half-open: the next migration can run and commit.
    QVERIFY(test.db()->applyMigration(next, "fixed", "CREATE TABLE extra (id TEXT);"));
    QCOMPARE(test.column(QString("SELECT name FROM schema_version WHERE version = %1").arg(next)),
        QStringList { "fixed" });
}

void TestDatabaseMigrations::newFilesAreTheOwnersOnly()
{
    QTemporaryDir dir;
    const auto mode = [](const QString& path) {
        return QString::number(QFileInfo(path).permissions() & 0x0777, 16);
    };
    for (const mode_t mask : { 022, 077 }) {
        const mode_t previous = umask(mask);
        const QString folder = dir.filePath(QString("data-%1/inner").arg(mask, 0, 8));
        QVERIFY(FilePrivacy::makePrivateDirectory(folder));
        const QString path = folder + "/ledgerine.db";
        Database db;
        QVERIFY(db.open(path) && db.runMigrations());
        umask(previous);
        // Qt's permission bits in hex: 0x600 is rw for the owner alone.
        QCOMPARE(mode(folder), "700");
        QCOMPARE(mode(path), "600");
        QCOMPARE(mode(path + "-wal"), "600");
        QCOMPARE(mode(path + "-shm"), "600");
        // A folder that is there already is left as the user made it.
        QVERIFY(FilePrivacy::makePrivateDirectory(QFileInfo(folder).path()));
    }
}

void TestDatabaseMigrations::readOnlyFileIsOpenedForReading()
{
    QTemporaryDir dir;
    const QString folder = dir.filePath("data");
    QVERIFY(QDir().mkpath(folder));
    const QString path = folder + "/ledgerine.db";
    const QString outdated = folder + "/old.db";
    QVERIFY(prepare(path,
        { "INSERT INTO accounts (id, name, created_at, updated_at) VALUES "
          "('a', 'Kept', '', '')" }));
    QVERIFY(prepare(outdated,
        { QString("DELETE FROM schema_version WHERE version = %1")
                .arg(Database::latestVersion()) }));
    const QByteArray before = bytes(path);
    {
        ReadOnlyFolder readOnly(folder);
        QVERIFY(readOnly.isReadOnly());
        Database db;
        QVERIFY(db.open(path) && db.runMigrations());
        QVERIFY(db.isReadOnly() && !db.isWritable());
        QCOMPARE(queryColumn(db.database(), "SELECT name FROM accounts"), QStringList { "Kept" });
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^AccountRepository::insert failed"));
        QVERIFY(!AccountRepository(&db).insert(Records::account("New")));

        // A file this build would have to migrate cannot be read as it is.
        Database old;
        QTest::ignoreMessage(QtCriticalMsg, QRegularExpression("needs migrating"));
        QVERIFY(old.open(outdated) && !old.runMigrations());
        QCOMPARE(old.failure().kind, StoreFailure::Kind::ReadOnlyOutdated);
    }
    QCOMPARE(bytes(path), before);
}

void TestDatabaseMigrations::schemaThisBuildDoesNotKnowIsRefused()
{
    QTemporaryDir dir;
    const int newer = Database::latestVersion() + 1;
    const QString path = dir.filePath("newer.db");
    // In rollback-journal mode, as another program might leave it: even the
    // switch to WAL would be a write.
    QVERIFY(prepare(path,
        { "PRAGMA journal_mode=DELETE",
            QString("INSERT INTO schema_version (version, name) VALUES (%1, 'future')")
                .arg(newer) }));
    const QByteArray before = bytes(path);
    {
        Database db;
        QTest::ignoreMessage(QtCriticalMsg,
            QRegularExpression(
                QString("schema version %1 is newer than %2").arg(newer).arg(newer - 1)));
        QVERIFY(!db.open(path));
        QCOMPARE(db.failure().kind, StoreFailure::Kind::NewerSchema);
        QCOMPARE(db.failure().version, newer);
    }
    QCOMPARE(bytes(path), before);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList { "newer.db" });
}

QTEST_GUILESS_MAIN(TestDatabaseMigrations)
#include "tst_database.moc"
