#pragma once

#include <QWidget>

class AppState;
class QLabel;
class QTableWidget;

// The past reconciliations of one account, latest statement first; read only.
class ReconciliationHistoryScreen : public QWidget {
    Q_OBJECT

public:
    explicit ReconciliationHistoryScreen(AppState* state, QWidget* parent = nullptr);

    void setAccount(const QString& accountId);
    void refresh();

    QTableWidget* table() const { return m_table; }

private:
    AppState* m_state;
    QString m_accountId;
    QLabel* m_title = nullptr;
    QTableWidget* m_table = nullptr;
    QLabel* m_empty = nullptr;
};
