#include "AccountWriter.h"

#include "app/AppState.h"
#include "data/AccountRepository.h"
#include "data/Clock.h"
#include "data/Ids.h"
#include "data/ReconciliationRepository.h"
#include "data/RecurringRepository.h"
#include "data/TransactionRepository.h"
#include "data/TransactionScope.h"

#include <QLoggingCategory>
#include <QSignalBlocker>

namespace {

Q_LOGGING_CATEGORY(lcUi, "ledgerine.ui")

Transaction openingTransaction(const Account& account, qint64 amount, const QDate& date)
{
    Transaction t;
    t.id = Ids::newId();
    t.accountId = account.id;
    t.date = date;
    t.payee = QStringLiteral("Opening Balance");
    t.amount = amount;
    t.cleared = true;
    t.reconciled = true;
    t.version = 1;
    t.createdAt = t.updatedAt = Clock::nowUtc();
    return t;
}

} // namespace

AccountWriter::AccountWriter(AppState* state)
    : m_state(state)
{
}

bool AccountWriter::create(Account account, const QDate& asOf)
{
    AccountRepository* accounts = m_state->accounts();
    TransactionRepository* transactions = m_state->transactions();
    const qint64 opening = account.startingBalance;
    account.startingBalance = 0;
    const QList<Account> existing = accounts->findAll();
    account.sortOrder = existing.isEmpty() ? 0 : existing.last().sortOrder + 1;
    {
        // Listeners hear of the account once it is there with its opening balance.
        const QSignalBlocker quietAccounts(accounts);
        const QSignalBlocker quietTransactions(transactions);
        TransactionScope scope(m_state->database());
        if (!accounts->insert(account))
            return false;
        if (opening != 0 && !transactions->insert(openingTransaction(account, opening, asOf)))
            return false;
        if (!scope.commit())
            return false;
    }
    Q_EMIT accounts->accountsChanged();
    if (opening != 0)
        Q_EMIT transactions->transactionsChanged(account.id);
    return true;
}

AccountWriter::Removal AccountWriter::remove(const QString& accountId)
{
    AccountRepository* accounts = m_state->accounts();
    TransactionRepository* transactions = m_state->transactions();
    RecurringRepository* recurring = m_state->recurring();
    ReconciliationRepository* reconciliations = m_state->reconciliations();
    Removal result;
    const auto account = accounts->findById(accountId);
    if (!account || account->deletedAt)
        return result;
    {
        const QSignalBlocker quietAccounts(accounts);
        const QSignalBlocker quietTransactions(transactions);
        const QSignalBlocker quietRecurring(recurring);
        const QSignalBlocker quietReconciliations(reconciliations);
        TransactionScope scope(m_state->database());
        result.transactions = transactions->softDeleteByAccount(accountId);
        result.recurring = recurring->softDeleteByAccount(accountId);
        result.reconciliations = reconciliations->softDeleteByAccount(accountId);
        if (!accounts->softDelete(accountId) || !scope.commit())
            return Removal {};
    }
    result.removed = true;
    qCInfo(lcUi).noquote() << "Cascade delete account" << accountId
                           << "→ transactions:" << result.transactions
                           << "recurrings:" << result.recurring
                           << "reconciliations:" << result.reconciliations;
    if (result.transactions > 0)
        Q_EMIT transactions->transactionsChanged(accountId);
    if (result.recurring > 0)
        Q_EMIT recurring->recurringChanged();
    if (result.reconciliations > 0)
        Q_EMIT reconciliations->reconciliationsChanged();
    Q_EMIT accounts->accountsChanged();
    return result;
}
