#include "DamagedFiles.h"
#include "SmallDisk.h"
#include "TestDatabase.h"
#include "data/Clock.h"
#include "data/Database.h"
#include "data/TransactionRepository.h"
#include "services/backup/ArchiveChecks.h"
#include "services/backup/BackupService.h"
#include "services/backup/LedgerReplacement.h"
#include "services/backup/ZipReader.h"
#include "services/backup/ZipWriter.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTest>

using Policy = BackupService::RestorePolicy;

namespace {

const QStringList kTables { QStringLiteral("accounts"), QStringLiteral("categories"),
    QStringLiteral("transactions"), QStringLiteral("split_lines"),
    QStringLiteral("recurring_transactions"), QStringLiteral("reconciliations"),
    QStringLiteral("csv_profiles") };

// Every column of every row, typed, in id order; sync columns as given.
QStringList snapshot(const TestDatabase& db)
{
    QStringList rows;
    for (const QString& table : kTables) {
        QSqlQuery query(db.db()->database());
        query.exec(QStringLiteral("SELECT * FROM %1 ORDER BY id").arg(table));
        while (query.next()) {
            QStringList cells { table };
            for (int c = 0; c < query.record().count(); ++c) {
                const QVariant v = query.value(c);
                cells << query.record().fieldName(c) + QLatin1Char('=')
                        + (v.isNull() ? QStringLiteral("NULL")
                                      : QString::fromLatin1(v.typeName()) + QLatin1Char(':')
                                    + v.toString());
            }
            rows << cells.join(QLatin1Char('|'));
        }
    }
    return rows;
}

// One row in every table, the sync columns set as a synchronised store has them.
void fill(const TestDatabase& db)
{
    for (const char* sql :
        { "INSERT INTO accounts (id, name, account_type, currency, institution, "
          "starting_balance, sort_order, version, sync_status, server_id, created_at, "
          "updated_at) VALUES ('a1', 'Checking \"main\"', 'checking', 'EUR', NULL, 1250, 2, 4, "
          "'synced', 's-a1', %1, %1)",
            "INSERT INTO categories (id, name, category_type, parent_id, is_tax_relevant, "
            "created_at, updated_at) VALUES ('c0', 'Food', 'expense', NULL, 1, %1, %1), ('c1', "
            "'Café «\"x\"»', 'expense', 'c0', 0, %1, %1)",
            "INSERT INTO transactions (id, account_id, date, payee, memo, amount, category_id, "
            "check_number, cleared, is_split, version, sync_status, server_id, created_at, "
            "updated_at, deleted_at) VALUES ('t1', 'a1', '2025-01-02', 'Grocer', 'two  spaces', "
            "-4599, 'c1', '101', 1, 1, 3, 'synced', 's-t1', %1, %1, NULL), ('t2', 'a1', "
            "'2025-01-03', 'Gone', NULL, 700, NULL, NULL, 0, 0, 2, 'synced', 's-t2', %1, %1, %1)",
            "INSERT INTO split_lines (id, transaction_id, category_id, amount, memo, created_at, "
            "updated_at) VALUES ('l1', 't1', 'c0', -4599, NULL, %1, %1)",
            "INSERT INTO recurring_transactions (id, account_id, payee, amount, frequency, "
            "start_date, next_due_date, created_at, updated_at) VALUES ('r1', 'a1', 'Rent', "
            "-90000, 'monthly', '2025-01-01', '2025-02-01', %1, %1)",
            "INSERT INTO reconciliations (id, account_id, statement_date, statement_balance, "
            "reconciled_balance, completed_at, created_at, updated_at) VALUES ('k1', 'a1', "
            "'2025-01-31', 1000, 1000, %1, %1, %1)",
            "INSERT INTO csv_profiles (id, account_id, name, header_shape, mapping, updated_at) "
            "VALUES ('p1', 'a1', 'Bank ;', 'Datum;Bedrag', '{\"delimiter\":\";\"}', %1)" })
        QVERIFY(db.exec(QString::fromUtf8(sql).arg("'2025-01-02T03:04:05Z'")));
}

void wipe(const TestDatabase& db)
{
    for (auto it = kTables.crbegin(); it != kTables.crend(); ++it)
        QVERIFY(db.exec(QStringLiteral("DELETE FROM %1").arg(*it)));
}

QByteArray archive(const QList<QPair<QByteArray, QByteArray>>& entries)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    ZipWriter zip(&buffer);
    for (const auto& [name, data] : entries)
        zip.addFile(name, data);
    zip.close();
    return buffer.data();
}

