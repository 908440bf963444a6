#pragma once

#include <QString>

// Sync state shared by every synchronised record.
enum class SyncStatus { Pending, Synced, Conflict };

QString syncStatusToText(SyncStatus status);
SyncStatus syncStatusFromText(const QString& text);
