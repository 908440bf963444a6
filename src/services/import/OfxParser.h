#pragma once

#include "data/Currency.h"

#include <QDate>
#include <QList>
#include <QString>
#include <optional>

struct OfxTransaction {
    QDate date; // invalid when DTPOSTED is missing or unreadable
    QString amount; // TRNAMT as written
    QString payee;
    QString memo;
    QString checkNumber;
    QString fitId;
};

// One bank (STMTRS) or credit-card (CCSTMTRS) statement.
struct OfxStatement {
    QString accountId; // the bank's account number
    QString accountType; // ACCTTYPE of a bank account: CHECKING, SAVINGS...
    bool creditCard = false;
    QString currency; // CURDEF as written
    QList<OfxTransaction> transactions;
    QString ledgerBalance; // BALAMT of LEDGERBAL as written; empty without one
    QDate ledgerDate;
};

struct OfxFile {
    QList<OfxStatement> statements;
    // Why the file cannot be read (cut off, not well formed); then there are
    // no statements.
    QString error;
};

// Reads bank and credit-card statements of OFX 1.x (SGML, closing tags of
// elements optional) and OFX 2.x (XML) from decoded text.
namespace OfxParser {

// Whether the text is an OFX file, whatever the file is called.
bool looksLikeOfx(const QString& text);
OfxFile parse(const QString& text);
// "20240305", "20240305120000.000[-3:GMT]": the day as written, whatever
// time and zone follow.
QDate date(const QString& text);
// "-12.50", "-12,50", "+3", ".5": a point or a comma before the decimals and
// no grouping. No value for other text or an amount beyond the store's limit.
std::optional<qint64> amount(const QString& text, Currency currency);

} // namespace OfxParser
