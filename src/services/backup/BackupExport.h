#pragma once

#include <QString>

class Database;
class QIODevice;

// Writes every row of the backed-up tables, soft-deleted ones included, as
// one JSON document each, then the manifest.
class BackupExport {
public:
    explicit BackupExport(Database* db)
        : m_db(db)
    {
    }

    // False, with the reason, when a table could not be read or the device
    // could not be written: an archive missing a table is no backup.
    bool write(QIODevice* device, QString* error) const;

private:
    Database* m_db;
};
