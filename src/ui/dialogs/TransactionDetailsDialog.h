#pragma once

#include "data/Currency.h"
#include "data/Transaction.h"

#include <QDialog>

class AppState;
class QFormLayout;
class QGridLayout;
class QLabel;
class QPushButton;
class QShowEvent;

// One transaction read-only, with its split lines, and the ways on from
// there: edit it (the caller opens the form), clear it, delete it.
class TransactionDetailsDialog : public QDialog {
    Q_OBJECT

public:
    TransactionDetailsDialog(
        AppState* state, const Transaction& transaction, QWidget* parent = nullptr);

    bool editRequested() const { return m_editRequested; }
    bool deleted() const { return m_deleted; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void onEdit();
    void onToggleCleared();
    void onDelete();

    QLabel* value(const QString& text, const char* name);
    QLayout* buildSplitSection();
    QLabel* secondaryLabel(const QString& text);
    void refreshStatus();

    AppState* m_state;
    Transaction m_transaction;
    Currency m_currency = Currency::USD;
    bool m_editRequested = false;
    bool m_deleted = false;
    bool m_sized = false;
    QLabel* m_status = nullptr;
    QPushButton* m_clearedButton = nullptr;
};
