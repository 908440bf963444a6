#include "SyncEntity.h"

namespace SyncEntities {

const char* table(SyncEntity entity)
{
    switch (entity) {
    case SyncEntity::Account: return "accounts";
    case SyncEntity::Category: return "categories";
    case SyncEntity::Recurring: return "recurring_transactions";
    case SyncEntity::Transaction: return "transactions";
    case SyncEntity::Reconciliation: return "reconciliations";
    case SyncEntity::CsvProfile: return "csv_profiles";
    }
    return "accounts";
}

QString wireType(SyncEntity entity)
{
    switch (entity) {
    case SyncEntity::Account: return QStringLiteral("account");
    case SyncEntity::Category: return QStringLiteral("category");
    case SyncEntity::Recurring: return QStringLiteral("recurring");
    case SyncEntity::Transaction: return QStringLiteral("transaction");
    case SyncEntity::Reconciliation: return QStringLiteral("reconciliation");
    case SyncEntity::CsvProfile: return QStringLiteral("csv_profile");
    }
    return {};
}

std::optional<SyncEntity> fromWireType(const QString& type)
{
    for (const SyncEntity entity : kAll) {
        if (wireType(entity) == type)
            return entity;
    }
    return std::nullopt;
}

} // namespace SyncEntities
