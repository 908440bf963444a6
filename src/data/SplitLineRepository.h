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

    // In insertion order.
    QList<SplitLine> findByTransaction(const QString& transactionId) const;
    bool insert(const SplitLine& line);
    bool deleteByTransaction(const QString& transactionId);
    // Puts the lines of live transactions in the categories `from` under
    // `to`; the count moved, nothing on failure.
    std::optional<int> moveCategories(const QStringList& from, const QString& to);
};
