#include "TransactionFormFlow.h"

#include "TransactionFormDialog.h"
#include "app/AppState.h"
#include "services/TransactionService.h"
#include "ui/widgets/MessageBoxes.h"

#include <QCoreApplication>

namespace TransactionFormFlow {

namespace {

Outcome run(TransactionFormDialog& dialog, AppState* state, bool isNew)
{
    if (dialog.exec() != QDialog::Accepted)
        return Outcome::Cancelled;
    return state->transactionService()->save(dialog.transaction(), dialog.splitLines(), isNew)
            == TransactionService::Result::Saved
        ? Outcome::Saved
        : Outcome::Failed;
}

} // namespace

Outcome addNew(QWidget* parent, AppState* state, const QString& accountId)
{
    TransactionFormDialog dialog(state, accountId, parent);
    return run(dialog, state, true);
}

Outcome edit(QWidget* parent, AppState* state, const Transaction& transaction)
{
    if (!confirmReconciledChange(parent, transaction))
        return Outcome::Cancelled;
    TransactionFormDialog dialog(state, transaction, parent);
    return run(dialog, state, false);
}

bool confirmReconciledChange(QWidget* parent, const Transaction& transaction)
{
    // A changed amount or date takes it out of its reconciliation (the
    // transaction service leaves it cleared), which the statement then lacks.
    return !transaction.reconciled
        || MessageBoxes::question(parent,
               QCoreApplication::translate("RegisterScreen", "Reconciled Transaction"),
               QCoreApplication::translate(
                   "RegisterScreen", "This transaction is reconciled. Change it anyway?"),
               QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        == QMessageBox::Yes;
}

QString failureText()
{
    // The register's text, where users meet it first.
    return QCoreApplication::translate("RegisterScreen", "The transaction could not be saved");
}

} // namespace TransactionFormFlow
