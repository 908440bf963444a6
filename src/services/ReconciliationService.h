#pragma once

#include "data/Reconciliation.h"

#include <QDate>
#include <QObject>
#include <QStringList>
#include <optional>

class AccountRepository;
class Database;
class ReconciliationRepository;
class TransactionRepository;

// Reconciling an account against a bank statement: where a new reconciliation
// starts, and finishing one as a single unit of work.
class ReconciliationService : public QObject {
    Q_OBJECT

public:
    ReconciliationService(Database* db, AccountRepository* accounts,
        TransactionRepository* transactions, ReconciliationRepository* reconciliations,
        QObject* parent = nullptr);

    struct Opening {
        // The starting balance plus every reconciled transaction.
        qint64 previousBalance = 0;
        // A month after the last statement, or after the latest reconciled
        // transaction when that is later; none for a first reconciliation.
        std::optional<QDate> statementDate;
    };
    // Nothing for an account that does not exist (or is deleted).
    std::optional<Opening> open(const QString& accountId) const;

    enum class Result {
        Finished,
        // A reconciliation with this id is already stored: nothing was written again.
        AlreadyFinished,
        // A ticked transaction is gone, changed account or was reconciled meanwhile.
        TransactionsChanged,
        // The ticked transactions do not bring the account to the statement balance.
        OutOfBalance,
        StoreFailed
    };
    // Marks the ticked transactions cleared and reconciled and stores
    // `reconciliation` (its id, account, statement date and balance set by the
    // caller; the rest filled here), all or nothing.
    Result finish(Reconciliation& reconciliation, const QStringList& tickedIds);

private:
    Result write(Reconciliation& reconciliation, const QStringList& tickedIds);

    Database* m_db;
    AccountRepository* m_accounts;
    TransactionRepository* m_transactions;
    ReconciliationRepository* m_reconciliations;
};
