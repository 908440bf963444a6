#pragma once

#include "data/Account.h"

#include <QHash>
#include <QList>
#include <QSet>

class AccountRepository;

// The sidebar's balances: each account's starting balance plus the sum of its
// live transactions, the value its register ends on. The sums are kept
// between refreshes, so a refresh after one commit reads one account; whoever
// hears of changed transactions must forget that account's sum (the store
// announces every such write with the account's id).
class AccountBalances {
public:
    explicit AccountBalances(AccountRepository* accounts);

    // The balance of every account given, read from the store (in one query)
    // only for the accounts whose sums are not known. An account whose balance
    // the store cannot compute is left out, listed in unavailable(), and asked
    // for again next time.
    QHash<QString, qint64> of(const QList<Account>& accounts);
    // The accounts the last of() left out.
    QSet<QString> unavailable() const { return m_unavailable; }
    // An empty id forgets every account.
    void forget(const QString& accountId);

private:
    AccountRepository* m_accounts;
    // Account id -> sum of its live transaction amounts.
    QHash<QString, qint64> m_sums;
    QSet<QString> m_unavailable;
};
