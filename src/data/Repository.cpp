#include "Repository.h"

#include "Clock.h"
#include "DataLogging.h"
#include "Database.h"
#include "Money.h"
#include "SqlStatement.h"
#include "SqlValue.h"
#include "StoreHealth.h"

#include <QHash>
#include <QSqlError>

Repository::Repository(Database* db, const char* className, QObject* parent)
    : QObject(parent)
    , m_db(db)
    , m_className(className)
{
}

QSqlQuery& Repository::prepared(const QString& sql, const QVariantList& values) const
{
    // Each statement is compiled once and kept: an import or a sync writes
    // thousands of rows with the same few statements.
    auto cached = m_statements.find(sql);
    if (cached == m_statements.end()) {
        auto query = std::make_unique<QSqlQuery>(m_db->database());
        query->setForwardOnly(true);
        if (!query->prepare(sql)) {
            // Not kept, so that a later call prepares it afresh; its exec reports the error.
            m_unprepared = std::move(query);
            return *m_unprepared;
        }
        cached = m_statements.emplace(sql, std::move(query)).first;
    }
    QSqlQuery& query = *cached->second;
    for (int i = 0; i < values.size(); ++i)
        query.bindValue(i, values.at(i));
    return query;
}

void Repository::logFailure(const char* operation, const QString& error) const
{
    qCWarning(lcDb).noquote() << QStringLiteral("%1::%2 failed:")
                                     .arg(QLatin1String(m_className), QLatin1String(operation))
                              << error;
}

void Repository::logReadFailure(const QString& error) const
{
    qCWarning(lcDb).noquote() << QStringLiteral("%1 read failed:").arg(QLatin1String(m_className))
                              << error;
}

bool Repository::amountsWithinLimit(
    const char* operation, std::initializer_list<qint64> amounts) const
{
    for (const qint64 amount : amounts) {
        if (!Money::isWithinLimit(amount)) {
            logFailure(operation,
                QStringLiteral("amount %1 is beyond the limit of %2")
                    .arg(amount)
                    .arg(Money::kMaxAmount));
            return false;
        }
    }
    return true;
}

bool Repository::exec(QSqlQuery& query, const char* operation) const
{
    if (m_db->unitLost()) {
        logFailure(operation, QStringLiteral("the unit of work was already rolled back"));
        return false;
    }
    if (query.exec())
        return true;
    const QSqlError error = query.lastError();
    m_db->noteFailure(error.nativeErrorCode().toInt());
    StoreHealth::note(m_db->handle(), error.nativeErrorCode().toInt(), error.databaseText());
    logFailure(operation, error.text());
    return false;
}

bool Repository::execWrite(
    const QString& sql, const QVariantList& values, const char* operation) const
{
    QSqlQuery& query = prepared(sql, values);
    return exec(query, operation);
}

int Repository::execCount(
    const QString& sql, const QVariantList& values, const char* operation) const
{
    QSqlQuery& query = prepared(sql, values);
    if (!exec(query, operation))
        return 0;
    return query.numRowsAffected();
}

bool Repository::execWrite(const QString& sql, const QVariantList& values, const char* operation,
    const std::function<void()>& changed) const
{
    const bool ok = execWrite(sql, values, operation);
    if (ok && changed)
        changed();
    return ok;
}

int Repository::execCount(const QString& sql, const QVariantList& values, const char* operation,
    const std::function<void()>& changed) const
{
    const int count = execCount(sql, values, operation);
    if (count > 0 && changed)
        changed();
    return count;
}

std::optional<int> Repository::tryCount(const QString& sql, const QVariantList& values,
    const char* operation, const std::function<void()>& changed) const
{
    QSqlQuery& query = prepared(sql, values);
    if (!exec(query, operation))
        return std::nullopt;
    const int count = query.numRowsAffected();
    if (count > 0 && changed)
        changed();
    return count;
}

bool Repository::markSyncedIn(const char* table, const QString& id, const QString& serverId) const
{
    QSqlQuery& query
        = prepared(QStringLiteral("UPDATE %1 SET sync_status='synced', server_id=? WHERE id=?")
                       .arg(QLatin1String(table)),
            { serverId, id });
    return query.exec();
}

