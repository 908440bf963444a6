#pragma once

#include <QByteArrayView>
#include <QString>

// Sync state shared by every synchronised record.
enum class SyncStatus { Pending, Synced, Conflict };

QString syncStatusToText(SyncStatus status);
SyncStatus syncStatusFromText(const QString& text);
// The same from stored UTF-8, without building a string.
SyncStatus syncStatusFromText(QByteArrayView utf8);
