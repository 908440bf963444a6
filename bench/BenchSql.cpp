#include "BenchSql.h"

#include <QtGlobal>

#include <sqlite3.h>

namespace BenchSql {

const std::string kColumns
    = "t.id, t.account_id, t.date, t.payee, t.memo, t.amount, t.category_id, t.check_number, "
      "t.cleared, t.reconciled, t.transfer_link_id, t.transfer_dest_account_id, t.is_split, "
      "t.recurring_id, t.version, t.sync_status, t.server_id, t.created_at, t.updated_at, "
      "t.deleted_at";
const std::string kDisplayName
    = "CASE WHEN c.parent_id IS NOT NULL AND (SELECT COUNT(*) FROM categories cc WHERE cc.name = "
      "c.name AND cc.deleted_at IS NULL) > 1 THEN COALESCE((SELECT p.name FROM categories p WHERE "
      "p.id = c.parent_id), '') || ' > ' || c.name ELSE c.name END";

namespace {

// What a caller would keep of one row when reading without the repository.
struct RawRow {
    std::vector<std::string> texts;
    std::vector<sqlite3_int64> numbers;
};

std::string text(sqlite3_stmt* s, int column)
{
    const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(s, column));
    return p ? std::string(p, size_t(sqlite3_column_bytes(s, column))) : std::string();
}

sqlite3_stmt* prepare(sqlite3* db, const std::string& sql, const std::vector<std::string>& params)
{
    sqlite3_stmt* s = nullptr;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &s, nullptr) != SQLITE_OK)
        qFatal("baseline: %s", sqlite3_errmsg(db));
    for (size_t i = 0; i < params.size(); ++i)
        sqlite3_bind_text(s, int(i + 1), params[i].c_str(), -1, SQLITE_TRANSIENT);
    return s;
}

} // namespace

size_t rawRead(sqlite3* db, const std::string& sql, const std::vector<std::string>& params)
{
    sqlite3_stmt* s = prepare(db, sql, params);
    std::vector<RawRow> rows;
    const int columns = sqlite3_column_count(s);
    while (sqlite3_step(s) == SQLITE_ROW) {
        RawRow row;
        for (int c = 0; c < columns; ++c) {
            if (sqlite3_column_type(s, c) == SQLITE_INTEGER)
                row.numbers.push_back(sqlite3_column_int64(s, c));
            else
                row.texts.push_back(text(s, c));
        }
        rows.push_back(std::move(row));
    }
    sqlite3_finalize(s);
    return rows.size();
}

int rawWrite(sqlite3* db, const std::string& sql, const std::vector<std::string>& params)
{
    sqlite3_stmt* s = prepare(db, sql, params);
    if (sqlite3_step(s) != SQLITE_DONE)
        qFatal("baseline: %s", sqlite3_errmsg(db));
    sqlite3_finalize(s);
    return sqlite3_changes(db);
}

std::string searchSql(bool withAccount)
{
    return "SELECT " + kColumns + ", " + kDisplayName
        + " AS category_name FROM transactions t JOIN transactions_fts fts ON fts.rowid = t.rowid "
          "LEFT JOIN categories c ON t.category_id = c.id WHERE t.deleted_at IS NULL AND "
          "transactions_fts MATCH ?"
        + (withAccount ? " AND t.account_id = ?" : "")
        + " ORDER BY t.date DESC, t.created_at DESC LIMIT 200";
}

} // namespace BenchSql
