#pragma once

#include "data/Transaction.h"
#include "data/TransactionRepository.h"

#include <QList>
#include <functional>
#include <unordered_map>

// The rows of one account's register read a page at a time as they are
// shown, oldest first, led by the "Opening Balance" row when the account
// has a starting balance. Each row carries its running balance.
class RegisterPages {
public:
    RegisterPages(const TransactionRepository* transactions, const QString& accountId);

    // Reads the account's totals; false when the store could not be read.
    bool open();
    qsizetype size() const { return m_totals.count + (m_hasOpening ? 1 : 0); }
    qint64 finalBalance() const { return m_totals.startingBalance + m_totals.sum; }
    const TransactionRepository::RegisterTotals& totals() const { return m_totals; }
    // Null when the page could not be read. Stays valid while the caller
    // looks at a few other rows: only pages long unused are dropped.
    const TransactionRow* at(qsizetype position);
    // -1 when the transaction is not a live one of this register.
    qsizetype positionOf(const QString& id);
    // Every row at once, as findRegisterRows reads them.
    QList<TransactionRow> all(bool* ok) const;
    void forEachLoaded(const std::function<void(const TransactionRow&)>& visit) const;

private:
    struct Page {
        QList<TransactionRow> rows;
        quint64 used = 0;
    };
    Page* page(qsizetype index);
    std::optional<qint64> balanceBefore(qsizetype index, const QList<TransactionRow>& rows) const;
    void dropUnused(qsizetype keep);

    const TransactionRepository* m_transactions;
    QString m_accountId;
    TransactionRepository::RegisterTotals m_totals;
    bool m_hasOpening = false;
    TransactionRow m_opening;
    std::unordered_map<qsizetype, Page> m_pages;
    quint64 m_uses = 0;
};
