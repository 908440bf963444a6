#include "Sql.h"

#include "ServerLogging.h"

#include <QSqlError>

namespace {

// A null QString binds as NULL on PostgreSQL but as '' on SQLite: text is
// always text here, NULL is written in the statement.
QVariant bindable(const QVariant& value)
{
    if (value.typeId() == QMetaType::QString && value.toString().isNull())
        return QStringLiteral("");
    return value;
}

} // namespace

bool Sql::exec(QSqlQuery& query, const QString& statement, const QVariantList& values)
{
    query.setForwardOnly(true);
    bool ok = false;
    // Without values nothing is prepared: PostgreSQL cannot prepare schema statements.
    if (values.isEmpty()) {
        ok = query.exec(statement);
    } else {
        ok = query.prepare(statement);
        for (const QVariant& value : values)
            query.addBindValue(bindable(value));
        ok = ok && query.exec();
    }
    if (!ok)
        qCWarning(lcStore).noquote()
            << "Statement failed:" << statement.simplified() << ":" << query.lastError().text();
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
        query.bindValue(int(i), bindable(values.at(i)));
    if (query.exec())
        return true;
    qCWarning(lcStore).noquote() << "Statement failed:" << query.lastQuery().simplified() << ":"
                                 << query.lastError().text();
    return false;
}
