#include "TransactionFormFlow.h"

#include "TransactionFormDialog.h"
#include "app/AppState.h"
#include "services/TransactionService.h"

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
    TransactionFormDialog dialog(state, transaction, parent);
    return run(dialog, state, false);
}

QString failureText()
{
    // The register's text, where users meet it first.
    return QCoreApplication::translate("RegisterScreen", "The transaction could not be saved");
}

} // namespace TransactionFormFlow
