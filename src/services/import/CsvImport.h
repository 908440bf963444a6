#pragma once

#include "ImportFields.h"
#include "ImportRun.h"
#include "ImportTypes.h"

#include <QCoreApplication>

class ImportService;

// One import of a comma-separated file into one account, by a column mapping.
class CsvImport {
    Q_DECLARE_TR_FUNCTIONS(ImportService)

public:
    CsvImport(ImportService& service, const QString& accountId, const CsvMapping& mapping);

    ImportResult run(const QString& path, const QList<Account>& newAccounts);
    // The first `limit` rows of `text` (the start of a file) as the import
    // would store them, checked against the account's stored rows.
    QList<CsvPreviewRow> preview(const QString& text, int limit);

private:
    // The rows of the text by the mapping, and where the data rows start.
    struct Table {
        QList<QStringList> rows;
        qsizetype first = 0;
        bool fits = false;
    };
    // A row read into a transaction (id and times aside); `reason` says why it cannot be.
    struct Reading {
        Transaction t;
        QString reason;
    };

    Table table(const QString& text);
    Reading read(const QStringList& row) const;
    void importRow(ImportRun& run, const QStringList& row, const QString& where);
    // The row's amount by the mapping's amount mode; nothing when it does not read.
    std::optional<qint64> rowAmount(const QStringList& row) const;

    ImportService& m_service;
    QString m_accountId;
    CsvMapping m_mapping;
    Currency m_currency = Currency::USD;
    ImportFields::DateOrder m_order = ImportFields::DateOrder::Unknown;
    int m_needed = 0;
    // Rows without a date since the last row that read.
    int m_trailingUnread = 0;
    bool m_anyRead = false;
    ImportResult m_result;
};
