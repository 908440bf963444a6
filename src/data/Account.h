#pragma once

#include "Currency.h"
#include "SyncFields.h"

#include <QString>
#include <optional>

enum class AccountType { Checking, Savings, CreditCard, Cash, Investment, Other };

QString accountTypeToText(AccountType type);
AccountType accountTypeFromText(const QString& text);

struct Account : SyncFields {
    QString id;
    QString name;
    AccountType type = AccountType::Checking;
    Currency currency = Currency::USD;
    QString institution;
    QString accountNumberLast4;
    qint64 startingBalance = 0;
    int sortOrder = 0;
    bool isShared = false;
    // Set when someone else shares this account with this user: the owner's
    // name or address, empty when the server did not say. Not a column.
    std::optional<QString> sharedBy;
};
