#include "ReconciliationService.h"

#include "data/AccountRepository.h"
#include "data/Clock.h"
#include "data/ReconciliationRepository.h"
#include "data/TransactionRepository.h"
#include "data/TransactionScope.h"

#include <QSet>

ReconciliationService::ReconciliationService(Database* db, AccountRepository* accounts,
    TransactionRepository* transactions, ReconciliationRepository* reconciliations, QObject* parent)
    : QObject(parent)
    , m_db(db)
    , m_accounts(accounts)
    , m_transactions(transactions)
    , m_reconciliations(reconciliations)
{
}

std::optional<ReconciliationService::Opening> ReconciliationService::open(
    const QString& accountId) const
{
    const auto account = m_accounts->findById(accountId);
    if (!account || account->deletedAt)
        return std::nullopt;
    const TransactionRepository::ReconciledTotals reconciled
        = m_transactions->reconciledTotals(accountId);
    Opening opening;
    opening.previousBalance = account->startingBalance + reconciled.sum;
    // QDate::addMonths keeps to the end of a shorter month (31 January -> 28 February).
    const auto latest = m_reconciliations->findLatest(accountId);
    if (latest
        && (!reconciled.latestDate.isValid() || latest->statementDate >= reconciled.latestDate))
        opening.statementDate = latest->statementDate.addMonths(1);
    else if (reconciled.latestDate.isValid())
        opening.statementDate = reconciled.latestDate.addMonths(1);
    return opening;
}

ReconciliationService::Result ReconciliationService::finish(
    Reconciliation& reconciliation, const QStringList& tickedIds)
{
    if (m_reconciliations->findById(reconciliation.id))
        return Result::AlreadyFinished;
    TransactionScope scope(m_db);
    const Result result = write(reconciliation, tickedIds);
    if (result != Result::Finished)
        return result;
    return scope.commit() ? Result::Finished : Result::StoreFailed;
}

ReconciliationService::Result ReconciliationService::write(
    Reconciliation& r, const QStringList& tickedIds)
{
    const auto account = m_accounts->findById(r.accountId);
    if (!account || account->deletedAt)
        return Result::StoreFailed;
    const QSet<QString> unique(tickedIds.begin(), tickedIds.end());
    const QDateTime now = Clock::nowUtc();
    // Only live, unreconciled rows of the account are marked: one the register
    // deleted or reconciled meanwhile leaves the count short.
    if (!unique.isEmpty()
        && m_transactions->markReconciled(
               r.accountId, QStringList(unique.begin(), unique.end()), now)
            != unique.size())
        return Result::TransactionsChanged;
    // Read back from the store, so an amount changed meanwhile cannot slip through.
    const qint64 reconciledBalance
        = account->startingBalance + m_transactions->reconciledTotals(r.accountId).sum;
    if (reconciledBalance != r.statementBalance)
        return Result::OutOfBalance;

    r.reconciledBalance = reconciledBalance;
    r.completedAt = now;
    r.createdAt = now;
    r.updatedAt = now;
    r.version = 1;
    r.syncStatus = SyncStatus::Pending;
    r.serverId.clear();
    r.deletedAt.reset();
    return m_reconciliations->insert(r) ? Result::Finished : Result::StoreFailed;
}
