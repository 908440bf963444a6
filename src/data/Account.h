#pragma once

#include "Currency.h"
#include "SyncStatus.h"

#include <QDateTime>
#include <QString>
#include <optional>

enum class AccountType { Checking, Savings, CreditCard, Cash, Investment, Other };

QString accountTypeToText(AccountType type);
AccountType accountTypeFromText(const QString& text);

struct Account {
    QString id;
    QString name;
    AccountType type = AccountType::Checking;
    Currency currency = Currency::USD;
    QString institution;
    QString accountNumberLast4;
    qint64 startingBalance = 0;
    int sortOrder = 0;
    bool isShared = false;
    int version = 1;
    SyncStatus syncStatus = SyncStatus::Pending;
    QString serverId;
    QDateTime createdAt;
    QDateTime updatedAt;
    std::optional<QDateTime> deletedAt;
};
