#include "DialogFrame.h"

#include <QDialog>
#include <QDialogButtonBox>
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

} // namespace DialogFrame
