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

} // namespace TransactionFormFlow
