#pragma once

#include "data/Account.h"

#include <QTemporaryDir>
#include <memory>

class Database;
class QSqlDatabase;

// A migrated database in a temporary directory, removed with the object.
class TestDatabase {
public:
    // In a fresh temporary directory, or in `dir` when given.
    explicit TestDatabase(const QString& dir = {});
    ~TestDatabase();

    Database* db() const { return m_db.get(); }
    QString path() const;
    QString dir() const { return m_path; }
    // Runs one statement on the connection; fails the test on error.
    bool exec(const QString& sql) const;
    QVariant scalar(const QString& sql) const;
    // The first column of every row, as text.
    QStringList column(const QString& sql) const;
    // Inserts an account with fresh ids; fails the test run on error.
    Account addAccount(const QString& name, qint64 startingBalance = 0) const;
    // Makes every UPDATE of the table fail with "frozen" until thaw().
    bool freeze(const QString& table) const;
    bool thaw(const QString& table) const;

private:
    QTemporaryDir m_dir;
    QString m_path;
    std::unique_ptr<Database> m_db;
};

// The first column of every row of a query on any connection, as text.
QStringList queryColumn(const QSqlDatabase& db, const QString& sql);
// Writes `bytes` to the file and gives its path; the test run stops when it cannot.
QString writeFile(const QString& path, const QByteArray& bytes);
QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes);

// Expects one warning matching the regular expression.
void expectWarning(const QString& pattern);
