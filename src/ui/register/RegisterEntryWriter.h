#pragma once

#include "RegisterModel.h"
#include "data/Currency.h"
#include "data/Transaction.h"

#include <QString>

class AppState;

// Turns the register's entry buffer into a transaction and stores it through
// the shared transaction service, both legs of a transfer included.
class RegisterEntryWriter {
public:
    enum class Status {
        Saved,
        PayeeRequired,
        AmountRequired,
        NotAnAmount,
        InvalidDate,
        UnknownCategory,
        TransferAccountNotFound,
        CurrencyMismatch,
        AmountTooLarge,
        StoreFailed
    };

    explicit RegisterEntryWriter(AppState* state);

    // `existing` is the stored transaction being edited, or null for a new one.
    Status commit(const QString& accountId, const RegisterModel::EntryBuffer& buffer,
        const Transaction* existing);
    // What the user is told when a commit stops with `status`.
    QString failureMessage(Status status) const;

private:
    // The category id of the buffer; nothing when its text names no category.
    std::optional<QString> resolveCategory(const RegisterModel::EntryBuffer& buffer) const;

    AppState* m_state;
    Currency m_currency = Currency::USD;
    // The typed text a refused amount or category was.
    QString m_rejected;
};
