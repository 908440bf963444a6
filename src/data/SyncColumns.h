#pragma once

#include "SqlRow.h"
#include "SqlValue.h"
#include "SyncStatus.h"

#include <QVariantList>

// The sync columns every synchronised record ends with, in this order:
// version, sync_status, server_id, created_at, updated_at, deleted_at.
namespace SyncColumns {

template <typename Record> void read(const SqlRow& row, int first, Record& record)
{
    record.version = row.integer(first);
    record.syncStatus = syncStatusFromText(row.utf8(first + 1));
    record.serverId = row.text(first + 2);
    record.createdAt = row.dateTime(first + 3);
    record.updatedAt = row.dateTime(first + 4);
    record.deletedAt = row.optionalDateTime(first + 5);
}

// Values of "version, sync_status, server_id, created_at, updated_at" for an insert.
template <typename Record> QVariantList insertValues(const Record& record)
{
    using namespace SqlValue;
    return { record.version, syncStatusToText(record.syncStatus), text(record.serverId),
        dateTime(record.createdAt), dateTime(record.updatedAt) };
}

// Names and values of every sync column, deleted_at included, for a row
// written as the server sent it.
inline const QString kUpsertNames
    = QStringLiteral("version, sync_status, server_id, created_at, updated_at, deleted_at");
template <typename Record> QVariantList upsertValues(const Record& record)
{
    return insertValues(record)
        << (record.deletedAt ? SqlValue::dateTime(*record.deletedAt) : SqlValue::null());
}

// The sync columns of an edit. Versions and server ids belong to the sync
// engine: an editor's record may be older than the row (a sync moved it on
// while a form was open), so an edit never writes them back. An edit makes
// the row pending, except that a row in conflict stays one until the user
// settles it.
inline const QString kUpdateAssignments = QStringLiteral(
    "sync_status = CASE sync_status WHEN 'conflict' THEN 'conflict' ELSE 'pending' END, "
    "updated_at=?");
template <typename Record> QVariantList updateValues(const Record& record)
{
    return { SqlValue::dateTime(record.updatedAt) };
}

} // namespace SyncColumns
