#pragma once

#include "Reconciliation.h"
#include "Repository.h"

#include <QList>

// The record of each completed reconciliation. A single reconciliation is
// never deleted on its own, only together with its account.
class ReconciliationRepository : public Repository {
    Q_OBJECT

public:
    ReconciliationRepository(Database* db, QObject* parent = nullptr);

    // Latest statement date first.
    QList<Reconciliation> findByAccount(const QString& accountId) const;
    std::optional<Reconciliation> findLatest(const QString& accountId) const;
    std::optional<Reconciliation> findById(const QString& id) const;
    QList<Reconciliation> findPending() const;

    // Invalid created/updated times are filled with the current time.
    bool insert(const Reconciliation& reconciliation);
    bool update(const Reconciliation& reconciliation);
    int softDeleteByAccount(const QString& accountId);
    int restoreByAccount(const QString& accountId, const QString& since);
    // A row as the sync server sent it, deleted_at included; no signal.
    bool storeReceived(const Reconciliation& record);
    bool markSynced(const QString& id, const QString& serverId);
    int markAllPendingForResync();

Q_SIGNALS:
    void reconciliationsChanged();

private:
    QList<Reconciliation> select(const QString& tail, const QVariantList& values) const;
};
