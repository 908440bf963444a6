#include "Store.h"

#include "Migrations.h"
#include "ServerLogging.h"

#include <QAtomicInt>
#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QThread>
#include <QUrl>
#include <QUrlQuery>

namespace {

QAtomicInt g_stores;

bool execute(QSqlDatabase& db, const QString& statement)
{
    QSqlQuery query(db);
    if (query.exec(statement))
        return true;
    qCWarning(lcStore).noquote() << "Store:" << statement << "failed:" << query.lastError().text();
    return false;
}

} // namespace

QString Store::Location::describe() const
{
    if (dialect == Dialect::Sqlite)
        return QStringLiteral("SQLite %1").arg(sqliteFile);
    return QStringLiteral("PostgreSQL database %1 on %2%3 as %4")
        .arg(database, host.isEmpty() ? QStringLiteral("the local socket") : host,
            port > 0 ? QStringLiteral(":%1").arg(port) : QString(), user);
}

std::optional<Store::Location> Store::postgresLocation(const QString& text, QString* error)
{
    const QUrl url(text, QUrl::StrictMode);
    if (!url.isValid()
        || (url.scheme() != QLatin1String("postgresql")
            && url.scheme() != QLatin1String("postgres"))) {
        *error = QStringLiteral("not a postgresql:// address: %1").arg(text);
        return std::nullopt;
    }
    Location location;
    location.dialect = Dialect::Postgres;
    location.host = url.host();
    location.port = url.port(-1);
    location.user = url.userName();
    location.password = url.password();
    location.database = url.path().mid(1);
    if (location.database.isEmpty() || location.database.contains(QLatin1Char('/'))) {
        *error = QStringLiteral("the address names no database: %1")
                     .arg(url.toDisplayString(QUrl::RemovePassword));
        return std::nullopt;
    }
    QStringList options;
    const QUrlQuery query(url);
    for (const auto& [key, value] : query.queryItems(QUrl::FullyDecoded)) {
        if (key == QLatin1String("host"))
            location.host = value;
        else if (key == QLatin1String("port"))
            location.port = value.toInt();
        else if (key.contains(QLatin1Char(';')) || value.contains(QLatin1Char(';'))) {
            *error = QStringLiteral("a connection option may not contain ';'");
            return std::nullopt;
        } else
            options << key + QLatin1Char('=') + value;
    }
    location.options = options.join(QLatin1Char(';'));
    return location;
}

Store::Location Store::sqliteLocation(const QString& directory)
{
    Location location;
    location.sqliteFile = QDir(directory).filePath(QStringLiteral("ledgerine-server.db"));
    return location;
}

Store::Store(const Location& location)
    : m_location(location)
    , m_prefix(QStringLiteral("ledgerine-server-%1-").arg(g_stores.fetchAndAddRelaxed(1)))
{
}

Store::~Store()
{
    releaseThreadConnection();
}

QString Store::connectionName() const
{
    return m_prefix + QString::number(quintptr(QThread::currentThreadId()));
}

bool Store::open(QString* error)
{
    QSqlDatabase connection = db();
    if (!connection.isOpen()) {
        *error = QStringLiteral("cannot open %1: %2")
                     .arg(m_location.describe(), connection.lastError().text());
        return false;
    }
    return Migrations::apply(*this, error);
}

QSqlDatabase Store::db()
{
    const QString name = connectionName();
    if (QSqlDatabase::contains(name)) {
        QSqlDatabase existing = QSqlDatabase::database(name, false);
        QString error;
        if (!existing.isOpen() && (!existing.open() || !configure(existing, &error)))
            qCWarning(lcStore).noquote() << "Cannot connect to" << m_location.describe() << ":"
                                         << existing.lastError().text() << error;
        return existing;
    }
    const bool sqlite = m_location.dialect == Dialect::Sqlite;
    QSqlDatabase db = QSqlDatabase::addDatabase(
        sqlite ? QStringLiteral("QSQLITE") : QStringLiteral("QPSQL"), name);
    if (sqlite) {
        db.setDatabaseName(m_location.sqliteFile);
        // Another server process on the same file waits instead of failing.
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=10000"));
    } else {
        db.setHostName(m_location.host);
        if (m_location.port > 0)
            db.setPort(m_location.port);
        db.setUserName(m_location.user);
        db.setPassword(m_location.password);
        db.setDatabaseName(m_location.database);
        db.setConnectOptions(m_location.options);
    }
    QString error;
    if (!db.open() || !configure(db, &error))
        qCWarning(lcStore).noquote() << "Cannot connect to" << m_location.describe() << ":"
                                     << db.lastError().text() << error;
    return db;
}

