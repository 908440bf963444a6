#pragma once

#include <QString>
#include <array>
#include <optional>

// The kinds of synchronised rows, in the order they are pushed and applied
// (parents before children).
enum class SyncEntity { Account, Category, Recurring, Transaction, Reconciliation, CsvProfile };

namespace SyncEntities {

inline constexpr std::array<SyncEntity, 6> kAll
    = { SyncEntity::Account, SyncEntity::Category, SyncEntity::Recurring, SyncEntity::Transaction,
          SyncEntity::Reconciliation, SyncEntity::CsvProfile };

// The local table; always one of our own names, safe to put into SQL.
const char* table(SyncEntity entity);
// "account", "category", ... as "entity_type" on the wire.
QString wireType(SyncEntity entity);
std::optional<SyncEntity> fromWireType(const QString& type);

} // namespace SyncEntities
