#pragma once

#include <QTemporaryDir>
#include <memory>

class Database;

// A migrated database in a temporary directory, removed with the object.
class TestDatabase {
public:
    TestDatabase();
    ~TestDatabase();

    Database* db() const { return m_db.get(); }
    QString path() const;
    QString dir() const { return m_dir.path(); }
    // Runs one statement on the connection; fails the test on error.
    bool exec(const QString& sql) const;
    QVariant scalar(const QString& sql) const;

private:
    QTemporaryDir m_dir;
    std::unique_ptr<Database> m_db;
};
