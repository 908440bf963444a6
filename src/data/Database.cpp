#include "Database.h"

#include "DataLogging.h"

#include <QFile>
#include <QSet>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>

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
    return refuse(isPermissionError(error.nativeErrorCode().toInt())
            ? StoreFailure::Kind::Permissions
            : StoreFailure::Kind::Sqlite,
        error.databaseText());
}

bool Database::open(const QString& path)
{
    m_failure = {};
    // A second store open in the same process (two data directories side by
    // side in a test or a tool) gets a connection of its own.
    // The reports open theirs from a thread of their own.
    static std::atomic<int> opened = 0;
    const QString name = m_db.isValid() ? m_db.connectionName()
        : QSqlDatabase::contains(QLatin1String(QSqlDatabase::defaultConnection))
        ? QStringLiteral("ledgerine-%1").arg(++opened)
        : QLatin1String(QSqlDatabase::defaultConnection);
    m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    m_db.setDatabaseName(path);
    if (!m_db.open()) {
        qCCritical(lcDb).noquote() << "Failed to open database:" << m_db.lastError().text();
        return refuseSqlite(m_db.lastError());
    }
    // SQLite opens any file lazily: reading the schema version refuses a file
    // that is not a database here instead of failing later. Nothing may be
    // written (not even the journal mode) before it is known that this build
    // understands the data.
    if (!checkSharedLibrary() || !checkSchemaVersion()) {
        m_db.close();
        return false;
    }
    QSqlQuery pragma(m_db);
    pragma.exec(QStringLiteral("PRAGMA journal_mode=WAL"));
    pragma.exec(QStringLiteral("PRAGMA foreign_keys=ON"));
    // Reading pages through a memory map instead of a read call each: the
    // register and the search visit rows scattered over the whole table.
    pragma.exec(QStringLiteral("PRAGMA mmap_size=1073741824"));
    m_open = true;
    return true;
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
    if (!query.exec(QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE type = 'table' AND "
                                   "name = 'schema_version'"))
        || !query.next()
        || (query.value(0).toInt() > 0
            && (!query.exec(QStringLiteral("SELECT MAX(version) FROM schema_version"))
                || !query.next()))) {
        qCCritical(lcDb).noquote() << "Failed to open database:" << query.lastError().text();
        return refuseSqlite(query.lastError());
    }
    // A table without schema_version is a new file: version 0.
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
    QSqlQuery create(m_db);
    if (!create.exec(
            QStringLiteral("CREATE TABLE IF NOT EXISTS schema_version (  version INTEGER PRIMARY "
                           "KEY,  name    TEXT "
                           "NOT NULL,  applied_at TEXT NOT NULL DEFAULT (datetime('now')))"))) {
        qCCritical(lcDb).noquote()
            << "Failed to create schema_version table:" << create.lastError().text();
        return refuseSqlite(create.lastError());
    }

    int current = 0;
    QSqlQuery max(m_db);
    if (max.exec(QStringLiteral("SELECT MAX(version) FROM schema_version")) && max.next())
        current = max.value(0).toInt();
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
    const QStringList missing = missingTables();
    if (!missing.isEmpty()) {
        qCCritical(lcDb).noquote()
            << "Required tables are missing:" << missing.join(QStringLiteral(", "));
        return refuse(StoreFailure::Kind::MissingTables, missing.join(QStringLiteral(", ")));
    }
    return true;
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

void Database::endUnit(bool committed)
{
    m_inUnit = false;
    const QList<Announcement> pending = std::exchange(m_pending, {});
    if (!committed)
        return;
    for (const Announcement& a : pending)
        a.announce();
}
