-- Migration 013: the banks' layouts travel to the user's other computers
--
-- The sync columns of the other synchronised tables. Profiles kept before
-- are pending, so that the next synchronisation sends them.
ALTER TABLE csv_profiles ADD COLUMN version INTEGER NOT NULL DEFAULT 1;
ALTER TABLE csv_profiles ADD COLUMN sync_status TEXT NOT NULL DEFAULT 'pending';
ALTER TABLE csv_profiles ADD COLUMN server_id TEXT;
ALTER TABLE csv_profiles ADD COLUMN created_at TEXT NOT NULL DEFAULT '';
ALTER TABLE csv_profiles ADD COLUMN deleted_at TEXT;
ALTER TABLE csv_profiles ADD COLUMN change_count INTEGER NOT NULL DEFAULT 0;

UPDATE csv_profiles SET created_at = updated_at WHERE created_at = '';

CREATE TRIGGER IF NOT EXISTS csv_profiles_changed AFTER UPDATE ON csv_profiles
WHEN old.sync_status = 'pending' AND new.sync_status = 'pending'
    AND new.change_count = old.change_count BEGIN
    UPDATE csv_profiles SET change_count = old.change_count + 1 WHERE id = new.id;
END;
