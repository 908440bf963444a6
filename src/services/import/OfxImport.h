#pragma once

#include "ImportRun.h"
#include "ImportTypes.h"
#include "OfxParser.h"

#include <QCoreApplication>
#include <QHash>

class ImportService;
class StatementIdRepository;

// One import of an OFX file: each statement into the account it is mapped
// to by the bank's account number, rows the bank sent before recognised by
// their FITID, and the bank account remembered for the next file.
class OfxImport {
    Q_DECLARE_TR_FUNCTIONS(ImportService)

public:
    OfxImport(
        ImportService& service, StatementIdRepository& ids, const QHash<QString, QString>& mapping);

    ImportResult run(const QString& path, const QList<Account>& newAccounts);

    // The file read and parsed; `error` names the file when it cannot be.
    static OfxFile load(const QString& path, QString& error);
    static OfxScan scan(const QString& path, const StatementIdRepository& ids);

private:
    void importStatement(ImportRun& run, const OfxStatement& statement, int& row);
    void importRow(ImportRun& run, const QString& accountId, Currency currency,
        const OfxTransaction& record, const QString& where);

    ImportService& m_service;
    StatementIdRepository& m_ids;
    QHash<QString, QString> m_mapping;
    QHash<QString, QSet<QString>> m_importIds;
    ImportResult m_result;
};
