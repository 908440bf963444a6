#include "TransactionService.h"

#include "data/AccountRepository.h"
#include "data/Clock.h"
#include "data/Ids.h"
#include "data/Money.h"
#include "data/RecordRules.h"
#include "data/SingleLine.h"
#include "data/SplitLineRepository.h"
#include "data/TransactionBulkInsert.h"
#include "data/TransactionRepository.h"
#include "data/TransactionScope.h"

#include <QCoreApplication>

namespace {

QString translated(const char* text)
{
    // The texts belong to the register, where users meet them first.
    return QCoreApplication::translate("RegisterScreen", text);
}

} // namespace

TransactionService::TransactionService(Database* db, AccountRepository* accounts,
    TransactionRepository* transactions, SplitLineRepository* splitLines, QObject* parent)
    : QObject(parent)
    , m_db(db)
    , m_accounts(accounts)
    , m_transactions(transactions)
    , m_splitLines(splitLines)
{
}

QString TransactionService::transferPrefix()
{
    return QStringLiteral("[Transfer] ");
}

QString TransactionService::transferPayee(const QString& accountName)
{
    return transferPrefix() + accountName;
}

QString TransactionService::transferToPayee(const QString& accountName)
{
    return translated("Transfer to %1").arg(accountName);
}

QString TransactionService::transferFromPayee(const QString& accountName)
{
    return translated("Transfer from %1").arg(accountName);
}

QString TransactionService::transferPayeeFor(qint64 amount, const QString& otherAccountName)
{
    return amount < 0 ? transferToPayee(otherAccountName) : transferFromPayee(otherAccountName);
}

void TransactionService::retitleTransfer(Transaction& t) const
{
    if (t.transferDestAccountId.isEmpty())
        return;
    const auto other = m_accounts->findById(t.transferDestAccountId);
    if (other
        && (t.payee == transferToPayee(other->name) || t.payee == transferFromPayee(other->name)))
        t.payee = transferPayeeFor(t.amount, other->name);
}

QStringList TransactionService::transferPayees(const QString& accountId) const
{
    QStringList payees;
    for (const Account& a : m_accounts->findAll()) {
        if (a.id != accountId)
            payees.append(transferPayee(a.name));
    }
    return payees;
}

TransactionService::Result TransactionService::resolveTransferPayee(Transaction& t) const
{
    if (!t.payee.startsWith(transferPrefix()))
        return Result::Saved;
    const QString targetName = t.payee.mid(transferPrefix().size());
    std::optional<Account> target;
    for (const Account& a : m_accounts->findAll()) {
        // A transfer to the account itself would only cancel itself out.
        if (a.name == targetName && a.id != t.accountId) {
            target = a;
            break;
        }
    }
    if (!target)
        return Result::TransferAccountNotFound;
    const auto self = m_accounts->findById(t.accountId);
    if (self && self->currency != target->currency)
        return Result::CurrencyMismatch;
    t.transferDestAccountId = target->id;
    t.payee = transferPayeeFor(t.amount, target->name);
    return Result::Saved;
}

bool TransactionService::hasVisibleOtherLeg(const Transaction& t) const
{
    if (t.transferLinkId.isEmpty())
        return false;
    const auto leg = m_transactions->findById(t.transferLinkId);
    return leg && !leg->deletedAt;
}

Transaction TransactionService::transferLeg(const Transaction& first, const QString& legId)
{
    Transaction leg;
    leg.id = legId;
    leg.accountId = first.transferDestAccountId;
    leg.date = first.date;
    leg.amount = -first.amount;
    leg.cleared = first.cleared;
    leg.reconciled = first.reconciled;
    leg.transferLinkId = first.id;
    leg.transferDestAccountId = first.accountId;
    leg.createdAt = first.updatedAt;
    leg.updatedAt = first.updatedAt;
    return leg;
}

Transaction TransactionService::otherLeg(const Transaction& first) const
{
    const auto self = m_accounts->findById(first.accountId);
    Transaction leg = transferLeg(first, Ids::newId());
    leg.payee = transferPayeeFor(leg.amount, self ? self->name : QString());
    return leg;
}

void TransactionService::clean(Transaction& t, QList<SplitLine>& lines)
{
    t.payee = SingleLine::clean(t.payee);
    t.memo = SingleLine::clean(t.memo);
    t.checkNumber = SingleLine::clean(t.checkNumber);
    for (SplitLine& line : lines)
        line.memo = SingleLine::clean(line.memo);
}

QString TransactionService::refusal(const Transaction& transaction, const QList<SplitLine>& lines)
{
    Transaction t = transaction;
    QList<SplitLine> cleanLines = lines;
    clean(t, cleanLines);
    const QString problem = RecordRules::transactionProblem(t);
    return problem.isEmpty() ? RecordRules::splitLinesProblem(cleanLines) : problem;
}

