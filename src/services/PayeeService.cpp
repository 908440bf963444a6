#include "PayeeService.h"

#include "data/RecordRules.h"
#include "data/SingleLine.h"
#include "data/TransactionRepository.h"
#include "data/TransactionScope.h"

#include <QHash>
#include <QLoggingCategory>

namespace {
Q_LOGGING_CATEGORY(lcPayees, "ledgerine.payees")
}

PayeeService::PayeeService(Database* db, TransactionRepository* transactions, QObject* parent)
    : QObject(parent)
    , m_db(db)
    , m_transactions(transactions)
{
}

std::optional<int> PayeeService::rename(const QStringList& payees, const QString& newName)
{
    const QString name = SingleLine::clean(newName);
    if (name.isEmpty())
        return 0;
    if (!RecordRules::payeeProblem(name).isEmpty())
        return std::nullopt;
    QStringList from;
    for (const QString& payee : payees) {
        if (payee != name && !from.contains(payee))
            from << payee;
    }
    if (from.isEmpty())
        return 0;
    TransactionScope scope(m_db);
    const std::optional<int> changed = m_transactions->renamePayees(from, name);
    if (!changed || !scope.commit())
        return std::nullopt;
    qCInfo(lcPayees).noquote() << "Renamed" << from.size() << "payee(s) to" << name << "in"
                               << *changed << "transaction(s)";
    return changed;
}

QHash<QString, QStringList> PayeeService::lookalikes(const QStringList& payees)
{
    QHash<QString, QStringList> byKey;
    for (const QString& payee : payees)
        byKey[payee.trimmed().toCaseFolded()] << payee;
    QHash<QString, QStringList> alike;
    for (const QStringList& group : std::as_const(byKey)) {
        if (group.size() < 2)
            continue;
        for (const QString& payee : group) {
            QStringList others = group;
            others.removeAll(payee);
            alike.insert(payee, others);
        }
    }
    return alike;
}
