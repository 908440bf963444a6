#include "SyncApplier.h"

#include "SyncLedger.h"
#include "SyncLogging.h"
#include "SyncWire.h"
#include "data/AccountRepository.h"
#include "data/BulkWriteSettings.h"
#include "data/CategoryRepository.h"
#include "data/CsvProfileRepository.h"
#include "data/Database.h"
#include "data/Ids.h"
#include "data/ReconciliationRepository.h"
#include "data/RecordRules.h"
#include "data/RecurringRepository.h"
#include "data/Savepoint.h"
#include "data/SplitLineRepository.h"
#include "data/StatementCache.h"
#include "data/TransactionBulkInsert.h"
#include "data/TransactionRepository.h"
#include "data/TransactionScope.h"

#include <QJsonArray>
#include <QSqlQuery>

#include <algorithm>

namespace {

QString parkKey(SyncEntity entity, const QString& serverId)
{
    return SyncEntities::wireType(entity) + QLatin1Char('/') + serverId;
}

// A record whose date is unusable is left out with a warning naming it.
bool skipsBrokenDate(const QDate& date, const char* warning, const QJsonObject& record,
    const QString& name, const char* member)
{
    if (date.isValid() && date.year() >= 2000 && RecordRules::isDateInRange(date))
        return false;
    qCWarning(lcSync).noquote() << warning << record.value("id").toString() << name
                                << record.value(QLatin1String(member)).toString();
    return true;
}

// A record no path of this program would store (a text too long, too many
// split lines) is left out with a warning naming it and the reason.
bool skipsRefused(const QString& problem, const char* what, const QJsonObject& record)
{
    if (problem.isEmpty())
        return false;
    qCWarning(lcSync).noquote() << "Skipping server" << what << record.value("id").toString() << "—"
                                << problem;
    return true;
}

} // namespace

SyncApplier::SyncApplier(Database* db, const Repositories& repositories, SyncLedger* ledger)
    : m_db(db)
    , m_repos(repositories)
    , m_ledger(ledger)
{
}

SyncApplier::~SyncApplier() = default;

void SyncApplier::endPull()
{
    m_bulk.reset();
}

void SyncApplier::beginUnit()
{
    // Rows of one page may name each other in any order; SQLite checks the
    // references when the page commits.
    QSqlQuery(m_db->database()).exec(QStringLiteral("PRAGMA defer_foreign_keys = ON"));
    m_parked.clear();
    for (const SyncLedger::Parked& parked : m_ledger->parked())
        m_parked.insert(parkKey(parked.entity, parked.record.value("id").toString()));
}

qsizetype SyncApplier::applyPages(
    const QList<QJsonObject>& pages, const std::function<bool(qsizetype)>& finish)
{
    // Kept for the whole pull: shrinking the cache between pages would throw
    // away the index pages the next page writes again.
    if (!m_bulk)
        m_bulk = std::make_unique<BulkWriteSettings>(m_db);
    // One commit for several pages: each commit writes every index page the
    // rows touched to the journal again, and most of them are the same pages.
    TransactionScope scope(m_db);
    // The same few lookups for every record.
    const StatementCache statements(m_db);
    // New rows are indexed for search together at the end. Without the
    // per-row trigger an insert needs no copy of the pages it touches. Pages
    // without transactions (most cycles) skip the trigger changes.
    std::optional<TransactionBulkInsert> searchIndex;
    if (std::any_of(pages.cbegin(), pages.cend(), [](const QJsonObject& page) {
            return !SyncWire::records(page, SyncEntity::Transaction).isEmpty();
        }))
        searchIndex.emplace(m_db, m_repos.transactions);
    qsizetype kept = 0;
    for (const QJsonObject& page : pages) {
        if (!applyPageWhole(page, [&] { return finish(kept); }))
            break;
        ++kept;
    }
    return (!searchIndex || searchIndex->finish()) && scope.commit() ? kept : 0;
}

