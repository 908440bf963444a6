#include "DateText.h"

#include <QRegularExpression>
#include <QStringList>

namespace {

QString& chosenStore()
{
    static QString pattern;
    return pattern;
}

// Resolved on first use, when the language is known.
QString& resolvedStore()
{
    static QString pattern;
    return pattern;
}

bool isSeparator(QChar c)
{
    return c == QChar('/') || c == QChar('.') || c == QChar('-');
}

// The orders to read typed text in: the pattern itself, then without
// leading zeros, each with a four- and a two-digit year.
QStringList readingPatterns(const QString& pattern)
{
    QString lenient = pattern;
    lenient.replace(QLatin1String("dd"), QLatin1String("d"));
    lenient.replace(QLatin1String("MM"), QLatin1String("M"));
    QStringList patterns;
    for (const QString& p : { pattern, lenient }) {
        for (const QString& year : { QStringLiteral("yyyy"), QStringLiteral("yy") }) {
            QString each = p;
            each.replace(QLatin1String("yyyy"), year);
            if (!patterns.contains(each))
                patterns << each;
        }
    }
    return patterns;
}

} // namespace

namespace DateText {

QString defaultFormat(const QLocale& locale)
{
    if (locale.language() == QLocale::English || locale.language() == QLocale::C)
        return QStringLiteral("M/d/yyyy");
    // A two-digit year would read back in the wrong century.
    static const QRegularExpression years(QStringLiteral("y+"));
    return locale.dateFormat(QLocale::ShortFormat).replace(years, QStringLiteral("yyyy"));
}

QString displayFormat()
{
    QString& resolved = resolvedStore();
    if (resolved.isEmpty())
        resolved = chosenStore().isEmpty() ? defaultFormat(QLocale()) : chosenStore();
    return resolved;
}

void setDisplayFormat(const QString& pattern)
{
    chosenStore() = pattern;
    resolvedStore().clear();
}

QString format(const QDate& date)
{
    return date.toString(displayFormat());
}

QDate parse(const QString& text)
{
    return parse(text, displayFormat());
}

QDate parse(const QString& text, const QString& pattern)
{
    QChar separator;
    for (const QChar c : pattern) {
        if (isSeparator(c)) {
            separator = c;
            break;
        }
    }
    QString typed = text.trimmed();
    if (!separator.isNull()) {
        for (QChar& c : typed) {
            if (isSeparator(c))
                c = separator;
        }
    }
    for (const QString& each : readingPatterns(pattern)) {
        const QDate date = QDate::fromString(typed, each);
        if (date.isValid())
            return date;
    }
    return {};
}

} // namespace DateText