QByteArray manifest(int version = 1)
{
    return QJsonDocument(QJsonObject { { QStringLiteral("version"), version } }).toJson();
}

QByteArray accountDocument(const QString& id, const QString& name, const QString& updated)
{
    return QJsonDocument(
        QJsonObject { { QStringLiteral("id"), id }, { QStringLiteral("name"), name },
            { QStringLiteral("created_at"), updated }, { QStringLiteral("updated_at"), updated } })
        .toJson();
}

// A ledger with its backup service.
struct Store {
    explicit Store(const QString& dir = {})
        : db(dir)
    {
    }
    TestDatabase db;
    TransactionRepository transactions { db.db() };
    BackupService service { db.db(), &transactions };
};

QByteArray exportOf(void (*prepare)(const TestDatabase&))
{
    Store source;
    prepare(source.db);
    return source.service.exportBackup();
}

} // namespace

class TestBackupService : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { Clock::setFixedUtc(QDateTime(QDate(2025, 6, 1), QTime(9, 0), Qt::UTC)); }
    void cleanup() { Clock::clearFixed(); }
    void roundTripKeepsEveryColumn();
    void policiesOnOverlappingData();
    void craftedArchivesCannotRunSql();
    void failedRunLeavesDataAsItWas();
    void rowsNoWritePathStoresAreRefused_data();
    void rowsNoWritePathStoresAreRefused();
    void safetyBackupsAndFailedExport();
    void largeArchivesUseZip64();
    void damagedLedgerIsReplacedFromABackup();
};

void TestBackupService::roundTripKeepsEveryColumn()
{
    Store store;
    auto& [db, transactions, service] = store;
    fill(db);
    QStringList before = snapshot(db);

    const QByteArray bytes = service.exportBackup();
    wipe(db);
    const BackupService::RestoreResult result = service.importBackup(bytes, Policy::SkipExisting);
    QVERIFY2(result.completed, qPrintable(result.errors.join('\n')));
    QVERIFY2(result.errors.isEmpty(), qPrintable(result.errors.join('\n')));
    QCOMPARE(result.applied(), 9);
    QCOMPARE(result.tables[2].applied, 2);

    // Restored rows go out again at the next synchronisation; all else is as it was.
    before.replaceInStrings(QRegularExpression(QStringLiteral("version=qlonglong:\\d")),
        QStringLiteral("version=qlonglong:1"));
    before.replaceInStrings(QStringLiteral("sync_status=QString:synced"),
        QStringLiteral("sync_status=QString:pending"));
    before.replaceInStrings(QRegularExpression(QStringLiteral("server_id=(QString:s-..|NULL)")),
        QStringLiteral("server_id=QString:"));
    QCOMPARE(snapshot(db), before);
    QCOMPARE(
        db.scalar(QStringLiteral("SELECT deleted_at FROM transactions WHERE id = 't2'")).toString(),
        QStringLiteral("2025-01-02T03:04:05Z"));
    // The restored rows are found by search, also after a replace over changed text.
    const QString trigger
        = db.scalar("SELECT sql FROM sqlite_master WHERE name = 'transactions_au'").toString();
    auto found = [&](const QString& word) {
        return db
            .column(
                "SELECT rowid FROM transactions_fts WHERE transactions_fts MATCH '" + word + "'")
            .size();
    };
    QCOMPARE(found("grocer"), 1);
    QVERIFY(db.exec("UPDATE transactions SET payee = 'Baker' WHERE id = 't1'"));
    // Large enough a restore to rebuild the indexes: the same ones come back.
    const QString indexes = QStringLiteral(
        "SELECT name || sql FROM sqlite_master WHERE type = 'index' ORDER BY name");
    const QStringList indexesBefore = db.column(indexes);
    service.setLimits({ .rebuildIndexesFrom = 1 });
    QVERIFY(service.importBackup(bytes, Policy::Replace).completed);
    QCOMPARE(db.column(indexes), indexesBefore);
    QCOMPARE(db.scalar("PRAGMA integrity_check").toString(), QStringLiteral("ok"));
    QCOMPARE(found("grocer"), 1);
    QCOMPARE(found("baker"), 0);
    QVERIFY(db.exec("INSERT INTO transactions_fts(transactions_fts) VALUES('integrity-check')"));
    QCOMPARE(db.scalar("SELECT sql FROM sqlite_master WHERE name = 'transactions_au'").toString(),
        trigger);
}

