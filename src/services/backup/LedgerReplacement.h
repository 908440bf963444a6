#pragma once

#include "BackupService.h"

#include <QString>

// A new ledger from a backup in place of a damaged one. The backup is restored
// into a new file beside the ledger; only when that succeeded is the damaged
// file moved aside, with its journal, under a name of its own and the new one
// put in its place, so that a failure leaves everything as it was. The
// damaged file must not be open.
namespace LedgerReplacement {

struct Result {
    bool replaced = false;
    QString damagedCopy; // where the damaged file went
    BackupService::RestoreResult restore;
    QString error; // why nothing was replaced
};

Result fromBackup(const QString& databasePath, const QString& archivePath);

} // namespace LedgerReplacement
