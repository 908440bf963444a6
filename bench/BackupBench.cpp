#include "BenchHarness.h"
#include "SyntheticLedger.h"

#include "data/Database.h"
#include "data/TransactionBulkInsert.h"
#include "data/TransactionScope.h"
#include "data/TransactionRepository.h"
#include "services/backup/BackupService.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>

#include <ctime>

namespace {

// Processor time, which the shared machine stretches much less than wall-clock time.
QString cpuSince(std::clock_t start)
{
    return QStringLiteral("CPU time %1 ms")
        .arg(double(std::clock() - start) * 1000.0 / CLOCKS_PER_SEC, 0, 'f', 0);
}

void removeFiles(const QString& path)
{
    for (const char* suffix : { "", "-wal", "-shm" })
        QFile::remove(path + QLatin1String(suffix));
}

QString restoreCounts(const BackupService::RestoreResult& r)
{
    return QStringLiteral("applied %1, skipped %2, errors %3, %4")
        .arg(r.applied())
        .arg(r.skipped())
        .arg(r.errors.size())
        .arg(r.completed ? QStringLiteral("committed") : QStringLiteral("FAILED"));
}

// The baseline of a restore: the same transactions written through the
// import's bulk path into a ledger with the same accounts and categories.
double bulkImportMs(const QString& source, const QString& target, const QList<Transaction>& rows)
{
    removeFiles(target);
    Database db;
    if (!db.open(target) || !db.runMigrations())
        qFatal("backup bench: cannot open %s", qPrintable(target));
    QSqlQuery query(db.database());
    query.exec(QStringLiteral("ATTACH DATABASE '%1' AS source").arg(source));
    for (const char* table : { "accounts", "categories" })
        query.exec(QStringLiteral("INSERT OR REPLACE INTO main.%1 SELECT * FROM source.%1")
                       .arg(QLatin1String(table)));
    query.exec(QStringLiteral("DETACH DATABASE source"));
    TransactionRepository transactions(&db);
    QElapsedTimer timer;
    timer.start();
    TransactionScope scope(&db);
    TransactionBulkInsert bulk(&db, &transactions);
    for (const Transaction& t : rows) {
        if (!bulk.insert(t))
            qFatal("backup bench: the bulk insert failed");
    }
    if (!bulk.finish() || !scope.commit())
        qFatal("backup bench: the bulk insert could not be committed");
    const double ms = timer.nsecsElapsed() / 1e6;
    removeFiles(target);
    return ms;
}

// Export of a ledger of `count` transactions, then its restore (replace) into
// an empty database and into the database it came from.
void measure(
    Bench::Context& context, int count, const QString& exportTarget, const QString& restoreTarget)
{
    const QString dbPath = context.workDir + QStringLiteral("/backup-%1.db").arg(count);
    const QString zipPath = context.workDir + QStringLiteral("/backup-%1.zip").arg(count);
    removeFiles(dbPath);
    double baselineMs = 0;
    {
        Database db;
        SyntheticLedger::Summary ledger = SyntheticLedger::prepare(db, dbPath);
        SyntheticLedger::addTransactions(db, ledger, count);
        TransactionRepository transactions(&db);
        BackupService service(&db, &transactions);

        // Pages SQLite maps count as resident too; without the map the peak
        // shows what the export itself holds.
        QSqlQuery(db.database()).exec(QStringLiteral("PRAGMA mmap_size = 0"));
        Bench::resetPeakMemory();
        // Right after the reset the high-water mark is what the process holds already.
        const double residentBefore = Bench::peakMemoryMb();
        QElapsedTimer timer;
        timer.start();
        std::clock_t cpu = std::clock();
        QString error;
        if (!service.exportToFile(zipPath, &error))
            qFatal("backup bench: export failed: %s", qPrintable(error));
        Bench::report(QStringLiteral("export %1 transactions (%2 split lines) to a file")
                          .arg(count)
                          .arg(ledger.splitLines),
            timer.nsecsElapsed() / 1e6, std::nullopt, exportTarget);
        Bench::note(QStringLiteral("archive %1 MB; peak memory %2 MB (%3 MB resident before); %4")
                        .arg(QFileInfo(zipPath).size() / 1e6, 0, 'f', 1)
                        .arg(Bench::peakMemoryMb(), 0, 'f', 0)
                        .arg(residentBefore, 0, 'f', 0)
                        .arg(cpuSince(cpu)));
        // The restore runs with the map the store opens with, as it does into an empty one.
        QSqlQuery(db.database()).exec(QStringLiteral("PRAGMA mmap_size = 1073741824"));

        QList<Transaction> rows;
        for (const QString& account : std::as_const(ledger.accountIds))
            rows += transactions.findByAccount(account);
        baselineMs = bulkImportMs(dbPath, dbPath + QStringLiteral(".import"), rows);
        Bench::note(QStringLiteral("baseline: %1 of its transactions written through the "
                                   "import's bulk path into an empty ledger")
                        .arg(rows.size()));

        timer.start();
        cpu = std::clock();
        const auto same = service.importFile(zipPath, BackupService::RestorePolicy::Replace);
        Bench::report(QStringLiteral("restore (replace) into the same database"),
            timer.nsecsElapsed() / 1e6, baselineMs, restoreTarget);
        Bench::note(restoreCounts(same) + QStringLiteral("; ") + cpuSince(cpu));

        // Its rows now stand as the backup has them: nothing needs writing.
        timer.start();
        cpu = std::clock();
        const auto again = service.importFile(zipPath, BackupService::RestorePolicy::Replace);
        Bench::report(QStringLiteral("the same restore again: every row already as in the backup"),
            timer.nsecsElapsed() / 1e6, baselineMs, restoreTarget);
        Bench::note(restoreCounts(again) + QStringLiteral("; ") + cpuSince(cpu));
    }
    removeFiles(dbPath);
    {
        Database db;
        if (!db.open(dbPath) || !db.runMigrations())
            qFatal("backup bench: cannot open %s", qPrintable(dbPath));
        TransactionRepository transactions(&db);
        BackupService service(&db, &transactions);
        Bench::resetPeakMemory();
        QElapsedTimer timer;
        timer.start();
        const std::clock_t cpu = std::clock();
        const auto empty = service.importFile(zipPath, BackupService::RestorePolicy::Replace);
        Bench::report(QStringLiteral("restore (replace) into an empty database"),
            timer.nsecsElapsed() / 1e6, baselineMs, restoreTarget);
        Bench::note(QStringLiteral("%1; peak memory %2 MB; %3")
                        .arg(restoreCounts(empty))
                        .arg(Bench::peakMemoryMb(), 0, 'f', 0)
                        .arg(cpuSince(cpu)));
    }
    if (!context.keep) {
        removeFiles(dbPath);
        QFile::remove(zipPath);
    }
}

void run(Bench::Context& context)
{
    Bench::printHeader(QStringLiteral("backup"));
    Bench::note(QStringLiteral("load average before measuring: %1").arg(Bench::loadAverage()));
    const QString restoreTarget = QStringLiteral("within 1.5x of the bulk import");
    measure(context, qMax(1000, int(100'000 * context.scale)), QString(), restoreTarget);
    measure(context, qMax(1000, int(1'000'000 * context.scale)), QStringLiteral("< 20 s"),
        restoreTarget);
    Bench::note(QStringLiteral("peak memory is the process's resident size (the export's with "
                               "SQLite's memory map off, the restore's with it on); a restore "
                               "first writes a safety copy when "
                               "the service has a safety directory (none here: that copy is an "
                               "export of the database as it stands)"));
    Bench::note(QStringLiteral("load average after: %1").arg(Bench::loadAverage()));
}

const Bench::Registration registration(60, "backup", run);

} // namespace
