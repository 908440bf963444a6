-- Migration 004: account balances from an index of the live amounts
--
-- The sidebar sums the live amounts of an account after every change. This
-- index holds only live rows and every column that sum reads, so it never
-- touches the table itself.

CREATE INDEX IF NOT EXISTS idx_transactions_live_amount
ON transactions(account_id, amount, deleted_at) WHERE deleted_at IS NULL;
