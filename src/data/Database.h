#pragma once

#include <QObject>
#include <QSqlDatabase>
#include <QStringList>

// Owns the process's single SQLite connection and brings its schema up to
// date from the migration scripts compiled into the resources.
struct sqlite3;

class Database : public QObject {
    Q_OBJECT

public:
    explicit Database(QObject* parent = nullptr);
    ~Database() override;

    bool open(const QString& path);
    bool runMigrations();
    bool applyMigration(int version, const QString& name, const QString& sql);
    QSqlDatabase database() const;
    // The connection's own SQLite handle (null while closed), for reads that
    // skip the Qt driver's per-value work.
    sqlite3* handle() const;
    bool isOpen() const { return m_open; }

    // Splits a script into statements the driver can run one by one,
    // keeping trigger bodies (BEGIN ... END) whole.
    static QStringList splitStatements(const QString& sql);

Q_SIGNALS:
    void migrationApplied(int version, const QString& name);
    void migrationError(int version, const QString& error);

private:
    QSqlDatabase m_db;
    bool m_open = false;
};
