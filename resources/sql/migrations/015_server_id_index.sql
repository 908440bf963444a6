-- Migration 015: received transactions found by their server id
--
-- A pull looks up the server ids of every page it receives; without an index
-- each page read the whole table, so a first pull of a large ledger took
-- time growing with the square of its size. Rows never synced have none.

CREATE INDEX IF NOT EXISTS idx_transactions_server_id ON transactions(server_id)
WHERE server_id IS NOT NULL;
