#include "Database.h"

#include "DataLogging.h"
#include "FilePrivacy.h"
#include "StoreHealth.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>

#include <atomic>
#include <sqlite3.h>
#include <utility>

namespace {

struct Migration {
    int version;
    const char* name;
    const char* resource;
};

constexpr Migration kMigrations[] = {
    { 1, "initial", ":/sql/sql/migrations/001_initial.sql" },
    { 2, "recon_sync", ":/sql/sql/migrations/002_recon_sync.sql" },
    { 3, "payee_index", ":/sql/sql/migrations/003_payee_index.sql" },
    { 4, "balance_index", ":/sql/sql/migrations/004_balance_index.sql" },
    { 5, "report_index", ":/sql/sql/migrations/005_report_index.sql" },
    { 6, "sync_state", ":/sql/sql/migrations/006_sync_state.sql" },
    { 7, "report_walks", ":/sql/sql/migrations/007_report_walks.sql" },
    { 8, "sync_conflicts", ":/sql/sql/migrations/008_sync_conflicts.sql" },
    { 9, "statement_ids", ":/sql/sql/migrations/009_statement_ids.sql" },
    { 10, "shared_accounts", ":/sql/sql/migrations/010_shared_accounts.sql" },
    { 11, "register_order", ":/sql/sql/migrations/011_register_order.sql" },
    { 12, "csv_profiles", ":/sql/sql/migrations/012_csv_profiles.sql" },
    { 13, "csv_profile_sync", ":/sql/sql/migrations/013_csv_profile_sync.sql" },
    { 14, "search_index_pause", ":/sql/sql/migrations/014_search_index_pause.sql" },
    { 15, "server_id_index", ":/sql/sql/migrations/015_server_id_index.sql" },
};

// Without any of these every save or every screen of some kind fails; the
// full-text table is written by the triggers of every transaction write.
const char* const kRequiredTables[] = { "accounts", "transactions", "categories", "preferences",
    "split_lines", "recurring_transactions", "reconciliations", "transactions_fts" };

bool isPermissionError(int code)
{
    switch (code & 0xff) {
    case SQLITE_CANTOPEN:
    case SQLITE_PERM:
    case SQLITE_READONLY:
    case SQLITE_AUTH: return true;
    default: return false;
    }
}

void finishStatement(QString& accumulated, QStringList& out)
{
    QString statement = accumulated.trimmed();
    accumulated.clear();
    if (statement.isEmpty() || statement == QLatin1String(";"))
        return;
    if (statement.endsWith(QChar(';')))
        statement.chop(1);
    statement = statement.trimmed();
    if (!statement.isEmpty())
        out.append(statement);
}

} // namespace

Database::Database(QObject* parent)
    : QObject(parent)
{
    // Whichever connection meets damage in this file, this one stops writing too.
    connect(StoreHealth::instance(), &StoreHealth::damageFound, this,
        [this](const QString& file, const QString& reason) {
            if (m_open && file == m_file)
                stopWriting(reason);
        });
}

void Database::stopWriting(const QString& reason)
{
    if (m_damage)
        return;
    m_damage = reason;
    if (sqlite3* handle = driverHandle()) {
        sqlite3_exec(handle, "PRAGMA query_only=ON", nullptr, nullptr, nullptr);
        // Closing would otherwise copy the log into the damaged file.
        int unused = 0;
        sqlite3_db_config(handle, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, &unused);
    }
    Q_EMIT damaged(reason);
}

Database::~Database()
{
    if (!m_db.isValid())
        return;
    const QString name = m_db.connectionName();
    if (m_open)
        m_db.close();
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(name);
}

QString Database::asItStandsUri(const QString& path)
{
    const QFileInfo info(path);
    if (QFileInfo(info.absolutePath()).isWritable()
        || QFileInfo::exists(path + QLatin1String("-shm")))
        return {};
    return QUrl::fromLocalFile(info.absoluteFilePath()).toString(QUrl::FullyEncoded)
        + QLatin1String("?immutable=1");
}

bool Database::isInMemory(const QString& path)
{
    return path.isEmpty() || path == QLatin1String(":memory:")
        || path.startsWith(QLatin1String("file::memory:"));
}

int Database::latestVersion()
{
    return std::end(kMigrations)[-1].version;
}

bool Database::refuse(StoreFailure::Kind kind, const QString& detail, int version)
{
    m_failure = { kind, detail, version };
    return false;
}

