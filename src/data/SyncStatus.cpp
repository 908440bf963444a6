#include "SyncStatus.h"

QString syncStatusToText(SyncStatus status)
{
    switch (status) {
    case SyncStatus::Pending: return QStringLiteral("pending");
    case SyncStatus::Synced: return QStringLiteral("synced");
    case SyncStatus::Conflict: return QStringLiteral("conflict");
    }
    return QStringLiteral("pending");
}

SyncStatus syncStatusFromText(QByteArrayView utf8)
{
    if (utf8 == QByteArrayView("synced"))
        return SyncStatus::Synced;
    if (utf8 == QByteArrayView("conflict"))
        return SyncStatus::Conflict;
    return SyncStatus::Pending;
}

SyncStatus syncStatusFromText(const QString& text)
{
    if (text == QLatin1String("synced"))
        return SyncStatus::Synced;
    if (text == QLatin1String("conflict"))
        return SyncStatus::Conflict;
    return SyncStatus::Pending;
}
