-- Migration 007: indexes the reports walk in the order they group by
--
-- Summing a million rows is quick; sorting them into groups is not. Each
-- index below holds only live rows, in the order one report groups them, with
-- every column its sums read (deleted_at included, or SQLite would not take
-- the partial index as covering): categories over all accounts and within one
-- account, the months of one account (005 serves all accounts) and the
-- cleared and uncleared balances of each account, and payees.
-- The last one is small: the split transactions, whose lines the category
-- reports read one by one.

CREATE INDEX IF NOT EXISTS idx_transactions_live_category
ON transactions(category_id, date, amount, is_split, transfer_link_id, account_id, deleted_at)
WHERE deleted_at IS NULL;

CREATE INDEX IF NOT EXISTS idx_transactions_live_account_category
ON transactions(account_id, category_id, date, amount, is_split, transfer_link_id, deleted_at)
WHERE deleted_at IS NULL;

CREATE INDEX IF NOT EXISTS idx_transactions_live_account_date
ON transactions(account_id, date, amount, cleared, is_split, transfer_link_id, deleted_at)
WHERE deleted_at IS NULL;

CREATE INDEX IF NOT EXISTS idx_transactions_live_payee_date
ON transactions(payee, account_id, date, amount, deleted_at)
WHERE deleted_at IS NULL;

-- Payee completion now reads the payees from the index above alone, which
-- the narrower one of migration 003 never could (it lacked deleted_at).
DROP INDEX IF EXISTS idx_transactions_live_payee;

CREATE INDEX IF NOT EXISTS idx_transactions_live_split
ON transactions(date, account_id)
WHERE is_split = 1 AND deleted_at IS NULL;
