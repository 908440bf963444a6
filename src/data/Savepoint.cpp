#include "Savepoint.h"

#include "DataLogging.h"
#include "Database.h"
#include "StoreHealth.h"

#include <sqlite3.h>

namespace {

// Straight to SQLite: a catch-up run opens thousands of these.
bool run(Database* db, const char* sql)
{
    sqlite3* handle = db->handle();
    const int rc = handle ? sqlite3_exec(handle, sql, nullptr, nullptr, nullptr) : SQLITE_MISUSE;
    if (rc == SQLITE_OK)
        return true;
    if (handle)
        StoreHealth::note(handle, rc, QString::fromUtf8(sqlite3_errmsg(handle)));
    qCWarning(lcDb).noquote() << QStringLiteral("Savepoint: \"%1\" failed:").arg(QLatin1String(sql))
                              << (handle ? QString::fromUtf8(sqlite3_errmsg(handle)) : QString());
    return false;
}

} // namespace

Savepoint::Savepoint(Database* db)
    : m_database(db)
{
    if (!db->m_inUnit) {
        m_scope.emplace(db);
        m_open = db->m_inUnit;
        return;
    }
    // SQLite matches a name with the innermost savepoint of that name, so
    // nested steps can share it.
    m_announcementMark = db->m_pending.size();
    // Outside the lost transaction a savepoint would be a transaction of its own.
    m_open = !db->unitLost() && run(db, "SAVEPOINT step");
}

Savepoint::~Savepoint()
{
    if (!m_finished)
        rollback();
}

void Savepoint::rollback()
{
    m_finished = true;
    if (m_scope || !m_open)
        return; // the scope rolls back by itself
    // A transaction SQLite already rolled back has no savepoint left.
    if (!m_database->unitLost()) {
        run(m_database, "ROLLBACK TO step");
        run(m_database, "RELEASE step");
    }
    // Rows that were not kept are not announced; what was pending before stays.
    m_database->m_pending.resize(m_announcementMark);
}

bool Savepoint::release()
{
    if (m_finished)
        return false;
    if (m_scope) {
        m_finished = true;
        return m_open && m_scope->commit();
    }
    if (!m_open || !run(m_database, "RELEASE step")) {
        rollback();
        return false;
    }
    m_finished = true;
    return true;
}
