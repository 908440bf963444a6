#include "TestDatabase.h"
#include "data/Database.h"

#include <QFile>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

namespace {

QStringList column(const QSqlDatabase& db, const QString& sql)
{
    QStringList values;
    QSqlQuery q(db);
    if (!q.exec(sql))
        return { QStringLiteral("<error>") };
    while (q.next())
        values << q.value(0).toString();
    return values;
}

QString resourceText(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    return QString::fromUtf8(file.readAll());
}

} // namespace

class TestDatabaseMigrations : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void freshFileReachesLatestVersion();
    void versionOneFileGetsTheLaterMigrations();
    void upToDateFileRunsNothing();
    void failingStatementLeavesNothing();
    void notADatabaseIsRefusedAndUntouched();
    void splitStatements();
    void shippedScriptsSplitIntoWholeStatements();
};

void TestDatabaseMigrations::freshFileReachesLatestVersion()
{
    QTemporaryDir dir;
    Database db;
    QSignalSpy applied(&db, &Database::migrationApplied);
    QVERIFY(db.open(dir.filePath(QStringLiteral("ledgerine.db"))));
    QVERIFY(db.runMigrations());

    QCOMPARE(applied.count(), 4);
    QCOMPARE(column(db.database(),
                 QStringLiteral("SELECT version || ':' || name FROM "
                                "schema_version ORDER BY version")),
        QStringList({ QStringLiteral("1:initial"), QStringLiteral("2:recon_sync"),
            QStringLiteral("3:payee_index"), QStringLiteral("4:balance_index") }));
    // Payee completion reads the live payees from their index, without sorting.
    QSqlQuery plan(db.database());
    QVERIFY(plan.exec(QStringLiteral("EXPLAIN QUERY PLAN SELECT DISTINCT payee FROM transactions "
                                     "WHERE deleted_at IS NULL AND payee != '' ORDER BY payee")));
    QStringList steps;
    while (plan.next())
        steps << plan.value(3).toString();
    QCOMPARE(steps,
        QStringList {
            QStringLiteral("SCAN transactions USING INDEX idx_transactions_live_payee") });
    QCOMPARE(column(db.database(), QStringLiteral("PRAGMA journal_mode")),
        QStringList { QStringLiteral("wal") });
    QCOMPARE(column(db.database(), QStringLiteral("PRAGMA foreign_keys")),
        QStringList { QStringLiteral("1") });
    const QStringList reconColumns = column(
        db.database(), QStringLiteral("SELECT name FROM pragma_table_info('reconciliations')"));
    for (const char* name :
        { "version", "sync_status", "server_id", "created_at", "updated_at", "deleted_at" })
        QVERIFY2(reconColumns.contains(QLatin1String(name)), name);
    const QStringList triggers = column(db.database(),
        QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'trigger' "
                       "ORDER BY name"));
    QCOMPARE(triggers,
        QStringList({ QStringLiteral("transactions_ad"), QStringLiteral("transactions_ai"),
            QStringLiteral("transactions_au") }));

    // The update trigger keeps the full-text index in step (both of its inserts ran).
    QSqlQuery q(db.database());
    QVERIFY(q.exec(QStringLiteral(
        "INSERT INTO accounts (id, name, created_at, updated_at) VALUES ('a', 'A', '', '')")));
    QVERIFY(q.exec(QStringLiteral(
        "INSERT INTO transactions (id, account_id, date, payee, amount, created_at, updated_at) "
        "VALUES ('t', 'a', '2025-01-01', 'Grocer', -100, '', '')")));
    QVERIFY(q.exec(QStringLiteral("UPDATE transactions SET payee = 'Bakery' WHERE id = 't'")));
    QCOMPARE(column(db.database(),
                 QStringLiteral("SELECT COUNT(*) FROM transactions_fts WHERE "
                                "transactions_fts MATCH 'Grocer'")),
        QStringList { QStringLiteral("0") });
    QCOMPARE(column(db.database(),
                 QStringLiteral("SELECT COUNT(*) FROM transactions_fts WHERE "
                                "transactions_fts MATCH 'Bakery'")),
        QStringList { QStringLiteral("1") });
}

void TestDatabaseMigrations::versionOneFileGetsTheLaterMigrations()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("old.db"));
    {
        Database old;
        QVERIFY(old.open(path));
        QSqlQuery q(old.database());
        QVERIFY(q.exec(QStringLiteral(
            "CREATE TABLE IF NOT EXISTS schema_version (  version INTEGER PRIMARY KEY,  name    "
            "TEXT NOT NULL,  applied_at TEXT NOT NULL DEFAULT (datetime('now')))")));
        QVERIFY(old.applyMigration(1, QStringLiteral("initial"),
            resourceText(QStringLiteral(":/sql/sql/migrations/001_initial.sql"))));
        QVERIFY(q.exec(QStringLiteral(
            "INSERT INTO accounts (id, name, created_at, updated_at) VALUES ('a', 'A', '', '')")));
        QVERIFY(q.exec(QStringLiteral(
            "INSERT INTO reconciliations (id, account_id, statement_date, statement_balance, "
            "reconciled_balance, completed_at) VALUES ('r', 'a', '2024-05-31', 1000, 1000, "
            "'2024-06-02T10:00:00Z')")));
    }

    Database db;
    QSignalSpy applied(&db, &Database::migrationApplied);
    QVERIFY(db.open(path));
    QVERIFY(db.runMigrations());
    QCOMPARE(applied.count(), 3);
    QCOMPARE(applied.first().at(0).toInt(), 2);
    QCOMPARE(applied.first().at(1).toString(), QStringLiteral("recon_sync"));
    QCOMPARE(applied.last().at(0).toInt(), 4);
    QCOMPARE(column(db.database(),
                 QStringLiteral("SELECT created_at || '|' || updated_at || '|' || "
                                "version || '|' || sync_status FROM "
                                "reconciliations")),
        QStringList { QStringLiteral("2024-06-02T10:00:00Z|2024-06-02T10:00:00Z|1|pending") });
}