void TestBackupService::policiesOnOverlappingData()
{
    // a1 is newer in the backup, a2 newer in the store, a3 equal, a4 only in the backup.
    const QString older = QStringLiteral("2025-01-01T00:00:00Z");
    const QString newer = QStringLiteral("2025-03-01T00:00:00Z");
    const QByteArray bytes = archive({ { "manifest.json", manifest() },
        { "accounts/a1.json", accountDocument("a1", "Backup 1", newer) },
        { "accounts/a2.json", accountDocument("a2", "Backup 2", older) },
        { "accounts/a3.json", accountDocument("a3", "Backup 3", older) },
        { "accounts/a4.json", accountDocument("a4", "Backup 4", older) },
        // The same members as a4's in another order: each binds to its own column.
        { "accounts/a5.json",
            R"({"sync_status": "synced", "id": "a5", "name": "Backup 5", "created_at": ")"
                + older.toUtf8() + R"(", "updated_at": ")" + older.toUtf8() + "\"}" } });

    struct Case {
        Policy policy;
        QStringList names;
        int applied;
    };
    const QList<Case> cases {
        { Policy::Replace, { "Backup 1", "Backup 2", "Backup 3", "Backup 4", "Backup 5" }, 5 },
        { Policy::KeepNewer, { "Backup 1", "Store 2", "Store 3", "Backup 4", "Backup 5" }, 3 },
        { Policy::SkipExisting, { "Store 1", "Store 2", "Store 3", "Backup 4", "Backup 5" }, 2 },
    };
    for (const Case& c : cases) {
        Store store;
        auto& [db, transactions, service] = store;
        QVERIFY(db.exec(QStringLiteral(
            "INSERT INTO accounts (id, name, created_at, updated_at) VALUES ('a1', 'Store 1', "
            "'%1', '%1'), ('a2', 'Store 2', '%2', '%2'), ('a3', 'Store 3', '%1', '%1')")
                            .arg(older, newer)));
        QSignalSpy restored(&service, &BackupService::dataRestored);
        const auto result = service.importBackup(bytes, c.policy);
        QVERIFY(result.completed);
        QCOMPARE(db.column(QStringLiteral("SELECT name FROM accounts ORDER BY id")), c.names);
        QCOMPARE(result.tables[0].applied, c.applied);
        QCOMPARE(result.tables[0].skipped, 5 - c.applied);
        QCOMPARE(db.column("SELECT updated_at || ' ' || sync_status FROM accounts WHERE id "
                           "IN ('a4', 'a5')"),
            QStringList(2, older + " pending"));

        // Into the store it was taken from, keep newer finds nothing newer.
        const auto again = service.importBackup(service.exportBackup(), Policy::KeepNewer);
        QCOMPARE(again.applied(), 0);
        QCOMPARE(again.skipped(), 5);
        // One announcement for the restore that changed rows, none for the other.
        QCOMPARE(restored.count(), 1);
    }
}

