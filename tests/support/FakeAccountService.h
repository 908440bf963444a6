#pragma once

#include "TestHttpServer.h"

#include <QHash>
#include <QJsonObject>
#include <QList>
#include <QSet>
#include <functional>
#include <optional>

// The account API of the fake cloud under "/account/v1": profiles, household
// groups with seats made by their owner's first invitation, invitations by code
// or e-mail (an e-mail one admits only that address), owner-only actions
// answered 403 for anyone else, failures as {"error": code, "message": text},
// devices registered as an upsert by fingerprint, and account deletion. Users
// are whoever the bearer token names; their names and e-mail addresses come
// from the authentication side.
class FakeAccountService {
public:
    // The user a request's bearer token stands for, if any.
    using UserOf = std::function<std::optional<QString>(const TestHttpRequest&)>;
    // The authentication server's record of a user ("email", "display_name", ...).
    using UserInfo = std::function<QJsonObject(const QString& userId)>;

    static QString path(const QString& route);

    FakeAccountService(TestHttpServer& server, UserOf userOf, UserInfo userInfo);

    // A group owned by `ownerId`; its id.
    QString createGroup(const QString& ownerId, const QString& name = QStringLiteral("Household"),
        int maxSeats = 5);
    std::optional<QString> groupOf(const QString& userId) const;
    // The group's members' user ids, the owner first.
    QStringList members(const QString& groupId) const;
    QList<QJsonObject> devices(const QString& userId) const { return m_devices.value(userId); }
    // Stored like a registration of `userId`'s; the device as stored.
    QJsonObject registerDevice(const QString& userId, const QJsonObject& body);
    bool isScheduledForDeletion(const QString& userId) const { return m_deleted.contains(userId); }

private:

    struct Member {
        QString userId;
        QString role;
        QString joinedAt;
    };
    struct Invitation {
        QString id;
        QString email;
        QString code;
        QString status;
        QString expiresAt;
    };
    struct Group {
        QString id;
        QString name;
        int maxSeats = 0;
        QList<Member> members;
        QList<Invitation> invitations;
    };

    void addRoutes();
    using Handler = std::function<TestHttpResponse(const QString& userId, const TestHttpRequest&)>;
    void route(const QByteArray& method, const QString& route, Handler handler);
    Group* groupOfUser(const QString& userId);
    const Member* memberOf(const Group& group, const QString& userId) const;
    QJsonObject profile(const QString& userId) const;
    QJsonObject groupJson(const Group& group) const;
    static QJsonObject invitationJson(const Invitation& invitation);

    TestHttpResponse invite(const QString& userId, const TestHttpRequest& request);
    TestHttpResponse join(const QString& userId, const QString& code);
    TestHttpResponse leave(const QString& userId);
    TestHttpResponse removeMember(const QString& userId, const QString& memberId);
    TestHttpResponse deleteProfile(const QString& userId);
    void dissolveIfEmpty(const QString& groupId);

    TestHttpServer& m_server;
    UserOf m_userOf;
    UserInfo m_userInfo;
    QList<Group> m_groups;
    QHash<QString, QList<QJsonObject>> m_devices;
    QSet<QString> m_deleted;
    int m_serial = 0;
};
