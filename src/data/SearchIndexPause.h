#pragma once

class Database;

// For a unit of work that writes many transactions among other rows (a sync
// page): while active, the full-text triggers leave new rows, and edits of
// them, to finish(), which indexes their last state with one statement.
// Every statement that writes the index makes it flush a segment, so this
// spares one per row. Unlike TransactionBulkInsert it changes nothing in
// the schema: the pause is a row the triggers read, written inside the
// unit, so the unit's compiled statements stay valid and a rollback (or a
// crash) takes the pause away with the rows.
class SearchIndexPause {
public:
    // Inactive outside a transaction, and inside a unit already paused
    // (whose own finish() indexes everything).
    explicit SearchIndexPause(Database* db);
    // Finishes an active pause, so a commit after it never keeps unindexed rows.
    ~SearchIndexPause();

    SearchIndexPause(const SearchIndexPause&) = delete;
    SearchIndexPause& operator=(const SearchIndexPause&) = delete;

    bool isActive() const { return m_active; }
    // Indexes the rows written since the pause began and ends it. False when
    // that failed, or when SQLite had already rolled the unit back: the
    // caller then rolls its unit back.
    bool finish();

private:
    bool run(const char* sql) const;

    Database* m_db;
    bool m_active = false;
};
