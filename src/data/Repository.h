#pragma once

#include "SqlStatement.h"

#include <QObject>
#include <QSqlQuery>
#include <QStringList>
#include <QVariantList>
#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <type_traits>
#include <unordered_map>

class Database;

// Plumbing shared by every repository: a fresh query on the shared connection
// for each operation, positional binding, the warning line of a failed write,
// and the sync bookkeeping statements that every synchronised table shares.
class Repository : public QObject {
    Q_OBJECT

protected:
    Repository(Database* db, const char* className, QObject* parent);

    // The statement for `sql`, compiled on first use and kept, with `values`
    // bound; valid until the next call for the same text.
    QSqlQuery& prepared(const QString& sql, const QVariantList& values = {}) const;

    // Runs a write; on failure logs "<Class>::<operation> failed: <driver error>".
    bool exec(QSqlQuery& query, const char* operation) const;
    bool execWrite(const QString& sql, const QVariantList& values, const char* operation) const;
    // Rows changed by a write, 0 (logged) when it fails.
    int execCount(const QString& sql, const QVariantList& values, const char* operation) const;
    void logFailure(const char* operation, const QString& error) const;
    void logReadFailure(const QString& error) const;
    // Refuses, with the warning line of `operation`, a record holding an amount
    // beyond Money::kMaxAmount: whatever path it came by, it must not reach the
    // store, where sums of such amounts overflow.
    bool amountsWithinLimit(const char* operation, std::initializer_list<qint64> amounts) const;

    // A write whose success others must hear about: `changed` runs only after
    // the statement succeeded (for counts, only when it changed a row).
    bool execWrite(const QString& sql, const QVariantList& values, const char* operation,
        const std::function<void()>& changed) const;
    int execCount(const QString& sql, const QVariantList& values, const char* operation,
        const std::function<void()>& changed) const;
    // As execCount, but a failure (logged) gives nothing, so a unit of work
    // can tell it from a write that found no row.
    std::optional<int> tryCount(const QString& sql, const QVariantList& values,
        const char* operation, const std::function<void()>& changed) const;

    // Reads map rows with a function of `const SqlRow&`; a failing read yields
    // an empty list or no value and logs SQLite's reason.
    template <typename T, typename Mapper>
    QList<T> selectList(const QString& sql, const QVariantList& values, Mapper map) const
    {
        QList<T> rows;
        selectInto(rows, sql, values, map);
        return rows;
    }

    // Appends the rows to `rows`; after a failure `rows` is as it was. A
    // mapper of `(const SqlRow&, T&)` fills each row in place, which spares
    // moving large records of a long list.
    template <typename T, typename Mapper>
    bool selectInto(
        QList<T>& rows, const QString& sql, const QVariantList& values, Mapper map) const
    {
        const qsizetype before = rows.size();
        SqlStatement statement(m_db, sql, values);
        while (statement.next()) {
            if constexpr (std::is_invocable_v<Mapper, const SqlRow&, T&>)
                map(statement.row(), rows.emplace_back());
            else
                rows.append(map(statement.row()));
        }
        if (!statement.failed())
            return true;
        rows.resize(before);
        logReadFailure(statement.errorText());
        return false;
    }

    // `failed`, when given, tells a read that failed from one that found nothing.
    template <typename T, typename Mapper>
    std::optional<T> selectOne(
        const QString& sql, const QVariantList& values, Mapper map, bool* failed = nullptr) const
    {
        SqlStatement statement(m_db, sql, values);
        std::optional<T> found;
        if (statement.next())
            found = map(statement.row());
        else if (statement.failed())
            logReadFailure(statement.errorText());
        if (failed)
            *failed = statement.failed();
        return found;
    }

    // The statements every synchronised table shares; `table` is always one of
    // our own table names, never text from a record.
    bool markSyncedIn(const char* table, const QString& id, const QString& serverId) const;
    int markAllPendingIn(const char* table, const std::function<void()>& changed) const;
    // Deleted and updated times are one reading of the clock, so they are equal.
    // A silent soft delete reports failure by its result only.
    enum class OnFailure { Log, Silent };
    bool softDeleteIn(const char* table, const QString& id, const std::function<void()>& changed,
        OnFailure onFailure = OnFailure::Log) const;
    bool restoreIn(
        const char* table, const QString& id, const std::function<void()>& changed) const;
    int softDeleteByAccountIn(
        const char* table, const QString& accountId, const std::function<void()>& changed) const;
    // Live rows in one of the categories lose it and are marked for sync; the
    // count changed, nothing on failure.
    std::optional<int> clearCategoriesIn(const char* table, const QStringList& categoryIds,
        const std::function<void()>& changed) const;
    // Restores the account's rows deleted at or after `since` (ISO text, compared as text).
    int restoreByAccountIn(const char* table, const QString& accountId, const QString& since,
        const std::function<void()>& changed) const;

    // Writes a row as the sync server sent it, every column named in
    // `columns` (the first being id), over the stored row of that id or as a
    // new one. No change signal: the sync announces what it merged at its end.
    // `isNew` (no row of that id here) makes it a plain insert, which inside a
    // savepoint skips the copy of every page the statement touches.
    bool upsertIn(const char* table, const QString& columns, const QVariantList& values,
        bool isNew = false) const;

    Database* database() const { return m_db; }

    // A change announcement that waits for the surrounding unit of work to
    // commit; announcements with the same key in one unit go out once.
    std::function<void()> deferred(const QString& key, std::function<void()> announce) const;

private:
    Database* m_db;
    mutable std::unordered_map<QString, std::unique_ptr<QSqlQuery>> m_statements;
    mutable std::unique_ptr<QSqlQuery> m_unprepared;
    const char* m_className;
};