// Refused, damaged and crafted archives.
void TestBackupService::craftedArchivesCannotRunSql()
{
    Store store;
    auto& [db, transactions, service] = store;
    fill(db);
    const QStringList before = snapshot(db);

    auto errorsOf = [&](const QByteArray& bytes) {
        return service.importBackup(bytes, Policy::Replace).errors;
    };
    QCOMPARE(errorsOf("not a zip at all"), QStringList { "Failed to open ZIP archive" });
    QCOMPARE(errorsOf(archive({ { "accounts/x.json", accountDocument("x", "X", "t") } })),
        QStringList { "Invalid backup: missing manifest.json" });
    QCOMPARE(errorsOf(archive({ { "manifest.json", manifest(2) },
                 { "accounts/x.json", accountDocument("x", "X", "t") } })),
        QStringList { "Unsupported backup version: 2" });
    QCOMPARE(snapshot(db), before);

    // A damaged entry is reported by name; the rows around it are restored.
    QByteArray bytes = archive({ { "manifest.json", manifest() },
        { "accounts/b1.json", accountDocument("b1", "First", "t") },
        { "accounts/b2.json", accountDocument("b2", "Second", "t") },
        { "accounts/b3.json", accountDocument("b3", "Third", "t") } });
    // The first copy of the name is the entry's own header; its packed bytes follow.
    const qsizetype packed = bytes.indexOf("accounts/b2.json") + 16;
    for (qsizetype i = packed + 4; i < packed + 12; ++i)
        bytes[i] = char(bytes[i] ^ 0x5a);
    const auto damaged = service.importBackup(bytes, Policy::Replace);
    QVERIFY(damaged.completed);
    QCOMPARE(damaged.errors, QStringList { "accounts/b2.json: invalid JSON" });

    const QString hostile = QStringLiteral("id\") VALUES ('x'); DROP TABLE accounts; --");
    QJsonObject row = QJsonDocument::fromJson(accountDocument("h1", "Hostile", "t")).object();
    row.insert(hostile, QStringLiteral("x"));
    QJsonObject split { { "id", "l2" }, { "transaction_id", "t1" }, { "category_id", "c0" },
        { "amount", 5 }, { "created_at", "t" }, { "updated_at", "t" }, { "deleted_at", "t" } };
    const QByteArray deep = QByteArray(100000, '[') + QByteArray(100000, ']');
    auto result = service.importBackup(
        archive({ { "manifest.json", manifest() },
            { "accounts/h1.json", QJsonDocument(row).toJson() }, { "accounts/h2.json", deep },
            { "accounts/../../x.json", accountDocument("x", "Climber", "t") },
            { "split_lines/l2.json", QJsonDocument(split).toJson() },
            { "../../evil.json", "{}" } }),
        Policy::Replace);
    QVERIFY(result.completed);
    QCOMPARE(db.column(QStringLiteral("SELECT name FROM accounts ORDER BY id")),
        (QStringList { "Checking \"main\"", "First", "Third", "Hostile" })); // b2 was damaged
    // Split lines get their own columns only; each unknown member is named once per table.
    QCOMPARE(
        db.scalar(QStringLiteral("SELECT amount FROM split_lines WHERE id = 'l2'")).toInt(), 5);
    QCOMPARE(result.errors,
        (QStringList { "accounts/h2.json: invalid JSON",
            "accounts/../../x.json: refused: the path leaves its folder",
            "accounts: members that are not columns were ignored: " + hostile.left(40),
            "split_lines: members that are not columns were ignored: deleted_at" }));

    // Unpacked sizes and entry counts beyond the limits end the run before any change.
    const auto refusal = [&](const BackupService::Limits& limits, const QByteArray& bytes) {
        service.setLimits(limits);
        const auto refused = service.importBackup(bytes, Policy::Replace);
        return refused.completed ? QStringLiteral("completed") : refused.errors.join('\n');
    };
    const auto single = [](int bytes) {
        return archive({ { "manifest.json", manifest() },
            { "accounts/z.json", accountDocument("z", QString(bytes, 'z'), "t") } });
    };
    const QByteArray big = single(5000);
    QVERIFY(refusal({ .maxEntryBytes = 200 }, big).contains("larger than the limit of 200 bytes"));
    QVERIFY(refusal({ .maxTotalBytes = 1000 }, big).contains("unpacks to more than 1000 bytes"));
    QCOMPARE(refusal({ .maxEntries = 1 }, big), "The backup holds more than 1 entries.");
    // Unpacked to far more than its size, it is no backup of this program.
    const QByteArray bomb = single(500000);
    QVERIFY(refusal({ .maxExpansion = 100 }, bomb)
                .contains(QString("more than 100 times the %1 bytes").arg(bomb.size())));
    QCOMPARE(db.scalar(QStringLiteral("SELECT COUNT(*) FROM accounts WHERE id = 'z'")).toInt(), 0);
    // Nor is one that unpacks to more than the disk has free.
    QVERIFY(ArchiveChecks::expansionProblem(5000, 1000, 4999, 200).contains("4999 bytes free"));
    QVERIFY(ArchiveChecks::expansionProblem(5000, 1000, 5000, 200).isEmpty());
    QVERIFY(ArchiveChecks::expansionProblem(5000, 1000, -1, 200).isEmpty());
}

