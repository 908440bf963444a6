#include "User.h"

namespace MellAccount {

QDateTime jsonDateTime(const QJsonObject& json, QLatin1String key)
{
    return QDateTime::fromString(json.value(key).toString(), Qt::ISODateWithMs);
}

User User::fromJson(const QJsonObject& json)
{
    User user;
    user.id = json.value(QLatin1String("id")).toString();
    user.email = json.value(QLatin1String("email")).toString();
    user.displayName = json.value(QLatin1String("display_name")).toString();
    user.username = json.value(QLatin1String("username")).toString();
    user.avatarUrl = json.value(QLatin1String("avatar_url")).toString();
    user.createdAt = jsonDateTime(json, QLatin1String("created_at"));
    return user;
}

} // namespace MellAccount
