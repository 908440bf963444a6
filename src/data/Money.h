#pragma once

#include "Currency.h"

#include <QString>
#include <optional>

// Money is a signed count of the currency's minor unit (cents; whole yen for JPY).
namespace Money {

// The largest magnitude any stored amount may have, so that even millions of
// transactions cannot overflow a 64-bit balance.
constexpr qint64 kMaxAmount = 9'999'999'999;

bool isWithinLimit(qint64 amount);
// "Amounts are limited to %1" with the limit in the currency.
QString limitMessage(Currency currency);

QString currencySymbol(Currency currency);
// Digits after the decimal point: 2, or 0 for JPY.
int decimals(Currency currency);

// "1,234.56" / "-1,234.56"; JPY without decimals.
QString formatAmount(qint64 amount, Currency currency = Currency::USD);

// formatAmount with the symbol in front: "$1,234.56", "-$1,234.56".
QString formatMoney(qint64 amount, Currency currency = Currency::USD);

// Reads typed text as an amount in the currency: its symbol and spaces are
// ignored, one leading "-" negates, and a decimal comma is understood ("12,50",
// "1.234,56") while a comma followed by exactly three digits groups thousands
// ("1,234"); so does a full stop in euros and yen ("2.000"), where it is how
// thousands are written. Empty text is 0; text that is not a number gives no
// value, and so do decimals in a currency without minor units, with
// noDecimalsMessage() in `refusal`. Values beyond kMaxAmount are returned as
// read: callers check the limit.
std::optional<qint64> tryParseAmount(
    const QString& text, Currency currency = Currency::USD, QString* refusal = nullptr);
// How many decimals the typed text has as read ("2.000" euros has none);
// -1 when it is no number.
int typedDecimals(const QString& text, Currency currency);
// "Yen amounts have no decimals".
QString noDecimalsMessage();

// As tryParseAmount, with text that is not a number read as 0.
qint64 parseAmount(const QString& text, Currency currency = Currency::USD);

// A spin-box value in whole units to minor units, half a unit going away from zero.
qint64 fromValue(double value, Currency currency = Currency::USD);
double toValue(qint64 amount, Currency currency = Currency::USD);
// The largest spin-box value, kMaxAmount in whole units.
double maxValue(Currency currency);

} // namespace Money
