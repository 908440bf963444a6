#pragma once

#include "ImportRun.h"
#include "ImportTypes.h"
#include "QifParser.h"

#include <QHash>
#include <optional>

class ImportService;

// One QIF import of several files: records with their target accounts,
// transfer pairs within the import, hints of earlier imports, and the writing.
class QifImport {
public:
    QifImport(ImportService& service, const QHash<QString, QString>& mapping);

    ImportResult run(const QStringList& paths, const QList<Account>& newAccounts);

private:
    struct Record {
        QifTransaction source;
        QString accountId; // target; empty when unmapped
        QString id;
        QString payee;
        qint64 amount = 0;
        QList<qint64> splitAmounts;
        qsizetype partner = -1;
        bool stored = false;
    };
    // A stored transaction whose memo still waits for its transfer's other side.
    struct HintCandidate {
        QString id;
        QString accountName;
        QDate date;
        qint64 amount = 0;
    };

    void readFile(const QString& path);
    // The live target account of a QIF account name or file path, and its currency.
    std::optional<std::pair<QString, Currency>> target(const QString& key);
    bool makeRecord(QifTransaction&& source, const QString& path);
    void pairTransfers();
    static bool canPair(const Record& r);
    void unpair(Record& r);

    // False when the run has to be abandoned.
    bool importRecord(ImportRun& run, Record& r);
    // Links `t` to a stored transaction whose hint waits for it, filling
    // `earlier` with that one's update, or else puts a hint in `t`'s memo.
    bool findEarlierSide(
        ImportRun& run, const Record& r, Transaction& t, std::optional<Transaction>& earlier);
    QList<HintCandidate>& candidates(const QString& accountId);
    QList<SplitLine> splitLines(ImportRun& run, const Record& r) const;
    QString key(const Record& r) const;

    ImportService& m_service;
    QHash<QString, QString> m_mapping; // lower-case keys
    QHash<QString, std::optional<std::pair<QString, Currency>>> m_targets;
    QList<Record> m_records;
    QList<QifCategory> m_listedCategories;
    QHash<QString, QList<HintCandidate>> m_candidates;
    ImportResult m_result;
};
