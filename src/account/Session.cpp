#include "Session.h"

#include "User.h"

#include <QJsonArray>

namespace MellAccount {

Session Session::fromJson(const QJsonObject& json)
{
    Session session;
    session.id = json.value(QLatin1String("id")).toString();
    session.userAgent = json.value(QLatin1String("user_agent")).toString();
    session.ipAddress = json.value(QLatin1String("ip_address")).toString();
    session.createdAt = jsonDateTime(json, QLatin1String("created_at"));
    session.lastActiveAt = jsonDateTime(json, QLatin1String("last_active_at"));
    session.isCurrent = json.value(QLatin1String("is_current")).toBool();
    return session;
}

QList<Session> Session::listFromJson(const QJsonObject& body)
{
    QList<Session> sessions;
    for (const QJsonValue& entry : body.value(QLatin1String("sessions")).toArray())
        sessions.append(fromJson(entry.toObject()));
    return sessions;
}

} // namespace MellAccount
