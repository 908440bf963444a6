#pragma once

#include "app/AppState.h"
#include "data/Account.h"
#include "data/Transaction.h"

#include <QTemporaryDir>
#include <memory>

// A fully initialised AppState over a fresh data directory, with helpers to
// put accounts and transactions in it.
class TestAppState {
public:
    // The data directory is a fresh temporary one unless `dataDir` names one.
    explicit TestAppState(const QString& dataDir = {});
    ~TestAppState();

    AppState* state() const { return m_state.get(); }
    QString dataDirectory() const { return m_path; }
    // Closes the state (its files can then be changed) and opens it again.
    void close();
    bool open();
    AppState* operator->() const { return m_state.get(); }

    Account addAccount(
        const QString& name, qint64 startingBalance = 0, Currency currency = Currency::USD);
    Transaction addTransaction(const QString& accountId, const QDate& date, const QString& payee,
        qint64 amount, const QString& categoryId = QString());

    // The first column of every row of a query on the ledger, as text.
    QStringList column(const QString& sql) const;
    bool exec(const QString& sql) const;
    // The full-text index agrees with the rows it indexes.
    bool searchIndexIsSound() const;

private:
    QTemporaryDir m_dir;
    QString m_path;
    std::unique_ptr<AppState> m_state;
    int m_sortOrder = 0;
    int m_sequence = 0;
};
