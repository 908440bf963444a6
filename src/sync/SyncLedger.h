#pragma once

#include "SyncEntity.h"
#include "data/Repository.h"

#include <QHash>
#include <QJsonObject>
#include <QList>
#include <optional>

// The sync engine's own bookkeeping in the store: which local change a push
// reply answers, conflicts with the server's side of them, records parked
// until their parents arrive, accounts whose sharing ended, and the reset for
// another cloud account.
class SyncLedger : public Repository {
    Q_OBJECT

public:
    struct Row {
        SyncEntity entity;
        QString id;
    };
    // The server's side of a row changed on both sides.
    struct ServerCopy {
        int version = 0;
        // Absent until a pull brought the record.
        std::optional<QJsonObject> record;
    };

    explicit SyncLedger(Database* db, QObject* parent = nullptr);

    // Local id -> change count of every pending row of the table.
    QHash<QString, qint64> pendingChangeCounts(SyncEntity entity) const;
    // The server kept the change read at `changeCount`: the row is synced when
    // it was not changed since, else it stays pending with the server's id and
    // version so that the newer edit goes next. False when it stays pending.
    bool accept(SyncEntity entity, const QString& id, const QString& serverId,
        std::optional<int> version, qint64 changeCount);
    // The server holds a newer version than the local change was made on: the
    // row waits for the user. True when it became a conflict just now.
    bool markConflict(SyncEntity entity, const QString& id, std::optional<int> serverVersion);
    // A pulled record the local row could not take while its own change waits.
    void keepServerCopy(SyncEntity entity, const QString& id, const QJsonObject& record);
    std::optional<ServerCopy> serverCopy(SyncEntity entity, const QString& id) const;
    void forgetServerCopy(SyncEntity entity, const QString& id);
    // Rows in conflict over all tables.
    int conflictCount() const;
    // How many of `rows` still wait to be pushed.
    int pendingAmong(const QList<Row>& rows) const;
    QList<Row> conflicts() const;
    // The user keeps this computer's side: pushed next over the server's version.
    bool keepLocal(SyncEntity entity, const QString& id);
    // The row may take whatever the server sends next, whatever its version.
    bool yieldToServer(SyncEntity entity, const QString& id);
    // The same for a row refused as older that nobody touched here (a
    // default another computer pushed first): no conflict for the user.
    bool yieldUntouched(SyncEntity entity, const QString& id);

    QString idForServerId(SyncEntity entity, const QString& serverId) const;
    // idForServerId for many at once, in one statement: only those found.
    QHash<QString, QString> idsForServerIds(
        SyncEntity entity, const QStringList& serverIds) const;
    // Whether a row of that id exists, deleted or not.
    bool exists(SyncEntity entity, const QString& id) const;
    // Never pushed, never changed since it was made here: a default or a
    // posting that another computer may have made the same way.
    bool isUntouched(SyncEntity entity, const QString& id) const;

    struct Parked {
        SyncEntity entity;
        QJsonObject record;
    };
    void park(SyncEntity entity, const QJsonObject& record, const QString& reason);
    void unpark(SyncEntity entity, const QString& serverId);
    QList<Parked> parked() const;

    // The owner stopped sharing the account with this user, or shares it again.
    bool endAccess(const QString& accountId);
    bool restoreAccess(const QString& accountId);
    // Who shares the account with this user; nothing: nobody, it is the user's.
    bool noteSharedBy(const QString& accountId, const std::optional<QString>& owner);
    // Rows of accounts whose sharing ended that still wait to be pushed are
    // dropped (deleted, never sent). The accounts they were in.
    QStringList dropChangesWithoutAccess();

    // The cursor and server ids belong to one account at one address: forgets
    // the server ids, the conflicts' server sides and the parked records and
    // marks every live row pending, so that everything goes to the new place
    // once the new place's own records were pulled and compared.
    bool resetForNewAccount();
};
