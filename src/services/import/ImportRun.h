#pragma once

#include "ImportTypes.h"
#include "data/Category.h"
#include "data/SplitLine.h"
#include "data/Transaction.h"
#include "data/TransactionBulkInsert.h"
#include "data/TransactionScope.h"

#include <QCoreApplication>
#include <QHash>
#include <QSet>
#include <functional>
#include <optional>

class AccountRepository;
class AccountService;
class CategoryRepository;
class Database;
class TransactionRepository;
class TransactionService;

// The writing side of one import: a single unit of work whose rows are
// indexed for search in one go at the end, the categories by exact name,
// the duplicate keys of each target account, progress and cancelling. Any
// write the store fails ends the run, which then stores nothing; a row the
// record rules refuse is counted with its reason and the run goes on.
class ImportRun {
    Q_DECLARE_TR_FUNCTIONS(ImportService)

public:
    struct Services {
        Database* db;
        AccountRepository* accountRepository;
        AccountService* accounts;
        TransactionRepository* transactions;
        CategoryRepository* categories;
        TransactionService* writer;
    };
    // Called with (current, total) every 100 records and at the end.
    using Progress = std::function<void(int, int)>;

    // `kind` ("CSV", "QIF") names the run in the log; counts go to `result`.
    ImportRun(const Services& services, const char* kind, Progress progress,
        const bool& cancelRequested, ImportResult& result);

    // Accounts the import may go to that are not stored yet: each is stored
    // with the first row that goes to it, so a run that stores nothing there
    // leaves no empty account behind.
    void planAccounts(const QList<Account>& accounts);
    // A live account rows can go to: stored, or planned for this run.
    std::optional<Account> account(const QString& id) const;

    // The number of records the run is going to step through.
    void setTotal(int total) { m_total = total; }
    // Counts one record; false once the user has asked to stop or the run failed.
    bool step();
    // One reading of the clock for every row of the run.
    const QDateTime& now() const { return m_now; }

    // "2024-03-05|-350|Coffee": what makes a row the same as a stored one.
    static QString duplicateKey(const QDate& date, qint64 amount, const QString& payee);
    bool isDuplicate(const QString& accountId, const QString& key);
    void remember(const QString& accountId, const QString& key);

    // Why the row cannot be stored as it is, with the categories it names;
    // empty when it can.
    QString problem(
        const Transaction& t, const QList<SplitLine>& lines, const QStringList& categories) const;
    // Counts a row as invalid, keeping its reason; `where` names the row.
    void refuse(const QString& where, const QString& reason);
    // The id of the live category of exactly this name, created when missing;
    // empty for no name. Nothing when the store failed (the run is over then).
    std::optional<QString> categoryId(
        const QString& name, CategoryType type = CategoryType::Expense);

    // Stores a new transaction with its split lines through the shared write
    // path. False when it was not stored: the row was refused (counted with
    // `where`) or the run failed.
    bool store(const QString& where, const Transaction& t, const QList<SplitLine>& lines);
    bool update(const Transaction& t);

    // Commits, or rolls back an abandoned run, and reports the end.
    void finish();
    // Gives the run up: nothing of it is kept. `reason` goes to the log and,
    // unless `userText` says otherwise, to the user.
    void abandon(const QString& reason, const QString& userText = {});
    bool isAbandoned() const { return m_abandoned; }

private:
    // Ends the run on the write that just failed, saying why.
    void fail(const char* what);
    bool createPlannedAccount(const QString& accountId);

    Services m_services;
    const char* m_kind;
    ImportResult& m_result;
    TransactionScope m_scope;
    TransactionBulkInsert m_bulk;
    int m_total = 0;
    int m_current = 0;
    Progress m_progress;
    const bool& m_cancelRequested;
    QDateTime m_now;
    bool m_abandoned = false;
    QHash<QString, Account> m_planned;
    QHash<QString, QString> m_categoryIds;
    QHash<QString, QSet<QString>> m_keys;
};
