#pragma once

#include "Repository.h"

#include <QSet>
#include <QString>

// The bank's own ids kept with imported data: the account number a
// statement names, remembered for the account it went to, and each imported
// row's id, by which a row the bank sends again is recognised.
class StatementIdRepository : public Repository {
    Q_OBJECT

public:
    explicit StatementIdRepository(Database* db, QObject* parent = nullptr);

    // The live account the statements of this bank account went to; empty for none.
    QString accountFor(const QString& statementAccountId) const;
    // Remembers the bank account for `accountId`, and for no other account.
    bool remember(const QString& accountId, const QString& statementAccountId);
    QString statementAccountOf(const QString& accountId) const;

    // The import ids of the live transactions of the account.
    QSet<QString> importIds(const QString& accountId) const;
    bool setImportId(const QString& transactionId, const QString& importId);
};
