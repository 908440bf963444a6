#include "ImportFields.h"

#include "data/Money.h"

#include <QHash>
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

// The languages of the interface, whose month names bank exports use.
const QList<QLocale>& monthLocales()
{
    static const QList<QLocale> locales { QLocale::c(), QLocale(QLocale::German),
        QLocale(QLocale::Spanish), QLocale(QLocale::French), QLocale(QLocale::Japanese) };
    return locales;
}

// Lower case without accents or dots: "Déc." and "dec" are one word.
QString foldedWord(const QString& word)
{
    QString folded;
    for (const QChar c : word.normalized(QString::NormalizationForm_D)) {
        if (c.category() != QChar::Mark_NonSpacing && c != QLatin1Char('.'))
            folded += c.toLower();
    }
    return folded;
}

// Month names, full and short, as English, German, Spanish and French banks
// write them; the few short forms the locale data lacks are added.
int monthNamed(const QString& word)
{
    static const QHash<QString, int> months = [] {
        QHash<QString, int> names;
        for (const QLocale& locale : monthLocales()) {
            if (locale.language() == QLocale::Japanese)
                continue;
            for (int m = 1; m <= 12; ++m) {
                for (const auto format : { QLocale::LongFormat, QLocale::ShortFormat }) {
                    names.insert(foldedWord(locale.monthName(m, format)), m);
                    names.insert(foldedWord(locale.standaloneMonthName(m, format)), m);
                }
            }
        }
        for (const auto& [name, month] : { std::pair("sept", 9), std::pair("mrz", 3),
                 std::pair("sep", 9), std::pair("juil", 7), std::pair("juin", 6) })
            names.insert(QLatin1String(name), month);
        return names;
    }();
    return months.value(foldedWord(word));
}

// "May 14, 2026", "07 Nov 2013", "7. Dez. 2023", "7 déc. 2023", "07-dic-23",
// "2013 Nov 07", "2023年12月7日".
QDate namedMonthDate(const QString& text)
{
    static const QRegularExpression japanese(
        QStringLiteral("^(\\d{4})\\s*年\\s*(\\d{1,2})\\s*月\\s*(\\d{1,2})\\s*日$"));
    if (const QRegularExpressionMatch match = japanese.match(text); match.hasMatch())
        return QDate(
            match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt());
    static const QRegularExpression separators(QStringLiteral("[\\s,/-]+"));
    QStringList words = text.split(separators, Qt::SkipEmptyParts);
    // "7 de dic. de 2023"
    words.removeAll(QStringLiteral("de"));
    if (words.size() != 3)
        return {};
    const auto number = [](QString word, qsizetype maxDigits) {
        // "7." in German, "1er" in French
        if (word.endsWith(QLatin1Char('.')))
            word.chop(1);
        else if (word.endsWith(QLatin1String("er")))
            word.chop(2);
        bool ok = false;
        const int value = word.toInt(&ok);
        return ok && word.size() <= maxDigits && word.at(0).isDigit() ? value : -1;
    };
    const auto build = [](int year, qsizetype yearDigits, int month, int day) {
        if (year < 0 || day < 0 || month == 0 || (yearDigits != 2 && yearDigits != 4))
            return QDate();
        return QDate(fullYear(year, yearDigits), month, day);
    };
    const QString& last = words.at(2);
    if (const int month = monthNamed(words.at(0)); month > 0)
        return build(number(last, 4), last.size(), month, number(words.at(1), 2));
    if (const int month = monthNamed(words.at(1)); month > 0) {
        if (words.at(0).size() == 4)
            return build(number(words.at(0), 4), 4, month, number(last, 2));
        return build(number(last, 4), last.size(), month, number(words.at(0), 2));
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
        // A pattern with month names reads them in any of the interface's languages.
        for (qsizetype i = 1;
             i < monthLocales().size() && !date.isValid() && format.contains(QLatin1String("MMM"));
             ++i)
            date = monthLocales().at(i).toDate(trimmed, format);
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