int Repository::markAllPendingIn(const char* table, const std::function<void()>& changed) const
{
    return execCount(QStringLiteral("UPDATE %1 SET sync_status = 'pending' WHERE deleted_at IS "
                                    "NULL AND sync_status != 'pending'")
                         .arg(QLatin1String(table)),
        {}, "markAllPendingForResync", changed);
}

bool Repository::softDeleteIn(const char* table, const QString& id,
    const std::function<void()>& changed, OnFailure onFailure) const
{
    const QString now = Clock::nowIso();
    const QString sql = QStringLiteral("UPDATE %1 SET deleted_at=?, sync_status='pending', "
                                       "updated_at=? WHERE id=?")
                            .arg(QLatin1String(table));
    if (onFailure == OnFailure::Log)
        return execWrite(sql, { now, now, id }, "softDelete", changed);
    QSqlQuery& query = prepared(sql, { now, now, id });
    if (!query.exec())
        return false;
    if (changed)
        changed();
    return true;
}

bool Repository::restoreIn(
    const char* table, const QString& id, const std::function<void()>& changed) const
{
    return execWrite(QStringLiteral("UPDATE %1 SET deleted_at=NULL, sync_status='pending', "
                                    "updated_at=? WHERE id=?")
                         .arg(QLatin1String(table)),
        { Clock::nowIso(), id }, "restore", changed);
}

int Repository::softDeleteByAccountIn(
    const char* table, const QString& accountId, const std::function<void()>& changed) const
{
    const QString now = Clock::nowIso();
    return execCount(QStringLiteral("UPDATE %1 SET deleted_at = ?, updated_at = ?, sync_status = "
                                    "'pending' WHERE account_id = ? AND deleted_at IS NULL")
                         .arg(QLatin1String(table)),
        { now, now, accountId }, "softDeleteByAccount", changed);
}

std::optional<int> Repository::clearCategoriesIn(
    const char* table, const QStringList& categoryIds, const std::function<void()>& changed) const
{
    return tryCount(
        QStringLiteral("UPDATE %1 SET category_id = NULL, updated_at = ?, sync_status = "
                       "'pending' WHERE category_id IN (SELECT value FROM json_each(?)) "
                       "AND deleted_at IS NULL")
            .arg(QLatin1String(table)),
        { Clock::nowIso(), SqlValue::textList(categoryIds) }, "clearCategories", changed);
}

int Repository::restoreByAccountIn(const char* table, const QString& accountId,
    const QString& since, const std::function<void()>& changed) const
{
    return execCount(QStringLiteral("UPDATE %1 SET deleted_at = NULL, updated_at = ?, sync_status "
                                    "= 'pending' WHERE account_id = ? AND deleted_at >= ?")
                         .arg(QLatin1String(table)),
        { Clock::nowIso(), accountId, since }, "restoreByAccount", changed);
}

bool Repository::upsertIn(
    const char* table, const QString& columns, const QVariantList& values, bool isNew) const
{
    // Built once for each table: a pull writes thousands of rows with it.
    thread_local QHash<QString, QString> statements;
    const QString key = QLatin1String(table) + QLatin1Char(isNew ? '+' : ':') + columns;
    auto sql = statements.constFind(key);
    if (sql == statements.cend()) {
        QStringList names = columns.split(QLatin1Char(','));
        QStringList marks;
        QStringList assignments;
        for (QString& name : names) {
            name = name.trimmed();
            marks << QStringLiteral("?");
            if (name != QLatin1String("id"))
                assignments << QStringLiteral("%1=excluded.%1").arg(name);
        }
        QString insert = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                             .arg(QLatin1String(table), names.join(QStringLiteral(", ")),
                                 marks.join(QStringLiteral(", ")));
        if (!isNew)
            insert += QStringLiteral(" ON CONFLICT(id) DO UPDATE SET ")
                + assignments.join(QStringLiteral(", "));
        sql = statements.insert(key, insert);
    }
    // Bound straight through SQLite: Qt's binding formats a placeholder name
    // for every value it binds, twenty for each pulled row. A pull keeps the
    // compiled statement in its cache.
    SqlStatement statement(m_db, *sql);
    if (statement.bind(values) && statement.execute())
        return true;
    logFailure("storeReceived", statement.errorText());
    return false;
}

std::function<void()> Repository::deferred(const QString& key, std::function<void()> announce) const
{
    return [this, key, announce = std::move(announce)] { m_db->afterCommit(this, key, announce); };
}
