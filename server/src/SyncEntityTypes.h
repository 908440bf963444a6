#pragma once

#include <QLatin1String>
#include <QString>
#include <array>

// The kinds of record the desktop syncs, parents before children as it
// applies them: the push's entity type, the pull's array, the integrity count.
struct SyncEntityType {
    QLatin1String type;
    QLatin1String array;
    QLatin1String count;
};

inline const std::array<SyncEntityType, 6> kSyncEntityTypes { {
    { QLatin1String("account"), QLatin1String("accounts"), QLatin1String("account_count") },
    { QLatin1String("category"), QLatin1String("categories"), QLatin1String("category_count") },
    { QLatin1String("recurring"), QLatin1String("recurring_transactions"),
        QLatin1String("recurring_count") },
    { QLatin1String("transaction"), QLatin1String("transactions"),
        QLatin1String("transaction_count") },
    { QLatin1String("reconciliation"), QLatin1String("reconciliations"),
        QLatin1String("reconciliation_count") },
    { QLatin1String("csv_profile"), QLatin1String("csv_profiles"),
        QLatin1String("csv_profile_count") },
} };

// The index in kSyncEntityTypes, or -1 for anything else.
inline int syncEntityIndex(const QString& type)
{
    for (std::size_t i = 0; i < kSyncEntityTypes.size(); ++i) {
        if (kSyncEntityTypes[i].type == type)
            return int(i);
    }
    return -1;
}
