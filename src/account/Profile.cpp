#include "Profile.h"

#include "User.h"

namespace MellAccount {

ProfileGroup ProfileGroup::fromJson(const QJsonObject& json)
{
    ProfileGroup group;
    group.id = json.value(QLatin1String("id")).toString();
    group.name = json.value(QLatin1String("name")).toString();
    group.role = json.value(QLatin1String("role")).toString();
    group.memberCount = json.value(QLatin1String("member_count")).toInt();
    return group;
}

Profile Profile::fromJson(const QJsonObject& json)
{
    Profile profile;
    profile.id = json.value(QLatin1String("id")).toString();
    profile.email = json.value(QLatin1String("email")).toString();
    profile.displayName = json.value(QLatin1String("display_name")).toString();
    profile.avatarUrl = json.value(QLatin1String("avatar_url")).toString();
    profile.language = json.value(QLatin1String("language")).toString();
    profile.timezone = json.value(QLatin1String("timezone")).toString();
    profile.status = json.value(QLatin1String("status")).toString();
    profile.createdAt = jsonDateTime(json, QLatin1String("created_at"));
    profile.group = ProfileGroup::fromJson(json.value(QLatin1String("group")).toObject());
    return profile;
}

} // namespace MellAccount