bool SyncApplier::applyPageWhole(const QJsonObject& page, const std::function<bool()>& finish)
{
    // A savepoint per record copies every page the record touches, which
    // costs more than the writes: a page goes without them first, and only
    // when the store refuses one of its records again with them, so that the
    // refused one alone is parked.
    for (const bool careful : { false, true }) {
        const int applied = m_applied;
        const QSet<QString> dropped = m_droppedAccounts;
        m_careful = careful;
        m_refused = false;
        Savepoint step(m_db);
        const bool ok = step.isOpen() && applyPage(page, finish) && step.release();
        m_careful = true;
        if (ok)
            return true;
        m_applied = applied;
        m_droppedAccounts = dropped;
        if (!std::exchange(m_refused, false) || careful)
            return false;
    }
    return false;
}

bool SyncApplier::applyPage(const QJsonObject& page, const std::function<bool()>& finish)
{
    beginUnit();
    lookUpServerIds(page);
    const int before = m_applied;
    for (const SyncEntity entity : SyncEntities::kAll) {
        const QJsonArray records = SyncWire::records(page, entity);
        for (const QJsonValue& record : records) {
            apply(entity, record.toObject());
            if (m_refused)
                return false;
        }
    }
    m_pageIds.clear();
    m_pageWritten.clear();
    retryParked();
    if (m_refused)
        return false;
    qCInfo(lcSync).noquote() << "Pull page:" << m_applied - before << "records applied,"
                             << m_parked.size() << "parked";
    return finish();
}

void SyncApplier::lookUpServerIds(const QJsonObject& page)
{
    m_pageIds.clear();
    m_pageWritten.clear();
    for (const SyncEntity entity : SyncEntities::kAll) {
        QStringList serverIds;
        for (const QJsonValue& record : SyncWire::records(page, entity)) {
            const QString serverId = record.toObject().value("id").toString();
            if (!serverId.isEmpty())
                serverIds << serverId;
        }
        if (serverIds.isEmpty())
            continue;
        const QHash<QString, QString> found = m_ledger->idsForServerIds(entity, serverIds);
        for (const QString& serverId : std::as_const(serverIds))
            m_pageIds.insert(parkKey(entity, serverId), found.value(serverId));
    }
}

QString SyncApplier::idForServerId(SyncEntity entity, const QString& serverId) const
{
    const auto known = m_pageIds.constFind(parkKey(entity, serverId));
    if (known == m_pageIds.cend()
        || (!known->isEmpty() && m_pageWritten.contains(parkKey(entity, *known))))
        return m_ledger->idForServerId(entity, serverId);
    return *known;
}

bool SyncApplier::applyChosen(SyncEntity entity, const QJsonObject& record)
{
    TransactionScope scope(m_db);
    beginUnit();
    return apply(entity, record) == Outcome::Applied && scope.commit();
}

QStringList SyncApplier::takeDroppedAccounts()
{
    const QStringList accounts(m_droppedAccounts.cbegin(), m_droppedAccounts.cend());
    m_droppedAccounts.clear();
    return accounts;
}

void SyncApplier::retryParked()
{
    bool progress = !m_parked.isEmpty();
    while (progress && !m_refused) {
        progress = false;
        for (const SyncLedger::Parked& parked : m_ledger->parked()) {
            if (apply(parked.entity, parked.record) == Outcome::Applied)
                progress = true;
            if (m_refused)
                return;
        }
    }
}

