-- Migration 010: accounts other people share with this user
--
-- The sidebar marks them and names their owner; the row goes with the share.
CREATE TABLE IF NOT EXISTS sync_shared_from (
    account_id TEXT PRIMARY KEY,
    owner      TEXT NOT NULL DEFAULT ''
);
