#pragma once

#include <QJsonObject>
#include <QList>
#include <QString>

namespace MellAccount {

// One person with access to one account.
struct ShareMember {
    QString id;
    QString userId;
    QString email;
    QString displayName;
    QString role;
    QString createdAt;

    bool isOwner() const { return role == QLatin1String("owner"); }

    // Missing members give empty texts.
    static ShareMember fromJson(const QJsonObject& json);
    // The array "members" of a reply.
    static QList<ShareMember> listFromJson(const QJsonObject& body);
};

} // namespace MellAccount
