#pragma once

#include "TransactionScope.h"

#include <optional>

class Database;

// One step inside a larger unit of work that stands or falls on its own: it
// is rolled back to where it began unless released, while the rest of the
// unit stays, and change announcements made inside it go with it. Outside a
// unit it is simply a unit of its own.
class Savepoint {
public:
    explicit Savepoint(Database* db);
    ~Savepoint();

    Savepoint(const Savepoint&) = delete;
    Savepoint& operator=(const Savepoint&) = delete;

    // False when the step could not even begin; nothing must be written then.
    bool isOpen() const { return m_open; }
    bool release();

private:
    void rollback();

    Database* m_database;
    std::optional<TransactionScope> m_scope;
    qsizetype m_announcementMark = 0;
    bool m_open = false;
    bool m_finished = false;
};
