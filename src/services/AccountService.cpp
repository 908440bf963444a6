#include "AccountService.h"

#include "TransactionService.h"
#include "data/AccountRepository.h"
#include "data/Clock.h"
#include "data/Ids.h"
#include "data/Money.h"
#include "data/ReconciliationRepository.h"
#include "data/RecurringRepository.h"
#include "data/SingleLine.h"
#include "data/TransactionRepository.h"
#include "data/TransactionScope.h"

#include <QLoggingCategory>

namespace {

Q_LOGGING_CATEGORY(lcAccounts, "ledgerine.accounts")

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

// Names and details are one line of printable text, whoever typed them.
void cleanTexts(Account& account)
{
    account.name = SingleLine::clean(account.name);
    account.institution = SingleLine::clean(account.institution);
    account.accountNumberLast4 = SingleLine::clean(account.accountNumberLast4);
}

} // namespace

AccountService::AccountService(Database* db, AccountRepository* accounts,
    TransactionRepository* transactions, RecurringRepository* recurring,
    ReconciliationRepository* reconciliations, TransactionService* transactionService,
    QObject* parent)
    : QObject(parent)
    , m_db(db)
    , m_accounts(accounts)
    , m_transactions(transactions)
    , m_recurring(recurring)
    , m_reconciliations(reconciliations)
    , m_transactionService(transactionService)
{
}

bool AccountService::create(Account account, const QDate& asOf)
{
    cleanTexts(account);
    const qint64 opening = account.startingBalance;
    account.startingBalance = 0;
    const QList<Account> existing = m_accounts->findAll();
    account.sortOrder = existing.isEmpty() ? 0 : existing.last().sortOrder + 1;

    TransactionScope scope(m_db);
    if (!m_accounts->insert(account))
        return false;
    if (opening != 0
        && m_transactionService->save(
               openingTransaction(account, opening, asOf), std::nullopt, true)
            != TransactionService::Result::Saved)
        return false;
    return scope.commit();
}

bool AccountService::update(Account account)
{
    cleanTexts(account);
    if (!Money::isWithinLimit(account.startingBalance))
        return false;
    const auto stored = m_accounts->findById(account.id);
    if (stored && stored->currency != account.currency && !canChangeCurrency(account.id))
        return false;
    return m_accounts->update(account);
}

bool AccountService::canChangeCurrency(const QString& accountId) const
{
    const auto stored = m_accounts->findById(accountId);
    return !stored || (stored->startingBalance == 0 && !m_transactions->hasTransactions(accountId));
}

AccountService::Removal AccountService::remove(const QString& accountId)
{
    Removal result;
    const auto account = m_accounts->findById(accountId);
    if (!account || account->deletedAt)
        return result;

    TransactionScope scope(m_db);
    result.transactions = m_transactions->softDeleteByAccount(accountId);
    result.recurring = m_recurring->softDeleteByAccount(accountId);
    result.reconciliations = m_reconciliations->softDeleteByAccount(accountId);
    if (!m_accounts->softDelete(accountId) || !scope.commit())
        return Removal {};
    result.removed = true;
    qCInfo(lcAccounts).noquote() << "Cascade delete account" << accountId
                                 << "→ transactions:" << result.transactions
                                 << "recurrings:" << result.recurring
                                 << "reconciliations:" << result.reconciliations;
    return result;
}

AccountService::RestoreResult AccountService::restore(const QString& accountId)
{
    const auto account = m_accounts->findById(accountId);
    if (!account || !account->deletedAt || !account->deletedAt->isValid())
        return RestoreResult::Failed;
    if (m_accounts->isAccessEnded(accountId))
        return RestoreResult::AccessEnded;
    // A cascade stamps its rows one by one; ten seconds covers a slow one.
    const QString since = account->deletedAt->toUTC().addSecs(-10).toString(Qt::ISODate);
    TransactionScope scope(m_db);
    m_transactions->restoreByAccount(accountId, since);
    m_recurring->restoreByAccount(accountId, since);
    m_reconciliations->restoreByAccount(accountId, since);
    if (!m_accounts->restore(accountId) || !scope.commit())
        return RestoreResult::Failed;
    qCInfo(lcAccounts).noquote() << "Restored account" << accountId;
    return RestoreResult::Restored;
}
