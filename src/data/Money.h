#pragma once

#include "Currency.h"

#include <QString>
#include <optional>

// Money is a signed count of the currency's minor unit (cents; whole yen for JPY).
namespace Money {

QString currencySymbol(Currency currency);

// "1,234.56" / "-1,234.56"; JPY without decimals.
QString formatAmount(qint64 amount, Currency currency = Currency::USD);

// formatAmount with the symbol in front: "$1,234.56", "-$1,234.56".
QString formatMoney(qint64 amount, Currency currency = Currency::USD);

// Reads typed text as an amount: symbols and commas removed, one leading "-"
// negates. Empty text is 0; text that is not a number gives no value.
std::optional<qint64> tryParseAmount(const QString& text, Currency currency = Currency::USD);

// As tryParseAmount, with text that is not a number read as 0.
qint64 parseAmount(const QString& text, Currency currency = Currency::USD);

// Converts a spin-box value to cents, half a cent going away from zero.
qint64 centsFromValue(double value);

} // namespace Money
