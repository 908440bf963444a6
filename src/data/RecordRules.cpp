#include "RecordRules.h"

#include "RecurringTransaction.h"

#include <QCoreApplication>

namespace RecordRules {

QDate earliestDate()
{
    return { 1900, 1, 1 };
}

QDate latestDate()
{
    return { 2100, 12, 31 };
}

bool isDateInRange(const QDate& date)
{
    return date.isValid() && date >= earliestDate() && date <= latestDate();
}

qsizetype characters(QStringView text)
{
    qsizetype count = text.size();
    for (const QChar c : text) {
        if (c.isLowSurrogate())
            --count;
    }
    return count;
}

QString dateProblem(const QDate& date)
{
    if (!date.isValid())
        return QCoreApplication::translate("RecordRules", "The date is not a valid date.");
    if (!isDateInRange(date))
        return QCoreApplication::translate(
            "RecordRules", "The date %1 is not between the years 1900 and 2100.")
            .arg(date.toString(Qt::ISODate));
    return {};
}

QString payeeProblem(const QString& payee)
{
    if (characters(payee) > kMaxNameLength)
        return QCoreApplication::translate("RecordRules", "The payee is longer than %1 characters.")
            .arg(kMaxNameLength);
    return {};
}

QString memoProblem(const QString& memo)
{
    if (characters(memo) > kMaxMemoLength)
        return QCoreApplication::translate("RecordRules", "The memo is longer than %1 characters.")
            .arg(kMaxMemoLength);
    return {};
}

QString categoryNameProblem(const QString& name)
{
    if (characters(name) > kMaxNameLength)
        return QCoreApplication::translate(
            "RecordRules", "The category name is longer than %1 characters.")
            .arg(kMaxNameLength);
    return {};
}

QString transactionProblem(const Transaction& t)
{
    for (const QString& problem :
        { dateProblem(t.date), payeeProblem(t.payee), memoProblem(t.memo) }) {
        if (!problem.isEmpty())
            return problem;
    }
    return checkNumberProblem(t.checkNumber);
}

QString checkNumberProblem(const QString& checkNumber)
{
    if (characters(checkNumber) > kMaxCheckNumberLength)
        return QCoreApplication::translate(
            "RecordRules", "The check number is longer than %1 characters.")
            .arg(kMaxCheckNumberLength);
    return {};
}

QString splitLineCountProblem(qsizetype lines)
{
    if (lines > kMaxSplitLines)
        return QCoreApplication::translate(
            "RecordRules", "The split has %1 lines; a transaction has at most %2.")
            .arg(lines)
            .arg(kMaxSplitLines);
    return {};
}

QString splitLinesProblem(const QList<SplitLine>& lines)
{
    if (QString problem = splitLineCountProblem(lines.size()); !problem.isEmpty())
        return problem;
    for (const SplitLine& line : lines) {
        if (QString problem = memoProblem(line.memo); !problem.isEmpty())
            return problem;
    }
    return {};
}

QString scheduleProblem(const RecurringTransaction& s)
{
    QList<QDate> dates { s.startDate, s.nextDueDate };
    if (s.endDate)
        dates << *s.endDate;
    for (const QDate& date : dates) {
        if (QString problem = dateProblem(date); !problem.isEmpty())
            return problem;
    }
    if (QString problem = payeeProblem(s.payee); !problem.isEmpty())
        return problem;
    return memoProblem(s.memo);
}

} // namespace RecordRules
