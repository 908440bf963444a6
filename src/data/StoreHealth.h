#pragma once

#include <QObject>
#include <QString>
#include <optional>

struct sqlite3;

// The ledger files this process has found damaged. A damaged file is never
// written again: whichever connection meets the damage reports it here, and
// every Database open on that file stops writing (on its own thread).
class StoreHealth : public QObject {
    Q_OBJECT

public:
    static StoreHealth* instance();

    // SQLITE_CORRUPT and SQLITE_NOTADB, primary or extended.
    static bool isDamageCode(int code);
    // Records the connection's file as damaged when `code` says it is; true then.
    static bool note(sqlite3* handle, int code, const QString& reason);
    static void reportDamaged(const QString& file, const QString& reason);
    // The file at that name was replaced by a sound one.
    static void forget(const QString& file);
    // The reason the file was found damaged, if it was.
    static std::optional<QString> damageOf(const QString& file);
    // The file a connection reads, as SQLite names it (absolute); a name of
    // its own for a database in memory.
    static QString fileOf(sqlite3* handle);

Q_SIGNALS:
    void damageFound(const QString& file, const QString& reason);

private:
    StoreHealth() = default;
};
