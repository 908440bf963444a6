#include "AccountRepository.h"

#include "Clock.h"
#include "Database.h"
#include "SqlValue.h"
#include "SyncColumns.h"
#include "TransactionScope.h"

namespace {

const QString kColumns = QStringLiteral(
    "id, name, account_type, currency, institution, account_number_last4, starting_balance, "
    "sort_order, is_shared, version, sync_status, server_id, created_at, updated_at, deleted_at, "
    "(SELECT owner FROM sync_shared_from WHERE account_id = accounts.id)");

Account mapRow(const SqlRow& row)
{
    Account a;
    a.id = row.text(0);
    a.name = row.text(1);
    a.type = accountTypeFromText(row.text(2));
    a.currency = currencyFromText(row.text(3));
    a.institution = row.text(4);
    a.accountNumberLast4 = row.text(5);
    a.startingBalance = row.int64(6);
    a.sortOrder = row.integer(7);
    a.isShared = row.flag(8);
    SyncColumns::read(row, 9, a);
    if (!row.isNull(15))
        a.sharedBy = row.text(15);
    return a;
}

} // namespace

AccountRepository::AccountRepository(Database* db, QObject* parent)
    : Repository(db, "AccountRepository", parent)
{
}

QList<Account> AccountRepository::select(const QString& tail, const QVariantList& values) const
{
    return selectList<Account>(
        QStringLiteral("SELECT %1 FROM accounts ").arg(kColumns) + tail, values, mapRow);
}

QList<Account> AccountRepository::findAll() const
{
    return select(QStringLiteral("WHERE deleted_at IS NULL ORDER BY sort_order, name"), {});
}

std::optional<Account> AccountRepository::findById(const QString& id) const
{
    return selectOne<Account>(
        QStringLiteral("SELECT %1 FROM accounts WHERE id = ?").arg(kColumns), { id }, mapRow);
}

QList<Account> AccountRepository::findDeleted() const
{
    // An account someone stopped sharing with this user is gone, but it was
    // never this user's to delete or bring back.
    return select(QStringLiteral("WHERE deleted_at IS NOT NULL AND id NOT IN (SELECT account_id "
                                 "FROM sync_access_ended) ORDER BY name"),
        {});
}

bool AccountRepository::isAccessEnded(const QString& id) const
{
    return selectOne<bool>(QStringLiteral("SELECT 1 FROM sync_access_ended WHERE account_id = ?"),
        { id }, [](const SqlRow&) { return true; })
        .value_or(false);
}

QList<Account> AccountRepository::findPending() const
{
    return select(QStringLiteral("WHERE sync_status = 'pending'"), {});
}

bool AccountRepository::readBalances(
    const QStringList& accountIds, QHash<QString, qint64>& result) const
{
    QString sql = QStringLiteral(
        "SELECT a.id, a.starting_balance + COALESCE((SELECT SUM(t.amount) FROM transactions t "
        "WHERE t.account_id = a.id AND t.deleted_at IS NULL), 0) FROM accounts a WHERE "
        "a.deleted_at IS NULL");
    QVariantList values;
    if (!accountIds.isEmpty()) {
        QStringList marks;
        for (const QString& id : accountIds) {
            marks << QStringLiteral("?");
            values << id;
        }
        sql += QStringLiteral(" AND a.id IN (%1)").arg(marks.join(QStringLiteral(", ")));
    }
    // SQLite turns an integer sum that overflows into a floating-point one;
    // that is no balance either.
    QList<std::optional<QPair<QString, qint64>>> rows;
    if (!selectInto(rows, sql, values, [](const SqlRow& row) {
            return row.isInteger(1) ? std::optional(qMakePair(row.text(0), row.int64(1)))
                                    : std::nullopt;
        }))
        return false;
    bool complete = true;
    for (const auto& row : std::as_const(rows)) {
        if (row)
            result.insert(row->first, row->second);
        else
            complete = false;
    }
    return complete;
}

