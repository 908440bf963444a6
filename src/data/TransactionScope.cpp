#include "TransactionScope.h"

#include "Database.h"
#include "StoreHealth.h"

#include <QSqlError>

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
        m_db.rollback();
        m_database->endUnit(false);
    }
}

bool TransactionScope::commit()
{
    m_finished = true;
    if (!m_owner)
        return true;
    // Rows written before the damage showed are not kept either.
    const bool committed = !m_database->isDamaged() && m_db.commit();
    if (!committed) {
        StoreHealth::note(m_database->handle(), m_db.lastError().nativeErrorCode().toInt(),
            m_db.lastError().databaseText());
        m_db.rollback();
    }
    m_database->endUnit(committed);
    return committed;
}
