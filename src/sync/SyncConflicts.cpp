#include "SyncConflicts.h"

#include "SyncApplier.h"
#include "SyncLedger.h"
#include "SyncLogging.h"
#include "SyncWire.h"
#include "data/AccountRepository.h"
#include "data/CategoryRepository.h"
#include "data/CsvProfileRepository.h"
#include "data/ReconciliationRepository.h"
#include "data/RecurringRepository.h"
#include "data/SplitLineRepository.h"
#include "data/TransactionRepository.h"
#include "data/TransactionScope.h"

SyncConflicts::SyncConflicts(
    Database* db, const Repositories& repositories, SyncLedger* ledger, SyncApplier* applier)
    : m_db(db)
    , m_repos(repositories)
    , m_ledger(ledger)
    , m_applier(applier)
{
}

std::optional<QJsonObject> SyncConflicts::payloadOf(SyncEntity entity, const QString& id) const
{
    const auto wrap = [](const auto& record) -> std::optional<QJsonObject> {
        if (!record)
            return std::nullopt;
        return SyncWire::payloadOf(*record);
    };
    switch (entity) {
    case SyncEntity::Account: return wrap(m_repos.accounts->findById(id));
    case SyncEntity::Category: return wrap(m_repos.categories->findById(id));
    case SyncEntity::Recurring: return wrap(m_repos.recurring->findById(id));
    case SyncEntity::Reconciliation: return wrap(m_repos.reconciliations->findById(id));
    case SyncEntity::CsvProfile: return wrap(m_repos.csvProfiles->findById(id));
    case SyncEntity::Transaction: {
        const auto t = m_repos.transactions->findById(id);
        if (!t)
            return std::nullopt;
        return SyncWire::payload(
            *t, t->isSplit ? m_repos.splitLines->findByTransaction(id) : QList<SplitLine>());
    }
    }
    return std::nullopt;
}

QList<SyncConflict> SyncConflicts::list() const
{
    QList<SyncConflict> conflicts;
    for (const SyncLedger::Row& row : m_ledger->conflicts()) {
        const auto mine = payloadOf(row.entity, row.id);
        if (!mine)
            continue;
        const auto copy = m_ledger->serverCopy(row.entity, row.id);
        conflicts.append(
            { row.entity, row.id, *mine, copy ? copy->record : std::optional<QJsonObject>() });
    }
    return conflicts;
}

bool SyncConflicts::keepMine(SyncEntity entity, const QString& id)
{
    qCInfo(lcSync).noquote() << "Conflict settled: this computer's"
                             << SyncEntities::wireType(entity) << id << "goes up";
    return m_ledger->keepLocal(entity, id);
}

SyncConflicts::Outcome SyncConflicts::useTheirs(SyncEntity entity, const QString& id)
{
    const auto copy = m_ledger->serverCopy(entity, id);
    const bool here = copy && copy->record;
    qCInfo(lcSync).noquote() << "Conflict settled: the server's" << SyncEntities::wireType(entity)
                             << id << (here ? "replaces this computer's" : "is fetched again");
    TransactionScope scope(m_db);
    if (!m_ledger->yieldToServer(entity, id))
        return Outcome::Failed;
    m_ledger->forgetServerCopy(entity, id);
    // Applying may park it for a parent not here yet; it is then tried with
    // every later page, and the row takes the server's next record anyway.
    if (here)
        m_applier->applyChosen(entity, *copy->record);
    if (!scope.commit())
        return Outcome::Failed;
    return here ? Outcome::Settled : Outcome::AwaitsServer;
}