QHash<QString, qint64> AccountRepository::balances(const QStringList& accountIds) const
{
    QHash<QString, qint64> result;
    if (readBalances(accountIds, result))
        return result;
    // One account's sum can fail alone ("integer overflow" from rows no path of
    // ours writes): ask for each account by itself so that it hides no other.
    QStringList ids = accountIds;
    if (ids.isEmpty()) {
        for (const Account& account : findAll())
            ids << account.id;
    }
    for (const QString& id : std::as_const(ids)) {
        if (result.contains(id))
            continue;
        if (!readBalances({ id }, result))
            logFailure("balances", QStringLiteral("no balance for account %1").arg(id));
    }
    return result;
}

bool AccountRepository::insert(const Account& a)
{
    using namespace SqlValue;
    if (!amountsWithinLimit("insert", { a.startingBalance }))
        return false;
    return execWrite(
        QStringLiteral("INSERT INTO accounts (id, name, account_type, currency, institution, "
                       "account_number_last4, starting_balance, sort_order, is_shared, version, "
                       "sync_status, server_id, created_at, updated_at) VALUES (?, ?, ?, ?, ?, ?, "
                       "?, ?, ?, ?, ?, ?, ?, ?)"),
        QVariantList { text(a.id), text(a.name), accountTypeToText(a.type),
            currencyToText(a.currency), text(a.institution), text(a.accountNumberLast4),
            a.startingBalance, a.sortOrder, flag(a.isShared) }
            + SyncColumns::insertValues(a),
        "insert", deferred({}, [this] { Q_EMIT accountsChanged(); }));
}

bool AccountRepository::update(const Account& a)
{
    using namespace SqlValue;
    if (!amountsWithinLimit("update", { a.startingBalance }))
        return false;
    return execWrite(
        QStringLiteral("UPDATE accounts SET name=?, account_type=?, currency=?, institution=?, "
                       "account_number_last4=?, starting_balance=?, sort_order=?, is_shared=?, ")
            + SyncColumns::kUpdateAssignments + QStringLiteral(" WHERE id=?"),
        QVariantList { text(a.name), accountTypeToText(a.type), currencyToText(a.currency),
            text(a.institution), text(a.accountNumberLast4), a.startingBalance, a.sortOrder,
            flag(a.isShared) }
            + SyncColumns::updateValues(a) + QVariantList { text(a.id) },
        "update", deferred({}, [this] { Q_EMIT accountsChanged(); }));
}

bool AccountRepository::softDelete(const QString& id)
{
    return softDeleteIn("accounts", id, deferred({}, [this] { Q_EMIT accountsChanged(); }));
}

bool AccountRepository::restore(const QString& id)
{
    return restoreIn("accounts", id, deferred({}, [this] { Q_EMIT accountsChanged(); }));
}

bool AccountRepository::updateSortOrders(const QList<QPair<QString, int>>& orders)
{
    TransactionScope scope(database());
    for (const auto& [id, sortOrder] : orders) {
        QSqlQuery& query
            = prepared(QStringLiteral("UPDATE accounts SET sort_order=?, updated_at=? WHERE id=?"),
                { sortOrder, Clock::nowIso(), id });
        if (!query.exec())
            return false;
    }
    deferred({}, [this] { Q_EMIT accountsChanged(); })();
    return scope.commit();
}

bool AccountRepository::storeReceived(const Account& a)
{
    using namespace SqlValue;
    if (!amountsWithinLimit("storeReceived", { a.startingBalance }))
        return false;
    return upsertIn("accounts",
        QStringLiteral("id, name, account_type, currency, institution, account_number_last4, starting_balance, sort_order, is_shared, ") + SyncColumns::kUpsertNames,
        QVariantList { text(a.id), text(a.name), accountTypeToText(a.type), currencyToText(a.currency), text(a.institution), text(a.accountNumberLast4), a.startingBalance, a.sortOrder, flag(a.isShared) } + SyncColumns::upsertValues(a));
}

bool AccountRepository::markSynced(const QString& id, const QString& serverId)
{
    return markSyncedIn("accounts", id, serverId);
}

int AccountRepository::markAllPendingForResync()
{
    return markAllPendingIn("accounts", deferred({}, [this] { Q_EMIT accountsChanged(); }));
}
