-- Migration 003: index for payee completion
-- The distinct payees of live transactions, read from the index alone.
CREATE INDEX IF NOT EXISTS idx_transactions_live_payee ON transactions(payee) WHERE deleted_at IS NULL;
