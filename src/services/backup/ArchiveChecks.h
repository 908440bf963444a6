#pragma once

#include <QByteArray>
#include <QString>

// What a backup archive must satisfy before a restore writes anything from
// it, beyond being a readable ZIP file with a manifest.
namespace ArchiveChecks {

// An entry's path climbs out of its folder ("accounts/../../x.json").
bool leavesFolder(const QByteArray& name);

// Why an archive of `archiveBytes` that unpacks to `unpackedBytes` is
// refused: it unpacks to more than `maxExpansion` times its size (no
// backup of this program compresses that well), or to more than the
// `freeBytes` free beside the ledger (negative when unknown). Empty when
// neither.
QString expansionProblem(
    quint64 unpackedBytes, qint64 archiveBytes, qint64 freeBytes, double maxExpansion);

} // namespace ArchiveChecks
