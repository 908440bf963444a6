#include "Account.h"

QString accountTypeToText(AccountType type)
{
    switch (type) {
    case AccountType::Checking: return QStringLiteral("checking");
    case AccountType::Savings: return QStringLiteral("savings");
    case AccountType::CreditCard: return QStringLiteral("credit_card");
    case AccountType::Cash: return QStringLiteral("cash");
    case AccountType::Investment: return QStringLiteral("investment");
    case AccountType::Other: return QStringLiteral("other");
    }
    return QStringLiteral("other");
}

AccountType accountTypeFromText(const QString& text)
{
    for (AccountType t : { AccountType::Checking, AccountType::Savings, AccountType::CreditCard,
             AccountType::Cash, AccountType::Investment }) {
        if (accountTypeToText(t) == text)
            return t;
    }
    return AccountType::Other;
}
