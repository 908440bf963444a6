#include "TransactionDeletion.h"

#include "app/AppState.h"
#include "data/AccountRepository.h"
#include "data/Money.h"
#include "data/Transaction.h"
#include "services/TransactionService.h"
#include "ui/widgets/MessageBoxes.h"
#include "ui/widgets/PlainText.h"

#include <QCoreApplication>

namespace TransactionDeletion {

bool confirm(QWidget* parent, const Transaction& t, Currency currency)
{
    const auto tr
        = [](const char* text) { return QCoreApplication::translate("RegisterScreen", text); };
    const QString amount = Money::formatMoney(t.amount < 0 ? -t.amount : t.amount, currency);
    const QString text = t.transferLinkId.isEmpty()
        ? tr("Delete \"%1\" for %2?").arg(t.payee, amount)
        : tr("Delete transfer \"%1\" for %2?\n\nBoth sides of the transfer will be deleted.")
              .arg(t.payee, amount);
    return MessageBoxes::question(parent, tr("Delete Transaction"), PlainText::forAutoText(text))
        == QMessageBox::Yes;
}

bool confirmAndDelete(QWidget* parent, AppState* state, const Transaction& t)
{
    const auto account = state->accounts()->findById(t.accountId);
    return confirm(parent, t, account ? account->currency : Currency::USD)
        && state->transactionService()->remove(t);
}

} // namespace TransactionDeletion
