#include "GroupMember.h"

#include "User.h"

namespace MellAccount {

GroupMember GroupMember::fromJson(const QJsonObject& json)
{
    GroupMember member;
    member.accountId = json.value(QLatin1String("account_id")).toString();
    member.authUserId = json.value(QLatin1String("auth_user_id")).toString();
    member.displayName = json.value(QLatin1String("display_name")).toString();
    member.email = json.value(QLatin1String("email")).toString();
    member.role = json.value(QLatin1String("role")).toString();
    member.joinedAt = jsonDateTime(json, QLatin1String("joined_at"));
    return member;
}

} // namespace MellAccount
