#include "ImportFields.h"

#include "data/Money.h"

#include <QLocale>
#include <QRegularExpression>
#include <QVarLengthArray>

namespace {

using ImportFields::DateOrder;

// Sign and magnitude text, or nothing when the text has no number shape.
std::optional<std::pair<bool, QString>> amountParts(const QString& text)
{
    QString t = text.trimmed();
    bool negative = false;
    if (t.size() >= 2 && t.startsWith(QLatin1Char('(')) && t.endsWith(QLatin1Char(')'))) {
        negative = true;
        t = t.mid(1, t.size() - 2);
    }
    QString digits;
    digits.reserve(t.size());
    for (const QChar c : std::as_const(t)) {
        if (!c.isSpace() && !QStringView(u"$€£¥¢").contains(c))
            digits += c;
    }
    if (digits.startsWith(QLatin1Char('+')))
        digits.remove(0, 1);
    else if (digits.startsWith(QLatin1Char('-'))) {
        negative = !negative;
        digits.remove(0, 1);
    }
    if (digits.isEmpty() || digits.startsWith(QLatin1Char('-'))
        || digits.startsWith(QLatin1Char('+')))
        return std::nullopt;
    return std::pair(negative, digits);
}

int fullYear(int year, qsizetype digits)
{
    if (digits <= 2 || year < 100)
        return year < 70 ? 2000 + year : 1900 + year;
    return year;
}

// Up to four runs of digits split by any of `separators`; none when anything else occurs.
QVarLengthArray<QStringView, 4> numberParts(QStringView text, QStringView separators)
{
    QVarLengthArray<QStringView, 4> parts;
    qsizetype start = -1;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        const bool end = i == text.size();
        const QChar c = end ? QChar() : text.at(i);
        if (!end && c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            if (start < 0)
                start = i;
            continue;
        }
        if (!end && !separators.contains(c))
            return {};
        if (start >= 0) {
            if (parts.size() == 4)
                return {};
            parts.append(text.mid(start, i - start));
            start = -1;
        }
    }
    return parts;
}

QDate dayMonth(int first, int second, int year, DateOrder order)
{
    if (order == DateOrder::DayFirst)
        return QDate(year, second, first);
    const QDate monthFirst(year, first, second);
    if (monthFirst.isValid() || order == DateOrder::MonthFirst)
        return monthFirst;
    return QDate(year, second, first);
}

// "May 14, 2026", "Sep. 3 2025": English month names, full or short.
QDate namedMonthDate(const QString& text)
{
    const QStringList words = text.simplified().remove(QLatin1Char(',')).split(QLatin1Char(' '));
    if (words.size() != 3)
        return {};
    QString month = words.at(0);
    if (month.endsWith(QLatin1Char('.')))
        month.chop(1);
    const QLocale c = QLocale::c();
    for (int m = 1; m <= 12; ++m) {
        if (month.compare(c.monthName(m, QLocale::LongFormat), Qt::CaseInsensitive) != 0
            && month.compare(c.monthName(m, QLocale::ShortFormat), Qt::CaseInsensitive) != 0)
            continue;
        bool dayOk = false;
        bool yearOk = false;
        const int day = words.at(1).toInt(&dayOk);
        const int year = words.at(2).toInt(&yearOk);
        if (!dayOk || !yearOk || words.at(2).size() != 4)
            return {};
        return QDate(year, m, day);
    }
    return {};
}

} // namespace

namespace ImportFields {

std::optional<qint64> amount(const QString& text, Currency currency)
{
    const auto parts = amountParts(text);
    if (!parts)
        return std::nullopt;
    const auto magnitude = Money::tryParseAmount(parts->second, currency);
    if (!magnitude || !Money::isWithinLimit(*magnitude))
        return std::nullopt;
    return parts->first ? -*magnitude : *magnitude;
}

bool isAmount(const QString& text)
{
    const auto parts = amountParts(text);
    return parts && Money::tryParseAmount(parts->second, Currency::USD).has_value();
}

QDate qifDate(const QString& text, DateOrder order)
{
    const auto parts = numberParts(text.trimmed(), u"/-.' ");
    if (parts.size() != 3)
        return {};
    const int a = parts[0].toInt();
    const int b = parts[1].toInt();
    const int c = parts[2].toInt();
    if (parts[0].size() == 4)
        return QDate(a, b, c);
    const bool dayFirst = order == DateOrder::DayFirst || (order == DateOrder::Unknown && a >= 13);
    int year = parts[2].size() == 4 || c > 31 ? c : c + 2000;
    if (year < 100)
        year = fullYear(year, 2);
    return dayFirst ? QDate(year, b, a) : QDate(year, a, b);
}

DateOrder qifDateOrderHint(const QString& text)
{
    const auto parts = numberParts(text.trimmed(), u"/-.' ");
    if (parts.size() < 3 || parts[0].size() == 4)
        return DateOrder::Unknown;
    return parts[0].toInt() > 12 ? DateOrder::DayFirst : DateOrder::Unknown;
}

QDate csvDate(const QString& text, const QString& format, DateOrder order)
{
    const QString trimmed = text.trimmed();
    if (!format.isEmpty()) {
        QDate date = QDate::fromString(trimmed, format);
        // Qt reads a two-digit year as 19xx; bank exports of this century mean 20xx.
        if (date.isValid() && !format.contains(QLatin1String("yyyy")) && date.year() < 1970)
            date = date.addYears(100);
        if (date.isValid())
            return date;
    }
    // yyyyMMdd, also as the start of a timestamp: "20091224120000[0:GMT]",
    // "20091224120000.000[-5:EST]".
    static const QRegularExpression compact(QStringLiteral(
        "^(\\d{4})(\\d{2})(\\d{2})(?:\\d{4}(?:\\d{2}(?:\\.\\d{1,6})?)?)?(?:\\[[^\\]]*\\])?$"));
    if (const QRegularExpressionMatch match = compact.match(trimmed); match.hasMatch())
        return QDate(
            match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt());
    const auto parts = numberParts(trimmed, u"/-.");
    if (parts.size() == 1 && parts[0].size() == 8) {
        return QDate(
            parts[0].left(4).toInt(), parts[0].mid(4, 2).toInt(), parts[0].mid(6, 2).toInt());
    }
    if (parts.size() != 3)
        return namedMonthDate(trimmed);
    if (parts[0].size() == 4 && parts[1].size() <= 2 && parts[2].size() <= 2)
        return QDate(parts[0].toInt(), parts[1].toInt(), parts[2].toInt());
    if (parts[0].size() > 2 || parts[1].size() > 2
        || (parts[2].size() != 4 && parts[2].size() != 2))
        return {};
    return dayMonth(
        parts[0].toInt(), parts[1].toInt(), fullYear(parts[2].toInt(), parts[2].size()), order);
}

DateOrder csvDateOrderHint(const QString& text)
{
    const auto parts = numberParts(text.trimmed(), u"/-.");
    if (parts.size() != 3 || parts[0].size() > 2 || parts[1].size() > 2)
        return DateOrder::Unknown;
    if (parts[0].toInt() > 12)
        return DateOrder::DayFirst;
    if (parts[1].toInt() > 12)
        return DateOrder::MonthFirst;
    return DateOrder::Unknown;
}

} // namespace ImportFields
