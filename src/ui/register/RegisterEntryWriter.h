#pragma once

#include "RegisterModel.h"
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
        TransferAccountNotFound,
        CurrencyMismatch,
        AmountTooLarge,
        StoreFailed
    };

    explicit RegisterEntryWriter(AppState* state);

    // `existing` is the stored transaction being edited, or null for a new one.
    Status commit(const QString& accountId, const RegisterModel::EntryBuffer& buffer,
        const Transaction* existing);

private:
    QString resolveCategory(const RegisterModel::EntryBuffer& buffer) const;

    AppState* m_state;
};
