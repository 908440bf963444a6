#pragma once

#include "SyncFields.h"

#include <QString>

enum class CategoryType { Income, Expense, Transfer };

QString categoryTypeToText(CategoryType type);
CategoryType categoryTypeFromText(const QString& text);

struct Category : SyncFields {
    QString id;
    QString name;
    CategoryType type = CategoryType::Expense;
    QString parentId; // empty = top level
    bool isTaxRelevant = false;
    QString taxCategory;
    QString icon;
    QString color;
    bool isDefault = false;
    QString accountId; // empty = every account
};
