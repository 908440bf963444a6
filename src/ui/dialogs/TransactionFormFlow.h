#pragma once

#include <QString>

class AppState;
class QWidget;
struct Transaction;

// The transaction form run modally and what it returns saved through the
// transaction service with its split lines and transfer leg: the one way the
// register and the other screens add or change a transaction in a dialog.
namespace TransactionFormFlow {

enum class Outcome { Cancelled, Saved, Failed };

Outcome addNew(QWidget* parent, AppState* state, const QString& accountId);
Outcome edit(QWidget* parent, AppState* state, const Transaction& transaction);
// "The transaction could not be saved".
QString failureText();
// Before a reconciled transaction changes, the user confirms it: true when
// it is not reconciled or the answer was Yes.
bool confirmReconciledChange(QWidget* parent, const Transaction& transaction);

} // namespace TransactionFormFlow
