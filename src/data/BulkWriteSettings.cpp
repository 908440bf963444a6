#include "BulkWriteSettings.h"

#include "Database.h"

#include <sqlite3.h>

namespace {

// The value a pragma reads, or `fallback`.
qint64 pragma(sqlite3* handle, const char* sql, qint64 fallback)
{
    sqlite3_stmt* statement = nullptr;
    qint64 value = fallback;
    if (sqlite3_prepare_v2(handle, sql, -1, &statement, nullptr) == SQLITE_OK
        && sqlite3_step(statement) == SQLITE_ROW)
        value = sqlite3_column_int64(statement, 0);
    sqlite3_finalize(statement);
    return value;
}

void set(sqlite3* handle, const char* name, qint64 value)
{
    const QByteArray sql = QByteArray("PRAGMA ") + name + " = " + QByteArray::number(value);
    sqlite3_exec(handle, sql.constData(), nullptr, nullptr, nullptr);
}

} // namespace

BulkWriteSettings::BulkWriteSettings(Database* db)
    : m_db(db)
{
    sqlite3* handle = db->handle();
    if (!handle)
        return;
    m_cacheSize = pragma(handle, "PRAGMA cache_size", 0);
    if (m_cacheSize != 0)
        set(handle, "cache_size", kCacheKiB);
    // SQLite refuses to move temporary storage inside a transaction.
    if (sqlite3_get_autocommit(handle)) {
        m_tempStore = int(pragma(handle, "PRAGMA temp_store", -1));
        if (m_tempStore >= 0)
            set(handle, "temp_store", 2);
    }
}

BulkWriteSettings::~BulkWriteSettings()
{
    sqlite3* handle = m_db ? m_db->handle() : nullptr;
    if (!handle)
        return;
    if (m_cacheSize != 0)
        set(handle, "cache_size", m_cacheSize);
    if (m_tempStore >= 0 && sqlite3_get_autocommit(handle))
        set(handle, "temp_store", m_tempStore);
}
