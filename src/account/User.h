#pragma once

#include <QDateTime>
#include <QJsonObject>
#include <QString>

namespace MellAccount {

// The signed-in person as the authentication server describes them.
struct User {
    QString id;
    QString email;
    QString displayName;
    QString username;
    QString avatarUrl;
    QDateTime createdAt;

    // Missing members give empty texts and an invalid time.
    static User fromJson(const QJsonObject& json);
};

// An ISO 8601 date-time member; invalid when missing or unreadable.
QDateTime jsonDateTime(const QJsonObject& json, QLatin1String key);

} // namespace MellAccount

Q_DECLARE_METATYPE(MellAccount::User)