void TestBackupService::failedRunLeavesDataAsItWas()
{
    const QByteArray bytes = exportOf([](const TestDatabase& source) {
        fill(source);
        QVERIFY(source.exec(
            "WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < 2999) "
            "INSERT INTO transactions (id, account_id, date, payee, memo, amount, created_at, "
            "updated_at) SELECT 'n' || i, 'a1', '2025-02-01', 'Payee ' || i, printf('%.200c', "
            "'m'), i, 't', 't' FROM n"));
    });

    // On a real small disk that fills halfway through the transactions and
    // has room again right after the store says so.
    SmallDisk disk(8 << 20);
    QVERIFY2(disk.isMounted(), "mounting a small tmpfs needs root, as the test command has");
    Store store(disk.path());
    auto& [db, transactions, service] = store;
    // Large enough a restore to rebuild the indexes, which the rollback must bring back.
    service.setLimits({ .rebuildIndexesFrom = 1000 });
    fill(db);
    QVERIFY(db.exec("UPDATE accounts SET name = 'Mine'"));
    const QStringList before = snapshot(db);
    const QString schemaQuery = QStringLiteral(
        "SELECT name || sql FROM sqlite_master WHERE type IN ('trigger', 'index') ORDER BY name");
    const QStringList schema = db.column(schemaQuery);

    // Stopped on request halfway, the restore takes back what it wrote.
    std::atomic_bool cancel = false;
    quint64 seen = 0;
    quint64 total = 0;
    service.setObserver({ [&](quint64 done, quint64 all) {
                             seen = done;
                             total = all;
                             cancel = done == 1500;
                         },
        &cancel });
    auto result = service.importBackup(bytes, Policy::Replace);
    QVERIFY(result.cancelled && !result.completed);
    QCOMPARE(result.applied(), 0);
    QCOMPARE(seen, quint64(1500));
    QCOMPARE(total, quint64(3009)); // the rows of fill() and the 3000 transactions
    QCOMPARE(snapshot(db), before);
    service.setObserver({});

    // The disk fills up halfway through the transactions.
    QVERIFY(disk.fillAtInsert(db.db(), "transactions", 1500));
    disk.releaseWhenFull();
    expectWarning("BackupService restore failed: the disk is full");
    result = service.importBackup(bytes, Policy::Replace);
    QVERIFY(!result.completed);
    QCOMPARE(result.applied(), 0);
    QCOMPARE(result.errors, QStringList { "Nothing was restored: the disk is full." });
    QCOMPARE(snapshot(db), before);
    QCOMPARE(db.column(schemaQuery), schema);
    QVERIFY(db.exec("INSERT INTO transactions_fts(transactions_fts) VALUES('integrity-check')"));
}

