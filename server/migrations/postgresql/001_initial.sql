-- Times are whole seconds since the epoch (UTC); flags are 0 or 1, as in the
-- SQLite schema, so both run the same statements.
CREATE TABLE server_settings (
    name TEXT PRIMARY KEY,
    value TEXT NOT NULL
);

CREATE TABLE users (
    id TEXT PRIMARY KEY,
    email TEXT NOT NULL UNIQUE,
    display_name TEXT NOT NULL DEFAULT '',
    password_hash TEXT NOT NULL,
    disabled SMALLINT NOT NULL DEFAULT 0,
    created_at BIGINT NOT NULL,
    deletion_requested_at BIGINT,
    -- The last number of this user's change sequence.
    change_seq BIGINT NOT NULL DEFAULT 0
);

CREATE TABLE devices (
    id TEXT PRIMARY KEY,
    user_id TEXT NOT NULL REFERENCES users(id) ON DELETE CASCADE,
    fingerprint TEXT NOT NULL,
    device_name TEXT NOT NULL DEFAULT '',
    platform TEXT NOT NULL DEFAULT '',
    app_id TEXT NOT NULL DEFAULT '',
    app_version TEXT NOT NULL DEFAULT '',
    created_at BIGINT NOT NULL,
    last_sync_at BIGINT,
    UNIQUE (user_id, fingerprint)
);

CREATE TABLE sessions (
    id TEXT PRIMARY KEY,
    user_id TEXT NOT NULL REFERENCES users(id) ON DELETE CASCADE,
    device_id TEXT REFERENCES devices(id) ON DELETE SET NULL,
    user_agent TEXT NOT NULL DEFAULT '',
    ip_address TEXT NOT NULL DEFAULT '',
    created_at BIGINT NOT NULL,
    last_active_at BIGINT NOT NULL
);
CREATE INDEX sessions_by_user ON sessions(user_id);

-- Only hashes of refresh tokens are kept. A rotated token keeps the access
-- token it was answered with for the grace period.
CREATE TABLE refresh_tokens (
    token_hash TEXT PRIMARY KEY,
    session_id TEXT NOT NULL REFERENCES sessions(id) ON DELETE CASCADE,
    created_at BIGINT NOT NULL,
    rotated_at BIGINT,
    successor_access TEXT
);
CREATE INDEX refresh_tokens_by_session ON refresh_tokens(session_id);

CREATE TABLE login_failures (
    subject TEXT NOT NULL,
    failed_at BIGINT NOT NULL
);
CREATE INDEX login_failures_by_subject ON login_failures(subject, failed_at);

CREATE TABLE records (
    server_id TEXT PRIMARY KEY,
    owner_id TEXT NOT NULL REFERENCES users(id) ON DELETE CASCADE,
    entity_type TEXT NOT NULL,
    client_id TEXT NOT NULL,
    version BIGINT NOT NULL,
    seq BIGINT NOT NULL,
    deleted SMALLINT NOT NULL DEFAULT 0,
    -- The record as pulls hand it out, compact JSON.
    body TEXT NOT NULL,
    -- Hash of the change that made this state, to recognise a repeated push.
    change_hash TEXT NOT NULL,
    updated_at BIGINT NOT NULL,
    UNIQUE (owner_id, entity_type, client_id)
);
CREATE INDEX records_by_seq ON records(owner_id, seq);
