#include "TransactionBulkInsert.h"

#include "DataLogging.h"
#include "Database.h"
#include "Money.h"
#include "SqlStatement.h"
#include "TransactionRepository.h"

#include <QSqlError>
#include <QSqlQuery>

#include <sqlite3.h>

namespace {

// Negative: in KiB rather than pages.
constexpr qint64 kBulkCacheKiB = -64 * 1024;

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
    qCWarning(lcDb).noquote()
        << QStringLiteral("TransactionBulkInsert::%1 failed:").arg(QLatin1String(operation))
        << query.lastError().text();
    return false;
}

bool TransactionBulkInsert::begin()
{
    sqlite3* handle = m_db->handle();
    // Outside a transaction the dropped trigger would be gone for good at once.
    if (!handle || sqlite3_get_autocommit(handle))
        return false;
    {
        QSqlQuery query(m_db->database());
        if (!query.exec(QStringLiteral("SELECT sql FROM sqlite_master WHERE type = 'trigger' AND "
                                       "name = 'transactions_ai'"))
            || !query.next())
            return false;
        m_insertTrigger = query.value(0).toString();
        if (!query.exec(QStringLiteral("SELECT COALESCE(MAX(rowid), 0) FROM transactions"))
            || !query.next())
            return false;
        m_lastRowidBefore = query.value(0).toLongLong();
        if (query.exec(QStringLiteral("PRAGMA cache_size")) && query.next())
            m_cacheSize = query.value(0).toLongLong();
    }
    // Rows with random ids land all over the indexes: a larger page cache
    // keeps them from being written out and read back again and again.
    run(QStringLiteral("PRAGMA cache_size = %1").arg(kBulkCacheKiB), "begin");
    return run(QStringLiteral("DROP TRIGGER transactions_ai"), "begin");
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

bool TransactionBulkInsert::finish()
{
    if (!m_active)
        return true;
    m_active = false;
    m_insert.reset();
    const bool indexed = run(QStringLiteral("INSERT INTO transactions_fts(rowid, payee, memo, "
                                            "check_number) SELECT rowid, payee, memo, "
                                            "check_number FROM transactions WHERE rowid > %1")
                                 .arg(m_lastRowidBefore),
        "finish");
    const bool restored = run(m_insertTrigger, "finish");
    run(QStringLiteral("PRAGMA cache_size = %1").arg(m_cacheSize), "finish");
    return indexed && restored;
}
