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
    // Runs once the archive looks sound, before anything changes; false
    // (with a reason) stops the run.
    using BeforeChange = std::function<bool(QString* reason)>;

    BackupRestore(
        Database* db, TransactionRepository* transactions, const BackupService::Limits& limits);

    Result run(const ZipReader& zip, Policy policy, const BeforeChange& beforeChange);

private:
    struct Table;
    bool checkArchive(const ZipReader& zip, Result& result) const;
    // False when the run itself failed (not one row).
    bool restoreTable(
        const ZipReader& zip, Table& table, Policy policy, Result& result, QString* failure) const;

    Database* m_db;
    TransactionRepository* m_transactions;
    BackupService::Limits m_limits;
    BackupRowRules* m_rules = nullptr; // while run() runs
};
