#pragma once

#include "SqlValue.h"
#include "SyncStatus.h"

#include <QSqlQuery>
#include <QVariantList>

// The sync columns every synchronised record ends with, in this order:
// version, sync_status, server_id, created_at, updated_at, deleted_at.
namespace SyncColumns {

template <typename Record> void read(const QSqlQuery& q, int first, Record& record)
{
    using namespace SqlValue;
    record.version = q.value(first).toInt();
    record.syncStatus = syncStatusFromText(readText(q.value(first + 1)));
    record.serverId = readText(q.value(first + 2));
    record.createdAt = readDateTime(q.value(first + 3));
    record.updatedAt = readDateTime(q.value(first + 4));
    record.deletedAt = readOptionalDateTime(q.value(first + 5));
}

// Values of "version, sync_status, server_id, created_at, updated_at" for an insert.
template <typename Record> QVariantList insertValues(const Record& record)
{
    using namespace SqlValue;
    return { record.version, syncStatusToText(record.syncStatus), text(record.serverId),
        dateTime(record.createdAt), dateTime(record.updatedAt) };
}

// Values of "version=?, sync_status=?, server_id=?, updated_at=?" for an update.
template <typename Record> QVariantList updateValues(const Record& record)
{
    using namespace SqlValue;
    return { record.version, syncStatusToText(record.syncStatus), text(record.serverId),
        dateTime(record.updatedAt) };
}

} // namespace SyncColumns
