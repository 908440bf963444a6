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
        QString where; // "checking.qif, line 57"
        QString accountId; // target; empty when unmapped
        QString id;
        QString payee;
        qint64 amount = 0;
        QList<qint64> splitAmounts;
        qsizetype partner = -1;
        bool refused = false; // by the record rules, counted as invalid
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
    void createListedCategories();
    void pairTransfers();
    static bool canPair(const Record& r);
    void unpair(Record& r);

    // The transaction a record makes, before its category and transfer link.
    Transaction transactionOf(const Record& r) const;
    // Refuses, with its reason, a record the record rules do not let in.
    void check(Record& r);
    void importRecord(Record& r);
    // Links `t` to a stored transaction whose hint waits for it, filling
    // `earlier` with that one's update, or else puts a hint in `t`'s memo.
    // False when the run had to be abandoned.
    bool findEarlierSide(const Record& r, Transaction& t, std::optional<Transaction>& earlier);
    QList<HintCandidate>& candidates(const QString& accountId);
    // The record's lines, with one for what they leave of the amount;
    // categories by name, given by `categoryIds` (empty: not looked up yet).
    QList<SplitLine> splitLines(const Record& r, const QStringList& categoryIds) const;
    // The category names the record's lines name, "Uncategorized" for none.
    QStringList splitCategories(const Record& r) const;
    QString key(const Record& r) const;

    ImportService& m_service;
    ImportRun* m_run = nullptr; // while run() runs
    QHash<QString, QString> m_mapping; // lower-case keys
    QHash<QString, std::optional<std::pair<QString, Currency>>> m_targets;
    QList<Record> m_records;
    QList<QifCategory> m_listedCategories;
    QHash<QString, QList<HintCandidate>> m_candidates;
    ImportResult m_result;
};
