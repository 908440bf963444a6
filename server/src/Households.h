#pragma once

#include "HttpMessage.h"

#include <QJsonObject>
#include <QSqlDatabase>
#include <QString>
#include <optional>

class Store;
struct ServerConfig;

// Groups (households): one per user, started by its owner's first
// invitation. Codes are single use, expire, and can be revoked; an e-mail
// invitation admits only that address. Whatever ends a membership ends the
// shares it carried.
class Households {
public:
    static constexpr qint64 kInvitationLifetime = 7 * 24 * 3600;
    static constexpr int kCodeLength = 8;

    Households(Store& store, const ServerConfig& config);

    HttpResponse group(const QString& userId);
    HttpResponse invite(const QString& userId, const QString& email);
    HttpResponse revokeInvitation(const QString& userId, const QString& invitationId);
    HttpResponse join(const QString& userId, const QString& code);
    HttpResponse leave(const QString& userId);
    HttpResponse removeMember(const QString& userId, const QString& memberId);
    // The user's group as the profile names it: id, name, role, member_count.
    std::optional<QJsonObject> profileGroup(const QString& userId);

    // Takes the user out of their group (dissolving it when they were alone)
    // and ends their shares, inside the caller's transaction.
    static bool withdraw(Store& store, QSqlDatabase& db, const QString& userId);
    // Eight characters from an alphabet without 0, 1, I and O.
    static QString newCode();

private:
    std::optional<QJsonObject> groupJson(QSqlDatabase& db, const QString& groupId, bool owner);

    Store& m_store;
    const ServerConfig& m_config;
};