bool Database::refuseSqlite(const QSqlError& error)
{
    const int code = error.nativeErrorCode().toInt();
    if (StoreHealth::isDamageCode(code))
        return refuse(StoreFailure::Kind::Damaged, error.databaseText());
    return refuse(
        isPermissionError(code) ? StoreFailure::Kind::Permissions : StoreFailure::Kind::Sqlite,
        error.databaseText());
}

bool Database::open(const QString& path)
{
    m_failure = {};
    m_damage.reset();
    const QFileInfo info(path);
    // SQLite takes an empty file for a new database: a fresh ledger would be
    // written over what may have been the user's data.
    if (info.isFile() && info.size() == 0) {
        qCCritical(lcDb).noquote() << "Failed to open database: the file is empty:" << path;
        return refuse(StoreFailure::Kind::Damaged, tr("the file is empty"));
    }
    const bool created = !info.exists() && !isInMemory(path);
    if (!openConnection(path))
        return false;
    if (created)
        FilePrivacy::restrictToOwner(path);
    // SQLite opens any file lazily: reading the schema version refuses a file
    // that is not a database here instead of failing later. Nothing may be
    // written (not even the journal mode) before it is known that this build
    // understands the data.
    bool ok = checkSharedLibrary() && checkSchemaVersion();
    if (ok) {
        m_file = StoreHealth::fileOf(driverHandle());
        m_readOnly = m_readOnly || sqlite3_db_readonly(driverHandle(), "main") == 1;
        if (const auto damage = StoreHealth::damageOf(m_file)) {
            qCCritical(lcDb).noquote()
                << "Failed to open database: it was found damaged:" << *damage;
            ok = refuse(StoreFailure::Kind::Damaged, *damage);
        }
    }
    if (!ok) {
        m_db.close();
        // What this open made is no ledger; left behind it would read as damaged.
        if (created && QFileInfo(path).size() == 0)
            QFile::remove(path);
        return false;
    }
    QSqlQuery pragma(m_db);
    if (!m_readOnly) {
        pragma.exec(QStringLiteral("PRAGMA journal_mode=WAL"));
        // SQLite keeps the log file at the size the largest unit of work (an
        // import of years of statements) left it; past this it is cut back.
        pragma.exec(QStringLiteral("PRAGMA journal_size_limit=8388608"));
    }
    pragma.exec(QStringLiteral("PRAGMA foreign_keys=ON"));
    // Reading pages through a memory map instead of a read call each: the
    // register and the search visit rows scattered over the whole table.
    pragma.exec(QStringLiteral("PRAGMA mmap_size=1073741824"));
    m_open = true;
    if (m_readOnly)
        qCInfo(lcDb).noquote() << "Opened read-only:" << path;
    return true;
}

bool Database::openConnection(const QString& path)
{
    // A second store open in the same process (two data directories side by
    // side in a test or a tool) gets a connection of its own.
    // The reports open theirs from a thread of their own.
    static std::atomic<int> opened = 0;
    const QString name = m_db.isValid() ? m_db.connectionName()
        : QSqlDatabase::contains(QLatin1String(QSqlDatabase::defaultConnection))
        ? QStringLiteral("ledgerine-%1").arg(++opened)
        : QLatin1String(QSqlDatabase::defaultConnection);
    m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);

    const QFileInfo info(path);
    const bool folderWritable = QFileInfo(info.absolutePath()).isWritable();
    m_readOnly = info.exists() && (!info.isWritable() || !folderWritable);
    QString options;
    QString databaseName = path;
    if (m_readOnly) {
        options = QStringLiteral("QSQLITE_OPEN_READONLY");
        if (const QString uri = asItStandsUri(path); !uri.isEmpty()) {
            options += QLatin1String(";QSQLITE_OPEN_URI");
            databaseName = uri;
        }
    }
    m_db.setConnectOptions(options);
    m_db.setDatabaseName(databaseName);
    if (m_db.open())
        return true;
    qCCritical(lcDb).noquote() << "Failed to open database:" << m_db.lastError().text();
    return refuseSqlite(m_db.lastError());
}

QSqlDatabase Database::database() const
{
    return m_db;
}

sqlite3* Database::handle() const
{
    return m_open ? driverHandle() : nullptr;
}

