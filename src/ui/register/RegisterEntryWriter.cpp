#include "RegisterEntryWriter.h"

#include "app/AppState.h"
#include "data/AccountRepository.h"
#include "data/CategoryRepository.h"
#include "data/Clock.h"
#include "data/Ids.h"
#include "data/Money.h"
#include "data/SplitLineRepository.h"
#include "data/TransactionRepository.h"
#include "data/TransactionScope.h"

#include <QCoreApplication>

namespace {
const QString kTransferPrefix = QStringLiteral("[Transfer] ");
}

RegisterEntryWriter::RegisterEntryWriter(AppState* state)
    : m_state(state)
{
}

QString RegisterEntryWriter::resolveCategory(const RegisterModel::EntryBuffer& buffer) const
{
    if (!buffer.categoryId.isEmpty())
        return buffer.categoryId;
    const QString text = buffer.category.trimmed();
    if (text.isEmpty())
        return {};
    CategoryRepository* categories = m_state->categories();
    if (const auto byName = categories->findByName(text))
        return byName->id;
    const int arrow = text.indexOf(QLatin1String(" > "));
    if (arrow >= 0) {
        if (const auto child = categories->findByName(text.mid(arrow + 3).trimmed()))
            return child->id;
    }
    return {};
}

RegisterEntryWriter::Status RegisterEntryWriter::parse(
    const QString& accountId, const RegisterModel::EntryBuffer& buffer, Parsed& out) const
{
    out.payee = buffer.payee.trimmed();
    if (out.payee.isEmpty())
        return Status::PayeeRequired;

    // Text that is not a number stops the commit instead of being stored as 0.
    const QString payment = buffer.payment.trimmed();
    const QString deposit = buffer.deposit.trimmed();
    std::optional<qint64> amount;
    if (!payment.isEmpty()) {
        if (const auto value = Money::tryParseAmount(payment))
            amount = -*value;
    } else if (!deposit.isEmpty()) {
        amount = Money::tryParseAmount(deposit);
    }
    if (!amount)
        return Status::AmountRequired;
    out.amount = *amount;

    out.date = QDate::fromString(buffer.date, QStringLiteral("M/d/yyyy"));
    if (!out.date.isValid())
        out.date = Clock::today();
    out.categoryId = resolveCategory(buffer);

    const QString mark = buffer.cleared.trimmed().toUpper();
    out.reconciled = mark == QLatin1String("R");
    out.cleared = out.reconciled || mark == QLatin1String("C");

    if (out.payee.startsWith(kTransferPrefix)) {
        const QString targetName = out.payee.mid(kTransferPrefix.size());
        std::optional<Account> target;
        for (const Account& a : m_state->accounts()->findAll()) {
            // A transfer to the register's own account would only cancel itself out.
            if (a.name == targetName && a.id != accountId) {
                target = a;
                break;
            }
        }
        if (!target)
            return Status::TransferAccountNotFound;
        const auto self = m_state->accounts()->findById(accountId);
        if (self && self->currency != target->currency)
            return Status::CurrencyMismatch;
        out.transferTargetId = target->id;
        out.transferTargetName = target->name;
        out.payee
            = QCoreApplication::translate("RegisterScreen", "Transfer to %1").arg(target->name);
    }
    return Status::Saved;
}

Transaction RegisterEntryWriter::otherLeg(const Transaction& first, const QString& accountName)
{
    Transaction leg;
    leg.id = Ids::newId();
    leg.accountId = first.transferDestAccountId;
    leg.date = first.date;
    leg.payee = QCoreApplication::translate("RegisterScreen", "Transfer from %1").arg(accountName);
    leg.amount = -first.amount;
    leg.cleared = first.cleared;
    leg.reconciled = first.reconciled;
    leg.transferLinkId = first.id;
    leg.transferDestAccountId = first.accountId;
    leg.createdAt = first.createdAt;
    leg.updatedAt = first.updatedAt;
    return leg;
}

