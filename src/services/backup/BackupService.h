#pragma once

#include "BackupTables.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <array>
#include <atomic>
#include <functional>

class Database;
class QIODevice;
class TransactionRepository;

// Writes the whole local data set into one ZIP archive of JSON documents, one
// per row, and merges such an archive back under the policy the user chose.
class BackupService : public QObject {
    Q_OBJECT

public:
    enum class RestorePolicy : int { SkipExisting = 0, Replace = 1, KeepNewer = 2 };

    // What a hostile archive may cost before the restore gives up.
    struct Limits {
        qint64 maxEntryBytes = 1 << 20;
        qint64 maxTotalBytes = qint64(4) << 30;
        quint64 maxEntries = 5'000'000;
        // Unpacked bytes per byte of the archive; the JSON of a real backup
        // packs a few dozen times smaller at best.
        double maxExpansion = 200;
        // Rows from which a restore rebuilds the transactions' indexes once
        // instead of keeping them row by row.
        quint64 rebuildIndexesFrom = 10'000;
    };

    // Hears how far a restore got and may stop it; both are optional.
    struct Observer {
        // Rows handled so far, of the rows the archive holds.
        std::function<void(quint64 done, quint64 total)> progress;
        const std::atomic_bool* cancelRequested = nullptr;
    };

    struct TableCounts {
        int applied = 0;
        int skipped = 0;
        int refused = 0; // of the skipped, rows no write path would store
    };

    struct RestoreResult {
        // In the order of BackupTables::kTables.
        std::array<TableCounts, BackupTables::kTables.size()> tables {};
        QStringList errors;
        // False when the run as a whole failed and nothing was changed.
        bool completed = false;
        // Stopped on request; nothing was changed.
        bool cancelled = false;
        // The copy of the data taken before anything changed, when one was taken.
        QString safetyBackupPath;

        int applied() const;
        int skipped() const;
    };

    // Safety copies are kept this long, so that a run of failed or idle
    // attempts never pushes out the copy that matters.
    static constexpr int kSafetyBackupDays = 30;

    BackupService(Database* db, TransactionRepository* transactions, QObject* parent = nullptr);

    // The archive in memory; empty when a table could not be read.
    QByteArray exportBackup();
    // Streams the archive into `path` through a temporary file beside it, so a
    // failure never leaves a truncated backup under that name.
    bool exportToFile(const QString& path, QString* error = nullptr);
    bool exportToDevice(QIODevice* device, QString* error = nullptr);

    RestoreResult importBackup(const QByteArray& archive, RestorePolicy policy);
    RestoreResult importFile(const QString& path, RestorePolicy policy);
    // `device` must be open and seekable.
    RestoreResult importDevice(QIODevice* device, RestorePolicy policy);

    // Where the copy taken before a restore first writes goes
    // ("before-restore-<time>.zip", kept for kSafetyBackupDays); empty for none.
    void setSafetyDirectory(const QString& directory) { m_safetyDirectory = directory; }
    QString safetyDirectory() const { return m_safetyDirectory; }
    void setLimits(const Limits& limits) { m_limits = limits; }
    const Limits& limits() const { return m_limits; }
    void setObserver(const Observer& observer) { m_observer = observer; }

Q_SIGNALS:
    // After a restore that changed rows committed: they were written past the
    // repositories, which announced none of them.
    void dataRestored();

private:
    // Empty path and no error when there is no safety directory.
    bool writeSafetyBackup(QString* path, QString* error);
    void pruneSafetyBackups() const;

    Database* m_db;
    TransactionRepository* m_transactions;
    QString m_safetyDirectory;
    Limits m_limits;
    Observer m_observer;
};
