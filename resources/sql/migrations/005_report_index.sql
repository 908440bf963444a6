-- Migration 005: index for the reports
--
-- Reports sum the live transactions of a period, often of all time over all
-- accounts. This index holds only live rows, ordered by date, with every
-- column those sums read, so a report walks it instead of the wide table.

CREATE INDEX IF NOT EXISTS idx_transactions_live_report
ON transactions(date, account_id, amount, category_id, is_split, transfer_link_id, deleted_at)
WHERE deleted_at IS NULL;
