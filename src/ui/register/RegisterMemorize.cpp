#include "RegisterMemorize.h"

#include "RegisterScreen.h"
#include "app/AppState.h"
#include "services/RecurringService.h"
#include "ui/screens/RecurringFormDialog.h"

#include <QCoreApplication>

namespace RegisterMemorize {

RecurringTransaction seedFrom(const Transaction& t)
{
    RecurringTransaction r;
    r.accountId = t.accountId;
    r.payee = t.payee;
    r.memo = t.memo;
    r.amount = t.amount;
    r.categoryId = t.categoryId;
    r.transferDestAccountId = t.transferDestAccountId;
    r.frequency = Frequency::Monthly;
    r.startDate = t.date;
    r.nextDueDate = t.date;
    r.autoPost = false;
    r.isActive = true;
    r.version = 1;
    return r;
}

void run(RegisterScreen* screen, AppState* state, const Transaction& t)
{
    if (!t.date.isValid() || t.date.year() < 2000) {
        screen->showTransientMessage(
            RegisterScreen::tr("Cannot memorize: source transaction has an invalid date"), 5000);
        return;
    }
    RecurringFormDialog dialog(state, seedFrom(t), RecurringFormDialog::Mode::Memorize, screen);
    if (dialog.exec() != QDialog::Accepted)
        return;
    RecurringTransaction r = dialog.recurring();
    r.updatedAt = r.createdAt;
    if (state->recurringService()->addSchedule(r))
        screen->showTransientMessage(
            RegisterScreen::tr("Transaction memorized as recurring"), 3000);
    else
        screen->showTransientMessage(
            RegisterScreen::tr("The recurring transaction could not be saved"), 5000);
}

} // namespace RegisterMemorize
