#pragma once

#include "SyncEntity.h"

#include <QJsonObject>
#include <QSet>
#include <QString>
#include <functional>
#include <initializer_list>
#include <optional>
#include <utility>

class Database;
class AccountRepository;
class CategoryRepository;
class RecurringRepository;
class TransactionRepository;
class ReconciliationRepository;
class SplitLineRepository;
class SyncLedger;

// Merges pulled records into the store. A row with a local change not yet
// accepted by the server is never overwritten; any other row takes the
// received record whole (deletion and restoration included) unless the
// received version is older. A record whose parent is not here yet is parked
// and tried again with every later page.
class SyncApplier {
public:
    struct Repositories {
        AccountRepository* accounts;
        CategoryRepository* categories;
        RecurringRepository* recurring;
        TransactionRepository* transactions;
        ReconciliationRepository* reconciliations;
        SplitLineRepository* splitLines;
    };

    SyncApplier(Database* db, const Repositories& repositories, SyncLedger* ledger);

    // The page's records, the parked ones that now fit, and `finish` (which
    // stores the cursor), all in one unit of work. False when it could not be
    // committed: then nothing of the page was kept.
    bool applyPage(const QJsonObject& page, const std::function<bool()>& finish);
    // Records written since construction.
    int appliedCount() const { return m_applied; }

private:
    enum class Outcome { Applied, Skipped, Parked };

    Outcome apply(SyncEntity entity, const QJsonObject& record);
    Outcome applyAccount(const QJsonObject& record, const QString& localId);
    Outcome applyCategory(const QJsonObject& record, const QString& localId);
    Outcome applyRecurring(const QJsonObject& record, const QString& localId);
    Outcome applyTransactionChange(const QJsonObject& record, const QString& localId);
    Outcome applyReconciliation(const QJsonObject& record, const QString& localId);
    using References = std::initializer_list<std::pair<SyncEntity, QString>>;
    // Why the local row may not take a received record of `version` yet, if
    // it may not: skipped, or parked for a parent that is not here.
    template <typename Record>
    std::optional<Outcome> blocker(
        const std::optional<Record>& local, int version, References parents);
    // The first referenced row that is not here, empty when all are.
    QString missingParent(References references) const;
    Outcome parkFor(const QString& missing);
    Outcome stored(bool ok);
    void retryParked();

    Database* m_db;
    Repositories m_repos;
    SyncLedger* m_ledger;
    int m_applied = 0;
    // Parked records by entity type and server id, and why the last one parked.
    QSet<QString> m_parked;
    QString m_reason;
};
