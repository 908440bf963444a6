#pragma once

#include "StoreFailure.h"

#include <QList>
#include <QObject>
#include <QSqlDatabase>
#include <QStringList>
#include <functional>
#include <optional>

class QSqlError;

// Owns the process's single SQLite connection and brings its schema up to
// date from the migration scripts compiled into the resources.
struct sqlite3;

class Database : public QObject {
    Q_OBJECT

public:
    explicit Database(QObject* parent = nullptr);
    ~Database() override;

    // Refuses, before writing anything, a file SQLite cannot read (an empty
    // one included), one a newer version of the program made, one without its
    // schema_version table, and a driver built on another SQLite. A file this
    // user cannot write is opened read-only.
    bool open(const QString& path);
    // Refuses, after migrating, a database that lacks a table the program needs.
    bool runMigrations();
    bool applyMigration(int version, const QString& name, const QString& sql);
    QSqlDatabase database() const;
    // The connection's own SQLite handle (null while closed), for reads that
    // skip the Qt driver's per-value work.
    sqlite3* handle() const;
    bool isOpen() const { return m_open; }
    bool isReadOnly() const { return m_readOnly; }
    bool isDamaged() const { return m_damage.has_value(); }
    QString damageReason() const { return m_damage.value_or(QString()); }
    // Open, and neither read-only nor damaged.
    bool isWritable() const { return m_open && !m_readOnly && !m_damage; }
    // Why the last open() or runMigrations() returned false.
    const StoreFailure& failure() const { return m_failure; }
    // In a folder nobody may write, SQLite cannot make the shared-memory file
    // a reader of a WAL database needs: such a file is read as it stands,
    // through this URI. Empty for a file that needs none.
    static QString asItStandsUri(const QString& path);
    // A database SQLite keeps in memory, which a second connection cannot open.
    static bool isInMemory(const QString& path);
    // The newest schema version this build can bring a database to.
    static int latestVersion();

    // Splits a script into statements the driver can run one by one,
    // keeping trigger bodies (BEGIN ... END) whole.
    static QStringList splitStatements(const QString& sql);

    // Runs `announce` once the unit of work in progress commits, or at once
    // when none is; within one unit each (owner, key) is announced once, and a
    // rollback drops them, so listeners never hear of rows that were not kept.
    void afterCommit(const QObject* owner, const QString& key, std::function<void()> announce);

    // A unit of work in progress whose transaction SQLite has already ended
    // (a full disk or an I/O error rolls it back): nothing more may be
    // written in it, or each row would be kept on its own.
    bool unitLost() const;
    // SQLite's result code of the last write that failed, so a run of many
    // writes can say why it stopped; 0 before any.
    int lastFailure() const { return m_lastFailure; }
    void noteFailure(int code) const { m_lastFailure = code; }

Q_SIGNALS:
    void migrationApplied(int version, const QString& name);
    void migrationError(int version, const QString& error);
    // Once, when a statement on this file met damage; from then on nothing is written.
    void damaged(const QString& reason);

private:
    friend class TransactionScope;
    friend class Savepoint;
    void endUnit(bool committed);
    sqlite3* driverHandle() const;
    bool refuse(StoreFailure::Kind kind, const QString& detail, int version = 0);
    bool refuseSqlite(const QSqlError& error);
    bool checkSharedLibrary();
    // Refuses data whose schema version is newer than this build's.
    bool checkSchemaVersion();
    QStringList missingTables() const;
    bool checkTables();
    // Opens the connection for `path`, read-only where this user cannot write.
    bool openConnection(const QString& path);
    void watchForDamage();
    void stopWriting(const QString& reason);

    struct Announcement {
        const QObject* owner;
        QString key;
        std::function<void()> announce;
    };

    QSqlDatabase m_db;
    bool m_open = false;
    bool m_readOnly = false;
    std::optional<QString> m_damage;
    QString m_file;
    bool m_inUnit = false;
    mutable int m_lastFailure = 0;
    StoreFailure m_failure;
    QList<Announcement> m_pending;
};
