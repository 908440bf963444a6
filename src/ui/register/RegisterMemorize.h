#pragma once

#include "data/RecurringTransaction.h"
#include "data/Transaction.h"

class AppState;
class RegisterScreen;

// Turning a register transaction into a schedule (Ctrl+M).
namespace RegisterMemorize {

// A monthly schedule that repeats `t`, starting on its date.
RecurringTransaction seedFrom(const Transaction& t);
// Offers the schedule in the recurring form and stores it when accepted; the
// outcome shows in the register's footer.
void run(RegisterScreen* screen, AppState* state, const Transaction& t);

} // namespace RegisterMemorize
