#include "Sql.h"

#include "ServerLogging.h"

#include <QSqlError>

bool Sql::exec(QSqlQuery& query, const QString& statement, const QVariantList& values)
{
    query.setForwardOnly(true);
    bool ok = query.prepare(statement);
    for (const QVariant& value : values)
        query.addBindValue(value);
    ok = ok && query.exec();
    if (!ok)
        qCWarning(lcStore).noquote() << "Statement failed:" << statement.simplified() << ":"
                                     << query.lastError().text();
    return ok;
}

bool Sql::prepare(QSqlQuery& query, const QString& statement)
{
    query.setForwardOnly(true);
    if (query.prepare(statement))
        return true;
    qCWarning(lcStore).noquote() << "Statement failed:" << statement.simplified() << ":"
                                 << query.lastError().text();
    return false;
}

bool Sql::run(QSqlQuery& query, const QVariantList& values)
{
    for (qsizetype i = 0; i < values.size(); ++i)
        query.bindValue(int(i), values.at(i));
    if (query.exec())
        return true;
    qCWarning(lcStore).noquote() << "Statement failed:" << query.lastQuery().simplified() << ":"
                                 << query.lastError().text();
    return false;
}
