#pragma once

#include "SyncFields.h"

#include <QDate>
#include <QString>
#include <optional>

struct Transaction : SyncFields {
    QString id;
    QString accountId;
    QDate date;
    QString payee;
    QString memo;
    qint64 amount = 0; // cents; negative = payment
    QString categoryId;
    QString checkNumber;
    bool cleared = false;
    bool reconciled = false;
    QString transferLinkId;
    QString transferDestAccountId;
    bool isSplit = false;
    QString recurringId;
};

// One line of the register or of a search result.
struct TransactionRow : Transaction {
    qint64 runningBalance = 0;
    QString categoryName; // display name; empty when uncategorised
};

// Registers of a hundred thousand rows grow by reallocation instead of moving
// every row one by one; every member is relocatable.
Q_DECLARE_TYPEINFO(Transaction, Q_RELOCATABLE_TYPE);
Q_DECLARE_TYPEINFO(TransactionRow, Q_RELOCATABLE_TYPE);

struct SearchFilter {
    QString accountId; // empty = any
    QString categoryId; // empty = any
    QDate from; // invalid = open
    QDate to; // invalid = open
    std::optional<bool> cleared;
};
