#include "TypedTransactionWriter.h"

#include "TransactionService.h"
#include "data/AccountRepository.h"
#include "data/CategoryChoices.h"
#include "data/CategoryRepository.h"
#include "data/Clock.h"
#include "data/DateText.h"
#include "data/Ids.h"
#include "data/Money.h"

#include <QCoreApplication>

TypedTransactionWriter::TypedTransactionWriter(
    AccountRepository* accounts, CategoryRepository* categories, TransactionService* transactions)
    : m_accounts(accounts)
    , m_categories(categories)
    , m_service(transactions)
{
}

std::optional<QString> TypedTransactionWriter::resolveCategory(const TypedTransaction& typed) const
{
    if (!typed.categoryId.isEmpty())
        return typed.categoryId;
    const QString text = typed.category.trimmed();
    if (text.isEmpty())
        return QString();
    const QList<Category> categories = m_categories->findAll();
    QList<QPair<QString, QString>> names = CategoryChoices::entries(categories);
    for (const Category& c : categories)
        names.append({ c.name, c.id });
    const int arrow = text.indexOf(QLatin1String(" > "));
    const QString child = arrow >= 0 ? text.mid(arrow + 3).trimmed() : QString();
    // The exact text first, then the same letters in any case.
    for (const Qt::CaseSensitivity cs : { Qt::CaseSensitive, Qt::CaseInsensitive }) {
        for (const QString& wanted : { text, child }) {
            for (const auto& [name, id] : names) {
                if (!wanted.isEmpty() && name.compare(wanted, cs) == 0)
                    return id;
            }
        }
    }
    return std::nullopt;
}

namespace {

QString clearedLetter()
{
    return QCoreApplication::translate("RegisterModel", "C", "Clr mark of a cleared transaction");
}

QString reconciledLetter()
{
    return QCoreApplication::translate(
        "RegisterModel", "R", "Clr mark of a reconciled transaction");
}

} // namespace

QString TypedTransactionWriter::markOf(bool cleared, bool reconciled)
{
    if (reconciled)
        return reconciledLetter();
    return cleared ? clearedLetter() : QString();
}

QString TypedTransactionWriter::failureMessage(Status status) const
{
    switch (status) {
    case Status::Saved: return {};
    case Status::PayeeRequired:
        return QCoreApplication::translate("RegisterScreen", "Payee is required");
    case Status::AmountRequired:
        return QCoreApplication::translate("RegisterScreen", "Enter a payment or deposit amount");
    case Status::NotAnAmount:
        return QCoreApplication::translate("RegisterScreen", "%1 is not an amount").arg(m_rejected);
    case Status::DecimalsRefused: return Money::noDecimalsMessage();
    case Status::InvalidDate:
        return QCoreApplication::translate("RegisterScreen", "Enter a valid date");
    case Status::UnknownCategory:
        return QCoreApplication::translate("RegisterScreen", "No category named \"%1\"")
            .arg(m_rejected);
    case Status::TransferAccountNotFound:
        return QCoreApplication::translate("RegisterScreen", "Transfer account not found");
    case Status::CurrencyMismatch:
        return QCoreApplication::translate(
            "RegisterScreen", "Transfers require both accounts to use the same currency");
    case Status::AmountTooLarge: return Money::limitMessage(m_currency);
    case Status::Refused: return m_rejected;
    case Status::StoreFailed: break;
    }
    return QCoreApplication::translate("RegisterScreen", "The transaction could not be saved");
}

TypedTransactionWriter::Status TypedTransactionWriter::commit(
    const QString& accountId, const TypedTransaction& typed, const Transaction* existing)
{
    const QString payee = typed.payee.trimmed();
    if (payee.isEmpty())
        return Status::PayeeRequired;

    const auto account = m_accounts->findById(accountId);
    m_currency = account ? account->currency : Currency::USD;
    const Currency currency = m_currency;
    // Text that is not a number stops the commit instead of being stored as 0.
    const QString payment = typed.payment.trimmed();
    const QString deposit = typed.deposit.trimmed();
    if (payment.isEmpty() && deposit.isEmpty())
        return Status::AmountRequired;
    const QString typedAmount = payment.isEmpty() ? deposit : payment;
    QString refusal;
    const std::optional<qint64> amount = Money::tryParseAmount(typedAmount, currency, &refusal);
    if (!amount) {
        m_rejected = typedAmount;
        return refusal.isEmpty() ? Status::NotAnAmount : Status::DecimalsRefused;
    }
    const QDate date = DateText::parse(typed.date);
    if (!date.isValid())
        return Status::InvalidDate;
    const std::optional<QString> categoryId = resolveCategory(typed);
    if (!categoryId) {
        m_rejected = typed.category.trimmed();
        return Status::UnknownCategory;
    }

    const QDateTime now = Clock::nowUtc();
    Transaction t;
    if (existing) {
        t = *existing;
    } else {
        t.id = Ids::newId();
        t.accountId = accountId;
        t.createdAt = now;
    }
    t.date = date;
    t.payee = payee;
    t.checkNumber = typed.checkNumber.trimmed();
    t.memo = typed.memo.trimmed();
    t.amount = payment.isEmpty() ? *amount : -*amount;
    t.categoryId = *categoryId;
    // The language's letters first, then the English ones, which the
    // register's key hints and older habits use.
    const QString mark = typed.cleared.trimmed().toUpper();
    const bool clearedMark = mark == clearedLetter().toUpper();
    t.reconciled
        = !clearedMark && (mark == reconciledLetter().toUpper() || mark == QLatin1String("R"));
    t.cleared = t.reconciled || clearedMark || mark == QLatin1String("C");
    t.updatedAt = now;
    t.syncStatus = SyncStatus::Pending;

    // A typed "[Transfer] <account>" makes a transfer; an existing transfer
    // keeps its legs and only takes the payee text.
    Transaction resolved = t;
    switch (m_service->resolveTransferPayee(resolved)) {
    case TransactionService::Result::TransferAccountNotFound:
        return Status::TransferAccountNotFound;
    case TransactionService::Result::CurrencyMismatch: return Status::CurrencyMismatch;
    default: break;
    }
    if (t.transferLinkId.isEmpty())
        t = resolved;
    else
        t.payee = resolved.payee;
    switch (m_service->save(t, std::nullopt, !existing)) {
    case TransactionService::Result::Saved: return Status::Saved;
    case TransactionService::Result::AmountTooLarge: return Status::AmountTooLarge;
    case TransactionService::Result::Refused:
        m_rejected = TransactionService::refusal(t);
        return Status::Refused;
    default: return Status::StoreFailed;
    }
}
