-- Migration 006: what synchronisation keeps besides the rows themselves
--
-- change_count grows with every change of a row that is already waiting to be
-- pushed, so that a push reply marks a row synced only when it was not edited
-- while the push was in flight. (A synced row turning pending cannot be in
-- flight: only pending rows are pushed.)

ALTER TABLE accounts ADD COLUMN change_count INTEGER NOT NULL DEFAULT 0;
ALTER TABLE categories ADD COLUMN change_count INTEGER NOT NULL DEFAULT 0;
ALTER TABLE transactions ADD COLUMN change_count INTEGER NOT NULL DEFAULT 0;
ALTER TABLE recurring_transactions ADD COLUMN change_count INTEGER NOT NULL DEFAULT 0;
ALTER TABLE reconciliations ADD COLUMN change_count INTEGER NOT NULL DEFAULT 0;

CREATE TRIGGER IF NOT EXISTS accounts_changed AFTER UPDATE ON accounts
WHEN old.sync_status = 'pending' AND new.sync_status = 'pending'
    AND new.change_count = old.change_count BEGIN
    UPDATE accounts SET change_count = old.change_count + 1 WHERE id = new.id;
END;

CREATE TRIGGER IF NOT EXISTS categories_changed AFTER UPDATE ON categories
WHEN old.sync_status = 'pending' AND new.sync_status = 'pending'
    AND new.change_count = old.change_count BEGIN
    UPDATE categories SET change_count = old.change_count + 1 WHERE id = new.id;
END;

-- The full-text index follows only the columns it holds. Besides saving work
-- on every sync mark, this keeps the change count's own update from touching
-- the index while the outer update's entry is still to be replaced.
DROP TRIGGER IF EXISTS transactions_au;
CREATE TRIGGER transactions_au AFTER UPDATE OF payee, memo, check_number ON transactions BEGIN
    INSERT INTO transactions_fts(transactions_fts, rowid, payee, memo, check_number) VALUES ('delete', old.rowid, old.payee, old.memo, old.check_number);
    INSERT INTO transactions_fts(rowid, payee, memo, check_number) VALUES (new.rowid, new.payee, new.memo, new.check_number);
END;

CREATE TRIGGER IF NOT EXISTS transactions_changed AFTER UPDATE ON transactions
WHEN old.sync_status = 'pending' AND new.sync_status = 'pending'
    AND new.change_count = old.change_count BEGIN
    UPDATE transactions SET change_count = old.change_count + 1 WHERE id = new.id;
END;

CREATE TRIGGER IF NOT EXISTS recurring_transactions_changed AFTER UPDATE ON recurring_transactions
WHEN old.sync_status = 'pending' AND new.sync_status = 'pending'
    AND new.change_count = old.change_count BEGIN
    UPDATE recurring_transactions SET change_count = old.change_count + 1 WHERE id = new.id;
END;

CREATE TRIGGER IF NOT EXISTS reconciliations_changed AFTER UPDATE ON reconciliations
WHEN old.sync_status = 'pending' AND new.sync_status = 'pending'
    AND new.change_count = old.change_count BEGIN
    UPDATE reconciliations SET change_count = old.change_count + 1 WHERE id = new.id;
END;

-- Received records that could not be applied yet (a parent still missing),
-- tried again on every later pull.
CREATE TABLE IF NOT EXISTS sync_parked (
    entity_type TEXT NOT NULL,
    server_id   TEXT NOT NULL,
    record      TEXT NOT NULL,
    reason      TEXT NOT NULL,
    parked_at   TEXT NOT NULL,
    PRIMARY KEY (entity_type, server_id)
);

-- How often the server refused a local change as made on an older version.
CREATE TABLE IF NOT EXISTS sync_refusals (
    entity_type TEXT NOT NULL,
    entity_id   TEXT NOT NULL,
    refusals    INTEGER NOT NULL,
    PRIMARY KEY (entity_type, entity_id)
);
