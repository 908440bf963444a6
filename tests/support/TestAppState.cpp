#include "TestAppState.h"

#include "Records.h"
#include "data/AccountRepository.h"
#include "data/Clock.h"
#include "data/TransactionRepository.h"

#include <QStandardPaths>

TestAppState::TestAppState(const QString& dataDir)
{
    const QString dir = dataDir.isEmpty() ? m_dir.path() : dataDir;
    QStandardPaths::setTestModeEnabled(true);
    qputenv("LEDGERINE_DATA_DIR", dir.toUtf8());
    m_state = std::make_unique<AppState>();
    if (!m_state->initialize())
        qFatal("test application state could not be initialised in %s", qPrintable(dir));
}

TestAppState::~TestAppState()
{
    m_state.reset();
    qunsetenv("LEDGERINE_DATA_DIR");
}

Account TestAppState::addAccount(const QString& name, qint64 startingBalance)
{
    Account a = Records::account(name, startingBalance);
    a.sortOrder = m_sortOrder++;
    if (!m_state->accounts()->insert(a))
        qFatal("account could not be stored");
    return a;
}

Transaction TestAppState::addTransaction(const QString& accountId, const QDate& date,
    const QString& payee, qint64 amount, const QString& categoryId)
{
    Transaction t = Records::transaction(accountId, date, payee, amount);
    t.categoryId = categoryId;
    // Distinct creation times keep same-day rows in the order they were added.
    t.createdAt = Clock::nowUtc().addSecs(m_sequence++);
    t.updatedAt = t.createdAt;
    if (!m_state->transactions()->insert(t))
        qFatal("transaction could not be stored");
    return t;
}
