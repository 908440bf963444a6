#include "ArchiveChecks.h"

#include "BackupService.h"

#include <QList>

bool ArchiveChecks::leavesFolder(const QByteArray& name)
{
    // Both separators: a name written on Windows may use either.
    QByteArray path = name;
    path.replace('\\', '/');
    const QList<QByteArray> parts = path.split('/');
    return parts.contains("..");
}

QString ArchiveChecks::expansionProblem(
    quint64 unpackedBytes, qint64 archiveBytes, qint64 freeBytes, double maxExpansion)
{
    if (archiveBytes > 0 && double(unpackedBytes) > double(archiveBytes) * maxExpansion) {
        return BackupService::tr("The backup unpacks to %1 bytes, more than %2 times the %3 bytes "
                                 "of the file: it is not a backup this program made.")
            .arg(unpackedBytes)
            .arg(maxExpansion)
            .arg(archiveBytes);
    }
    if (freeBytes >= 0 && unpackedBytes > quint64(freeBytes)) {
        return BackupService::tr("The backup unpacks to %1 bytes, more than the %2 bytes free on "
                                 "the disk that holds the ledger.")
            .arg(unpackedBytes)
            .arg(freeBytes);
    }
    return {};
}
