-- Migration 011: the register's order
--
-- The register reads one screenful at a time, by position in the order it
-- shows (date, then entry time, then the order rows were written). This
-- index holds only live rows in exactly that order, so a stretch of a large
-- account is found by walking the index without sorting the account.
CREATE INDEX IF NOT EXISTS idx_transactions_live_register
ON transactions(account_id, date, created_at, deleted_at)
WHERE deleted_at IS NULL;
