#pragma once

#include <QHash>
#include <QJsonObject>
#include <QSet>
#include <QString>

class Database;
class ZipReader;

// Holds each row of a backup to what the program's own write paths store:
// dates that are dates within the years 1900 to 2100, texts within their
// lengths and without control characters, no transaction linked to itself,
// no split without lines or with too many, no category its own parent.
// Split lines of a refused transaction are refused with it.
class BackupRowRules {
public:
    explicit BackupRowRules(Database* db);

    // Counts the archive's split lines by transaction, before any table is
    // restored. False when the archive cannot be read.
    bool countSplitLines(const ZipReader& zip, qint64 maxEntryBytes);
    // Why the row of the table at `tableIndex` (in BackupTables order) may
    // not be restored; empty when it may.
    QString problem(int tableIndex, const QJsonObject& row);

private:
    QString transactionProblem(const QJsonObject& row) const;

    Database* m_db;
    QHash<QString, int> m_splitLines; // by transaction id
    QSet<QString> m_refusedTransactions;
};
