#include "RegisterEntryWriter.h"

#include "app/AppState.h"
#include "data/AccountRepository.h"
#include "data/CategoryRepository.h"
#include "data/Clock.h"
#include "data/Ids.h"
#include "data/Money.h"
#include "services/TransactionService.h"

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

RegisterEntryWriter::Status RegisterEntryWriter::commit(
    const QString& accountId, const RegisterModel::EntryBuffer& buffer, const Transaction* existing)
{
    const QString payee = buffer.payee.trimmed();
    if (payee.isEmpty())
        return Status::PayeeRequired;

    const auto account = m_state->accounts()->findById(accountId);
    const Currency currency = account ? account->currency : Currency::USD;
    // Text that is not a number stops the commit instead of being stored as 0.
    const QString payment = buffer.payment.trimmed();
    const QString deposit = buffer.deposit.trimmed();
    std::optional<qint64> amount;
    if (!payment.isEmpty()) {
        if (const auto value = Money::tryParseAmount(payment, currency))
            amount = -*value;
    } else if (!deposit.isEmpty()) {
        amount = Money::tryParseAmount(deposit, currency);
    }
    if (!amount)
        return Status::AmountRequired;

    const QDateTime now = Clock::nowUtc();
    Transaction t;
    if (existing) {
        t = *existing;
    } else {
        t.id = Ids::newId();
        t.accountId = accountId;
        t.createdAt = now;
    }
    t.date = QDate::fromString(buffer.date, QStringLiteral("M/d/yyyy"));
    if (!t.date.isValid())
        t.date = Clock::today();
    t.payee = payee;
    t.checkNumber = buffer.checkNumber.trimmed();
    t.memo = buffer.memo.trimmed();
    t.amount = *amount;
    t.categoryId = resolveCategory(buffer);
    const QString mark = buffer.cleared.trimmed().toUpper();
    t.reconciled = mark == QLatin1String("R");
    t.cleared = t.reconciled || mark == QLatin1String("C");
    t.updatedAt = now;
    t.syncStatus = SyncStatus::Pending;

    TransactionService* service = m_state->transactionService();
    // A typed "[Transfer] <account>" makes a transfer; an existing transfer
    // keeps its legs and only takes the payee text.
    Transaction resolved = t;
    switch (service->resolveTransferPayee(resolved)) {
    case TransactionService::Result::TransferAccountNotFound:
        return Status::TransferAccountNotFound;
    case TransactionService::Result::CurrencyMismatch: return Status::CurrencyMismatch;
    default: break;
    }
    if (t.transferLinkId.isEmpty())
        t = resolved;
    else
        t.payee = resolved.payee;
    switch (service->save(t, std::nullopt, !existing)) {
    case TransactionService::Result::Saved: return Status::Saved;
    case TransactionService::Result::AmountTooLarge: return Status::AmountTooLarge;
    default: return Status::StoreFailed;
    }
}
