#include "Migrations.h"

#include "ServerLogging.h"
#include "Sql.h"
#include "Store.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QSqlQuery>

namespace {

QStringList statementsOf(const QString& script)
{
    QStringList lines;
    for (const QString& line : script.split(QLatin1Char('\n'))) {
        if (!line.trimmed().startsWith(QLatin1String("--")))
            lines << line;
    }
    QStringList statements;
    for (const QString& statement : lines.join(QLatin1Char('\n')).split(QLatin1Char(';'))) {
        if (!statement.trimmed().isEmpty())
            statements << statement.trimmed();
    }
    return statements;
}

} // namespace

bool Migrations::apply(Store& store, QString* error)
{
    const bool postgres = store.dialect() == Store::Dialect::Postgres;
    const QDir folder(QStringLiteral(":/server/migrations/%1")
                          .arg(postgres ? QLatin1String("postgresql") : QLatin1String("sqlite")));
    const QStringList scripts
        = folder.entryList({ QStringLiteral("*.sql") }, QDir::Files, QDir::Name);
    int applied = 0;
    const bool ok = store.write([&](QSqlDatabase& db) {
        QSqlQuery query(db);
        // Several servers may start at once on one PostgreSQL database.
        if (postgres && !Sql::exec(query, QStringLiteral("SELECT pg_advisory_xact_lock(74131)")))
            return false;
        if (!Sql::exec(query,
                QStringLiteral("CREATE TABLE IF NOT EXISTS schema_migrations ("
                               "version INTEGER PRIMARY KEY, applied_at BIGINT NOT NULL)"))
            || !Sql::exec(query, QStringLiteral("SELECT version FROM schema_migrations")))
            return false;
        QSet<int> done;
        while (query.next())
            done.insert(query.value(0).toInt());
        for (const QString& name : scripts) {
            const int version = name.section(QLatin1Char('_'), 0, 0).toInt();
            if (version <= 0 || done.contains(version))
                continue;
            QFile file(folder.filePath(name));
            if (!file.open(QIODevice::ReadOnly))
                return false;
            for (const QString& statement : statementsOf(QString::fromUtf8(file.readAll()))) {
                if (!Sql::exec(query, statement))
                    return false;
            }
            if (!Sql::exec(query,
                    QStringLiteral("INSERT INTO schema_migrations (version, applied_at) "
                                   "VALUES (?, ?)"),
                    { version, QDateTime::currentSecsSinceEpoch() }))
                return false;
            ++applied;
        }
        return true;
    });
    if (!ok) {
        *error = QStringLiteral("cannot bring the schema of %1 up to date")
                     .arg(store.location().describe());
        return false;
    }
    if (applied > 0)
        qCInfo(lcStore).noquote() << "Applied" << applied << "schema migrations to"
                                  << store.location().describe();
    return true;
}
