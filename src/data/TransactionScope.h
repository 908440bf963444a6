#pragma once

#include <QSqlDatabase>

class Database;

// One unit of work on the shared connection: rolls back unless committed.
// Inside an outer scope it joins the outer transaction instead of nesting, so
// writers can be composed without knowing who started the transaction. Change
// signals raised inside go out after the outermost commit.
class TransactionScope {
public:
    explicit TransactionScope(Database* db);
    ~TransactionScope();

    TransactionScope(const TransactionScope&) = delete;
    TransactionScope& operator=(const TransactionScope&) = delete;

    bool commit();

private:
    Database* m_database;
    QSqlDatabase m_db;
    bool m_owner = false;
    bool m_finished = false;
};
