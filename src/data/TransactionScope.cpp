#include "TransactionScope.h"

#include "Database.h"
#include "StoreHealth.h"

#include <QSqlError>

#include <sqlite3.h>

TransactionScope::TransactionScope(Database* db)
    : m_database(db)
    , m_db(db->database())
{
    m_owner = !db->m_inUnit && m_db.transaction();
    if (m_owner)
        db->m_inUnit = true;
}

TransactionScope::~TransactionScope()
{
    if (m_owner && !m_finished) {
        if (!m_database->unitLost())
            m_db.rollback();
        m_database->endUnit(false);
    }
}

bool TransactionScope::commit()
{
    m_finished = true;
    if (!m_owner)
        return true;
    // A transaction SQLite already rolled back keeps the failure that ended it;
    // rows written before damage showed are not kept either.
    const bool lost = m_database->unitLost();
    const bool damaged = m_database->isDamaged();
    const bool committed = !lost && !damaged && m_db.commit();
    if (!committed && !lost) {
        // Qt's message leaves SQLite's code out; the connection still has it.
        sqlite3* handle = m_database->handle();
        const int code = damaged ? SQLITE_CORRUPT : handle ? sqlite3_errcode(handle) : SQLITE_ERROR;
        m_database->noteFailure(code);
        StoreHealth::note(handle, code, m_db.lastError().databaseText());
        m_db.rollback();
    }
    m_database->endUnit(committed);
    return committed;
}