void TestBackupService::rowsNoWritePathStoresAreRefused_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QJsonObject>("row");
    QTest::addColumn<QString>("reason");

    const auto row = [](const char* name, const char* folder, const QJsonObject& changes,
                         const QString& reason) {
        // A transaction unless the folder says otherwise; the changes make it one to refuse.
        QJsonObject row { { "id", "x9" }, { "created_at", "t" }, { "updated_at", "t" } };
        if (QByteArray(folder) == "transactions") {
            row = { { "id", "t9" }, { "account_id", "a1" }, { "date", "2025-01-02" },
                { "payee", "Grocer" }, { "amount", -100 }, { "created_at", "t" },
                { "updated_at", "t" } };
        }
        for (auto it = changes.begin(); it != changes.end(); ++it)
            row.insert(it.key(), it.value());
        QTest::newRow(name) << QString(folder) << row << reason;
    };
    const QString range = QStringLiteral("The date %1 is not between the years 1900 and 2100.");
    const QString invalid = QStringLiteral("The date is not a valid date.");
    row("not a date", "transactions", { { "date", "not-a-date" } }, invalid);
    row("a number for a date", "transactions", { { "date", 20240101 } }, invalid);
    row("after 2100", "transactions", { { "date", "2101-01-01" } }, range.arg("2101-01-01"));
    row("control character", "transactions", { { "payee", "Gro\acer" } },
        "The member payee holds control characters.");
    row("payee too long", "transactions", { { "payee", QString(201, 'p') } },
        "The payee is longer than 200 characters.");
    row("memo too long", "transactions", { { "memo", QString(10001, 'm') } },
        "The memo is longer than 10000 characters.");
    row("check number too long", "transactions", { { "check_number", QString(21, '1') } },
        "The check number is longer than 20 characters.");
    row("its own transfer", "transactions", { { "transfer_link_id", "t9" } },
        "The transaction is linked to itself as a transfer.");
    row("split without lines", "transactions", { { "is_split", true } },
        "The transaction is split but has no split lines.");
    row("its own parent", "categories", { { "name", "Loop" }, { "parent_id", "x9" } },
        "The category is its own parent.");
    row("category name too long", "categories", { { "name", QString(201, 'c') } },
        "The category name is longer than 200 characters.");
    row("schedule without a due date", "recurring",
        { { "account_id", "a1" }, { "payee", "Rent" }, { "amount", -100 },
            { "start_date", "2025-01-01" }, { "next_due_date", "soon" } },
        invalid);
    row("statement in 2101", "reconciliations",
        { { "account_id", "a1" }, { "statement_date", "2101-01-31" }, { "statement_balance", 0 },
            { "reconciled_balance", 0 }, { "completed_at", "t" } },
        range.arg("2101-01-31"));
}

void TestBackupService::rowsNoWritePathStoresAreRefused()
{
    QFETCH(QString, folder);
    QFETCH(QJsonObject, row);
    QFETCH(QString, reason);

    Store store;
    const QString entry = folder + "/" + row.value("id").toString() + ".json";
    const auto result = store.service.importBackup(
        archive({ { "manifest.json", manifest() },
            { "accounts/a1.json", accountDocument("a1", "Checking", "t") },
            { entry.toUtf8(), QJsonDocument(row).toJson() } }),
        Policy::Replace);
    QVERIFY(result.completed);
    QCOMPARE(result.errors, QStringList { entry + ": refused: " + reason });
    QCOMPARE(result.applied(), 1);
    QCOMPARE(result.skipped(), 1);
    const int table
        = int(kTables.indexOf(folder == "recurring" ? "recurring_transactions" : folder));
    QCOMPARE(result.tables[table].refused, 1);
    QCOMPARE(store.db.scalar("SELECT COUNT(*) FROM " + kTables.at(table)).toInt(), 0);
}

