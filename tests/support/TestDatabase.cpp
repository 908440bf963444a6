#include "TestDatabase.h"

#include "data/Database.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QTest>

TestDatabase::TestDatabase()
    : m_db(std::make_unique<Database>())
{
    if (!m_db->open(path()) || !m_db->runMigrations())
        qFatal("test database could not be created at %s", qPrintable(path()));
}

TestDatabase::~TestDatabase() = default;

QString TestDatabase::path() const
{
    return m_dir.filePath(QStringLiteral("ledgerine.db"));
}

bool TestDatabase::exec(const QString& sql) const
{
    QSqlQuery query(m_db->database());
    if (!query.exec(sql)) {
        qWarning(
            "statement failed: %s (%s)", qPrintable(sql), qPrintable(query.lastError().text()));
        return false;
    }
    return true;
}

QVariant TestDatabase::scalar(const QString& sql) const
{
    QSqlQuery query(m_db->database());
    if (!query.exec(sql) || !query.next())
        return {};
    return query.value(0);
}
