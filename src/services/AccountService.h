#pragma once

#include "data/Account.h"

#include <QDate>
#include <QObject>

class AccountRepository;
class Database;
class ReconciliationRepository;
class RecurringRepository;
class TransactionRepository;
class TransactionService;

// Creates, changes and removes accounts together with what hangs on them,
// each as one unit of work: the change signals of the store go out once it is
// committed.
class AccountService : public QObject {
    Q_OBJECT

public:
    struct Removal {
        bool removed = false;
        int transactions = 0;
        int recurring = 0;
        int reconciliations = 0;
    };

    AccountService(Database* db, AccountRepository* accounts, TransactionRepository* transactions,
        RecurringRepository* recurring, ReconciliationRepository* reconciliations,
        TransactionService* transactionService, QObject* parent = nullptr);

    // `account.startingBalance` is the opening amount: the account is stored
    // with none, after the other accounts, and a non-zero amount becomes a
    // cleared, reconciled "Opening Balance" transaction dated `asOf`.
    bool create(Account account, const QDate& asOf);
    // Stores changes to an existing account. The currency stays once amounts
    // are stored in it: they count its minor units, so $12.34 would become ¥1,234.
    bool update(Account account);
    bool canChangeCurrency(const QString& accountId) const;
    // Soft-deletes the account's transactions, recurring entries and
    // reconciliations, then the account. A missing account removes nothing.
    Removal remove(const QString& accountId);
    // Brings a deleted account back with what was deleted along with it: the
    // rows deleted from ten seconds before the account on. Rows the user had
    // deleted earlier stay deleted. An account someone stopped sharing with
    // this user was never theirs to bring back.
    enum class RestoreResult { Restored, Failed, AccessEnded };
    RestoreResult restore(const QString& accountId);

private:
    Database* m_db;
    AccountRepository* m_accounts;
    TransactionRepository* m_transactions;
    RecurringRepository* m_recurring;
    ReconciliationRepository* m_reconciliations;
    TransactionService* m_transactionService;
};
