#include "BackupService.h"

#include "BackupExport.h"
#include "BackupLogging.h"
#include "BackupRestore.h"
#include "ZipReader.h"
#include "data/Clock.h"
#include "data/FilePrivacy.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

int BackupService::RestoreResult::applied() const
{
    int sum = 0;
    for (const TableCounts& counts : tables)
        sum += counts.applied;
    return sum;
}

int BackupService::RestoreResult::skipped() const
{
    int sum = 0;
    for (const TableCounts& counts : tables)
        sum += counts.skipped;
    return sum;
}

BackupService::BackupService(Database* db, TransactionRepository* transactions, QObject* parent)
    : QObject(parent)
    , m_db(db)
    , m_transactions(transactions)
{
}

QByteArray BackupService::exportBackup()
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!exportToDevice(&buffer))
        return {};
    return buffer.data();
}

bool BackupService::exportToDevice(QIODevice* device, QString* error)
{
    return BackupExport(m_db).write(device, error);
}

bool BackupService::exportToFile(const QString& path, QString* error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    FilePrivacy::restrictToOwner(file);
    if (!exportToDevice(&file, error)) {
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    qCInfo(lcBackup).noquote() << "Backup written to" << path;
    return true;
}

BackupService::RestoreResult BackupService::importBackup(
    const QByteArray& archive, RestorePolicy policy)
{
    QBuffer buffer;
    buffer.setData(archive);
    buffer.open(QIODevice::ReadOnly);
    return importDevice(&buffer, policy);
}

BackupService::RestoreResult BackupService::importFile(const QString& path, RestorePolicy policy)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        RestoreResult result;
        result.errors << tr("Failed to open ZIP archive");
        return result;
    }
    return importDevice(&file, policy);
}

BackupService::RestoreResult BackupService::importDevice(QIODevice* device, RestorePolicy policy)
{
    ZipReader zip(device);
    if (!zip.open()) {
        RestoreResult result;
        result.errors << tr("Failed to open ZIP archive");
        return result;
    }
    QString safetyPath;
    RestoreResult result = BackupRestore(m_db, m_transactions, m_limits, m_observer)
                               .run(zip, policy, [this, &safetyPath](QString* reason) {
                                   return writeSafetyBackup(&safetyPath, reason);
                               });
    result.safetyBackupPath = safetyPath;
    if (result.completed && result.applied() > 0)
        Q_EMIT dataRestored();
    return result;
}

bool BackupService::writeSafetyBackup(QString* path, QString* error)
{
    path->clear();
    if (m_safetyDirectory.isEmpty())
        return true;
    QDir dir(m_safetyDirectory);
    const QString stamp = Clock::nowUtc().toLocalTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString candidate = dir.filePath(QStringLiteral("before-restore-%1.zip").arg(stamp));
    for (int n = 2; QFileInfo::exists(candidate); ++n)
        candidate = dir.filePath(QStringLiteral("before-restore-%1-%2.zip").arg(stamp).arg(n));
    QString reason;
    if (!FilePrivacy::makePrivateDirectory(m_safetyDirectory)
        || !exportToFile(candidate, &reason)) {
        *error
            = tr("the data as it stands could not be saved to %1 first: %2").arg(candidate, reason);
        return false;
    }
    *path = candidate;
    pruneSafetyBackups();
    return true;
}

void BackupService::pruneSafetyBackups() const
{
    const QDateTime oldest = Clock::nowUtc().addDays(-kSafetyBackupDays);
    const QFileInfoList backups
        = QDir(m_safetyDirectory)
              .entryInfoList({ QStringLiteral("before-restore-*.zip") }, QDir::Files, QDir::NoSort);
    for (const QFileInfo& backup : backups) {
        if (backup.lastModified().toUTC() < oldest)
            QFile::remove(backup.filePath());
    }
}
