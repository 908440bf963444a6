#pragma once

#include "TestHttpServer.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonObject>
#include <QSet>
#include <functional>
#include <optional>

// The sync API of the fake cloud: "/sync/push" and "/sync/pull" under
// "/ledgerine/v1". It holds the rules strictly, the way a real server must:
//
// - Records are kept per user, entity type and client id (else server id).
//   Every stored change takes the next number of one change sequence; a pull
//   hands out each record changed after the cursor once, in its current
//   state, deletions as records carrying "deleted_at".
// - A change carries the version it was made on. An upsert or delete of a
//   stored record made on a version lower than the stored one answers
//   {"status": "conflict", "server_id": <id>, "server_version": <stored
//   version>} and has no "version" member; nothing is stored. Made on the
//   stored version or a higher one, it is stored with the higher of the two
//   plus one, and the answer "ok" carries that in "version".
// - A push that repeats what is stored (a retry after a lost answer) answers
//   "ok" with the stored version and changes nothing, but only when every
//   payload member is identical, timestamps included; only "version" and
//   "server_id", which the server assigns, are left out of the comparison.
//   Two computers that made the same row apart never repeat each other.
// - A new record is stored with the pushed version plus one and a new server
//   id. A delete of a record the server does not know answers "ok" with an
//   empty "server_id" and stores nothing.
//
// The owner of an account may share it ("/accounts/{server id}/share"): the
// account and its transactions, reconciliations and import profiles then
// appear in the member's pulls (the account with "shared_by": the owner's
// "user_id", "email" and "display_name"), and the member's changes to them are stored with
// the owner's. When a share ends, the former member's next pull hands out every
// record of the account once more with "deleted_at" set and "access_revoked":
// true: the member's copy goes, but it was not the member's deletion. Pushes
// of a former member to that account answer "forbidden".
class FakeSyncService {
public:
    using UserOf = TestHttpServer::UserOf;
    // A person by user id or e-mail address: "id", "email", "display_name".
    using Directory = std::function<std::optional<QJsonObject>(const QString& idOrEmail)>;

    static QString pushPath();
    static QString pullPath();

    FakeSyncService(TestHttpServer& server, UserOf userOf);

    // Without one, any id names a person.
    void setDirectory(Directory directory) { m_directory = std::move(directory); }
    // Ends every share of `userId`'s accounts and to `userId` (leaving a group).
    void endSharesOf(const QString& userId);

    // Pulls answer "has_more" with the cursor they were given.
    void setStalledCursor(bool stalled) { m_stalled = stalled; }
    // The changes of one push enter the sequence children first (transactions
    // before their accounts, ...), so a pull can meet a row before its parent.
    void setChildBeforeParent(bool childFirst) { m_childFirst = childFirst; }
    // At most this many records a page, whatever the client asks (0: no cap).
    void setPageCap(int records) { m_pageCap = records; }
    // A server from before these entity types: their changes answer "error",
    // and pulls carry no array for them.
    void setUnknownTypes(const QStringList& types) { m_unknownTypes = types; }
    // The next `times` pushes are stored, then the connection closes unanswered.
    void dropAfterCommit(int times = 1);

    // The stored record (with "id", "version" and the payload members), if any.
    std::optional<QJsonObject> record(
        const QString& userId, const QString& entityType, const QString& clientId) const;
    int recordCount(const QString& userId) const;
    // Changes another client made: stored like a push of `payload`.
    QJsonObject store(const QString& userId, const QString& entityType, const QJsonObject& payload);

private:
    struct Record {
        QString entityType;
        QString serverId;
        int version = 0;
        qint64 sequence = 0;
        QJsonObject payload;
    };
    struct UserData {
        QHash<QString, Record> records; // entity type + '/' + client id (else server id)
        QHash<QString, QString> keyOfServerId;
    };
    struct Share {
        QString owner;
        QString accountClientId;
        QHash<QString, QString> members; // user id -> when shared
        QSet<QString> formerMembers;
    };

    TestHttpResponse push(const QString& user, const TestHttpRequest& request);
    TestHttpResponse pull(const QString& user, const TestHttpRequest& request);
    QJsonObject apply(UserData& data, const QJsonObject& change);
    TestHttpResponse shares(const QString& user, const TestHttpRequest& request);
    // Whose records a change of `user` belongs to; nothing when `user` lost
    // access to them.
    std::optional<QString> ownerFor(const QString& user, const QJsonObject& change) const;
    bool inShare(const Share& share, const Record& record) const;
    void endShare(Share& share, const QString& member);
    QJsonObject person(const QString& idOrEmail) const;
    QJsonObject wireRecord(const Record& record) const;
    QString cursorFor(const QString& userId, qint64 sequence) const;
    std::optional<qint64> sequenceOf(const QString& cursor, const QString& userId) const;

    TestHttpServer& m_server;
    UserOf m_userOf;
    QHash<QString, UserData> m_users;
    QHash<QString, Share> m_shares; // by the account's server id
    // Per former member, what they may no longer see, by entity type and client id.
    QHash<QString, QHash<QString, Record>> m_tombstones;
    Directory m_directory;
    qint64 m_sequence = 0;
    int m_serverIds = 0;
    bool m_stalled = false;
    bool m_childFirst = false;
    int m_pageCap = 0;
    QStringList m_unknownTypes;
};
