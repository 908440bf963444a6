#pragma once

#include "services/backup/BackupService.h"

#include <QCoreApplication>
#include <QString>

class AppState;
class QWidget;

// Restoring a backup as the user meets it: the file, what to do with the data
// already here, the restore itself on a thread of its own behind a progress
// dialog, and a box with what came of it. And, for a damaged ledger, a new
// ledger made from a backup in its place.
class RestoreFlow {
    Q_DECLARE_TR_FUNCTIONS(RestoreFlow)

public:
    // The backup to restore; empty when none was chosen.
    static QString askArchive(QWidget* parent);
    // Asks for the file and the mode, then restores.
    static void run(QWidget* parent, AppState* state);
    // Restores `path` under `policy` and shows the outcome.
    static BackupService::RestoreResult restore(
        QWidget* parent, AppState* state, const QString& path, BackupService::RestorePolicy policy);
    static QString outcomeText(const BackupService::RestoreResult& result);

    // Puts a ledger made from `archivePath` in the place of the damaged ledger
    // at `databasePath`, which must be closed; says how that went. True when
    // the new ledger is in place.
    static bool replaceDamagedLedger(
        QWidget* parent, const QString& databasePath, const QString& archivePath);
};
