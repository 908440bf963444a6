#pragma once

#include "SyncEntity.h"
#include "data/Repository.h"

#include <QHash>
#include <QJsonObject>
#include <QList>
#include <optional>

// The sync engine's own bookkeeping in the store: which local change a push
// reply answers, the server's refusals of a change, records parked until their
// parents arrive, and the reset for another cloud account.
class SyncLedger : public Repository {
    Q_OBJECT

public:
    // A change refused this often is left to the user as a conflict.
    static constexpr int kRefusalsBeforeConflict = 3;

    explicit SyncLedger(Database* db, QObject* parent = nullptr);

    // Local id -> change count of every pending row of the table.
    QHash<QString, qint64> pendingChangeCounts(SyncEntity entity) const;
    // The server kept the change read at `changeCount`: the row is synced when
    // it was not changed since, else it stays pending with the server's id and
    // version so that the newer edit goes next. False when it stays pending.
    bool accept(SyncEntity entity, const QString& id, const QString& serverId,
        std::optional<int> version, qint64 changeCount);
    // The server refused the change as made on an older version; after the
    // third refusal of an unchanged row it becomes a conflict carrying the
    // server's version, so that the user's next edit of it is accepted. True
    // when the row became a conflict.
    bool refuse(SyncEntity entity, const QString& id, std::optional<int> serverVersion,
        qint64 changeCount);
    // Rows in conflict over all tables.
    int conflictCount() const;

    QString idForServerId(SyncEntity entity, const QString& serverId) const;
    // Whether a row of that id exists, deleted or not.
    bool exists(SyncEntity entity, const QString& id) const;

    struct Parked {
        SyncEntity entity;
        QJsonObject record;
    };
    void park(SyncEntity entity, const QJsonObject& record, const QString& reason);
    void unpark(SyncEntity entity, const QString& serverId);
    QList<Parked> parked() const;

    // The cursor and server ids belong to one account at one address: forgets
    // the server ids, the refusals and the parked records and marks every
    // live row pending, so that everything goes to the new place.
    bool resetForNewAccount();
};
