#pragma once

#include <QString>
#include <QStringList>

class Database;
struct Transaction;

// A realistic household ledger at scale: ten accounts, the default categories,
// transactions with varied payees and memos, some check numbers, some split.
namespace SyntheticLedger {

struct Summary {
    QStringList accountIds; // the first holds a tenth of the transactions
    QStringList categoryIds; // live categories, defaults first
    int transactions = 0;
    int splitLines = 0;
};

// Opens and migrates `path`, adds accounts and the default categories.
Summary prepare(Database& db, const QString& path);
// Appends `count` transactions spread evenly over the accounts (or all to the
// first one) in one transaction.
void addTransactions(Database& db, Summary& summary, int count, bool firstAccountOnly = false);

// The i-th of a plain run of transactions over the ledger's accounts.
Transaction sample(const Summary& summary, int i);
// `count` samples in one database transaction through one prepared statement
// of the C API, as the repository would write them: the floor for inserts.
// `indexAfterwards`: without the per-row full-text trigger, the rows indexed
// by one statement at the end.
void insertRaw(Database& db, const Summary& summary, int count, bool indexAfterwards);

// Words the generator uses, for the searches.
QString commonPayeeWord();
QString rarePayeeWord();

} // namespace SyntheticLedger
