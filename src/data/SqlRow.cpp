#include "SqlRow.h"

#include "SqlValue.h"
#include "TextPool.h"

#include <sqlite3.h>

bool SqlRow::isNull(int column) const
{
    return sqlite3_column_type(m_statement, column) == SQLITE_NULL;
}

bool SqlRow::isText(int column) const
{
    return sqlite3_column_type(m_statement, column) == SQLITE_TEXT;
}

bool SqlRow::isInteger(int column) const
{
    return sqlite3_column_type(m_statement, column) == SQLITE_INTEGER;
}

QVariant SqlRow::value(int column) const
{
    switch (sqlite3_column_type(m_statement, column)) {
    case SQLITE_INTEGER: return QVariant(qint64(sqlite3_column_int64(m_statement, column)));
    case SQLITE_FLOAT: return QVariant(sqlite3_column_double(m_statement, column));
    case SQLITE_BLOB:
        return QByteArray(static_cast<const char*>(sqlite3_column_blob(m_statement, column)),
            sqlite3_column_bytes(m_statement, column));
    case SQLITE_NULL: return QVariant(QMetaType::fromType<QString>());
    default: return text(column);
    }
}

QString SqlRow::text(int column) const
{
    switch (sqlite3_column_type(m_statement, column)) {
    case SQLITE_TEXT: {
        const auto* bytes = reinterpret_cast<const char*>(sqlite3_column_text(m_statement, column));
        return QString::fromUtf8(bytes, sqlite3_column_bytes(m_statement, column));
    }
    case SQLITE_NULL: return QString();
    default: return value(column).toString();
    }
}

QString SqlRow::text(int column, TextPool& pool) const
{
    if (sqlite3_column_type(m_statement, column) != SQLITE_TEXT)
        return text(column);
    return pool.intern(utf8(column));
}

qint64 SqlRow::int64(int column) const
{
    if (sqlite3_column_type(m_statement, column) == SQLITE_INTEGER)
        return sqlite3_column_int64(m_statement, column);
    return value(column).toLongLong();
}

int SqlRow::integer(int column) const
{
    if (sqlite3_column_type(m_statement, column) == SQLITE_INTEGER)
        return int(sqlite3_column_int64(m_statement, column));
    return value(column).toInt();
}

bool SqlRow::flag(int column) const
{
    return integer(column) != 0;
}

QByteArrayView SqlRow::utf8(int column) const
{
    if (sqlite3_column_type(m_statement, column) != SQLITE_TEXT)
        return {};
    const auto* bytes = reinterpret_cast<const char*>(sqlite3_column_text(m_statement, column));
    return QByteArrayView(bytes, sqlite3_column_bytes(m_statement, column));
}

QDate SqlRow::date(int column) const
{
    const QDate stored = SqlValue::parseStoredDate(utf8(column));
    return stored.isValid() ? stored : SqlValue::parseDate(text(column));
}

std::optional<QDate> SqlRow::optionalDate(int column) const
{
    if (isNull(column) || text(column).isEmpty())
        return std::nullopt;
    return date(column);
}

QDateTime SqlRow::dateTime(int column) const
{
    const QDateTime stored = SqlValue::parseStoredDateTime(utf8(column));
    return stored.isValid() ? stored : SqlValue::parseDateTime(text(column));
}

std::optional<QDateTime> SqlRow::optionalDateTime(int column) const
{
    if (isNull(column) || text(column).isEmpty())
        return std::nullopt;
    return dateTime(column);
}
