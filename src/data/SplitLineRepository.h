#pragma once

#include "Repository.h"
#include "SplitLine.h"

#include <QList>

// The category lines of split transactions. Callers replace a transaction's
// lines as a whole: deleteByTransaction, then one insert per line.
class SplitLineRepository : public Repository {
    Q_OBJECT

public:
    SplitLineRepository(Database* db, QObject* parent = nullptr);

    // In insertion order; the first `limit` only when one is given, for views
    // that show no more.
    QList<SplitLine> findByTransaction(const QString& transactionId, int limit = -1) const;
    // How many lines the transaction has and what they add up to.
    std::pair<int, qint64> countAndSum(const QString& transactionId) const;
    bool insert(const SplitLine& line);
    bool deleteByTransaction(const QString& transactionId);
    // Puts the lines of live transactions in the categories `from` under
    // `to`; the count moved, nothing on failure.
    std::optional<int> moveCategories(const QStringList& from, const QString& to);
};
