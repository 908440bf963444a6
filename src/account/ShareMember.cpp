#include "ShareMember.h"

#include <QJsonArray>

namespace MellAccount {

ShareMember ShareMember::fromJson(const QJsonObject& json)
{
    ShareMember member;
    member.id = member.userId = json.value(QLatin1String("user_id")).toString();
    member.email = json.value(QLatin1String("email")).toString();
    member.displayName = json.value(QLatin1String("display_name")).toString();
    member.role = json.value(QLatin1String("role")).toString();
    member.createdAt = json.value(QLatin1String("created_at")).toString();
    return member;
}

QList<ShareMember> ShareMember::listFromJson(const QJsonObject& body)
{
    QList<ShareMember> members;
    for (const QJsonValue& entry : body.value(QLatin1String("members")).toArray())
        members.append(fromJson(entry.toObject()));
    return members;
}

} // namespace MellAccount