sqlite3* Database::driverHandle() const
{
    if (!m_db.driver())
        return nullptr;
    const QVariant handle = m_db.driver()->handle();
    if (qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3* const*>(handle.constData());
}

bool Database::checkSharedLibrary()
{
    // The repositories read through the driver's connection handle with the
    // SQLite this program links. That is only sound while the driver uses the
    // very same library; a Qt with its own SQLite would corrupt memory.
    QSqlQuery query(m_db);
    if (!query.exec(QStringLiteral("SELECT sqlite_version(), sqlite_source_id()"))
        || !query.next()) {
        qCCritical(lcDb).noquote() << "Failed to open database:" << query.lastError().text();
        return refuseSqlite(query.lastError());
    }
    const QString driverVersion = query.value(0).toString();
    const QString linkedVersion = QString::fromLatin1(sqlite3_libversion());
    bool same = driverVersion == linkedVersion
        && query.value(1).toString() == QLatin1String(sqlite3_sourceid());
    if (same) {
        // And the handle must answer our library's calls.
        sqlite3_stmt* statement = nullptr;
        sqlite3* handle = driverHandle();
        same = handle
            && sqlite3_prepare_v2(handle, "SELECT sqlite_source_id()", -1, &statement, nullptr)
                == SQLITE_OK
            && sqlite3_step(statement) == SQLITE_ROW
            && qstrcmp(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)),
                   sqlite3_sourceid())
                == 0;
        sqlite3_finalize(statement);
    }
    if (same)
        return true;
    const QString detail = QStringLiteral("%1 / %2").arg(driverVersion, linkedVersion);
    qCCritical(lcDb).noquote() << "Qt's SQLite driver and this program use different SQLite "
                                  "libraries (driver / program):"
                               << detail;
    return refuse(StoreFailure::Kind::LibraryMismatch, detail);
}

bool Database::checkSchemaVersion()
{
    QSqlQuery query(m_db);
    if (!query.exec(QStringLiteral("SELECT COUNT(*), COUNT(*) FILTER (WHERE name = "
                                   "'schema_version') FROM sqlite_master WHERE type = 'table'"))
        || !query.next()) {
        qCCritical(lcDb).noquote() << "Failed to open database:" << query.lastError().text();
        return refuseSqlite(query.lastError());
    }
    const int tables = query.value(0).toInt();
    if (query.value(1).toInt() == 0) {
        // No table at all is a new file: version 0. Tables without the record
        // of their version would be migrated over what is already there.
        if (tables == 0)
            return true;
        const QString missing = (QStringList { QStringLiteral("schema_version") } + missingTables())
                                    .join(QStringLiteral(", "));
        qCCritical(lcDb).noquote() << "Required tables are missing:" << missing;
        return refuse(StoreFailure::Kind::MissingTables, missing);
    }
    if (!query.exec(QStringLiteral("SELECT MAX(version) FROM schema_version")) || !query.next()) {
        qCCritical(lcDb).noquote() << "Failed to open database:" << query.lastError().text();
        return refuseSqlite(query.lastError());
    }
    const int version = query.value(0).toInt();
    if (version <= latestVersion())
        return true;
    qCCritical(lcDb).noquote() << "Failed to open database: schema version" << version
                               << "is newer than" << latestVersion();
    return refuse(StoreFailure::Kind::NewerSchema, QString(), version);
}

QStringList Database::missingTables() const
{
    QSet<QString> present;
    QSqlQuery query(m_db);
    query.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'"));
    while (query.next())
        present.insert(query.value(0).toString());
    QStringList missing;
    for (const char* table : kRequiredTables) {
        if (!present.contains(QLatin1String(table)))
            missing << QLatin1String(table);
    }
    return missing;
}

