#pragma once

#include <QDateTime>
#include <QJsonObject>
#include <QString>

namespace MellAccount {

// One person in a household group.
struct GroupMember {
    QString accountId;
    QString authUserId;
    QString displayName;
    QString email;
    QString role;
    QDateTime joinedAt;

    bool isOwner() const { return role == QLatin1String("owner"); }

    static GroupMember fromJson(const QJsonObject& json);
};

} // namespace MellAccount
