#pragma once

#include "RecurringTransaction.h"
#include "Repository.h"

#include <QList>

// Schedules of recurring transactions.
class RecurringRepository : public Repository {
    Q_OBJECT

public:
    RecurringRepository(Database* db, QObject* parent = nullptr);

    // Active first, then by next due date, then by payee ignoring case.
    QList<RecurringTransaction> findAll() const;
    std::optional<RecurringTransaction> findById(const QString& id) const;
    // Live, active schedules due on or before `date`, in no particular order.
    QList<RecurringTransaction> findDue(const QDate& date) const;
    // How many findDue would return, without reading them.
    int countDue(const QDate& date) const;
    QList<RecurringTransaction> findPending() const;

    bool insert(const RecurringTransaction& recurring);
    bool update(const RecurringTransaction& recurring);
    bool softDelete(const QString& id);
    int softDeleteByAccount(const QString& accountId);
    int restoreByAccount(const QString& accountId, const QString& since);
    // A row as the sync server sent it, deleted_at included; no signal.
    bool storeReceived(const RecurringTransaction& record);
    bool markSynced(const QString& id, const QString& serverId);
    int markAllPendingForResync();
    // Live schedules in one of the categories lose it; nothing on failure.
    std::optional<int> clearCategories(const QStringList& categoryIds);

Q_SIGNALS:
    void recurringChanged();

private:
    QList<RecurringTransaction> select(const QString& tail, const QVariantList& values) const;
    void warnIfBrokenNextDueDate(
        const RecurringTransaction& recurring, const char* operation) const;
};
