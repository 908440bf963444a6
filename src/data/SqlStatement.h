#pragma once

#include "SqlRow.h"

#include <QVariantList>

class Database;

// A query read straight from SQLite on the shared connection, its values bound
// by position as Qt's driver binds them. Reads, and the bulk writes of
// TransactionBulkInsert; other writes go through Qt.
class SqlStatement {
public:
    SqlStatement(const Database* db, const QString& sql, const QVariantList& values);
    // Prepared only, for bind() and execute() again and again.
    SqlStatement(const Database* db, const QString& sql);
    ~SqlStatement();

    SqlStatement(const SqlStatement&) = delete;
    SqlStatement& operator=(const SqlStatement&) = delete;

    bool isValid() const { return m_statement != nullptr; }
    // Moves to the next row; false at the end and after an error.
    bool next();
    // An error (not the end of the rows) stopped the reading.
    bool failed() const { return m_failed; }
    // SQLite's reason for the failure.
    QString errorText() const { return m_error; }
    // SQLite's primary result code of the failure (SQLITE_CONSTRAINT, SQLITE_FULL...).
    int errorCode() const { return m_code; }
    SqlRow row() const { return SqlRow(m_statement); }

    // Replaces the bound values; false when one could not be bound.
    bool bind(const QVariantList& values);
    // Runs a write to its end and makes the statement ready for the next values.
    // Refused inside a unit of work that SQLite has already rolled back.
    bool execute();
    // Ends a read early so that new values can be bound.
    void reset();

private:
    bool prepare(const Database* db, const QString& sql);

    const Database* m_db = nullptr;
    sqlite3_stmt* m_statement = nullptr;
    bool m_failed = false;
    int m_code = 0;
    QString m_error;
};
