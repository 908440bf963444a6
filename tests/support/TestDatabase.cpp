#include "TestDatabase.h"

#include "Records.h"
#include "data/AccountRepository.h"
#include "data/Database.h"

#include <QFile>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>

TestDatabase::TestDatabase(const QString& dir)
    : m_path(dir.isEmpty() ? m_dir.path() : dir)
    , m_db(std::make_unique<Database>())
{
    if (!m_db->open(path()) || !m_db->runMigrations())
        qFatal("test database could not be created at %s", qPrintable(path()));
}

TestDatabase::~TestDatabase() = default;

QString TestDatabase::path() const
{
    return m_path + QStringLiteral("/ledgerine.db");
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

QStringList TestDatabase::column(const QString& sql) const
{
    return queryColumn(m_db->database(), sql);
}

Account TestDatabase::addAccount(const QString& name, qint64 startingBalance) const
{
    const Account account = Records::account(name, startingBalance);
    if (!AccountRepository(m_db.get()).insert(account))
        qFatal("account insert failed");
    return account;
}

bool TestDatabase::freeze(const QString& table) const
{
    return exec(QStringLiteral("CREATE TRIGGER frozen_%1 BEFORE UPDATE ON %1 BEGIN "
                               "SELECT RAISE(ABORT, 'frozen'); END")
                    .arg(table));
}

bool TestDatabase::thaw(const QString& table) const
{
    return exec(QStringLiteral("DROP TRIGGER frozen_%1").arg(table));
}

QStringList queryColumn(const QSqlDatabase& db, const QString& sql)
{
    QSqlQuery query(db);
    if (!query.exec(sql))
        return { QStringLiteral("<error: %1>").arg(query.lastError().text()) };
    QStringList values;
    while (query.next())
        values << query.value(0).toString();
    return values;
}

QString writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes)
{
    return writeFile(dir.filePath(name), bytes);
}

void expectWarning(const QString& pattern)
{
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(pattern));
}
