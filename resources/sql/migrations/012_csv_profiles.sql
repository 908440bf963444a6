-- Migration 012: how each bank's comma-separated files are read
--
-- A bank keeps the layout of its exports from month to month: the columns,
-- delimiter and number style chosen once are kept for the account and used
-- again when a file of the same header shape arrives. Kept in the ledger so
-- that they travel with its backups.
CREATE TABLE IF NOT EXISTS csv_profiles (
    id TEXT PRIMARY KEY,
    account_id TEXT NOT NULL REFERENCES accounts(id) ON DELETE CASCADE,
    name TEXT NOT NULL,
    header_shape TEXT NOT NULL,
    mapping TEXT NOT NULL,
    updated_at TEXT NOT NULL
);
CREATE INDEX IF NOT EXISTS idx_csv_profiles_account ON csv_profiles(account_id);
