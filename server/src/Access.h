#pragma once

#include "HttpMessage.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonObject>
#include <QSqlDatabase>
#include <QString>
#include <optional>

// Every decision on who may see or change what. Each runs inside the
// caller's transaction, after its locks, so nothing changes between the
// decision and the write. Someone else's ids answer 404 wherever saying 403
// would tell that they exist.
class Access {
public:
    struct Verdict {
        int status = 0;
        QString code;
        QString message;

        bool allowed() const { return status == 0; }
        HttpResponse response() const { return HttpResponse::error(status, code, message); }
        static Verdict deny(int status, const char* code, const QString& message);
    };
    struct Membership {
        QString groupId;
        QString role;
        bool isOwner() const { return role == QLatin1String("owner"); }
    };
    struct Invitation {
        QString id;
        QString groupId;
        QString email;
    };
    struct SharedAccount {
        QString ownerId;
        QString clientId;
        bool isOwner = false;
    };
    // Whose records each change of a push is, or the answer it gets instead.
    struct PushPlan {
        QStringList ownerOf;
        QHash<int, QJsonObject> answered;
    };

    explicit Access(QSqlDatabase& db);

    // False when a statement failed: the caller answers 503.
    bool ok() const { return !m_failed; }

    std::optional<Membership> membership(const QString& userId);
    Verdict mayInvite(const std::optional<Membership>& caller) const;
    Verdict mayRevokeInvitation(const QString& userId, const QString& invitationId);
    Verdict mayJoin(const QString& userId, const QString& code, qint64 now, Invitation* invitation);
    Verdict mayLeave(const std::optional<Membership>& caller);
    Verdict mayRemoveMember(const QString& userId, const QString& memberId, QString* groupId);
    Verdict mayDeleteAccount(const QString& userId);
    Verdict mayRemoveDevice(const QString& userId, const QString& deviceId);
    Verdict mayRevokeSession(const QString& userId, const QString& sessionId);

    // The account behind a server id, for its owner or a member it is shared with.
    Verdict maySeeAccount(
        const QString& userId, const QString& accountServerId, SharedAccount* account);
    Verdict mayChangeShares(
        const QString& userId, const QString& accountServerId, SharedAccount* account);
    // The member an owner names by user id or e-mail address: someone else
    // in the owner's group.
    Verdict mayShareWith(const QString& ownerId, const QString& target, QString* memberId);

    // A change in a shared account is the owner's; a former member's deletes
    // are answered and dropped, other changes refused.
    bool planPush(const QString& userId, const QJsonArray& changes, PushPlan* plan);

private:
    int memberCount(const QString& groupId);
    bool check(bool statementOk);

    QSqlDatabase& m_db;
    bool m_failed = false;
};
