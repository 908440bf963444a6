#include "DialogFrame.h"

#include <QButtonGroup>
#include <QCompleter>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QStringListModel>
#include <QVBoxLayout>

namespace DialogFrame {

QDialogButtonBox* okCancel(QDialog* dialog)
{
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

void frameForm(QDialog* dialog, QLayout* form, int minimumWidth)
{
    auto* layout = new QVBoxLayout(dialog);
    layout->addLayout(form);
    layout->addWidget(okCancel(dialog));
    dialog->setMinimumWidth(minimumWidth);
}

AmountType amountType(QWidget* owner, const QString& paymentText, const QString& depositText)
{
    AmountType type { new QRadioButton(paymentText), new QRadioButton(depositText),
        new QHBoxLayout };
    type.payment->setObjectName(QStringLiteral("paymentRadio"));
    type.deposit->setObjectName(QStringLiteral("depositRadio"));
    type.payment->setChecked(true);
    auto* group = new QButtonGroup(owner);
    group->addButton(type.payment);
    group->addButton(type.deposit);
    type.row->addWidget(type.payment);
    type.row->addWidget(type.deposit);
    type.row->addStretch();
    return type;
}

QCompleter* completePayees(QLineEdit* edit, const QStringList& payees)
{
    auto* completer = new QCompleter(new QStringListModel(payees, edit), edit);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setFilterMode(Qt::MatchContains);
    completer->setCompletionMode(QCompleter::PopupCompletion);
    completer->setMaxVisibleItems(10);
    edit->setCompleter(completer);
    return completer;
}

} // namespace DialogFrame
