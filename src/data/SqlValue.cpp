#include "SqlValue.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace {

const QString kDateFormat = QStringLiteral("yyyy-MM-dd");

char16_t unit(QChar c)
{
    return c.unicode();
}

char16_t unit(char c)
{
    return char16_t(uchar(c));
}

// The value of `count` ASCII digits from `from`, or -1.
template <typename View> int digits(View text, qsizetype from, qsizetype count)
{
    int value = 0;
    for (qsizetype i = from; i < from + count; ++i) {
        const char16_t c = unit(text[i]);
        if (c < u'0' || c > u'9')
            return -1;
        value = value * 10 + (c - u'0');
    }
    return value;
}

// Reading a large register parses two timestamps and a date per row, and Qt's
// general parsers dominate that. The shapes the store writes itself are read
// here directly; anything else, or anything out of range, goes to Qt's parser.
template <typename View> QDate storedDate(View text)
{
    if (text.size() != 10 || unit(text[4]) != u'-' || unit(text[7]) != u'-')
        return {};
    const int year = digits(text, 0, 4);
    const int month = digits(text, 5, 2);
    const int day = digits(text, 8, 2);
    if (year < 1 || month < 0 || day < 0)
        return {};
    return QDate(year, month, day);
}

// "yyyy-MM-ddTHH:mm:ssZ"
template <typename View> QDateTime storedDateTime(View text)
{
    if (text.size() != 20 || unit(text[10]) != u'T' || unit(text[13]) != u':'
        || unit(text[16]) != u':' || unit(text[19]) != u'Z')
        return {};
    const QDate date = storedDate(text.first(10));
    const int hour = digits(text, 11, 2);
    const int minute = digits(text, 14, 2);
    const int second = digits(text, 17, 2);
    if (!date.isValid() || hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0
        || second > 59)
        return {};
    return QDateTime(date, QTime(hour, minute, second), Qt::UTC);
}

} // namespace

namespace SqlValue {

QVariant text(const QString& value)
{
    return value.isNull() ? QVariant(QString(QLatin1String(""))) : QVariant(value);
}

QVariant textOrNull(const QString& value)
{
    return value.isEmpty() ? null() : QVariant(value);
}

QVariant date(const QDate& value)
{
    // An invalid date is written as "" like any other empty text, not as NULL.
    return text(value.toString(kDateFormat));
}

QVariant optionalDate(const std::optional<QDate>& value)
{
    return value && value->isValid() ? date(*value) : null();
}

QVariant dateTime(const QDateTime& value)
{
    return text(value.toString(Qt::ISODate));
}

QVariant flag(bool value)
{
    return value ? 1 : 0;
}

QVariant null()
{
    return QVariant(QMetaType::fromType<QString>());
}

QVariant textList(const QStringList& values)
{
    return QString::fromUtf8(
        QJsonDocument(QJsonArray::fromStringList(values)).toJson(QJsonDocument::Compact));
}

QString readText(const QVariant& value)
{
    return value.isNull() ? QString() : value.toString();
}

QDate parseDate(const QString& text)
{
    const QDate stored = storedDate(QStringView(text));
    return stored.isValid() ? stored : QDate::fromString(text, kDateFormat);
}

QDateTime parseDateTime(const QString& text)
{
    const QDateTime stored = storedDateTime(QStringView(text));
    return stored.isValid() ? stored : QDateTime::fromString(text, Qt::ISODate);
}

QDate parseStoredDate(QByteArrayView utf8)
{
    return storedDate(utf8);
}

QDateTime parseStoredDateTime(QByteArrayView utf8)
{
    return storedDateTime(utf8);
}

QDate readDate(const QVariant& value)
{
    return parseDate(readText(value));
}

std::optional<QDate> readOptionalDate(const QVariant& value)
{
    const QString text = readText(value);
    if (text.isEmpty())
        return std::nullopt;
    return parseDate(text);
}

QDateTime readDateTime(const QVariant& value)
{
    return parseDateTime(readText(value));
}

std::optional<QDateTime> readOptionalDateTime(const QVariant& value)
{
    const QString text = readText(value);
    if (text.isEmpty())
        return std::nullopt;
    return parseDateTime(text);
}

} // namespace SqlValue
