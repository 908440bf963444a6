#pragma once

#include "TypedTransaction.h"
#include "data/Currency.h"
#include "data/Transaction.h"

#include <QString>
#include <optional>

class AccountRepository;
class CategoryRepository;
class TransactionService;

// Reads a transaction typed as texts (the register's entry row) and stores it
// through the transaction service, both legs of a transfer included.
class TypedTransactionWriter {
public:
    enum class Status {
        Saved,
        PayeeRequired,
        AmountRequired,
        NotAnAmount,
        DecimalsRefused,
        InvalidDate,
        UnknownCategory,
        TransferAccountNotFound,
        CurrencyMismatch,
        AmountTooLarge,
        Refused, // a text too long, a date out of range: the message says which
        StoreFailed
    };

    TypedTransactionWriter(AccountRepository* accounts, CategoryRepository* categories,
        TransactionService* transactions);

    // `existing` is the stored transaction being edited, or null for a new one.
    Status commit(
        const QString& accountId, const TypedTransaction& typed, const Transaction* existing);
    // What the user is told when a commit stops with `status`.
    QString failureMessage(Status status) const;

    // The Clr field's letter for a transaction, in the interface's language
    // ("C" cleared, "R" reconciled in English); the stored flags stay the same.
    static QString markOf(bool cleared, bool reconciled);

private:
    // The category id of the typed entry; nothing when its text names no category.
    std::optional<QString> resolveCategory(const TypedTransaction& typed) const;

    AccountRepository* m_accounts;
    CategoryRepository* m_categories;
    TransactionService* m_service;
    Currency m_currency = Currency::USD;
    // The typed text a refused amount or category was, or why the
    // transaction was refused.
    QString m_rejected;
};
