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

    // A category this computer never received: another person's, named by a
    // transaction of an account they share with us. Its row only keeps the id
    // (and the store's references) and is offered nowhere; a category of that
    // id arriving later takes its place.
    bool isStandIn() const { return name.isEmpty() && deletedAt.has_value(); }
    // The name to show; "Shared category" for a stand-in.
    QString shownName() const;
    static QString standInName();
};
