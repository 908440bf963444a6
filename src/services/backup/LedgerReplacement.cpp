#include "LedgerReplacement.h"

#include "BackupLogging.h"
#include "data/Clock.h"
#include "data/Database.h"
#include "data/StoreHealth.h"
#include "data/TransactionRepository.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const char* const kJournalSuffixes[] = { "", "-wal", "-shm" };

void removeWithJournal(const QString& path)
{
    for (const char* suffix : kJournalSuffixes)
        QFile::remove(path + QLatin1String(suffix));
}

} // namespace

LedgerReplacement::Result LedgerReplacement::fromBackup(
    const QString& databasePath, const QString& archivePath)
{
    Result result;
    const QString fresh = databasePath + QLatin1String(".restoring");
    removeWithJournal(fresh);
    {
        Database db;
        if (!db.open(fresh) || !db.runMigrations()) {
            result.error = db.failure().detail;
            removeWithJournal(fresh);
            return result;
        }
        TransactionRepository transactions(&db);
        BackupService service(&db, &transactions);
        result.restore = service.importFile(archivePath, BackupService::RestorePolicy::Replace);
    }
    if (!result.restore.completed) {
        result.error = result.restore.errors.join(QLatin1Char('\n'));
        removeWithJournal(fresh);
        return result;
    }

    const QFileInfo ledger(databasePath);
    const QString stamp = Clock::nowUtc().toLocalTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString aside = ledger.dir().filePath(QStringLiteral("ledgerine-damaged-%1.db").arg(stamp));
    for (int n = 2; QFileInfo::exists(aside); ++n)
        aside
            = ledger.dir().filePath(QStringLiteral("ledgerine-damaged-%1-%2.db").arg(stamp).arg(n));
    // The file SQLite knew as damaged: the record goes with it.
    const QString damagedName = ledger.canonicalFilePath();
    if (ledger.exists() && !QFile::rename(databasePath, aside)) {
        result.error = BackupService::tr("The damaged file could not be moved aside.");
        removeWithJournal(fresh);
        return result;
    }
    for (const char* suffix : { "-wal", "-shm" }) {
        const QString journal = databasePath + QLatin1String(suffix);
        if (QFileInfo::exists(journal) && !QFile::rename(journal, aside + QLatin1String(suffix)))
            QFile::remove(journal);
    }
    if (!QFile::rename(fresh, databasePath)) {
        QFile::rename(aside, databasePath);
        result.error = BackupService::tr("The new ledger could not be put in place.");
        removeWithJournal(fresh);
        return result;
    }
    StoreHealth::forget(damagedName);
    result.replaced = true;
    result.damagedCopy = aside;
    qCInfo(lcBackup).noquote() << "Made a new ledger from" << archivePath
                               << "; the damaged one is now" << aside;
    return result;
}
