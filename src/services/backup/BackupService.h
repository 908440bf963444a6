#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <array>

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
    };

    struct TableCounts {
        int applied = 0;
        int skipped = 0;
        int refused = 0; // of the skipped, rows no write path would store
    };

    struct RestoreResult {
        // In the order of the six tables: accounts, categories, transactions,
        // split lines, recurring transactions, reconciliations.
        std::array<TableCounts, 6> tables {};
        QStringList errors;
        // False when the run as a whole failed and nothing was changed.
        bool completed = false;
        // The copy of the data taken before anything changed, when one was taken.
        QString safetyBackupPath;

        int applied() const;
        int skipped() const;
    };

    static constexpr int kSafetyBackupsKept = 5;

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

    // Where the copy taken before each restore goes ("before-restore-<time>.zip",
    // newest five kept); empty for none.
    void setSafetyDirectory(const QString& directory) { m_safetyDirectory = directory; }
    QString safetyDirectory() const { return m_safetyDirectory; }
    void setLimits(const Limits& limits) { m_limits = limits; }
    const Limits& limits() const { return m_limits; }

private:
    // Empty path and no error when there is no safety directory.
    bool writeSafetyBackup(QString* path, QString* error);
    void pruneSafetyBackups() const;

    Database* m_db;
    TransactionRepository* m_transactions;
    QString m_safetyDirectory;
    Limits m_limits;
};
