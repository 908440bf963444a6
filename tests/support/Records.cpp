#include "Records.h"

#include "data/Clock.h"
#include "data/Ids.h"

namespace Records {

Account account(const QString& name, qint64 startingBalance)
{
    Account a;
    a.id = Ids::newId();
    a.name = name;
    a.startingBalance = startingBalance;
    a.createdAt = a.updatedAt = Clock::nowUtc();
    return a;
}

Category category(const QString& name, const QString& parentId, CategoryType type)
{
    Category c;
    c.id = Ids::newId();
    c.name = name;
    c.parentId = parentId;
    c.type = type;
    c.createdAt = c.updatedAt = Clock::nowUtc();
    return c;
}

Transaction transaction(
    const QString& accountId, const QDate& date, const QString& payee, qint64 amount)
{
    Transaction t;
    t.id = Ids::newId();
    t.accountId = accountId;
    t.date = date;
    t.payee = payee;
    t.amount = amount;
    t.createdAt = t.updatedAt = Clock::nowUtc();
    return t;
}

SplitLine splitLine(const QString& categoryId, qint64 amount)
{
    SplitLine l;
    l.id = Ids::newId();
    l.categoryId = categoryId;
    l.amount = amount;
    l.createdAt = l.updatedAt = Clock::nowUtc();
    return l;
}

RecurringTransaction recurring(
    const QString& accountId, const QString& payee, const QDate& nextDueDate)
{
    RecurringTransaction r;
    r.id = Ids::newId();
    r.accountId = accountId;
    r.payee = payee;
    r.amount = -1000;
    r.startDate = nextDueDate;
    r.nextDueDate = nextDueDate;
    r.createdAt = r.updatedAt = Clock::nowUtc();
    return r;
}

} // namespace Records
