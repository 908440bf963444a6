#include "RecurringRepository.h"

#include "DataLogging.h"
#include "SqlValue.h"
#include "SyncColumns.h"

namespace {

const QString kColumns = QStringLiteral(
    "id, account_id, payee, memo, amount, category_id, frequency, start_date, end_date, "
    "next_due_date, auto_post, is_active, transfer_dest_account_id, version, sync_status, "
    "server_id, created_at, updated_at, deleted_at");

RecurringTransaction mapRow(const SqlRow& row)
{
    RecurringTransaction r;
    r.id = row.text(0);
    r.accountId = row.text(1);
    r.payee = row.text(2);
    r.memo = row.text(3);
    r.amount = row.int64(4);
    r.categoryId = row.text(5);
    r.frequency = frequencyFromText(row.text(6));
    r.startDate = row.date(7);
    r.endDate = row.optionalDate(8);
    r.nextDueDate = row.date(9);
    r.autoPost = row.flag(10);
    r.isActive = row.flag(11);
    r.transferDestAccountId = row.text(12);
    SyncColumns::read(row, 13, r);
    return r;
}

// The values of every column that insert and update both write, from payee to
// transfer_dest_account_id.
QVariantList recordValues(const RecurringTransaction& r)
{
    using namespace SqlValue;
    return { text(r.payee), text(r.memo), r.amount, textOrNull(r.categoryId),
        frequencyToText(r.frequency), date(r.startDate), optionalDate(r.endDate),
        date(r.nextDueDate), flag(r.autoPost), flag(r.isActive), text(r.transferDestAccountId) };
}

} // namespace

RecurringRepository::RecurringRepository(Database* db, QObject* parent)
    : Repository(db, "RecurringRepository", parent)
{
}

QList<RecurringTransaction> RecurringRepository::select(
    const QString& tail, const QVariantList& values) const
{
    return selectList<RecurringTransaction>(
        QStringLiteral("SELECT %1 FROM recurring_transactions ").arg(kColumns) + tail, values,
        mapRow);
}

QList<RecurringTransaction> RecurringRepository::findAll() const
{
    return select(QStringLiteral("WHERE deleted_at IS NULL ORDER BY is_active DESC, next_due_date "
                                 "ASC, payee COLLATE NOCASE ASC"),
        {});
}

std::optional<RecurringTransaction> RecurringRepository::findById(const QString& id) const
{
    return selectOne<RecurringTransaction>(
        QStringLiteral("SELECT %1 FROM recurring_transactions WHERE id = ?").arg(kColumns), { id },
        mapRow);
}

QList<RecurringTransaction> RecurringRepository::findDue(const QDate& date) const
{
    return select(
        QStringLiteral("WHERE deleted_at IS NULL AND is_active = 1 AND next_due_date <= ?"),
        { SqlValue::date(date) });
}

int RecurringRepository::countDue(const QDate& date) const
{
    return selectOne<int>(QStringLiteral("SELECT COUNT(*) FROM recurring_transactions WHERE "
                                         "deleted_at IS NULL AND is_active = 1 AND "
                                         "next_due_date <= ?"),
        { SqlValue::date(date) }, [](const SqlRow& row) { return row.integer(0); })
        .value_or(0);
}

QList<RecurringTransaction> RecurringRepository::findPending() const
{
    return select(QStringLiteral("WHERE sync_status = 'pending'"), {});
}

void RecurringRepository::warnIfBrokenNextDueDate(
    const RecurringTransaction& r, const char* operation) const
{
    if (r.nextDueDate.isValid() && r.nextDueDate >= QDate(2000, 1, 1))
        return;
    // Saved all the same: the recurring service refuses such schedules when posting.
    qCWarning(lcDb).noquote() << QStringLiteral("RecurringRepository::%1 saving recurring with "
                                                "broken nextDueDate:")
                                     .arg(QLatin1String(operation))
                              << QStringLiteral("id=") + r.id << QStringLiteral("payee=") + r.payee
                              << QStringLiteral("nextDueDate=")
            + r.nextDueDate.toString(Qt::ISODate)
                              << QStringLiteral("startDate=") + r.startDate.toString(Qt::ISODate)
                              << QStringLiteral("frequency=%1").arg(int(r.frequency));
}

bool RecurringRepository::insert(const RecurringTransaction& r)
{
    using namespace SqlValue;
    if (!amountsWithinLimit("insert", { r.amount }))
        return false;
    warnIfBrokenNextDueDate(r, "insert");
    return execWrite(
        QStringLiteral("INSERT INTO recurring_transactions (id, account_id, payee, memo, amount, "
                       "category_id, frequency, start_date, end_date, next_due_date, auto_post, "
                       "is_active, transfer_dest_account_id, version, sync_status, server_id, "
                       "created_at, updated_at) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
                       "?, ?, ?, ?)"),
        QVariantList { text(r.id), text(r.accountId) } + recordValues(r)
            + SyncColumns::insertValues(r),
        "insert", deferred({}, [this] { Q_EMIT recurringChanged(); }));
}

bool RecurringRepository::update(const RecurringTransaction& r)
{
    if (!amountsWithinLimit("update", { r.amount }))
        return false;
    warnIfBrokenNextDueDate(r, "update");
    return execWrite(
        QStringLiteral("UPDATE recurring_transactions SET payee=?, memo=?, amount=?, "
                       "category_id=?, frequency=?, start_date=?, end_date=?, next_due_date=?, "
                       "auto_post=?, is_active=?, transfer_dest_account_id=?, ")
            + SyncColumns::kUpdateAssignments + QStringLiteral(" WHERE id=?"),
        recordValues(r) + SyncColumns::updateValues(r) + QVariantList { SqlValue::text(r.id) },
        "update", deferred({}, [this] { Q_EMIT recurringChanged(); }));
}

bool RecurringRepository::softDelete(const QString& id)
{
    return softDeleteIn("recurring_transactions", id,
        deferred({}, [this] { Q_EMIT recurringChanged(); }), OnFailure::Silent);
}

int RecurringRepository::softDeleteByAccount(const QString& accountId)
{
    return softDeleteByAccountIn(
        "recurring_transactions", accountId, deferred({}, [this] { Q_EMIT recurringChanged(); }));
}

std::optional<int> RecurringRepository::clearCategories(const QStringList& categoryIds)
{
    return clearCategoriesIn(
        "recurring_transactions", categoryIds, deferred({}, [this] { Q_EMIT recurringChanged(); }));
}

int RecurringRepository::restoreByAccount(const QString& accountId, const QString& since)
{
    return restoreByAccountIn("recurring_transactions", accountId, since,
        deferred({}, [this] { Q_EMIT recurringChanged(); }));
}

bool RecurringRepository::storeReceived(const RecurringTransaction& r)
{
    using namespace SqlValue;
    if (!amountsWithinLimit("storeReceived", { r.amount }))
        return false;
    return upsertIn("recurring_transactions",
        QStringLiteral("id, account_id, payee, memo, amount, category_id, frequency, start_date, end_date, next_due_date, auto_post, is_active, transfer_dest_account_id, ") + SyncColumns::kUpsertNames,
        QVariantList { text(r.id), text(r.accountId) } + recordValues(r) + SyncColumns::upsertValues(r));
}

bool RecurringRepository::markSynced(const QString& id, const QString& serverId)
{
    return markSyncedIn("recurring_transactions", id, serverId);
}

int RecurringRepository::markAllPendingForResync()
{
    return markAllPendingIn(
        "recurring_transactions", deferred({}, [this] { Q_EMIT recurringChanged(); }));
}
