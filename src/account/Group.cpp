#include "Group.h"

#include <QJsonArray>

namespace MellAccount {

Group Group::fromJson(const QJsonObject& json)
{
    Group group;
    group.id = json.value(QLatin1String("id")).toString();
    group.name = json.value(QLatin1String("name")).toString();
    group.maxSeats = json.value(QLatin1String("max_seats")).toInt();
    for (const QJsonValue& member : json.value(QLatin1String("members")).toArray())
        group.members.append(GroupMember::fromJson(member.toObject()));
    for (const QJsonValue& invitation : json.value(QLatin1String("pending_invitations")).toArray())
        group.pendingInvitations.append(GroupInvitation::fromJson(invitation.toObject()));
    return group;
}

} // namespace MellAccount
