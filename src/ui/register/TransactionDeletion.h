#pragma once

#include "data/Currency.h"

class AppState;
class QWidget;
struct Transaction;

// Deleting a transaction from the register or its details: the question
// ("Delete Transaction", naming both sides of a transfer) and then both legs.
namespace TransactionDeletion {

bool confirm(QWidget* parent, const Transaction& transaction, Currency currency);
// Asks, then deletes the other leg of a transfer first and the transaction
// itself, as one unit. True when it was deleted.
bool confirmAndDelete(QWidget* parent, AppState* state, const Transaction& transaction);

} // namespace TransactionDeletion