SyncApplier::Outcome SyncApplier::apply(SyncEntity entity, const QJsonObject& record)
{
    const QString serverId = record.value("id").toString();
    QString localId = record.value("client_id").toString();
    if ((localId.isEmpty() || !m_ledger->exists(entity, localId)) && !serverId.isEmpty()) {
        const QString known = idForServerId(entity, serverId);
        if (!known.isEmpty())
            localId = known;
    }
    if (localId.isEmpty())
        localId = Ids::newId();

    Outcome outcome = Outcome::Parked;
    {
        // One record stands or falls alone: its row and its split lines.
        std::optional<Savepoint> step;
        if (m_careful)
            step.emplace(m_db);
        m_reason.clear();
        if (!step || step->isOpen()) {
            switch (entity) {
            case SyncEntity::Account: outcome = applyAccount(record, localId); break;
            case SyncEntity::Category: outcome = applyCategory(record, localId); break;
            case SyncEntity::Recurring: outcome = applyRecurring(record, localId); break;
            case SyncEntity::Transaction: outcome = applyTransactionChange(record, localId); break;
            case SyncEntity::Reconciliation: outcome = applyReconciliation(record, localId); break;
            case SyncEntity::CsvProfile: outcome = applyCsvProfile(record, localId); break;
            }
        } else {
            m_reason = QStringLiteral("the store refused to begin");
        }
        // A skipped record may have kept the server's side of a conflict.
        if (outcome != Outcome::Parked && step && !step->release()) {
            outcome = Outcome::Parked;
            m_reason = QStringLiteral("the store refused the record");
        }
    }
    // Without its savepoint the record may be half written: the page goes again.
    if (m_refused)
        return Outcome::Parked;

    const QString key = parkKey(entity, serverId);
    // Only storing a record moves server ids: later lookups of this one, or
    // of one this row held, ask the store again.
    if (outcome == Outcome::Applied && !m_pageIds.isEmpty()) {
        m_pageIds.remove(key);
        m_pageWritten.insert(parkKey(entity, localId));
    }
    if (outcome == Outcome::Parked) {
        m_ledger->park(entity, record, m_reason);
        m_parked.insert(key);
        return outcome;
    }
    if (outcome == Outcome::Applied)
        ++m_applied;
    if (m_parked.remove(key))
        m_ledger->unpark(entity, serverId);
    return outcome;
}

template <typename Record>
std::optional<SyncApplier::Outcome> SyncApplier::blocker(SyncEntity entity,
    const std::optional<Record>& local, const QJsonObject& record, References parents,
    const std::function<QJsonObject(const Record&)>& payloadOf)
{
    const int version = record.value("version").toInt(1);
    if (SyncWire::accessEnded(record)) {
        // Only what came from the share goes with it: a row this place never
        // sent here (another account's data on this computer) stays.
        if (!local || local->serverId.isEmpty())
            return Outcome::Skipped;
        // Gone with the share, whatever waited here.
        if (local->syncStatus != SyncStatus::Synced)
            m_droppedAccounts.insert(
                entity == SyncEntity::Account ? local->id : record.value("account_id").toString());
    } else if (local && local->syncStatus != SyncStatus::Synced) {
        if (!yields(entity, local->id, *local, payloadOf(*local), record))
            return Outcome::Skipped;
    } else if (local && version < local->version) {
        return Outcome::Skipped;
    }
    if (const QString missing = missingParent(parents); !missing.isEmpty())
        return parkFor(missing);
    return std::nullopt;
}

bool SyncApplier::yields(SyncEntity entity, const QString& id, const SyncFields& local,
    const QJsonObject& localPayload, const QJsonObject& record)
{
    // Both sides made the same change, or this row is one every computer
    // makes alike and nobody touched here: the server's copy is as good.
    const bool neverPushed = local.serverId.isEmpty();
    if (SyncWire::sameContent(localPayload, record)
        || (neverPushed && m_ledger->isUntouched(entity, id)))
        return true;
    const int version = record.value("version").toInt(1);
    // A change made on an older version than the server's, or without any
    // (never pushed to this place), would be refused: it waits for the user,
    // who sees both sides.
    if (neverPushed || version > local.version || local.syncStatus == SyncStatus::Conflict) {
        m_ledger->keepServerCopy(entity, id, record);
        if (m_ledger->markConflict(entity, id, version))
            qCWarning(lcSync).noquote() << "Sync conflict:" << SyncEntities::wireType(entity) << id
                                        << "changed here and on the server; it waits for the user";
    }
    return false;
}

