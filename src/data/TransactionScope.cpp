#include "TransactionScope.h"

#include "Database.h"

TransactionScope::TransactionScope(Database* db)
    : m_db(db->database())
{
    m_owner = m_db.transaction();
}

TransactionScope::~TransactionScope()
{
    if (m_owner && !m_finished)
        m_db.rollback();
}

bool TransactionScope::commit()
{
    m_finished = true;
    if (!m_owner)
        return true;
    if (m_db.commit())
        return true;
    m_db.rollback();
    return false;
}
