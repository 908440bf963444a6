#pragma once

#include "data/Account.h"
#include "data/Category.h"
#include "data/RecurringTransaction.h"
#include "data/SplitLine.h"
#include "data/Transaction.h"

#include <QStringList>
#include <QVariant>

// Records with fresh ids and the pinned clock's timestamps, for tests.
namespace Records {

Account account(const QString& name, qint64 startingBalance = 0);
Category category(const QString& name, const QString& parentId = QString(),
    CategoryType type = CategoryType::Expense);
Transaction transaction(
    const QString& accountId, const QDate& date, const QString& payee, qint64 amount);
// A line for TransactionService::save, which fills in the transaction.
SplitLine splitLine(const QString& categoryId, qint64 amount);
RecurringTransaction recurring(
    const QString& accountId, const QString& payee, const QDate& nextDueDate);

// The amounts of the transactions added up.
inline qint64 sum(const QList<Transaction>& transactions)
{
    qint64 total = 0;
    for (const Transaction& t : transactions)
        total += t.amount;
    return total;
}

// One text member of each record, in order: texts(rows, &Transaction::payee).
template <class List, class Member> QStringList texts(const List& records, Member member)
{
    QStringList out;
    for (const auto& record : records)
        out << record.*member;
    return out;
}

// A member as text; the run stops on a type with no text, so that no
// comparison of rows can pass on empty cells.
inline QString cell(const QVariant& value)
{
    if (!value.canConvert<QString>())
        qFatal("Records::rows: no text for a %s", value.typeName());
    return value.toString();
}

// Members of each record joined by spaces, so that one comparison checks a
// whole report: rows(totals, &CategoryTotal::category, &CategoryTotal::total).
template <class List, class... Members> QStringList rows(const List& records, Members... members)
{
    QStringList out;
    for (const auto& record : records) {
        QStringList cells;
        ((cells << cell(QVariant::fromValue(record.*members))), ...);
        out << cells.join(QLatin1Char(' '));
    }
    return out;
}

} // namespace Records
