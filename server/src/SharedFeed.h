#pragma once

#include <QHash>
#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

class Store;

// What members see of the accounts others share with them. Each record of a
// shared account has an entry in every member's feed, numbered in the
// member's own change sequence, so one cursor covers a member's own records
// and the shared ones. When a share ends, the entries turn into tombstones
// marked as the end of access.
//
// Writes that number changes for several users lock the group's row first
// (when there is one) and then the users' rows in id order, so that they take
// turns and every sequence commits in order.
class SharedFeed {
public:
    // A record a push changed.
    struct Changed {
        QString serverId;
        QString type;
        QString accountId;
        bool deleted = false;
        QByteArray body;
    };

    SharedFeed(Store& store, QSqlDatabase& db);

    bool lockGroup(const QString& groupId);
    // Locks these users' rows (with those locked before) and reads their
    // sequences; call with every user whose sequence the transaction moves.
    bool lockUsers(QStringList userIds);
    bool isLocked(const QString& userId) const { return m_sequences.contains(userId); }
    qint64& sequence(const QString& userId) { return m_sequences[userId]; }
    // Writes back the sequences that moved.
    bool save();

    // The members of the owner's shares that are in force.
    bool readersOf(const QString& ownerId, QStringList* readers);
    // Hands what the owner's push changed to the members who see it, and
    // ends the shares of accounts it deleted.
    bool publish(const QString& ownerId, const QList<Changed>& changed);
    // Starts or ends one member's access to an owner's account.
    bool grant(const QString& ownerId, const QString& accountId, const QString& memberId);
    bool revoke(const QString& ownerId, const QString& accountId, const QString& memberId);
    // Ends every share the user has a part in, as owner or member (leaving a
    // group, being removed, deletion of the user). Locks what it needs.
    bool endSharesOf(const QString& userId);

private:
    bool enter(const QString& readerId, const QString& serverId, const QString& type);
    bool tombstone(const QString& readerId, const QString& serverId, const QString& type,
        const QByteArray& body);

    Store& m_store;
    QSqlDatabase& m_db;
    QHash<QString, qint64> m_sequences;
    QHash<QString, qint64> m_saved;
    qint64 m_now;
};
