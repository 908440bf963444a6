#pragma once

#include "data/Account.h"

#include <QDate>
#include <QDialog>

class QComboBox;
class FormDateEdit;
class QFormLayout;
class QLineEdit;
class SmartAmountField;

// Asks for a new account or changes to an existing one and hands back the
// complete record; the caller stores it (and nothing when the name is empty).
class AccountFormDialog : public QDialog {
    Q_OBJECT

public:
    // A new account.
    explicit AccountFormDialog(QWidget* parent = nullptr);
    // Changes to `account`; its sync fields, order and creation time are kept.
    explicit AccountFormDialog(const Account& account, QWidget* parent = nullptr);

    Account account() const;
    // Date of the opening balance of a new account.
    QDate asOfDate() const;
    // For an account whose amounts are already stored in its currency.
    void lockCurrency();

public Q_SLOTS:
    void accept() override;

private:
    void buildForm();
    void fill(const Account& account);
    Currency selectedCurrency() const;

    Account m_account;
    bool m_editing = false;
    QLineEdit* m_name = nullptr;
    QComboBox* m_type = nullptr;
    QComboBox* m_currency = nullptr;
    QFormLayout* m_form = nullptr;
    SmartAmountField* m_startingBalance = nullptr;
    FormDateEdit* m_asOf = nullptr;
    QLineEdit* m_institution = nullptr;
    QLineEdit* m_accountNumber = nullptr;
};
