#include "StatementIdRepository.h"

#include "SqlValue.h"

StatementIdRepository::StatementIdRepository(Database* db, QObject* parent)
    : Repository(db, "StatementIdRepository", parent)
{
}

QString StatementIdRepository::accountFor(const QString& statementAccountId) const
{
    if (statementAccountId.isEmpty())
        return {};
    return selectOne<QString>(QStringLiteral("SELECT id FROM accounts WHERE statement_account_id "
                                             "= ? AND deleted_at IS NULL ORDER BY rowid LIMIT 1"),
        { statementAccountId }, [](const SqlRow& row) { return row.text(0); })
        .value_or(QString());
}

QString StatementIdRepository::statementAccountOf(const QString& accountId) const
{
    return selectOne<QString>(
        QStringLiteral("SELECT statement_account_id FROM accounts WHERE id = ?"), { accountId },
        [](const SqlRow& row) { return row.text(0); })
        .value_or(QString());
}

bool StatementIdRepository::remember(const QString& accountId, const QString& statementAccountId)
{
    return execWrite(QStringLiteral("UPDATE accounts SET statement_account_id = NULL WHERE "
                                    "statement_account_id = ? AND id <> ?"),
               { statementAccountId, accountId }, "remember")
        && execWrite(QStringLiteral("UPDATE accounts SET statement_account_id = ? WHERE id = ?"),
            { SqlValue::text(statementAccountId), accountId }, "remember");
}

QSet<QString> StatementIdRepository::importIds(const QString& accountId) const
{
    const QList<QString> ids = selectList<QString>(
        QStringLiteral("SELECT import_id FROM transactions WHERE account_id = ? AND import_id IS "
                       "NOT NULL AND deleted_at IS NULL"),
        { accountId }, [](const SqlRow& row) { return row.text(0); });
    return QSet<QString>(ids.cbegin(), ids.cend());
}

bool StatementIdRepository::setImportId(const QString& transactionId, const QString& importId)
{
    return execWrite(QStringLiteral("UPDATE transactions SET import_id = ? WHERE id = ?"),
        { SqlValue::textOrNull(importId), transactionId }, "setImportId");
}
