#include "SearchIndexPause.h"

#include "DataLogging.h"
#include "Database.h"
#include "StoreHealth.h"

#include <sqlite3.h>

SearchIndexPause::SearchIndexPause(Database* db)
    : m_db(db)
{
    sqlite3* handle = db->handle();
    // Outside a transaction the pause would be committed at once.
    if (!handle || sqlite3_get_autocommit(handle) || db->unitLost())
        return;
    m_active = run("INSERT INTO search_index_pause (indexed_through) SELECT COALESCE(MAX(rowid), "
                   "0) FROM transactions WHERE NOT EXISTS (SELECT 1 FROM search_index_pause)")
        && sqlite3_changes(handle) == 1;
}

SearchIndexPause::~SearchIndexPause()
{
    finish();
}

bool SearchIndexPause::run(const char* sql) const
{
    sqlite3* handle = m_db->handle();
    const int rc = sqlite3_exec(handle, sql, nullptr, nullptr, nullptr);
    if (rc == SQLITE_OK)
        return true;
    const QString error = QString::fromUtf8(sqlite3_errmsg(handle));
    m_db->noteFailure(rc & 0xff);
    StoreHealth::note(handle, rc, error);
    qCWarning(lcDb).noquote() << "SearchIndexPause failed:" << error;
    return false;
}

bool SearchIndexPause::finish()
{
    if (!m_active)
        return true;
    m_active = false;
    // SQLite rolled the unit back already, the pause included.
    return !m_db->unitLost()
        && run("INSERT INTO transactions_fts(rowid, payee, memo, check_number) SELECT rowid, "
               "payee, memo, check_number FROM transactions WHERE rowid > (SELECT "
               "indexed_through FROM search_index_pause)")
        && run("DELETE FROM search_index_pause");
}
