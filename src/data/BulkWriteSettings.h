#pragma once

#include <QPointer>
#include <QtGlobal>

class Database;

// The connection's settings for a unit of many writes, put back when it
// goes: a page cache large enough that the unit's index pages are not
// written out and read back again, and savepoint journals kept in memory (a
// unit that gives each record a savepoint of its own would otherwise write
// every page a record touches to a temporary file). Made before the unit
// begins, since SQLite places the journal when the unit starts writing.
class BulkWriteSettings {
public:
    // Negative: in KiB rather than pages.
    static constexpr qint64 kCacheKiB = -64 * 1024;

    explicit BulkWriteSettings(Database* db);
    ~BulkWriteSettings();

    BulkWriteSettings(const BulkWriteSettings&) = delete;
    BulkWriteSettings& operator=(const BulkWriteSettings&) = delete;

private:
    // The store may close first when its owner goes.
    QPointer<Database> m_db;
    qint64 m_cacheSize = 0;
    int m_tempStore = -1;
};