QString SyncApplier::missingParent(References references) const
{
    for (const auto& [entity, id] : references) {
        if (!id.isEmpty() && !m_ledger->exists(entity, id))
            return SyncEntities::wireType(entity) + QLatin1Char(' ') + id;
    }
    return {};
}

SyncApplier::Outcome SyncApplier::parkFor(const QString& missing)
{
    m_reason = QStringLiteral("missing %1").arg(missing);
    return Outcome::Parked;
}

SyncApplier::Outcome SyncApplier::stored(bool ok)
{
    if (ok)
        return Outcome::Applied;
    m_refused = !m_careful;
    m_reason = QStringLiteral("the store refused the record");
    return Outcome::Parked;
}

SyncApplier::Outcome SyncApplier::applyAccount(const QJsonObject& record, const QString& localId)
{
    const Account account = SyncWire::account(record, localId);
    if (const auto blocked = blocker<Account>(SyncEntity::Account,
            m_repos.accounts->findById(localId), record, {}, SyncWire::payloadOf<Account>))
        return *blocked;
    if (!m_repos.accounts->storeReceived(account))
        return stored(false);
    if (!SyncWire::accessEnded(record))
        return stored(m_ledger->restoreAccess(localId)
            && m_ledger->noteSharedBy(localId, SyncWire::sharedBy(record)));
    if (!m_ledger->endAccess(localId) || !m_ledger->noteSharedBy(localId, std::nullopt))
        return stored(false);
    for (const QString& dropped : m_ledger->dropChangesWithoutAccess())
        m_droppedAccounts.insert(dropped);
    return Outcome::Applied;
}

SyncApplier::Outcome SyncApplier::applyCategory(const QJsonObject& record, const QString& localId)
{
    const Category category = SyncWire::category(record, localId);
    if (skipsRefused(RecordRules::categoryNameProblem(category.name), "category", record))
        return Outcome::Skipped;
    if (const auto blocked
        = blocker<Category>(SyncEntity::Category, m_repos.categories->findById(localId), record,
            { { SyncEntity::Category, category.parentId } }, SyncWire::payloadOf<Category>))
        return *blocked;
    return stored(m_repos.categories->storeReceived(category));
}

SyncApplier::Outcome SyncApplier::applyRecurring(const QJsonObject& record, const QString& localId)
{
    const RecurringTransaction recurring = SyncWire::recurring(record, localId);
    if (skipsBrokenDate(recurring.nextDueDate,
            "applyRecurring: skipping server record with broken nextDueDate:", record,
            recurring.payee, "next_due_date"))
        return Outcome::Skipped;
    if (skipsRefused(RecordRules::scheduleProblem(recurring), "recurring transaction", record))
        return Outcome::Skipped;
    if (const auto blocked = blocker<RecurringTransaction>(SyncEntity::Recurring,
            m_repos.recurring->findById(localId), record,
            { { SyncEntity::Account, recurring.accountId } },
            SyncWire::payloadOf<RecurringTransaction>))
        return *blocked;
    if (!standInMissingCategories({ recurring.categoryId }))
        return stored(false);
    return stored(m_repos.recurring->storeReceived(recurring));
}

// Categories belong to one person: a shared account's rows and schedules may
// name the owner's, which never come here. Those rows are kept whole, the
// category held by a stand-in until (if ever) a category of that id arrives.
bool SyncApplier::standInMissingCategories(const QStringList& categoryIds)
{
    for (const QString& id : categoryIds) {
        if (!id.isEmpty() && !m_ledger->exists(SyncEntity::Category, id)
            && !m_repos.categories->storeStandIn(id))
            return false;
    }
    return true;
}

