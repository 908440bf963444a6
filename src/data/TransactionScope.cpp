#include "TransactionScope.h"

#include "Database.h"

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
    const bool committed = m_db.commit();
    if (!committed)
        m_db.rollback();
    m_database->endUnit(committed);
    return committed;
}
