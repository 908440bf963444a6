-- Migration 014: the search index filled once for a unit of many writes
--
-- Each statement that writes the full-text index makes it flush a segment,
-- so a unit that writes thousands of rows leaves them to one statement at
-- its end. While search_index_pause holds its one row (only ever inside
-- such a unit, never committed), new rows stay out of the index and edits
-- of rows newer than indexed_through leave it alone: the unit indexes their
-- last state itself. Nothing in the schema changes for that, so the unit's
-- compiled statements stay valid, and a rollback or a crash takes the row
-- with it. An edit that keeps every indexed text leaves the index alone.

CREATE TABLE IF NOT EXISTS search_index_pause (
    indexed_through INTEGER NOT NULL
);

DROP TRIGGER IF EXISTS transactions_ai;
CREATE TRIGGER transactions_ai AFTER INSERT ON transactions
WHEN NOT EXISTS (SELECT 1 FROM search_index_pause) BEGIN
    INSERT INTO transactions_fts(rowid, payee, memo, check_number) VALUES (new.rowid, new.payee, new.memo, new.check_number);
END;

DROP TRIGGER IF EXISTS transactions_au;
CREATE TRIGGER transactions_au AFTER UPDATE OF payee, memo, check_number ON transactions
WHEN (old.payee IS NOT new.payee OR old.memo IS NOT new.memo OR old.check_number IS NOT new.check_number)
    AND NOT EXISTS (SELECT 1 FROM search_index_pause WHERE indexed_through < old.rowid) BEGIN
    INSERT INTO transactions_fts(transactions_fts, rowid, payee, memo, check_number) VALUES ('delete', old.rowid, old.payee, old.memo, old.check_number);
    INSERT INTO transactions_fts(rowid, payee, memo, check_number) VALUES (new.rowid, new.payee, new.memo, new.check_number);
END;

DROP TRIGGER IF EXISTS transactions_ad;
CREATE TRIGGER transactions_ad AFTER DELETE ON transactions
WHEN NOT EXISTS (SELECT 1 FROM search_index_pause WHERE indexed_through < old.rowid) BEGIN
    INSERT INTO transactions_fts(transactions_fts, rowid, payee, memo, check_number) VALUES ('delete', old.rowid, old.payee, old.memo, old.check_number);
END;
