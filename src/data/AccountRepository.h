#pragma once

#include "Account.h"
#include "Repository.h"

#include <QList>
#include <QPair>

class AccountRepository : public Repository {
    Q_OBJECT

public:
    AccountRepository(Database* db, QObject* parent = nullptr);

    QList<Account> findAll() const;
    std::optional<Account> findById(const QString& id) const;
    QList<Account> findDeleted() const;
    QList<Account> findPending() const;

    bool insert(const Account& account);
    bool update(const Account& account);
    bool softDelete(const QString& id);
    bool restore(const QString& id);
    bool updateSortOrders(const QList<QPair<QString, int>>& orders);
    bool markSynced(const QString& id, const QString& serverId);
    int markAllPendingForResync();

Q_SIGNALS:
    void accountsChanged();

private:
    QList<Account> select(const QString& tail, const QVariantList& values) const;
};
