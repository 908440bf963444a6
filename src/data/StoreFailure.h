#pragma once

#include <QString>

// Why the store could not be opened, for the start-up message.
struct StoreFailure {
    enum class Kind {
        None,
        Sqlite, // SQLite refused the file or a statement; `detail` is its reason
        Permissions, // the directory or file cannot be made, opened or written
        NewerSchema, // `version` is the data's schema version, newer than ours
        MissingTables, // `detail` names them
        LibraryMismatch, // `detail` names the driver's and our SQLite versions
        Damaged, // the file is not a sound database; `detail` is SQLite's reason
        ReadOnlyOutdated // read-only, and too old to be read without migrating
    };

    Kind kind = Kind::None;
    QString detail;
    int version = 0;
};
