#pragma once

#include "data/Currency.h"
#include "data/SplitLine.h"
#include "data/Transaction.h"

#include <QDate>
#include <QDialog>
#include <QList>

class AppState;
class CategoryComboBox;
class DateField;
class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class SmartAmountField;

// Enters a new transaction or changes one, split lines included. Stores
// nothing itself: the caller saves the transaction and its lines.
class TransactionFormDialog : public QDialog {
    Q_OBJECT

public:
    // A new transaction in `accountId`.
    TransactionFormDialog(AppState* state, const QString& accountId, QWidget* parent = nullptr);
    // Changes to `transaction`; its sync, transfer and reconciled fields are kept.
    TransactionFormDialog(
        AppState* state, const Transaction& transaction, QWidget* parent = nullptr);

    Transaction transaction() const;
    // The split lines, with the transaction's sign and without a transaction id.
    QList<SplitLine> splitLines() const;

    // The date a new form starts on: the date of the last accepted form.
    static QDate lastUsedDate();
    static void setLastUsedDate(const QDate& date);

public Q_SLOTS:
    void onPayeeSelected(const QString& payee);
    void onOpenSplitEditor();
    void onClearSplit();
    void accept() override;

private:
    void buildForm();
    void fill(const Transaction& transaction);
    void refreshSplitState();
    Currency accountCurrency() const;
    // Makes a "[Transfer] <account>" payee a transfer to that account; false,
    // with the reason shown, when it cannot be one.
    bool resolveTransfer();
    // Split lines that do not add up to the amount are never accepted: a
    // shortfall may go on an "Uncategorized" line; false when it stays.
    bool balanceSplit();
    void refuse(const QString& reason);

    AppState* m_state;
    QString m_accountId;
    Currency m_currency = Currency::USD;
    Transaction m_transaction;
    bool m_editing = false;
    QList<SplitLine> m_splitLines;
    // Whether the lines were made for a payment; they follow a later change of type.
    bool m_linesForPayment = false;

    QRadioButton* m_payment = nullptr;
    QRadioButton* m_deposit = nullptr;
    DateField* m_date = nullptr;
    QLineEdit* m_payee = nullptr;
    SmartAmountField* m_amount = nullptr;
    CategoryComboBox* m_category = nullptr;
    QPushButton* m_split = nullptr;
    QPushButton* m_clearSplit = nullptr;
    QLineEdit* m_memo = nullptr;
    QLineEdit* m_checkNumber = nullptr;
    QCheckBox* m_cleared = nullptr;
};
