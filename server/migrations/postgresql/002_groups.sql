-- Households: one group per user, its invitations, and the accounts its
-- members share with each other.
CREATE TABLE user_groups (
    id TEXT PRIMARY KEY,
    name TEXT NOT NULL,
    max_seats INTEGER NOT NULL,
    created_at BIGINT NOT NULL
);

-- The primary key on the user keeps everyone to one group.
CREATE TABLE group_members (
    user_id TEXT PRIMARY KEY REFERENCES users(id) ON DELETE CASCADE,
    group_id TEXT NOT NULL REFERENCES user_groups(id) ON DELETE CASCADE,
    role TEXT NOT NULL,
    joined_at BIGINT NOT NULL
);
CREATE INDEX group_members_by_group ON group_members(group_id);

CREATE TABLE group_invitations (
    id TEXT PRIMARY KEY,
    group_id TEXT NOT NULL REFERENCES user_groups(id) ON DELETE CASCADE,
    code TEXT NOT NULL UNIQUE,
    invited_email TEXT NOT NULL DEFAULT '',
    -- pending, accepted or revoked; a pending one past expires_at is expired.
    status TEXT NOT NULL,
    created_at BIGINT NOT NULL,
    expires_at BIGINT NOT NULL
);
CREATE INDEX group_invitations_by_group ON group_invitations(group_id);

-- An ended share stays (ended_at set) so the former member's pushes for the
-- account can be told apart from new records of their own.
CREATE TABLE account_shares (
    owner_id TEXT NOT NULL REFERENCES users(id) ON DELETE CASCADE,
    account_client_id TEXT NOT NULL,
    member_id TEXT NOT NULL REFERENCES users(id) ON DELETE CASCADE,
    created_at BIGINT NOT NULL,
    ended_at BIGINT,
    PRIMARY KEY (owner_id, account_client_id, member_id)
);
CREATE INDEX account_shares_by_member ON account_shares(member_id);

-- The account a record belongs to (an account's own client id for accounts),
-- so a share finds its records.
ALTER TABLE records ADD COLUMN account_id TEXT;
UPDATE records SET account_id = CASE WHEN entity_type = 'account' THEN client_id
    ELSE body::json->>'account_id' END WHERE entity_type <> 'category';
CREATE INDEX records_by_account ON records(owner_id, account_id);

-- Records of others a reader sees, each with a place in the reader's change
-- sequence. A revoked entry keeps the tombstone it hands out, so it outlives
-- the record and its owner.
CREATE TABLE shared_feed (
    reader_id TEXT NOT NULL REFERENCES users(id) ON DELETE CASCADE,
    server_id TEXT NOT NULL,
    entity_type TEXT NOT NULL,
    seq BIGINT NOT NULL,
    revoked SMALLINT NOT NULL DEFAULT 0,
    body TEXT,
    PRIMARY KEY (reader_id, server_id)
);
CREATE INDEX shared_feed_by_seq ON shared_feed(reader_id, seq);
CREATE INDEX shared_feed_by_record ON shared_feed(server_id);
