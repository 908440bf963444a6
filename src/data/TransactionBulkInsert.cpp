#include "TransactionBulkInsert.h"

#include "BulkWriteSettings.h"
#include "DataLogging.h"
#include "Database.h"
#include "Money.h"
#include "SqlStatement.h"
#include "TransactionRepository.h"

#include <QSqlError>
#include <QSqlQuery>

#include <sqlite3.h>

namespace {

const char* const kTriggers[] = { "transactions_ai", "transactions_au", "transactions_ad" };

const QString kDeleteEntry = QStringLiteral(
    "INSERT INTO transactions_fts(transactions_fts, rowid, payee, memo, check_number) "
    "VALUES ('delete', old.rowid, old.payee, old.memo, old.check_number);");
const QString kInsertEntry
    = QStringLiteral("INSERT INTO transactions_fts(rowid, payee, memo, check_number) "
                     "VALUES (new.rowid, new.payee, new.memo, new.check_number);");

// The update and delete triggers while the guard is active: only rows the
// index already has, and an update only when an indexed text changed (a
// restore over the data it was taken from rewrites every row unchanged).
QStringList guardTriggers(qint64 lastRowidBefore)
{
    const QString indexed = QStringLiteral("old.rowid <= %1").arg(lastRowidBefore);
    return {
        QStringLiteral("CREATE TRIGGER transactions_au AFTER UPDATE OF payee, memo, check_number "
                       "ON transactions WHEN %1 AND (old.payee IS NOT new.payee OR old.memo IS "
                       "NOT new.memo OR old.check_number IS NOT new.check_number) BEGIN %2 %3 END")
            .arg(indexed, kDeleteEntry, kInsertEntry),
        QStringLiteral("CREATE TRIGGER transactions_ad AFTER DELETE ON transactions WHEN %1 "
                       "BEGIN %2 END")
            .arg(indexed, kDeleteEntry),
    };
}

} // namespace

TransactionBulkInsert::TransactionBulkInsert(Database* db, TransactionRepository* transactions)
    : m_db(db)
    , m_transactions(transactions)
{
    m_active = begin();
}

TransactionBulkInsert::~TransactionBulkInsert()
{
    finish();
}

bool TransactionBulkInsert::run(const QString& sql, const char* operation) const
{
    QSqlQuery query(m_db->database());
    if (query.exec(sql))
        return true;
    m_db->noteFailure(query.lastError().nativeErrorCode().toInt());
    qCWarning(lcDb).noquote()
        << QStringLiteral("TransactionBulkInsert::%1 failed:").arg(QLatin1String(operation))
        << query.lastError().text();
    return false;
}

bool TransactionBulkInsert::begin()
{
    sqlite3* handle = m_db->handle();
    // Outside a transaction the dropped trigger would be gone for good at once.
    if (!handle || sqlite3_get_autocommit(handle) || m_db->unitLost())
        return false;
    {
        QSqlQuery query(m_db->database());
        for (const char* name : kTriggers) {
            query.prepare(QStringLiteral(
                "SELECT sql FROM sqlite_master WHERE type = 'trigger' AND name = ?"));
            query.addBindValue(QLatin1String(name));
            if (!query.exec() || !query.next())
                return false;
            m_triggers.append({ QLatin1String(name), query.value(0).toString() });
        }
        if (!query.exec(QStringLiteral("SELECT COALESCE(MAX(rowid), 0) FROM transactions"))
            || !query.next())
            return false;
        m_lastRowidBefore = query.value(0).toLongLong();
        if (query.exec(QStringLiteral("PRAGMA cache_size")) && query.next())
            m_cacheSize = query.value(0).toLongLong();
    }
    // All three triggers change, or none.
    if (!run(QStringLiteral("SAVEPOINT bulk_triggers"), "begin"))
        return false;
    bool changed = true;
    for (const char* name : kTriggers)
        changed
            = changed && run(QStringLiteral("DROP TRIGGER %1").arg(QLatin1String(name)), "begin");
    for (const QString& sql : guardTriggers(m_lastRowidBefore))
        changed = changed && run(sql, "begin");
    if (!changed)
        run(QStringLiteral("ROLLBACK TO bulk_triggers"), "begin");
    run(QStringLiteral("RELEASE bulk_triggers"), "begin");
    if (!changed)
        return false;
    // Rows with random ids land all over the indexes: a larger page cache
    // keeps them from being written out and read back again and again.
    run(QStringLiteral("PRAGMA cache_size = %1").arg(BulkWriteSettings::kCacheKiB), "begin");
    return true;
}

bool TransactionBulkInsert::deferIndexes()
{
    if (!m_active || !m_indexes.isEmpty())
        return false;
    QList<QPair<QString, QString>> indexes;
    {
        QSqlQuery query(m_db->database());
        if (!query.exec(QStringLiteral(
                "SELECT name, sql FROM sqlite_master WHERE type = 'index' AND tbl_name = "
                "'transactions' AND sql IS NOT NULL AND sql NOT LIKE 'CREATE UNIQUE%'")))
            return false;
        while (query.next())
            indexes.append({ query.value(0).toString(), query.value(1).toString() });
    }
    for (const auto& [name, sql] : std::as_const(indexes)) {
        if (!run(QStringLiteral("DROP INDEX \"%1\"").arg(name), "deferIndexes"))
            return false;
        m_indexes.append({ name, sql });
    }
    return true;
}

bool TransactionBulkInsert::insert(const Transaction& t)
{
    if (!m_active)
        return m_transactions->insert(t);
    if (!Money::isWithinLimit(t.amount)) {
        qCWarning(lcDb).noquote()
            << "TransactionBulkInsert::insert failed: amount beyond the limit";
        return false;
    }
    if (!m_insert)
        m_insert = std::make_unique<SqlStatement>(m_db, TransactionRepository::insertStatement());
    if (!m_insert->bind(TransactionRepository::insertValues(t)) || !m_insert->execute()) {
        qCWarning(lcDb).noquote() << "TransactionBulkInsert::insert failed:"
                                  << m_insert->errorText();
        return false;
    }
    // Announced like the repository's own inserts: once per account, after the commit.
    TransactionRepository* repository = m_transactions;
    const QString accountId = t.accountId;
    m_db->afterCommit(repository, accountId,
        [repository, accountId] { Q_EMIT repository->transactionsChanged(accountId); });
    return true;
}

void TransactionBulkInsert::abandon()
{
    if (!m_active)
        return;
    m_active = false;
    m_insert.reset();
    m_indexes.clear();
    run(QStringLiteral("PRAGMA cache_size = %1").arg(m_cacheSize), "finish");
}

bool TransactionBulkInsert::finish()
{
    if (!m_active)
        return true;
    m_insert.reset();
    // SQLite rolled the unit back already, triggers and index included.
    bool done = !m_db->unitLost()
        && run(QStringLiteral("INSERT INTO transactions_fts(rowid, payee, memo, check_number) "
                              "SELECT rowid, payee, memo, check_number FROM transactions WHERE "
                              "rowid > %1")
                   .arg(m_lastRowidBefore),
            "finish");
    for (const auto& [name, sql] : std::as_const(m_indexes))
        done = done && run(sql, "finish");
    m_indexes.clear();
    for (const auto& [name, sql] : std::as_const(m_triggers)) {
        done = done
            && (name == QLatin1String("transactions_ai")
                || run(QStringLiteral("DROP TRIGGER %1").arg(name), "finish"))
            && run(sql, "finish");
    }
    abandon();
    return done;
}
