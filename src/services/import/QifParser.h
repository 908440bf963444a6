#pragma once

#include "ImportFields.h"

#include <QDate>
#include <QList>
#include <QString>

// One category line of a split QIF transaction.
struct QifSplit {
    QString category;
    QString transferAccount; // from "[Name]"
    QString memo;
    QString amount; // as written; ImportFields::amount reads it in the target currency
};

struct QifTransaction {
    QDate date;
    QString payee;
    QString amount; // as written
    QString memo;
    QString category;
    QString transferAccount;
    QString number;
    QString security;
    bool cleared = false;
    bool reconciled = false;
    QList<QifSplit> splits;
    QString account; // the "!Account" block in force, empty before any
    int line = 0; // where the record starts in its file, from 1
};

// The "!Type:" of the section an account's transactions came from.
enum class QifAccountKind { Bank, CreditCard, Investment, Cash, OtherAsset, OtherLiability };

struct QifAccount {
    QString name;
    QifAccountKind kind = QifAccountKind::Bank;
};

struct QifCategory {
    QString name;
    bool income = false;
};

struct QifFile {
    QList<QifTransaction> transactions;
    // Accounts that have transactions, each once (names compared without case).
    QList<QifAccount> accounts;
    QList<QifCategory> categories;
    // Transaction records without a date or an amount, or cut off by the end
    // of the file before their closing "^".
    int invalid = 0;
    int unsupported = 0; // records of sections that are not imported
    ImportFields::DateOrder dateOrder = ImportFields::DateOrder::MonthFirst;
};

// Reads the decoded text of one QIF file: transaction sections of any
// account type, the category list, account blocks; memorized transactions,
// classes, tags, securities, prices and options are counted, not read.
namespace QifParser {

QifFile parse(const QString& text);
// Day first when any date of the file can only be read that way.
ImportFields::DateOrder detectDateOrder(const QString& text);

} // namespace QifParser
