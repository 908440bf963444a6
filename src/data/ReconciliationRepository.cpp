#include "ReconciliationRepository.h"

#include "Clock.h"
#include "SqlValue.h"
#include "SyncColumns.h"

namespace {

const QString kColumns = QStringLiteral(
    "id, account_id, statement_date, statement_balance, reconciled_balance, completed_at, "
    "version, sync_status, server_id, created_at, updated_at, deleted_at");

const QString kLatestFirst = QStringLiteral(" ORDER BY statement_date DESC");

Reconciliation mapRow(const SqlRow& row)
{
    Reconciliation r;
    r.id = row.text(0);
    r.accountId = row.text(1);
    r.statementDate = row.date(2);
    r.statementBalance = row.int64(3);
    r.reconciledBalance = row.int64(4);
    r.completedAt = row.dateTime(5);
    SyncColumns::read(row, 6, r);
    return r;
}

// The values of account_id through completed_at.
QVariantList recordValues(const Reconciliation& r)
{
    using namespace SqlValue;
    return { text(r.accountId), date(r.statementDate), r.statementBalance, r.reconciledBalance,
        dateTime(r.completedAt) };
}

} // namespace

ReconciliationRepository::ReconciliationRepository(Database* db, QObject* parent)
    : Repository(db, "ReconciliationRepository", parent)
{
}

QList<Reconciliation> ReconciliationRepository::select(
    const QString& tail, const QVariantList& values) const
{
    return selectList<Reconciliation>(
        QStringLiteral("SELECT %1 FROM reconciliations ").arg(kColumns) + tail, values, mapRow);
}

QList<Reconciliation> ReconciliationRepository::findByAccount(const QString& accountId) const
{
    return select(QStringLiteral("WHERE account_id = ? AND deleted_at IS NULL") + kLatestFirst,
        { accountId });
}

std::optional<Reconciliation> ReconciliationRepository::findLatest(const QString& accountId) const
{
    return selectOne<Reconciliation>(
        QStringLiteral("SELECT %1 FROM reconciliations WHERE account_id = ? AND deleted_at IS NULL")
                .arg(kColumns)
            + kLatestFirst + QStringLiteral(" LIMIT 1"),
        { accountId }, mapRow);
}

std::optional<Reconciliation> ReconciliationRepository::findById(const QString& id) const
{
    return selectOne<Reconciliation>(
        QStringLiteral("SELECT %1 FROM reconciliations WHERE id = ?").arg(kColumns), { id },
        mapRow);
}

QList<Reconciliation> ReconciliationRepository::findPending() const
{
    return select(QStringLiteral("WHERE sync_status = 'pending'"), {});
}

bool ReconciliationRepository::insert(const Reconciliation& reconciliation)
{
    if (!amountsWithinLimit(
            "insert", { reconciliation.statementBalance, reconciliation.reconciledBalance }))
        return false;
    Reconciliation r = reconciliation;
    const QDateTime now = Clock::nowUtc();
    if (!r.createdAt.isValid())
        r.createdAt = now;
    if (!r.updatedAt.isValid())
        r.updatedAt = now;
    return execWrite(
        QStringLiteral("INSERT INTO reconciliations (id, account_id, statement_date, "
                       "statement_balance, reconciled_balance, completed_at, version, "
                       "sync_status, server_id, created_at, updated_at) VALUES (?, ?, ?, ?, ?, "
                       "?, ?, ?, ?, ?, ?)"),
        QVariantList { SqlValue::text(r.id) } + recordValues(r) + SyncColumns::insertValues(r),
        "insert", deferred({}, [this] { Q_EMIT reconciliationsChanged(); }));
}

bool ReconciliationRepository::update(const Reconciliation& r)
{
    if (!amountsWithinLimit("update", { r.statementBalance, r.reconciledBalance }))
        return false;
    return execWrite(QStringLiteral("UPDATE reconciliations SET account_id=?, statement_date=?, "
                                    "statement_balance=?, reconciled_balance=?, completed_at=?, ")
            + SyncColumns::kUpdateAssignments + QStringLiteral(" WHERE id=?"),
        recordValues(r) + SyncColumns::updateValues(r) + QVariantList { SqlValue::text(r.id) },
        "update", deferred({}, [this] { Q_EMIT reconciliationsChanged(); }));
}

int ReconciliationRepository::softDeleteByAccount(const QString& accountId)
{
    return softDeleteByAccountIn(
        "reconciliations", accountId, deferred({}, [this] { Q_EMIT reconciliationsChanged(); }));
}

int ReconciliationRepository::restoreByAccount(const QString& accountId, const QString& since)
{
    return restoreByAccountIn("reconciliations", accountId, since,
        deferred({}, [this] { Q_EMIT reconciliationsChanged(); }));
}

bool ReconciliationRepository::storeReceived(const Reconciliation& r)
{
    using namespace SqlValue;
    if (!amountsWithinLimit("storeReceived", { r.statementBalance, r.reconciledBalance }))
        return false;
    return upsertIn("reconciliations",
        QStringLiteral("id, account_id, statement_date, statement_balance, reconciled_balance, completed_at, ") + SyncColumns::kUpsertNames,
        QVariantList { text(r.id) } + recordValues(r) + SyncColumns::upsertValues(r));
}

bool ReconciliationRepository::markSynced(const QString& id, const QString& serverId)
{
    return markSyncedIn("reconciliations", id, serverId);
}

int ReconciliationRepository::markAllPendingForResync()
{
    return markAllPendingIn(
        "reconciliations", deferred({}, [this] { Q_EMIT reconciliationsChanged(); }));
}
