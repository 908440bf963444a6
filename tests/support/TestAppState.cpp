#include "TestAppState.h"

#include "Records.h"
#include "TestDatabase.h"
#include "data/AccountRepository.h"
#include "data/Clock.h"
#include "data/Database.h"
#include "data/TransactionRepository.h"

#include <QSqlQuery>
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

Account TestAppState::addAccount(const QString& name, qint64 startingBalance, Currency currency)
{
    Account a = Records::account(name, startingBalance);
    a.currency = currency;
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

QStringList TestAppState::column(const QString& sql) const
{
    return queryColumn(m_state->database()->database(), sql);
}

bool TestAppState::exec(const QString& sql) const
{
    return QSqlQuery(m_state->database()->database()).exec(sql);
}

bool TestAppState::searchIndexIsSound() const
{
    return exec("INSERT INTO transactions_fts(transactions_fts) VALUES('integrity-check')");
}
