-- Migration 009: the bank's own ids of imported statements and rows
--
-- A bank statement names its account by the bank's account number, and each
-- of its rows by an id the bank keeps stable between downloads: the next
-- statement goes to the same account without asking, and a row the bank
-- sends again is known for what it is even when two rows look alike.
ALTER TABLE accounts ADD COLUMN statement_account_id TEXT;
ALTER TABLE transactions ADD COLUMN import_id TEXT;
CREATE INDEX IF NOT EXISTS idx_transactions_import_id
    ON transactions(account_id, import_id) WHERE import_id IS NOT NULL;
