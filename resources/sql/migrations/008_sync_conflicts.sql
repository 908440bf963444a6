-- Migration 008: what the user needs to settle a sync conflict, and accounts
-- someone stopped sharing
--
-- A row changed here and on the server keeps the server's version and, once
-- a pull brought it, the server's record, so that the user can choose either
-- side. Rows in a server copy may be pending as well: a pull met the server's
-- newer record while a local change still waited for its push.
CREATE TABLE IF NOT EXISTS sync_server_copies (
    entity_type    TEXT NOT NULL,
    entity_id      TEXT NOT NULL,
    server_version INTEGER NOT NULL,
    record         TEXT,
    PRIMARY KEY (entity_type, entity_id)
);

-- A change refused for conflict now becomes one at once, with the server's
-- version; counting refusals served nothing.
DROP TABLE IF EXISTS sync_refusals;

-- Accounts shared with this user until the owner ended the share: their rows
-- stay deleted here, are neither offered for restoring nor pushed.
CREATE TABLE IF NOT EXISTS sync_access_ended (
    account_id TEXT PRIMARY KEY,
    ended_at   TEXT NOT NULL
);
