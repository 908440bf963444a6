#include "StatementCache.h"

#include <sqlite3.h>

namespace {

// The cache serving each connection; connections belong to one thread.
QHash<const Database*, StatementCache*>& caches()
{
    thread_local QHash<const Database*, StatementCache*> active;
    return active;
}

} // namespace

StatementCache::StatementCache(const Database* db)
    : m_db(db)
{
    if (caches().contains(db))
        return;
    caches().insert(db, this);
    m_active = true;
}

StatementCache::~StatementCache()
{
    if (!m_active)
        return;
    caches().remove(m_db);
    for (sqlite3_stmt* statement : std::as_const(m_free))
        sqlite3_finalize(statement);
}

sqlite3_stmt* StatementCache::take(const Database* db, const QByteArray& sql)
{
    if (caches().isEmpty())
        return nullptr;
    StatementCache* cache = caches().value(db);
    return cache ? cache->m_free.take(sql) : nullptr;
}

bool StatementCache::giveBack(const Database* db, sqlite3_stmt* statement)
{
    if (caches().isEmpty() || !statement)
        return false;
    StatementCache* cache = caches().value(db);
    if (!cache)
        return false;
    const QByteArray sql(sqlite3_sql(statement));
    // One free statement per text is enough; a second one in use at the same time goes.
    if (cache->m_free.contains(sql))
        return false;
    sqlite3_reset(statement);
    sqlite3_clear_bindings(statement);
    cache->m_free.insert(sql, statement);
    return true;
}
