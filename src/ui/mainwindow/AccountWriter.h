#pragma once

#include "data/Account.h"

#include <QDate>

class AppState;

// Creates and removes accounts together with what hangs on them, each as one
// unit of work: the change signals of the store go out once it is committed.
class AccountWriter {
public:
    struct Removal {
        bool removed = false;
        int transactions = 0;
        int recurring = 0;
        int reconciliations = 0;
    };

    explicit AccountWriter(AppState* state);

    // `account.startingBalance` is the opening amount: the account is stored
    // with none, after the other accounts, and a non-zero amount becomes a
    // cleared, reconciled "Opening Balance" transaction dated `asOf`.
    bool create(Account account, const QDate& asOf);
    // Soft-deletes the account's transactions, recurring entries and
    // reconciliations, then the account. A missing account removes nothing.
    Removal remove(const QString& accountId);

private:
    AppState* m_state;
};