bool Store::configure(QSqlDatabase& db, QString* error)
{
    if (m_location.dialect == Dialect::Postgres)
        return execute(db, QStringLiteral("SET client_min_messages TO warning"));
    // Every push a client was told is stored must survive a power cut, so
    // commits wait for the disk (FULL); WAL lets pulls read while a push writes.
    for (const char* pragma :
        { "PRAGMA journal_mode = WAL", "PRAGMA synchronous = FULL", "PRAGMA foreign_keys = ON" }) {
        if (!execute(db, QLatin1String(pragma))) {
            *error = QStringLiteral("cannot set %1").arg(QLatin1String(pragma));
            return false;
        }
    }
    return true;
}

void Store::releaseThreadConnection()
{
    const QString name = connectionName();
    if (!QSqlDatabase::contains(name))
        return;
    QSqlDatabase::database(name, false).close();
    QSqlDatabase::removeDatabase(name);
}

QString Store::lockRow(const QString& alias) const
{
    if (m_location.dialect != Dialect::Postgres)
        return QString();
    return alias.isEmpty() ? QStringLiteral(" FOR UPDATE")
                           : QStringLiteral(" FOR UPDATE OF ") + alias;
}

bool Store::write(const std::function<bool(QSqlDatabase&)>& work)
{
    if (m_location.dialect == Dialect::Sqlite) {
        std::lock_guard lock(m_sqliteWriter);
        return run(work, "BEGIN IMMEDIATE");
    }
    return run(work, "BEGIN");
}

bool Store::read(const std::function<bool(QSqlDatabase&)>& work)
{
    return run(work,
        m_location.dialect == Dialect::Sqlite ? "BEGIN"
                                              : "BEGIN ISOLATION LEVEL REPEATABLE READ READ ONLY");
}

bool Store::run(const std::function<bool(QSqlDatabase&)>& work, const char* begin)
{
    QSqlDatabase connection = db();
    bool begun = connection.isOpen() && execute(connection, QLatin1String(begin));
    if (!begun && m_location.dialect == Dialect::Postgres) {
        // The database server may have restarted since this connection was made.
        connection.close();
        connection = db();
        begun = connection.isOpen() && execute(connection, QLatin1String(begin));
    }
    if (!begun)
        return false;
    // PostgreSQL answers COMMIT of a failed transaction with a rollback, not
    // an error, so the work itself must report every failed statement.
    const bool done = work(connection) && execute(connection, QStringLiteral("COMMIT"));
    if (!done)
        execute(connection, QStringLiteral("ROLLBACK"));
    return done;
}

bool Store::backupTo(const QString& file, QString* error)
{
    if (m_location.dialect == Dialect::Postgres) {
        *error = QStringLiteral("the data is in PostgreSQL: copy it with pg_dump (for example "
                                "pg_dump -Fc -f FILE %1)")
                     .arg(m_location.database);
        return false;
    }
    if (QFileInfo::exists(file)) {
        *error = QStringLiteral("%1 exists already").arg(file);
        return false;
    }
    // VACUUM INTO reads one snapshot and writes a compact, complete file.
    QSqlDatabase connection = db();
    QSqlQuery query(connection);
    if (!query.prepare(QStringLiteral("VACUUM INTO ?"))) {
        *error = query.lastError().text();
        return false;
    }
    query.addBindValue(QFileInfo(file).absoluteFilePath());
    if (!query.exec()) {
        *error = query.lastError().text();
        return false;
    }
    return true;
}
