#pragma once

#include "SyncStatus.h"

#include <QDateTime>
#include <QString>
#include <optional>

// What every synchronised record carries beside its own fields.
struct SyncFields {
    int version = 1;
    SyncStatus syncStatus = SyncStatus::Pending;
    QString serverId;
    QDateTime createdAt;
    QDateTime updatedAt;
    std::optional<QDateTime> deletedAt;
};
