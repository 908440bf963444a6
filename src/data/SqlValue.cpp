#include "SqlValue.h"

namespace {
const QString kDateFormat = QStringLiteral("yyyy-MM-dd");
}

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

QString readText(const QVariant& value)
{
    return value.isNull() ? QString() : value.toString();
}

QDate readDate(const QVariant& value)
{
    return QDate::fromString(readText(value), kDateFormat);
}

std::optional<QDate> readOptionalDate(const QVariant& value)
{
    const QString text = readText(value);
    if (text.isEmpty())
        return std::nullopt;
    return QDate::fromString(text, kDateFormat);
}

QDateTime readDateTime(const QVariant& value)
{
    return QDateTime::fromString(readText(value), Qt::ISODate);
}

std::optional<QDateTime> readOptionalDateTime(const QVariant& value)
{
    const QString text = readText(value);
    if (text.isEmpty())
        return std::nullopt;
    return QDateTime::fromString(text, Qt::ISODate);
}

} // namespace SqlValue