void TestBackupService::safetyBackupsAndFailedExport()
{
    Store store;
    auto& [db, transactions, service] = store;
    fill(db);
    const QString dir = db.dir() + "/safety";
    service.setSafetyDirectory(dir);

    const QByteArray incoming = archive({ { "manifest.json", manifest() },
        { "accounts/a1.json", accountDocument("a1", "Overwritten", "2030-01-01T00:00:00Z") } });
    // Attempts that write nothing take no copy: a refused archive, every row skipped.
    QVERIFY(!service.importBackup(archive({ { "manifest.json", manifest(2) } }), Policy::Replace)
                 .completed);
    auto result = service.importBackup(incoming, Policy::SkipExisting);
    QVERIFY(result.completed && result.applied() == 0 && result.safetyBackupPath.isEmpty());
    QVERIFY(!QDir(dir).exists());

    // Copies are kept for thirty days, however many there are.
    QVERIFY(QDir().mkpath(dir));
    const auto aged = [&](const QString& name, int days) {
        QFile file(dir + "/" + name);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(
            file.setFileTime(Clock::nowUtc().addDays(-days), QFileDevice::FileModificationTime));
    };
    aged("before-restore-20250430-090000.zip", 31);
    aged("before-restore-20250503-090000.zip", 29);
    for (int i = 0; i < 6; ++i)
        aged(QString("before-restore-2025052%1-090000.zip").arg(i), 1);
    result = service.importBackup(incoming, Policy::Replace);
    QVERIFY(result.completed);
    QCOMPARE(result.safetyBackupPath, dir + "/before-restore-20250601-090000.zip");
    QCOMPARE(QDir(dir).entryList({ "before-restore-*.zip" }).size(), 8);
    QVERIFY(!QFile::exists(dir + "/before-restore-20250430-090000.zip"));
    // Backups hold household finances: the owner's alone.
    QCOMPARE(QFileInfo(result.safetyBackupPath).permissions() & 0x0777,
        QFile::ReadUser | QFile::WriteUser);
    // The copy holds the data as it was before the restore.
    service.setSafetyDirectory(QString());
    QVERIFY(service.importFile(result.safetyBackupPath, Policy::Replace).completed);
    QCOMPARE(db.column("SELECT name FROM accounts"), QStringList { "Checking \"main\"" });
    service.setSafetyDirectory(dir);

    const QString target = db.dir() + "/backup.zip";
    QVERIFY(service.exportToFile(target));
    const QByteArray good = DamagedFiles::bytes(target);

    // A table that cannot be read fails the export and leaves the earlier file whole.
    QVERIFY(db.exec("ALTER TABLE reconciliations RENAME TO reconciliations_gone"));
    QString error;
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("BackupService export query failed:"));
    QVERIFY(!service.exportToFile(target, &error));
    QVERIFY(error.contains("no such table"));
    QCOMPARE(DamagedFiles::bytes(target), good);
    QCOMPARE(QDir(db.dir()).entryList({ "backup.zip*" }), QStringList { "backup.zip" });
}

void TestBackupService::largeArchivesUseZip64()
{
    // More entries than the 16-bit count of a plain ZIP directory holds.
    QBuffer buffer;
    buffer.open(QIODevice::ReadWrite);
    ZipWriter writer(&buffer);
    const int count = 70000;
    for (int i = 0; i < count; ++i)
        QVERIFY(writer.addFile("e/" + QByteArray::number(i), QByteArray::number(i * 7)));
    QVERIFY(writer.close());

    ZipReader reader(&buffer);
    QVERIFY(reader.open());
    QCOMPARE(reader.entryCount(), quint64(count));
    // Every entry is read where the directory says it is.
    int seen = 0;
    QByteArray last;
    QVERIFY(reader.forEach([&](const ZipReader::Entry& entry) {
        QByteArray data;
        ++seen;
        const bool read = reader.read(entry, 100, &data) == ZipReader::Read::Ok;
        last = entry.name + " " + data;
        return read; // a failed read stops the walk short
    }));
    QCOMPARE(std::pair(seen, last), std::pair(count, "e/69999 " + QByteArray::number(69999 * 7)));
}

void TestBackupService::damagedLedgerIsReplacedFromABackup()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("ledgerine.db");
    const QString zip = writeFile(dir, "backup.zip", exportOf(fill));
    writeFile(dir, "ledgerine.db", QByteArray(8192, 'x'));

    // A backup that cannot be restored leaves the damaged file where it was.
    auto result = LedgerReplacement::fromBackup(
        path, writeFile(dir, "refused.zip", archive({ { "manifest.json", manifest(2) } })));
    QVERIFY(!result.replaced);
    QCOMPARE(result.error, "Unsupported backup version: 2");
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files),
        (QStringList { "backup.zip", "ledgerine.db", "refused.zip" }));

    result = LedgerReplacement::fromBackup(path, zip);
    QVERIFY2(result.replaced, qPrintable(result.error));
    QCOMPARE(result.damagedCopy, dir.filePath("ledgerine-damaged-20250601-090000.db"));
    QCOMPARE(DamagedFiles::bytes(result.damagedCopy), QByteArray(8192, 'x'));
    Database db;
    QVERIFY(db.open(path) && db.runMigrations());
    QCOMPARE(queryColumn(db.database(), "SELECT name FROM accounts"),
        QStringList { "Checking \"main\"" });
    QCOMPARE(queryColumn(db.database(), "SELECT COUNT(*) FROM transactions"), QStringList { "2" });
}

QTEST_GUILESS_MAIN(TestBackupService)
#include "tst_backupservice.moc"
