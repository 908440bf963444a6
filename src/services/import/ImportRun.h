#pragma once

#include "ImportTypes.h"
#include "data/Category.h"
#include "data/SplitLine.h"
#include "data/Transaction.h"
#include "data/TransactionBulkInsert.h"
#include "data/TransactionScope.h"

#include <QHash>
#include <QSet>
#include <functional>

class AccountService;
class CategoryRepository;
class Database;
class TransactionRepository;
class TransactionService;

// The writing side of one import: a single unit of work whose rows are
// indexed for search in one go at the end, the categories by exact name,
// the duplicate keys of each target account, progress and cancelling.
class ImportRun {
public:
    struct Services {
        Database* db;
        AccountService* accounts;
        TransactionRepository* transactions;
        CategoryRepository* categories;
        TransactionService* writer;
    };
    // Called with (current, total) every 100 records and at the end.
    using Progress = std::function<void(int, int)>;

    // `kind` ("CSV", "QIF") names the run in the log.
    ImportRun(
        const Services& services, const char* kind, Progress progress, const bool& cancelRequested);

    // Stores accounts the import goes to; false when one could not be stored.
    bool createAccounts(const QList<Account>& accounts);
    // The number of records the run is going to step through.
    void setTotal(int total) { m_total = total; }
    // Counts one record; false once the user has asked to stop.
    bool step();
    // One reading of the clock for every row of the run.
    const QDateTime& now() const { return m_now; }

    // "2024-03-05|-350|Coffee": what makes a row the same as a stored one.
    static QString duplicateKey(const QDate& date, qint64 amount, const QString& payee);
    bool isDuplicate(const QString& accountId, const QString& key);
    void remember(const QString& accountId, const QString& key);

    // The id of the live category of exactly this name, created when missing.
    // Empty when it could not be stored.
    QString categoryId(const QString& name, CategoryType type = CategoryType::Expense);

    // Stores a new transaction with its split lines through the shared write path.
    bool store(const Transaction& t, const QList<SplitLine>& lines);
    bool update(const Transaction& t);

    // Commits, or rolls back an abandoned run, and reports the end.
    void finish(ImportResult& result);
    void abandon(ImportResult& result, const QString& reason);

private:
    Services m_services;
    const char* m_kind;
    TransactionScope m_scope;
    TransactionBulkInsert m_bulk;
    int m_total = 0;
    int m_current = 0;
    Progress m_progress;
    const bool& m_cancelRequested;
    QDateTime m_now;
    QString m_abandonReason;
    bool m_abandoned = false;
    QHash<QString, QString> m_categoryIds;
    QHash<QString, QSet<QString>> m_keys;
};
