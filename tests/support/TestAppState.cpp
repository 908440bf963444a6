#include "TestAppState.h"

#include "Records.h"
#include "data/AccountRepository.h"
#include "data/Clock.h"
#include "data/TransactionRepository.h"

#include <QStandardPaths>

TestAppState::TestAppState(const QString& dataDir)
{
    QStandardPaths::setTestModeEnabled(true);
    m_path = dataDir.isEmpty() ? m_dir.path() : dataDir;
    if (!open())
        qFatal("test application state could not be initialised in %s", qPrintable(m_path));
}

void TestAppState::close()
{
    m_state.reset();
}

bool TestAppState::open()
{
    qputenv("LEDGERINE_DATA_DIR", m_path.toUtf8());
    m_state = std::make_unique<AppState>();
    return m_state->initialize();
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
