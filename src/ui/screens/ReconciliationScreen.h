#pragma once

#include "data/Currency.h"
#include "ui/dialogs/TransactionFormFlow.h"

#include <QDate>
#include <QWidget>

class AppState;
class DateField;
class QLabel;
class QPushButton;
class QTableView;
class ReconciliationModel;
class SmartAmountField;
struct Transaction;

// Reconciles one account against a bank statement: the statement's date and
// closing balance on the left with the running summary, the unreconciled
// transactions to tick on the right. Nothing is stored before Finish, except
// the transactions added, changed or deleted from here.
class ReconciliationScreen : public QWidget {
    Q_OBJECT

public:
    explicit ReconciliationScreen(AppState* state, QWidget* parent = nullptr);

    void setAccount(const QString& accountId);
    QString accountId() const { return m_accountId; }
    // Fills in a statement the program already has, such as an imported one.
    void setStatement(const QDate& date, qint64 balance);
    // Rebuilds the list, keeping the ticks of the rows still listed.
    void loadTransactions();

    ReconciliationModel* model() const { return m_model; }
    QTableView* table() const { return m_table; }

Q_SIGNALS:
    void reconciliationCompleted();
    void cancelled();
    // A transaction was added, changed or deleted from the screen.
    void transactionsChanged();

public Q_SLOTS:
    void onTransactionToggled(int row);
    void updateDifference();
    void finish();
    void addTransaction();
    void editSelectedTransaction();
    void deleteSelectedTransaction();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildSummaryPanel();
    QWidget* buildListPanel();
    void addShortcuts();
    // The stored transaction of the current row, if there is one.
    const Transaction* currentTransaction() const;
    qint64 statementBalance() const;
    void reportFailure(const QString& text);
    void reportOutcome(TransactionFormFlow::Outcome outcome);

    AppState* m_state;
    QString m_accountId;
    Currency m_currency = Currency::USD;
    qint64 m_previousBalance = 0;
    // One id for whatever this screen stores, so a second Finish cannot store
    // a second reconciliation.
    QString m_reconciliationId;
    bool m_finishing = false;
    bool m_finished = false;

    DateField* m_statementDate = nullptr;
    SmartAmountField* m_statementBalance = nullptr;
    QLabel* m_previousValue = nullptr;
    QLabel* m_depositsValue = nullptr;
    QLabel* m_withdrawalsValue = nullptr;
    QLabel* m_clearedValue = nullptr;
    QLabel* m_statementValue = nullptr;
    QLabel* m_differenceValue = nullptr;
    QPushButton* m_finish = nullptr;
    QPushButton* m_cancel = nullptr;
    QPushButton* m_add = nullptr;
    QPushButton* m_edit = nullptr;
    QPushButton* m_delete = nullptr;
    QTableView* m_table = nullptr;
    ReconciliationModel* m_model = nullptr;
};
