#include "AccountBalances.h"

#include "data/AccountRepository.h"

#include <QtNumeric>

AccountBalances::AccountBalances(AccountRepository* accounts)
    : m_accounts(accounts)
{
}

QHash<QString, qint64> AccountBalances::of(const QList<Account>& accounts)
{
    QStringList unknown;
    for (const Account& account : accounts) {
        if (!m_sums.contains(account.id))
            unknown << account.id;
    }
    if (!unknown.isEmpty()) {
        const QHash<QString, qint64> read = m_accounts->balances(unknown);
        for (const Account& account : accounts) {
            if (const auto found = read.constFind(account.id); found != read.constEnd())
                m_sums.insert(account.id, *found - account.startingBalance);
        }
    }

    QHash<QString, qint64> balances;
    QHash<QString, qint64> kept;
    m_unavailable.clear();
    for (const Account& account : accounts) {
        const auto sum = m_sums.constFind(account.id);
        qint64 balance = 0;
        if (sum == m_sums.constEnd() || qAddOverflow(account.startingBalance, *sum, &balance)) {
            m_unavailable.insert(account.id);
            continue;
        }
        balances.insert(account.id, balance);
        kept.insert(account.id, *sum);
    }
    // Accounts no longer listed are dropped, so one that comes back is read anew.
    m_sums = kept;
    return balances;
}

void AccountBalances::forget(const QString& accountId)
{
    if (accountId.isEmpty())
        m_sums.clear();
    else
        m_sums.remove(accountId);
}