TransactionService::Result TransactionService::checkAndClean(
    Transaction& t, QList<SplitLine>* lines)
{
    QList<SplitLine> none;
    QList<SplitLine>& checked = lines ? *lines : none;
    if (!Money::isWithinLimit(t.amount))
        return Result::AmountTooLarge;
    for (const SplitLine& line : std::as_const(checked)) {
        if (!Money::isWithinLimit(line.amount))
            return Result::AmountTooLarge;
    }
    clean(t, checked);
    if (!RecordRules::transactionProblem(t).isEmpty()
        || !RecordRules::splitLinesProblem(checked).isEmpty())
        return Result::Refused;
    return Result::Saved;
}

bool TransactionService::storeLines(const QString& transactionId, const QList<SplitLine>& lines)
{
    for (SplitLine line : lines) {
        line.transactionId = transactionId;
        if (!m_splitLines->insert(line))
            return false;
    }
    return true;
}

TransactionService::Result TransactionService::save(
    const Transaction& transaction, const std::optional<QList<SplitLine>>& lines, bool isNew)
{
    Transaction t = transaction;
    QList<SplitLine> cleanLines = lines.value_or(QList<SplitLine>());
    if (const Result checked = checkAndClean(t, lines ? &cleanLines : nullptr);
        checked != Result::Saved)
        return checked;

    if (!isNew) {
        unreconcileIfMoved(t);
        retitleTransfer(t);
    }
    TransactionScope scope(m_db);
    if (!t.transferDestAccountId.isEmpty() && t.transferLinkId.isEmpty()) {
        // A transaction that names a transfer account gets its second leg, new or not.
        const Transaction leg = otherLeg(t);
        t.transferLinkId = leg.id;
        if (!m_transactions->insert(leg))
            return Result::StoreFailed;
    } else if (!isNew && !followOtherLeg(t)) {
        return Result::StoreFailed;
    }
    if (!(isNew ? m_transactions->insert(t) : m_transactions->update(t)))
        return Result::StoreFailed;
    if (lines && !(m_splitLines->deleteByTransaction(t.id) && storeLines(t.id, cleanLines)))
        return Result::StoreFailed;
    return scope.commit() ? Result::Saved : Result::StoreFailed;
}

TransactionService::Result TransactionService::saveNew(
    const Transaction& transaction, const QList<SplitLine>& lines, TransactionBulkInsert& bulk)
{
    Transaction t = transaction;
    QList<SplitLine> cleanLines = lines;
    if (const Result checked = checkAndClean(t, &cleanLines); checked != Result::Saved)
        return checked;
    TransactionScope scope(m_db);
    if (!bulk.insert(t) || !storeLines(t.id, cleanLines))
        return Result::StoreFailed;
    return scope.commit() ? Result::Saved : Result::StoreFailed;
}

void TransactionService::unreconcileIfMoved(Transaction& t) const
{
    // A reconciliation adds up only with the amounts and dates it ticked.
    const auto stored = m_transactions->findById(t.id);
    if (stored && stored->reconciled && t.reconciled
        && (stored->amount != t.amount || stored->date != t.date)) {
        t.reconciled = false;
        t.cleared = true;
    }
}

bool TransactionService::followOtherLeg(const Transaction& changed)
{
    if (changed.transferLinkId.isEmpty())
        return true;
    // The other leg follows the amount and date, so both accounts agree.
    auto leg = m_transactions->findById(changed.transferLinkId);
    if (!leg || leg->deletedAt || (leg->amount == -changed.amount && leg->date == changed.date))
        return true;
    leg->amount = -changed.amount;
    leg->date = changed.date;
    unreconcileIfMoved(*leg);
    retitleTransfer(*leg);
    leg->updatedAt = changed.updatedAt;
    leg->syncStatus = SyncStatus::Pending;
    return m_transactions->update(*leg);
}

bool TransactionService::remove(const Transaction& t)
{
    TransactionScope scope(m_db);
    if (!t.transferLinkId.isEmpty()) {
        const auto leg = m_transactions->findById(t.transferLinkId);
        if (leg && !leg->deletedAt && !m_transactions->softDelete(leg->id))
            return false;
    }
    return m_transactions->softDelete(t.id) && scope.commit();
}

bool TransactionService::toggleCleared(const Transaction& transaction)
{
    Transaction t = transaction;
    t.cleared = !t.cleared;
    t.updatedAt = Clock::nowUtc();
    t.syncStatus = SyncStatus::Pending;
    return m_transactions->update(t);
}
