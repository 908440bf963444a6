#pragma once

#include "BackupService.h"

#include <functional>

class BackupRowRules;
class ZipReader;

// One restore run: checks the archive, then merges its rows table by table
// inside one unit of work. SQL names only come from the tables' own schema;
// the archive supplies values, never names.
class BackupRestore {
public:
    using Result = BackupService::RestoreResult;
    using Policy = BackupService::RestorePolicy;
    // Runs before the first row is written, only when one will be; false
    // (with a reason) stops the run.
    using BeforeChange = std::function<bool(QString* reason)>;

    BackupRestore(Database* db, TransactionRepository* transactions,
        const BackupService::Limits& limits, const BackupService::Observer& observer = {});

    Result run(const ZipReader& zip, Policy policy, const BeforeChange& beforeChange);

private:
    struct Table;
    bool checkArchive(const ZipReader& zip, Result& result) const;
    // False when the run itself failed (not one row).
    bool restoreTable(
        const ZipReader& zip, Table& table, Policy policy, Result& result, QString* failure);
    // False (with the reason) when the archive must not be unpacked here.
    bool checkExpansion(const ZipReader& zip, quint64 unpacked, Result& result) const;
    // Whether the archive holds enough rows to rebuild the transactions' indexes.
    bool insertsMostTransactions() const;
    // Before a row is written: the safety copy the first time. False stops the run.
    bool beforeWrite(QString* failure);
    // Counts one row handled; false when the run is to stop on request.
    bool step(Result& result, QString* failure);

    Database* m_db;
    TransactionRepository* m_transactions;
    BackupService::Limits m_limits;
    BackupRowRules* m_rules = nullptr; // while run() runs
    BackupService::Observer m_observer;
    BeforeChange m_beforeChange;
    quint64 m_rowsDone = 0;
    quint64 m_rowsTotal = 0;
};
