#pragma once

#include "SyncStatus.h"

#include <QDateTime>
#include <QString>
#include <optional>

enum class CategoryType { Income, Expense, Transfer };

QString categoryTypeToText(CategoryType type);
CategoryType categoryTypeFromText(const QString& text);

struct Category {
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
    int version = 1;
    SyncStatus syncStatus = SyncStatus::Pending;
    QString serverId;
    QDateTime createdAt;
    QDateTime updatedAt;
    std::optional<QDateTime> deletedAt;
};
