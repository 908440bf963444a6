#pragma once

#include "SplitLine.h"
#include "Transaction.h"

#include <QDate>
#include <QList>
#include <QString>

struct RecurringTransaction;

// What every stored row keeps to, whichever way it comes (typing, import,
// restore, sync): texts short enough to draw, dates a household ledger can
// mean, and splits a window can show. Longer or stranger input is refused
// with a reason, never cut to fit. Each check returns the reason the user is
// told, empty when the record may be stored.
namespace RecordRules {

constexpr int kMaxNameLength = 200; // payees and category names
constexpr int kMaxMemoLength = 10'000;
constexpr int kMaxCheckNumberLength = 20;
constexpr int kMaxSplitLines = 250;

QDate earliestDate(); // 1 January 1900
QDate latestDate(); // 31 December 2100
bool isDateInRange(const QDate& date);
// Characters as users count them: a surrogate pair is one.
qsizetype characters(QStringView text);

QString dateProblem(const QDate& date);
QString payeeProblem(const QString& payee);
QString memoProblem(const QString& memo);
QString categoryNameProblem(const QString& name);
QString checkNumberProblem(const QString& checkNumber);
QString splitLineCountProblem(qsizetype lines);
// Date, payee, memo and check number.
QString transactionProblem(const Transaction& t);
// How many lines, and their memos.
QString splitLinesProblem(const QList<SplitLine>& lines);
// Payee, memo and the schedule's dates.
QString scheduleProblem(const RecurringTransaction& s);

} // namespace RecordRules
