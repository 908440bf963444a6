#pragma once

#include <QStringList>

class QCompleter;
class QDialog;
class QDialogButtonBox;
class QHBoxLayout;
class QLayout;
class QLineEdit;
class QRadioButton;
class QWidget;

// The frame the form dialogs share: their content above an OK/Cancel row.
namespace DialogFrame {

// OK accepts and Cancel rejects `dialog` (through its own accept() when it
// overrides it).
QDialogButtonBox* okCancel(QDialog* dialog);
// Makes `form` and an OK/Cancel row the whole of `dialog`.
void frameForm(QDialog* dialog, QLayout* form, int minimumWidth);

// The two radio buttons that give an amount its sign, payment first and
// checked, side by side in `row`.
struct AmountType {
    QRadioButton* payment;
    QRadioButton* deposit;
    QHBoxLayout* row;
};
AmountType amountType(QWidget* owner, const QString& paymentText, const QString& depositText);

// Offers `payees` under `edit` as the user types: anywhere in the name,
// ignoring case, ten at a time.
QCompleter* completePayees(QLineEdit* edit, const QStringList& payees);

} // namespace DialogFrame
