#pragma once

#include <array>

// The tables a backup holds, in the order they are written and restored
// (parents before the rows that point at them), with their archive folders.
namespace BackupTables {

struct Table {
    const char* name;
    const char* folder;
    const char* manifestCount;
};

inline constexpr std::array<Table, 7> kTables { {
    { "accounts", "accounts", "accountCount" },
    { "categories", "categories", "categoryCount" },
    { "transactions", "transactions", "transactionCount" },
    { "split_lines", "split_lines", "splitLineCount" },
    { "recurring_transactions", "recurring", "recurringCount" },
    { "reconciliations", "reconciliations", "reconciliationCount" },
    // Last, so that archives written before the banks' layouts were kept still
    // restore as they did.
    { "csv_profiles", "csv_profiles", "csvProfileCount" },
} };

inline constexpr int kManifestVersion = 1;
inline constexpr const char* kManifestName = "manifest.json";

} // namespace BackupTables
