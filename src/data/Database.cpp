#include "Database.h"

#include "DataLogging.h"

#include <QFile>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>

#include <optional>
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
};

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

bool Database::open(const QString& path)
{
    m_db = QSqlDatabase::addDatabase(
        QStringLiteral("QSQLITE"), QLatin1String(QSqlDatabase::defaultConnection));
    m_db.setDatabaseName(path);
    if (!m_db.open()) {
        qCCritical(lcDb).noquote() << "Failed to open database:" << m_db.lastError().text();
        return false;
    }
    // SQLite opens any file lazily; read the schema once so that a file that is
    // not a database is refused here instead of failing later.
    std::optional<QString> probeError;
    {
        QSqlQuery probe(m_db);
        if (!probe.exec(QStringLiteral("SELECT COUNT(*) FROM sqlite_master")))
            probeError = probe.lastError().text();
    }
    if (probeError) {
        qCCritical(lcDb).noquote() << "Failed to open database:" << *probeError;
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
    if (!m_open || !m_db.driver())
        return nullptr;
    const QVariant handle = m_db.driver()->handle();
    if (qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3* const*>(handle.constData());
}

bool Database::runMigrations()
{
    QSqlQuery create(m_db);
    if (!create.exec(
            QStringLiteral("CREATE TABLE IF NOT EXISTS schema_version (  version INTEGER PRIMARY "
                           "KEY,  name    TEXT "
                           "NOT NULL,  applied_at TEXT NOT NULL DEFAULT (datetime('now')))"))) {
        qCCritical(lcDb).noquote()
            << "Failed to create schema_version table:" << create.lastError().text();
        return false;
    }

    int current = 0;
    QSqlQuery max(m_db);
    if (max.exec(QStringLiteral("SELECT MAX(version) FROM schema_version")) && max.next())
        current = max.value(0).toInt();

    for (const Migration& migration : kMigrations) {
        if (migration.version <= current)
            continue;
        QFile file(QString::fromLatin1(migration.resource));
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
            const QString message
                = QStringLiteral("Cannot read migration file: %1").arg(file.fileName());
            qCCritical(lcDb).noquote() << message;
            Q_EMIT migrationError(migration.version, message);
            return false;
        }
        const QString sql = QString::fromUtf8(file.readAll());
        if (!applyMigration(migration.version, QString::fromLatin1(migration.name), sql))
            return false;
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
