#pragma once

#include "data/Account.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// Which columns of a comma-separated file hold what (zero-based; -1 none).
struct CsvMapping {
    int dateColumn = 0;
    int payeeColumn = 1;
    int amountColumn = 2;
    int memoColumn = -1;
    int categoryColumn = -1;
    bool hasHeaderRow = false;
    QString dateFormat; // a Qt date pattern; empty for automatic
    QChar delimiter; // none: detected from the first lines
    bool decimalComma = false; // "1.234,56"; otherwise the separators are recognised
    // Paid-out and paid-in columns instead of one signed amount; either cell
    // may be empty, and values may be written positive.
    int debitColumn = -1;
    int creditColumn = -1;
    // A column saying which way a positive amount goes ("Af"/"Bij").
    int directionColumn = -1;
    QString outValue;
    QString inValue;
    bool invert = false; // card statements listing purchases as positive
    int skipLines = 0; // lines before the table that are no rows at all
};

// One row of a comma-separated file as the import would store it.
struct CsvPreviewRow {
    enum class Status { Ok, Duplicate, Invalid };
    int line = 0; // the row's number in the file, from 1
    QDate date;
    QString payee;
    std::optional<qint64> amount;
    Status status = Status::Ok;
    QString reason; // why an invalid row is
};

// The bank's closing balance of one imported statement, to set beside the
// register's balance on that date.
struct StatementBalance {
    QString accountId;
    qint64 balance = 0;
    QDate date;
};

struct ImportResult {
    int imported = 0;
    int duplicates = 0;
    int invalid = 0; // rows or records without a usable date or amount
    int unsupported = 0; // QIF records of sections that are not imported
    int withoutAccount = 0; // records whose account has no target
    int transfersLinked = 0;
    int retroactiveLinks = 0; // of those, linked to a transaction stored earlier
    int insertFailures = 0;
    // QIF splits whose lines did not add up to the amount, stored with an
    // "Uncategorized" line for the difference.
    int adjusted = 0;
    // The run was abandoned and rolled back: nothing of it was stored.
    bool aborted = false;
    bool cancelled = false; // abandoned because the user asked
    QString abortReason; // for the log
    // Why an abandoned run stored nothing, as the user is told: "Nothing was
    // imported: the disk is full."
    QString failure;
    // Files that could not be read, one sentence each naming the file.
    QStringList fileErrors;
    // Rows counted invalid for a reason worth telling ("Row 12: the memo is
    // longer than 10000 characters."), the first few of them; and what kept a
    // whole file from fitting the mapping.
    QStringList problems;
    QList<StatementBalance> balances;

    ImportResult& operator+=(const ImportResult& other);
};

// One source account found in QIF files, for the mapping step.
struct QifAccountEntry {
    QString key; // the QIF account name, or the file path of a file without account blocks
    QString displayName;
    bool withoutHeader = false;
    AccountType suggestedType = AccountType::Checking;
    // For a statement of an OFX file: the name and currency of an account made
    // for it, and the account its bank account went to before.
    QString newAccountName;
    Currency currency = Currency::USD;
    QString preferredAccountId;
};

struct QifScan {
    QList<QifAccountEntry> accounts;
    int transactions = 0;
    QStringList fileErrors;
};

// The statements of an OFX file, each as an account to map: the key is the
// bank's account number.
struct OfxScan {
    QList<QifAccountEntry> statements;
    QString error; // a sentence naming the file; then there are no statements
};
