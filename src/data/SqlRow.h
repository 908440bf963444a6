#pragma once

#include <QByteArrayView>
#include <QDate>
#include <QDateTime>
#include <QString>
#include <QVariant>
#include <optional>

struct sqlite3_stmt;
class TextPool;

// The current row of a statement that repositories read straight from SQLite.
// Values convert exactly as those handed out by Qt's SQLite driver would
// (NULL text is a null QString, a text where a number belongs reads as 0),
// without building a QVariant for every value of a large result.
class SqlRow {
public:
    explicit SqlRow(sqlite3_stmt* statement)
        : m_statement(statement)
    {
    }

    bool isNull(int column) const;
    bool isText(int column) const;
    bool isInteger(int column) const;
    // The bytes of a text value, valid until the statement moves on; empty for
    // any other type.
    QByteArrayView utf8(int column) const;
    QString text(int column) const;
    // The same text, shared through `pool` with equal texts read before.
    QString text(int column, TextPool& pool) const;
    qint64 int64(int column) const;
    int integer(int column) const;
    bool flag(int column) const;
    QDate date(int column) const;
    std::optional<QDate> optionalDate(int column) const;
    QDateTime dateTime(int column) const;
    // Absent when NULL or empty.
    std::optional<QDateTime> optionalDateTime(int column) const;
    // The value as Qt's driver hands it out.
    QVariant value(int column) const;

private:
    sqlite3_stmt* m_statement;
};
