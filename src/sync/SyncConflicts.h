#pragma once

#include "SyncApplier.h"
#include "SyncEntity.h"

#include <QJsonObject>
#include <QList>
#include <optional>

class Database;
class SyncLedger;

// A row changed on this computer and on the server before either side saw
// the other's change: both sides as the sync API carries them.
struct SyncConflict {
    SyncEntity entity;
    QString id;
    QJsonObject mine;
    // Absent until a pull brought the server's record.
    std::optional<QJsonObject> theirs;
};

// Lists the conflicts and settles one the way the user chose.
class SyncConflicts {
public:
    using Repositories = SyncApplier::Repositories;

    SyncConflicts(
        Database* db, const Repositories& repositories, SyncLedger* ledger, SyncApplier* applier);

    QList<SyncConflict> list() const;
    // This computer's side goes up next, over the server's version.
    bool keepMine(SyncEntity entity, const QString& id);
    enum class Outcome { Failed, Settled, AwaitsServer };
    // The server's side replaces this computer's. Without the server's record
    // here yet, the row takes whatever the server sends next (AwaitsServer):
    // the stream must then be pulled again from its start.
    Outcome useTheirs(SyncEntity entity, const QString& id);

private:
    std::optional<QJsonObject> payloadOf(SyncEntity entity, const QString& id) const;

    Database* m_db;
    Repositories m_repos;
    SyncLedger* m_ledger;
    SyncApplier* m_applier;
};