bool Database::runMigrations()
{
    m_failure = {};
    int current = 0;
    QSqlQuery max(m_db);
    if (m_readOnly) {
        // Nothing can be written, so a file this build would migrate cannot be used.
        if (!max.exec(QStringLiteral("SELECT MAX(version) FROM schema_version")) || !max.next())
            return refuseSqlite(max.lastError());
        if (max.value(0).toInt() < latestVersion()) {
            qCCritical(lcDb) << "Read-only database at schema version" << max.value(0).toInt()
                             << "needs migrating";
            return refuse(StoreFailure::Kind::ReadOnlyOutdated, QString(), max.value(0).toInt());
        }
        return checkTables();
    }
    QSqlQuery create(m_db);
    if (!create.exec(
            QStringLiteral("CREATE TABLE IF NOT EXISTS schema_version (  version INTEGER PRIMARY "
                           "KEY,  name    TEXT "
                           "NOT NULL,  applied_at TEXT NOT NULL DEFAULT (datetime('now')))"))) {
        qCCritical(lcDb).noquote()
            << "Failed to create schema_version table:" << create.lastError().text();
        return refuseSqlite(create.lastError());
    }

    if (max.exec(QStringLiteral("SELECT MAX(version) FROM schema_version")) && max.next())
        current = max.value(0).toInt();
    else if (StoreHealth::isDamageCode(max.lastError().nativeErrorCode().toInt()))
        return refuseSqlite(max.lastError());
    // A statement left open keeps SQLite from dropping anything in the migrations.
    max.finish();

    for (const Migration& migration : kMigrations) {
        if (migration.version <= current)
            continue;
        QFile file(QString::fromLatin1(migration.resource));
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
            const QString message
                = QStringLiteral("Cannot read migration file: %1").arg(file.fileName());
            qCCritical(lcDb).noquote() << message;
            Q_EMIT migrationError(migration.version, message);
            return refuse(StoreFailure::Kind::Sqlite, message);
        }
        const QString sql = QString::fromUtf8(file.readAll());
        if (!applyMigration(migration.version, QString::fromLatin1(migration.name), sql))
            return false;
    }
    return checkTables();
}

bool Database::checkTables()
{
    const QStringList missing = missingTables();
    if (missing.isEmpty())
        return true;
    qCCritical(lcDb).noquote() << "Required tables are missing:"
                               << missing.join(QStringLiteral(", "));
    return refuse(StoreFailure::Kind::MissingTables, missing.join(QStringLiteral(", ")));
}

bool Database::applyMigration(int version, const QString& name, const QString& sql)
{
    m_db.transaction();
    for (const QString& statement : splitStatements(sql)) {
        QSqlQuery query(m_db);
        if (!query.exec(statement)) {
            const QString error = query.lastError().text();
            qCCritical(lcDb).noquote() << "Migration" << version << "failed:" << error
                                       << "\nStatement:" << statement.left(200);
            refuseSqlite(query.lastError());
            query = QSqlQuery();
            m_db.rollback();
            Q_EMIT migrationError(version, error);
            return false;
        }
    }

    QSqlQuery record(m_db);
    record.prepare(QStringLiteral("INSERT INTO schema_version (version, name) VALUES (?, ?)"));
    record.addBindValue(version);
    record.addBindValue(name);
    if (!record.exec()) {
        const QString error = record.lastError().text();
        refuseSqlite(record.lastError());
        record = QSqlQuery();
        m_db.rollback();
        Q_EMIT migrationError(version, error);
        return false;
    }
    m_db.commit();
    qCInfo(lcDb).noquote() << "Applied migration" << version << name;
    Q_EMIT migrationApplied(version, name);
    return true;
}

QStringList Database::splitStatements(const QString& sql)
{
    QStringList statements;
    QString accumulated;
    int depth = 0;
    const QStringList lines = sql.split(QChar('\n'));
    for (const QString& line : lines) {
        const QString trimmed = line.trimmed();
        if (trimmed.startsWith(QLatin1String("--")))
            continue;
        accumulated += line + QChar('\n');
        const QString upper = trimmed.toUpper();
        if (upper.contains(QLatin1String("BEGIN")))
            ++depth;
        if (upper.startsWith(QLatin1String("END")) && depth >= 1)
            --depth;
        if (depth != 0 || !trimmed.endsWith(QChar(';')))
            continue;
        finishStatement(accumulated, statements);
    }
    finishStatement(accumulated, statements);
    return statements;
}

void Database::afterCommit(const QObject* owner, const QString& key, std::function<void()> announce)
{
    if (!m_inUnit) {
        announce();
        return;
    }
    for (const Announcement& a : std::as_const(m_pending)) {
        if (a.owner == owner && a.key == key)
            return;
    }
    m_pending.append({ owner, key, std::move(announce) });
}

bool Database::unitLost() const
{
    sqlite3* connection = handle();
    return m_inUnit && connection && sqlite3_get_autocommit(connection);
}

void Database::endUnit(bool committed)
{
    m_inUnit = false;
    const QList<Announcement> pending = std::exchange(m_pending, {});
    if (!committed)
        return;
    for (const Announcement& a : pending)
        a.announce();
}
