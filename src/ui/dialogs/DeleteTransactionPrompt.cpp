#include "DeleteTransactionPrompt.h"

#include "app/AppState.h"
#include "data/AccountRepository.h"
#include "data/Money.h"
#include "data/Transaction.h"
#include "services/TransactionService.h"
#include "ui/widgets/MessageBoxes.h"
#include "ui/widgets/PlainText.h"

#include <QCoreApplication>

namespace DeleteTransactionPrompt {

QString question(const Transaction& t, Currency currency, bool transfer)
{
    const QString amount = Money::formatMoney(t.amount < 0 ? -t.amount : t.amount, currency);
    return !transfer
        ? QCoreApplication::translate("RegisterScreen", "Delete \"%1\" for %2?")
              .arg(t.payee, amount)
        : QCoreApplication::translate("RegisterScreen",
            "Delete transfer \"%1\" for %2?\n\nBoth sides of the transfer will be deleted.")
              .arg(t.payee, amount);
}

bool ask(QWidget* parent, const QString& question)
{
    return MessageBoxes::question(parent,
               QCoreApplication::translate("RegisterScreen", "Delete Transaction"),
               PlainText::forAutoText(question), QMessageBox::Yes | QMessageBox::No,
               QMessageBox::No)
        == QMessageBox::Yes;
}

bool askAndDelete(QWidget* parent, AppState* state, const Transaction& t)
{
    const auto account = state->accounts()->findById(t.accountId);
    return ask(parent,
               question(t, account ? account->currency : Currency::USD,
                   state->transactionService()->hasVisibleOtherLeg(t)))
        && state->transactionService()->remove(t);
}

} // namespace DeleteTransactionPrompt