void TestDatabaseMigrations::upToDateFileRunsNothing()
{
    TestDatabase existing;
    Database db;
    QSignalSpy applied(&db, &Database::migrationApplied);
    QSignalSpy errors(&db, &Database::migrationError);
    QVERIFY(db.open(existing.path()));
    QVERIFY(db.runMigrations());
    QCOMPARE(applied.count(), 0);
    QCOMPARE(errors.count(), 0);
}

void TestDatabaseMigrations::failingStatementLeavesNothing()
{
    TestDatabase test;
    Database* db = test.db();
    QSignalSpy errors(db, &Database::migrationError);
    const QString script = QStringLiteral("CREATE TABLE extra (id TEXT);\n"
                                          "ALTER TABLE extra ADD COLUMN note TEXT;\n"
                                          "INSERT INTO no_such_table VALUES (1);\n");
    QTest::ignoreMessage(QtCriticalMsg, QRegularExpression(QStringLiteral("^Migration 5 failed:")));
    QVERIFY(!db->applyMigration(5, QStringLiteral("broken"), script));
    QCOMPARE(errors.count(), 1);
    QCOMPARE(errors.first().at(0).toInt(), 5);
    QCOMPARE(test.scalar(QStringLiteral("SELECT COUNT(*) FROM schema_version WHERE version = 5"))
                 .toInt(),
        0);
    QCOMPARE(test.scalar(QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE name = 'extra'"))
                 .toInt(),
        0);
    // Nothing is left half-open: the next migration can run and commit.
    QVERIFY(db->applyMigration(
        5, QStringLiteral("fixed"), QStringLiteral("CREATE TABLE extra (id TEXT);")));
    QCOMPARE(
        test.scalar(QStringLiteral("SELECT name FROM schema_version WHERE version = 5")).toString(),
        QStringLiteral("fixed"));
}

void TestDatabaseMigrations::notADatabaseIsRefusedAndUntouched()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ledgerine.db"));
    const QByteArray content(4096, 'x');
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    {
        Database db;
        QTest::ignoreMessage(
            QtCriticalMsg, QRegularExpression(QStringLiteral("^Failed to open database:")));
        QVERIFY(!db.open(path));
    }
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), content);
}

void TestDatabaseMigrations::splitStatements()
{
    const QString script = QStringLiteral("-- leading comment\n"
                                          "CREATE TABLE a (\n"
                                          "  -- a comment inside a statement\n"
                                          "  id TEXT\n"
                                          ");\n"
                                          "\n"
                                          ";\n"
                                          "CREATE TRIGGER t AFTER INSERT ON a BEGIN\n"
                                          "  INSERT INTO b VALUES (1);\n"
                                          "  INSERT INTO b VALUES (2);\n"
                                          "END;\n"
                                          "UPDATE a SET id = 'x'\n"
                                          "WHERE id = 'begin';\n"
                                          "SELECT 1\n"
                                          "end;\n"
                                          "SELECT 2");
    const QStringList statements = Database::splitStatements(script);
    QCOMPARE(statements.size(), 4);
    QCOMPARE(statements[0], QStringLiteral("CREATE TABLE a (\n  id TEXT\n)"));
    QCOMPARE(statements[1],
        QStringLiteral("CREATE TRIGGER t AFTER INSERT ON a BEGIN\n"
                       "  INSERT INTO b VALUES (1);\n"
                       "  INSERT INTO b VALUES (2);\n"
                       "END"));
    // A line merely containing "begin" opens a block, so the UPDATE runs on
    // until a line starting with END closes it.
    QCOMPARE(statements[2],
        QStringLiteral("UPDATE a SET id = 'x'\nWHERE id = 'begin';\n"
                       "SELECT 1\nend"));
    QCOMPARE(statements[3], QStringLiteral("SELECT 2"));
}

void TestDatabaseMigrations::shippedScriptsSplitIntoWholeStatements()
{
    const QStringList first = Database::splitStatements(
        resourceText(QStringLiteral(":/sql/sql/migrations/001_initial.sql")));
    const QStringList triggers = first.filter(QStringLiteral("CREATE TRIGGER"));
    QCOMPARE(triggers.size(), 3);
    const QString update = triggers.filter(QStringLiteral("transactions_au")).value(0);
    QCOMPARE(update.count(QStringLiteral("INSERT INTO transactions_fts")), 2);
    QVERIFY(update.endsWith(QLatin1String("END")));
    for (const QString& statement : first)
        QVERIFY2(!statement.startsWith(QLatin1String("CREATE"))
                || statement.contains(QLatin1String("IF NOT EXISTS")),
            qPrintable(statement));

    const QStringList second = Database::splitStatements(
        resourceText(QStringLiteral(":/sql/sql/migrations/002_recon_sync.sql")));
    QCOMPARE(second.size(), 7);
    QCOMPARE(second.last(),
        QStringLiteral("UPDATE reconciliations SET created_at = completed_at, "
                       "updated_at = completed_at\nWHERE created_at = ''"));
}

QTEST_GUILESS_MAIN(TestDatabaseMigrations)
#include "tst_database.moc"
