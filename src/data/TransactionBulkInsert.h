#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <memory>

class Database;
class SqlStatement;
class TransactionRepository;
struct Transaction;

// For writers of many transactions at once (import, restore, sample data):
// while the guard is active, inserted rows skip the per-row full-text trigger,
// and finish() indexes all of them with one statement. Every statement inside
// a transaction makes the full-text index flush a segment, so the per-row
// trigger costs three times the insert itself. insert() also binds its
// values straight through SQLite, which halves the cost of a row again.
//
// Updates and deletes of rows that were indexed before the guard keep the
// index as they always do (an update only when an indexed text changed);
// those of rows inserted under the guard leave it alone, since the index
// never had them and finish() takes their last state.
//
// The guard works inside the caller's unit of work (a TransactionScope): the
// trigger changes are transactional, so a rollback takes them back with the
// rows. Outside a transaction it stays inactive and rows are indexed as usual.
class TransactionBulkInsert {
public:
    TransactionBulkInsert(Database* db, TransactionRepository* transactions);
    // Finishes an active guard, so a commit after it never keeps unindexed rows.
    ~TransactionBulkInsert();

    TransactionBulkInsert(const TransactionBulkInsert&) = delete;
    TransactionBulkInsert& operator=(const TransactionBulkInsert&) = delete;

    bool isActive() const { return m_active; }
    // For a writer of a large share of the table's rows: the secondary
    // indexes go as well, and finish() builds each once from all rows rather
    // than keeping it in order row by row. Unique ones stay, since they
    // refuse rows.
    bool deferIndexes();
    // TransactionRepository::insert for many rows: the same columns, the same
    // amount limit, the same change signal after the commit.
    bool insert(const Transaction& transaction);
    // Indexes the rows inserted since the guard began and puts the triggers
    // back. False when that failed, or when SQLite had already rolled the
    // unit back: the caller then rolls its unit back.
    bool finish();
    // For a unit that is about to be rolled back: the rollback puts the
    // triggers back, so there is nothing to index or restore.
    void abandon();

private:
    bool begin();
    bool run(const QString& sql, const char* operation) const;

    Database* m_db;
    TransactionRepository* m_transactions;
    std::unique_ptr<SqlStatement> m_insert;
    qint64 m_lastRowidBefore = 0;
    qint64 m_cacheSize = -2000; // SQLite's default, put back afterwards
    // The full-text triggers as stored (name, CREATE statement).
    QList<QPair<QString, QString>> m_triggers;
    // The dropped indexes likewise.
    QList<QPair<QString, QString>> m_indexes;
    bool m_active = false;
};
