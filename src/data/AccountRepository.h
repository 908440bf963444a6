#pragma once

#include "Account.h"
#include "Repository.h"

#include <QHash>
#include <QList>
#include <QPair>
#include <QStringList>

class AccountRepository : public Repository {
    Q_OBJECT

public:
    AccountRepository(Database* db, QObject* parent = nullptr);

    QList<Account> findAll() const;
    std::optional<Account> findById(const QString& id) const;
    QList<Account> findDeleted() const;
    // Whether someone who shared `id` with this user ended the share.
    bool isAccessEnded(const QString& id) const;
    QList<Account> findPending() const;
    // Live account id -> starting balance plus the sum of its live transactions,
    // the running balance its register ends on, in one query; only the
    // accounts of `accountIds` when any are given. An account whose balance
    // cannot be computed is left out (and logged); the others are still there.
    QHash<QString, qint64> balances(const QStringList& accountIds = {}) const;

    bool insert(const Account& account);
    bool update(const Account& account);
    bool softDelete(const QString& id);
    bool restore(const QString& id);
    bool updateSortOrders(const QList<QPair<QString, int>>& orders);
    // A row as the sync server sent it, deleted_at included; no signal.
    bool storeReceived(const Account& record);
    bool markSynced(const QString& id, const QString& serverId);
    int markAllPendingForResync();

Q_SIGNALS:
    void accountsChanged();

private:
    QList<Account> select(const QString& tail, const QVariantList& values) const;
    // False when the read failed or left out an account it found.
    bool readBalances(const QStringList& accountIds, QHash<QString, qint64>& result) const;
};
