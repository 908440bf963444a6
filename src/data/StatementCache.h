#pragma once

#include <QByteArray>
#include <QHash>

class Database;
struct sqlite3_stmt;

// Compiled reads kept for reuse while a run of many alike reads goes on (a
// sync page looks up the same few rows for every record it brings), since
// compiling a statement costs more than running it. Only while the cache
// lives: a statement kept longer would keep the connection from closing.
// SqlStatement takes and gives back its statements here by itself.
class StatementCache {
public:
    // Inactive when another cache already serves the connection.
    explicit StatementCache(const Database* db);
    ~StatementCache();

    StatementCache(const StatementCache&) = delete;
    StatementCache& operator=(const StatementCache&) = delete;

    // A kept statement of exactly `sql` that nobody uses now, or null.
    static sqlite3_stmt* take(const Database* db, const QByteArray& sql);
    // Keeps a statement its user is done with, reset and unbound; false when
    // no cache serves the connection, so that the user finalizes it.
    static bool giveBack(const Database* db, sqlite3_stmt* statement);

private:
    const Database* m_db;
    bool m_active = false;
    QHash<QByteArray, sqlite3_stmt*> m_free;
};
