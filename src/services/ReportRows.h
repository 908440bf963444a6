#pragma once

#include "data/Currency.h"

#include <QDate>
#include <QList>
#include <QString>
#include <optional>

// Both dates inclusive; a start after the end selects nothing.
struct ReportPeriod {
    QDate start;
    QDate end;
};

// Which accounts a report reads: one account, every account in one currency,
// or (both empty) all of them. Amounts of different currencies are never summed,
// so "all" is only meant for a ledger kept in one currency.
struct ReportScope {
    QString accountId;
    std::optional<Currency> currency;
};

struct CategoryTotal {
    QString category;
    qint64 total = 0;
};

// Income vs expenses (incoming = income) and cash flow (incoming = inflows).
struct MonthTotals {
    QString month; // "yyyy-MM"
    qint64 incoming = 0;
    qint64 outgoing = 0;
    qint64 net = 0;
};

struct PayeeTotal {
    QString payee;
    qint64 total = 0;
    int count = 0;
};

struct TaxLine {
    QString category;
    QString taxCategory;
    qint64 total = 0;
};

struct AccountLine {
    QString name;
    QString type; // as stored: "checking", "credit_card", ...
    Currency currency = Currency::USD;
    qint64 cleared = 0;
    qint64 uncleared = 0;
    qint64 balance = 0;
};

struct ListedTransaction {
    QDate date;
    QString account;
    QString payee;
    QString category; // empty when uncategorised or split
    QString memo;
    qint64 amount = 0;
    bool split = false;
};

// How long the whole transaction list is, and what it adds up to.
struct ListedSize {
    int count = 0;
    qint64 total = 0;
};

struct CategoryChange {
    QString category;
    qint64 first = 0;
    qint64 second = 0;
    qint64 change = 0;
};