SyncApplier::Outcome SyncApplier::applyTransactionChange(
    const QJsonObject& record, const QString& localId)
{
    const Transaction transaction = SyncWire::transaction(record, localId);
    if (skipsBrokenDate(transaction.date,
            "applyTransactionChange: skipping server record with broken date:", record,
            transaction.payee, "date"))
        return Outcome::Skipped;
    const auto payloadOf = [this](const Transaction& t) {
        return SyncWire::payload(
            t, t.isSplit ? m_repos.splitLines->findByTransaction(t.id) : QList<SplitLine>());
    };
    const std::optional<Transaction> local = m_repos.transactions->findById(localId);
    if (const auto blocked = blocker<Transaction>(SyncEntity::Transaction, local, record,
            { { SyncEntity::Account, transaction.accountId } }, payloadOf))
        return *blocked;
    // The echo of this computer's own push: the row holds it already.
    if (local && local->syncStatus == SyncStatus::Synced && local->version == transaction.version
        && local->serverId == transaction.serverId && !SyncWire::accessEnded(record)
        && SyncWire::sameContent(payloadOf(*local), record))
        return Outcome::Skipped;

    // Lines are replaced only when the record brings them.
    const QJsonValue linesValue = record.value("split_lines");
    const QList<SplitLine> lines = linesValue.isArray()
        ? SyncWire::splitLines(linesValue.toArray(), transaction)
        : QList<SplitLine>();
    if (skipsRefused(RecordRules::transactionProblem(transaction).isEmpty()
                ? RecordRules::splitLinesProblem(lines)
                : RecordRules::transactionProblem(transaction),
            "transaction", record))
        return Outcome::Skipped;
    QStringList categories { transaction.categoryId };
    for (const SplitLine& line : lines)
        categories << line.categoryId;
    if (!standInMissingCategories(categories))
        return stored(false);
    if (!m_repos.transactions->storeReceived(transaction, !local))
        return stored(false);
    if (!linesValue.isArray())
        return Outcome::Applied;
    if (local && !m_repos.splitLines->deleteByTransaction(localId))
        return stored(false);
    for (const SplitLine& line : lines) {
        if (!m_repos.splitLines->insert(line))
            return stored(false);
    }
    return Outcome::Applied;
}

SyncApplier::Outcome SyncApplier::applyReconciliation(
    const QJsonObject& record, const QString& localId)
{
    const Reconciliation reconciliation = SyncWire::reconciliation(record, localId);
    if (skipsBrokenDate(reconciliation.statementDate,
            "applyReconciliation: skipping server record with broken statementDate:", record,
            reconciliation.accountId, "statement_date"))
        return Outcome::Skipped;
    if (const auto blocked = blocker<Reconciliation>(SyncEntity::Reconciliation,
            m_repos.reconciliations->findById(localId), record,
            { { SyncEntity::Account, reconciliation.accountId } },
            SyncWire::payloadOf<Reconciliation>))
        return *blocked;
    return stored(m_repos.reconciliations->storeReceived(reconciliation));
}

SyncApplier::Outcome SyncApplier::applyCsvProfile(const QJsonObject& record, const QString& localId)
{
    const CsvProfileRecord profile = SyncWire::csvProfile(record, localId);
    // A live profile the import could not read would only stand in the way.
    if (!profile.deletedAt
        && skipsRefused(profile.name.trimmed().isEmpty() || profile.mapping.isEmpty()
                ? QStringLiteral("no name or no mapping")
                : QString(),
            "import profile", record))
        return Outcome::Skipped;
    if (const auto blocked = blocker<CsvProfileRecord>(SyncEntity::CsvProfile,
            m_repos.csvProfiles->findById(localId), record,
            { { SyncEntity::Account, profile.accountId } }, SyncWire::payloadOf<CsvProfileRecord>))
        return *blocked;
    return stored(m_repos.csvProfiles->storeReceived(profile));
}
