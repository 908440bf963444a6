#pragma once

#include <QByteArrayView>
#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <optional>

// How record values are written to and read from the store: dates as
// "yyyy-MM-dd", timestamps as ISO 8601, flags as 0/1, NULL read as empty.
namespace SqlValue {

// A text bound as given; a null QString is bound as "" so NOT NULL columns accept it.
QVariant text(const QString& value);
// A text bound as NULL when empty (foreign keys would reject an empty text).
QVariant textOrNull(const QString& value);
QVariant date(const QDate& value);
QVariant optionalDate(const std::optional<QDate>& value);
QVariant dateTime(const QDateTime& value);
QVariant flag(bool value);
QVariant null();
// A list of texts as one bound value, for "IN (SELECT value FROM json_each(?))".
QVariant textList(const QStringList& values);

// Parsers of the stored shapes; text of another shape goes through Qt's parsers.
QDate parseDate(const QString& text);
QDateTime parseDateTime(const QString& text);
// Only the exact stored shapes, straight from the bytes; invalid for anything
// else, which the parsers above then read.
QDate parseStoredDate(QByteArrayView utf8);
QDateTime parseStoredDateTime(QByteArrayView utf8);

QString readText(const QVariant& value);
QDate readDate(const QVariant& value);
std::optional<QDate> readOptionalDate(const QVariant& value);
QDateTime readDateTime(const QVariant& value);
std::optional<QDateTime> readOptionalDateTime(const QVariant& value);

} // namespace SqlValue
