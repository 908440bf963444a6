#pragma once

#include "TestHttpServer.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonObject>
#include <QSet>
#include <functional>
#include <optional>

// The sync API of the fake cloud: "/sync/push" and "/sync/pull" under
// "/ledgerine/v1". Records are kept per user, entity type and client id (else
// server id); every accepted change raises the record's version and takes the
// next number of one change sequence, and a pull hands out each record changed
// after the cursor once, in its current state, deletions as tombstones. A push
// that repeats what is stored answers "ok" again; one made on an older version
// than the stored one answers "conflict".
//
// The owner of an account may share it ("/accounts/{server id}/share"): the
// account and its transactions and reconciliations then appear in the
// member's pulls, and the member's changes to them are stored with the
// owner's. Removing the share hands the member tombstones for all of them.
class FakeSyncService {
public:
    using UserOf = std::function<std::optional<QString>(const TestHttpRequest&)>;
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

    TestHttpResponse push(const TestHttpRequest& request);
    TestHttpResponse pull(const TestHttpRequest& request);
    QJsonObject apply(UserData& data, const QJsonObject& change);
    TestHttpResponse shares(const TestHttpRequest& request);
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
};
