#pragma once

#include "Repository.h"
#include "Transaction.h"

#include <QHash>
#include <QList>
#include <QStringList>

// The transactions table and its full-text index: records, the register of an
// account with running balances, payee completion and search.
class TransactionRepository : public Repository {
    Q_OBJECT

public:
    TransactionRepository(Database* db, QObject* parent = nullptr);

    QList<Transaction> findByAccount(const QString& accountId) const;
    // Oldest first, with running balances; led by an "Opening Balance" row when
    // the account has a non-zero starting balance. A read that fails, even
    // partway, gives no rows at all (and `ok` false): some rows would show
    // wrong balances.
    QList<TransactionRow> findRegisterRows(const QString& accountId, bool* ok = nullptr) const;
    QList<Transaction> findUnreconciled(const QString& accountId) const;
    // A large register is read a stretch at a time, by position in the order
    // findRegisterRows gives (oldest first), not counting the opening row.
    struct RegisterTotals {
        qint64 startingBalance = 0;
        qint64 count = 0; // live transactions
        qint64 sum = 0; // of their amounts
        QDate firstDate; // of the first of them in register order
        qint64 lowestAmount = 0; // the largest payment, and deposit: columns fit them
        qint64 highestAmount = 0;
    };
    // Nothing when the store could not be read (or the sum overflows).
    std::optional<RegisterTotals> registerTotals(const QString& accountId) const;
    // The rows at [position, position + limit), running balances left 0.
    std::optional<QList<TransactionRow>> registerStretch(const QString& accountId, qint64 position,
        qint64 limit, const RegisterTotals& totals) const;
    // The sum of the amounts before `position`, where a row dated `date` stands.
    std::optional<qint64> registerSumBefore(const QString& accountId, qint64 position,
        const QDate& date, const RegisterTotals& totals) const;
    // Where a live transaction of the account stands; nothing when it is none.
    std::optional<qint64> registerPosition(const QString& accountId, const QString& id) const;
    // The live reconciled transactions of an account: their sum and latest date.
    struct ReconciledTotals {
        qint64 sum = 0;
        QDate latestDate; // invalid when there are none
    };
    ReconciledTotals reconciledTotals(const QString& accountId) const;
    std::optional<Transaction> findById(const QString& id) const;
    // Whether the account holds any live transaction.
    bool hasTransactions(const QString& accountId) const;
    QList<Transaction> findPending() const;
    std::optional<Transaction> findLastForPayee(
        const QString& payee, const QString& accountId) const;
    QStringList distinctPayees() const;
    struct PayeeCount {
        QString payee;
        int count = 0;
    };
    // Every payee of live transactions with how many use it, in payee order.
    QList<PayeeCount> payeeCounts() const;
    // Newest first, at most 200 rows: every word in the payee, memo or check
    // number, or, for text that reads as an amount, that amount paid or received.
    QList<TransactionRow> search(const QString& text, const SearchFilter& filter) const;
    // The magnitude, in hundredths, of an amount typed into the search; nothing
    // for text without a digit, zero or a number beyond the stored limit.
    static std::optional<qint64> searchedAmount(const QString& text);

    bool insert(const Transaction& transaction);
    bool update(const Transaction& transaction);
    bool softDelete(const QString& id);
    int softDeleteByAccount(const QString& accountId);
    int restoreByAccount(const QString& accountId, const QString& since);
    // A row as the sync server sent it, deleted_at included; no signal.
    // `isNew` when no row of its id is here.
    bool storeReceived(const Transaction& record, bool isNew = false);
    bool markSynced(const QString& id, const QString& serverId);
    int markAllPendingForResync();
    // Marks the account's live, unreconciled transactions among `ids` cleared
    // and reconciled in one statement; the count marked.
    int markReconciled(const QString& accountId, const QStringList& ids, const QDateTime& at);
    // Gives the live transactions paid to any of `payees` (exact text) the
    // payee `to`, in one statement; the count changed, nothing on failure.
    std::optional<int> renamePayees(const QStringList& payees, const QString& to);
    // Leaves the live transactions of these categories uncategorised (their
    // split lines are the split-line repository's). The count changed,
    // nothing on failure.
    std::optional<int> clearCategories(const QStringList& categoryIds);
    // Marks for sync the live split transactions with a line in one of the
    // categories, before their lines change; nothing on failure.
    std::optional<int> touchSplitsIn(const QStringList& categoryIds);

    // The full-text expression for typed text: every run of letters and digits
    // becomes a quoted prefix term; empty when the text has none.
    static QString matchExpression(const QString& text);

    // The statement and values insert() writes, for TransactionBulkInsert,
    // which binds them without Qt's per-value work.
    static QString insertStatement();
    static QVariantList insertValues(const Transaction& transaction);

Q_SIGNALS:
    void transactionsChanged(const QString& accountId);

private:
    // Category id to the name the register shows for it, deleted categories
    // included; nothing when the read fails.
    std::optional<QHash<QString, QString>> categoryDisplayNames() const;
};
