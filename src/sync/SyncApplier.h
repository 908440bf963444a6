#pragma once

#include "SyncEntity.h"
#include "data/SyncFields.h"

#include <QHash>
#include <QJsonObject>
#include <QSet>
#include <QString>
#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <utility>

class Database;
class BulkWriteSettings;
class AccountRepository;
class CategoryRepository;
class RecurringRepository;
class TransactionRepository;
class ReconciliationRepository;
class CsvProfileRepository;
class SplitLineRepository;
class SyncLedger;

// Merges pulled records into the store. A row with a local change not yet
// accepted by the server is never overwritten by a different record: the
// server's side is kept for the user, and a change made on an older version
// than the server's becomes a conflict at once. Only a row never pushed and
// never changed (a default made here as on every computer) takes the
// server's. Any other row takes the received record whole (deletion and
// restoration included) unless the received version is older. A record whose
// parent is not here yet is parked and tried again with every later page.
// Records handed out because the owner stopped sharing their account replace
// whatever is here: they were never this user's to keep.
class SyncApplier {
public:
    struct Repositories {
        AccountRepository* accounts;
        CategoryRepository* categories;
        RecurringRepository* recurring;
        TransactionRepository* transactions;
        ReconciliationRepository* reconciliations;
        SplitLineRepository* splitLines;
        CsvProfileRepository* csvProfiles;
    };

    SyncApplier(Database* db, const Repositories& repositories, SyncLedger* ledger);
    ~SyncApplier();

    // Pulled pages in one unit of work: each page's records, the parked ones
    // that now fit, and `finish(page)` (which stores its cursor). A page that
    // cannot be kept goes whole, and the pages after it with it; those before
    // it stay. Returns how many pages were kept.
    qsizetype applyPages(
        const QList<QJsonObject>& pages, const std::function<bool(qsizetype)>& finish);
    // The pull is over: the connection's settings for its pages are put back.
    void endPull();
    // The server's side of a conflict, which the user chose, in one unit of work.
    bool applyChosen(SyncEntity entity, const QJsonObject& record);
    // Records written since construction.
    int appliedCount() const { return m_applied; }
    // Accounts whose sharing ended while a local change to them waited,
    // since the last call.
    QStringList takeDroppedAccounts();

private:
    enum class Outcome { Applied, Skipped, Parked };
    // One page under its own savepoint; false when nothing of it was kept.
    bool applyPageWhole(const QJsonObject& page, const std::function<bool()>& finish);
    bool applyPage(const QJsonObject& page, const std::function<bool()>& finish);

    Outcome apply(SyncEntity entity, const QJsonObject& record);
    Outcome applyAccount(const QJsonObject& record, const QString& localId);
    Outcome applyCategory(const QJsonObject& record, const QString& localId);
    bool standInMissingCategories(const QStringList& categoryIds);
    Outcome applyRecurring(const QJsonObject& record, const QString& localId);
    Outcome applyTransactionChange(const QJsonObject& record, const QString& localId);
    Outcome applyReconciliation(const QJsonObject& record, const QString& localId);
    Outcome applyCsvProfile(const QJsonObject& record, const QString& localId);
    using References = std::initializer_list<std::pair<SyncEntity, QString>>;
    // Why the local row may not take a received record of `version` yet, if
    // it may not: skipped, or parked for a parent that is not here.
    template <typename Record>
    std::optional<Outcome> blocker(SyncEntity entity, const std::optional<Record>& local,
        const QJsonObject& record, References parents,
        const std::function<QJsonObject(const Record&)>& payloadOf);
    // Whether a row with a change of its own may take `record`; if not, the
    // server's side is kept for the user.
    bool yields(SyncEntity entity, const QString& id, const SyncFields& local,
        const QJsonObject& localPayload, const QJsonObject& record);
    void beginUnit();
    // The first referenced row that is not here, empty when all are.
    QString missingParent(References references) const;
    Outcome parkFor(const QString& missing);
    Outcome stored(bool ok);
    void retryParked();

    // The local ids of the page's server ids, looked up for the page at once.
    void lookUpServerIds(const QJsonObject& page);
    QString idForServerId(SyncEntity entity, const QString& serverId) const;

    Database* m_db;
    // From the pull's first page to its end.
    std::unique_ptr<BulkWriteSettings> m_bulk;
    Repositories m_repos;
    SyncLedger* m_ledger;
    int m_applied = 0;
    // Whether each record gets a savepoint of its own; without, a record the
    // store refused (m_refused) ends the page's attempt.
    bool m_careful = true;
    bool m_refused = false;
    // Parked records by entity type and server id, and why the last one parked.
    QSet<QString> m_parked;
    QString m_reason;
    QSet<QString> m_droppedAccounts;
    // By parkKey: the page's server ids, each with its row here (empty when none).
    QHash<QString, QString> m_pageIds;
    // By parkKey of the local id: the rows the page has written so far.
    QSet<QString> m_pageWritten;
};
