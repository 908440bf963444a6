#pragma once

#include <string>
#include <vector>

struct sqlite3;

// Baselines: the application's statements run straight through the SQLite C
// API, every value copied into memory as a caller would keep it.
namespace BenchSql {

// The transaction columns every repository query selects, in order.
extern const std::string kColumns;
// The category display-name expression over `categories c`.
extern const std::string kDisplayName;

// Steps `sql` with text parameters and reads every column into memory; the row count.
size_t rawRead(sqlite3* db, const std::string& sql, const std::vector<std::string>& params);
// Runs a write with text parameters; the rows it changed.
int rawWrite(sqlite3* db, const std::string& sql, const std::vector<std::string>& params);
// The full-text search with its match expression (and an account id) bound.
std::string searchSql(bool withAccount);

} // namespace BenchSql
