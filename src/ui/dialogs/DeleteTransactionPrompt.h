#pragma once

#include "data/Currency.h"

#include <QString>

class AppState;
class QWidget;
struct Transaction;

// The question before a transaction is deleted ("Delete Transaction", No the
// default); the deletion itself, both legs of a transfer, is the transaction
// service's.
namespace DeleteTransactionPrompt {

// "Delete "<payee>" for <amount>?", or for a `transfer` (one whose other leg
// is here) that both sides go.
QString question(const Transaction& transaction, Currency currency, bool transfer);
bool ask(QWidget* parent, const QString& question);
// Asks the question above, then deletes. True when it was deleted.
bool askAndDelete(QWidget* parent, AppState* state, const Transaction& transaction);

} // namespace DeleteTransactionPrompt
