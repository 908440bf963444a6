#include "Category.h"

#include <QCoreApplication>

QString categoryTypeToText(CategoryType type)
{
    switch (type) {
    case CategoryType::Income: return QStringLiteral("income");
    case CategoryType::Expense: return QStringLiteral("expense");
    case CategoryType::Transfer: return QStringLiteral("transfer");
    }
    return QStringLiteral("expense");
}

CategoryType categoryTypeFromText(const QString& text)
{
    if (text == QLatin1String("income"))
        return CategoryType::Income;
    if (text == QLatin1String("transfer"))
        return CategoryType::Transfer;
    return CategoryType::Expense;
}

QString Category::shownName() const
{
    return isStandIn() ? standInName() : name;
}

QString Category::standInName()
{
    return QCoreApplication::translate("Category", "Shared category");
}
