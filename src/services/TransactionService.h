#pragma once

#include "data/Account.h"
#include "data/SplitLine.h"
#include "data/Transaction.h"

#include <QList>
#include <QObject>
#include <optional>

class AccountRepository;
class Database;
class SplitLineRepository;
class TransactionBulkInsert;
class TransactionRepository;

// The one write path for transactions: a transaction with its split lines and
// the second leg of a transfer, deletions and cleared marks, each as one unit
// of work, so a transfer is never left with one leg and no amount beyond the
// limit reaches the store. The register, the dialogs, reconciliation,
// recurring posting and import all write through it.
class TransactionService : public QObject {
    Q_OBJECT

public:
    enum class Result {
        Saved,
        TransferAccountNotFound,
        CurrencyMismatch,
        AmountTooLarge,
        Refused, // refusal() says why
        StoreFailed
    };

    TransactionService(Database* db, AccountRepository* accounts,
        TransactionRepository* transactions, SplitLineRepository* splitLines,
        QObject* parent = nullptr);

    // "[Transfer] " — a payee starting with it names the account to transfer to.
    static QString transferPrefix();
    // The payee that offers a transfer to `accountName`.
    static QString transferPayee(const QString& accountName);
    // What the two legs of a transfer are called: "Transfer to <name>" in the
    // account the money leaves, "Transfer from <name>" in the other.
    static QString transferToPayee(const QString& accountName);
    static QString transferFromPayee(const QString& accountName);
    // The name of a leg of `amount` whose other account is `otherAccountName`.
    static QString transferPayeeFor(qint64 amount, const QString& otherAccountName);
    // The payee texts offering a transfer from `accountId` to each other account.
    QStringList transferPayees(const QString& accountId) const;

    // For a payee "[Transfer] <name>": finds the other account of that name,
    // checks the currencies, and makes `t` the first leg ("Transfer to <name>"
    // for a payment, "Transfer from <name>" for a deposit, transfer destination
    // set). Other payees leave `t` unchanged.
    Result resolveTransferPayee(Transaction& t) const;
    // Whether `t` is a leg of a transfer whose other leg is here. A shared
    // account's transfer to an account of the owner's own has only one: here
    // it is a plain transaction.
    bool hasVisibleOtherLeg(const Transaction& t) const;

    // Stores a new or changed transaction. `lines` replace the stored split lines
    // (nullopt leaves them alone). A transaction with a transfer destination but
    // no link gets its second leg; the other leg of an existing transfer follows
    // its amount and date.
    Result save(const Transaction& t, const std::optional<QList<SplitLine>>& lines, bool isNew);
    // The second leg, under `legId`, of a transfer whose first leg is `first`:
    // the destination account, the same date and marks, the opposite amount,
    // linked back to `first`. Payee and texts are left to the caller.
    static Transaction transferLeg(const Transaction& first, const QString& legId);

    // Stores a new transaction with its split lines through `bulk`, for writers
    // of thousands of rows (import). Both legs of a transfer are the caller's:
    // no second leg is made.
    Result saveNew(
        const Transaction& t, const QList<SplitLine>& lines, TransactionBulkInsert& bulk);
    // Why the transaction with these split lines cannot be stored as it would
    // be (texts put on one line first): a text too long, a date out of range,
    // too many lines. Empty when it can.
    static QString refusal(const Transaction& t, const QList<SplitLine>& lines = {});

    // Soft-deletes the transaction and, for a transfer, its other leg first.
    bool remove(const Transaction& t);
    bool toggleCleared(const Transaction& t);

private:
    // Amounts within the limit, texts on one line and the record rules, as
    // every stored row has them. `lines` is null when they stay as stored.
    static Result checkAndClean(Transaction& t, QList<SplitLine>* lines);
    static void clean(Transaction& t, QList<SplitLine>& lines);
    bool storeLines(const QString& transactionId, const QList<SplitLine>& lines);
    Transaction otherLeg(const Transaction& first) const;
    // A reconciled transaction whose amount or date changed is only cleared.
    void unreconcileIfMoved(Transaction& t) const;
    // A leg named after its direction follows a change of sign.
    void retitleTransfer(Transaction& t) const;
    bool followOtherLeg(const Transaction& changed);

    Database* m_db;
    AccountRepository* m_accounts;
    TransactionRepository* m_transactions;
    SplitLineRepository* m_splitLines;
};
