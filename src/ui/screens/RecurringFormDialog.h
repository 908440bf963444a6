#pragma once

#include "data/Currency.h"
#include "data/RecurringTransaction.h"

#include <QDialog>

class AppState;
class CategoryComboBox;
class FormDateEdit;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;
class SmartAmountField;

// Edits one schedule: a new one, a stored one, or one prepared from a
// register transaction ("memorize"). Stores nothing itself.
class RecurringFormDialog : public QDialog {
    Q_OBJECT

public:
    enum class Mode { New, Edit, Memorize };

    explicit RecurringFormDialog(AppState* state, QWidget* parent = nullptr);
    // Edit mode on a stored schedule, or memorize mode on a prepared one.
    RecurringFormDialog(AppState* state, const RecurringTransaction& schedule, Mode mode,
        QWidget* parent = nullptr);

    // The schedule as the form now describes it; new and memorized ones get an id of their own.
    RecurringTransaction recurring() const;

public Q_SLOTS:
    void accept() override;

private:
    void buildForm();
    void fill(const RecurringTransaction& schedule);
    Currency selectedCurrency() const;

    AppState* m_state;
    RecurringTransaction m_original;
    bool m_editMode = false;
    bool m_fromSeed = false;

    QComboBox* m_account = nullptr;
    QRadioButton* m_payment = nullptr;
    QRadioButton* m_deposit = nullptr;
    QLineEdit* m_payee = nullptr;
    SmartAmountField* m_amount = nullptr;
    CategoryComboBox* m_category = nullptr;
    QLineEdit* m_memo = nullptr;
    QComboBox* m_frequency = nullptr;
    FormDateEdit* m_startDate = nullptr;
    QCheckBox* m_hasEndDate = nullptr;
    FormDateEdit* m_endDate = nullptr;
    QCheckBox* m_autoPost = nullptr;
    QCheckBox* m_active = nullptr;
};
