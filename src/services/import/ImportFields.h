#pragma once

#include "data/Currency.h"

#include <QDate>
#include <QString>
#include <optional>

// Amounts and dates as bank exports and QIF files write them.
namespace ImportFields {

// An amount in `currency` minor units: any of "$€£¥¢" and white space are
// ignored, "(12.00)" is negative, one leading "+" or "-" is allowed, and the
// separators follow the register's rule ("12,50", "1.234,56", "1,234").
// No value for empty text, text that is not a number, or an amount beyond
// Money::kMaxAmount.
std::optional<qint64> amount(const QString& text, Currency currency);
// Whether the text is a number at all, whatever its size.
bool isAmount(const QString& text);

// Which of two numbers in front of the year is the month.
enum class DateOrder { Unknown, MonthFirst, DayFirst };

// A QIF date: "1/15/2005", "1/15'05", "15.01.05", "2005-01-15". Two-digit
// years below 70 are 20xx, others 19xx. Without a known order a first
// number above 12 is the day.
QDate qifDate(const QString& text, DateOrder order);
// DayFirst when the value can only be read day first, else Unknown.
DateOrder qifDateOrderHint(const QString& text);

// A date cell of a comma-separated file. With a `format` (Qt's date
// pattern) that is tried first. Then "yyyy-MM-dd", "yyyyMMdd" (also leading a
// timestamp such as "20091224120000[0:GMT]"), "yyyy/MM/dd",
// month and day with a four- or two-digit year ("/", "-" or "." between),
// "May 14, 2026" and "May 14 2026"; month and day are read in `order`, or
// without one month first when that is a valid date. Two-digit years follow
// the QIF rule.
QDate csvDate(const QString& text, const QString& format, DateOrder order);
// What one cell says about the order of month and day.
DateOrder csvDateOrderHint(const QString& text);

} // namespace ImportFields