RegisterEntryWriter::Status RegisterEntryWriter::commit(
    const QString& accountId, const RegisterModel::EntryBuffer& buffer, const Transaction* existing)
{
    Parsed p;
    const Status status = parse(accountId, buffer, p);
    if (status != Status::Saved)
        return status;

    TransactionRepository* transactions = m_state->transactions();
    const QDateTime now = Clock::nowUtc();
    Transaction t;
    if (existing) {
        t = *existing;
    } else {
        t.id = Ids::newId();
        t.accountId = accountId;
        t.createdAt = now;
    }
    t.date = p.date;
    t.payee = p.payee;
    t.checkNumber = buffer.checkNumber.trimmed();
    t.memo = buffer.memo.trimmed();
    t.amount = p.amount;
    t.categoryId = p.categoryId;
    t.cleared = p.cleared;
    t.reconciled = p.reconciled;
    t.updatedAt = now;
    t.syncStatus = SyncStatus::Pending;

    TransactionScope scope(m_state->database());
    const bool becomesTransfer = !p.transferTargetId.isEmpty() && t.transferLinkId.isEmpty();
    if (becomesTransfer) {
        // A row typed as "[Transfer] <account>" gets its second leg, new or not.
        t.transferDestAccountId = p.transferTargetId;
        const auto self = m_state->accounts()->findById(accountId);
        Transaction leg = otherLeg(t, self ? self->name : QString());
        leg.createdAt = leg.updatedAt = now;
        t.transferLinkId = leg.id;
        if (!transactions->insert(leg))
            return Status::StoreFailed;
    } else if (existing && !followOtherLeg(t)) {
        return Status::StoreFailed;
    }
    const bool stored = existing ? transactions->update(t) : transactions->insert(t);
    if (!stored || !scope.commit())
        return Status::StoreFailed;
    return Status::Saved;
}

bool RegisterEntryWriter::followOtherLeg(const Transaction& changed)
{
    if (changed.transferLinkId.isEmpty())
        return true;
    // The other leg follows the amount and date, so both accounts agree.
    TransactionRepository* transactions = m_state->transactions();
    auto leg = transactions->findById(changed.transferLinkId);
    if (!leg || leg->deletedAt || (leg->amount == -changed.amount && leg->date == changed.date))
        return true;
    leg->amount = -changed.amount;
    leg->date = changed.date;
    leg->updatedAt = changed.updatedAt;
    leg->syncStatus = SyncStatus::Pending;
    return transactions->update(*leg);
}

bool RegisterEntryWriter::save(
    const Transaction& transaction, const QList<SplitLine>& lines, bool isNew)
{
    TransactionRepository* transactions = m_state->transactions();
    SplitLineRepository* splitLines = m_state->splitLines();
    TransactionScope scope(m_state->database());
    const bool stored = isNew ? transactions->insert(transaction)
                              : transactions->update(transaction) && followOtherLeg(transaction);
    if (!stored || !splitLines->deleteByTransaction(transaction.id))
        return false;
    for (SplitLine line : lines) {
        line.transactionId = transaction.id;
        if (!splitLines->insert(line))
            return false;
    }
    return scope.commit();
}

bool RegisterEntryWriter::remove(const Transaction& transaction)
{
    TransactionRepository* transactions = m_state->transactions();
    TransactionScope scope(m_state->database());
    if (!transaction.transferLinkId.isEmpty()) {
        const auto leg = transactions->findById(transaction.transferLinkId);
        if (leg && !leg->deletedAt && !transactions->softDelete(leg->id))
            return false;
    }
    return transactions->softDelete(transaction.id) && scope.commit();
}

bool RegisterEntryWriter::toggleCleared(const Transaction& transaction)
{
    Transaction t = transaction;
    t.cleared = !t.cleared;
    t.updatedAt = Clock::nowUtc();
    t.syncStatus = SyncStatus::Pending;
    return m_state->transactions()->update(t);
}
