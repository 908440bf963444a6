#pragma once

#include <QDateTime>
#include <QJsonObject>
#include <QString>

namespace MellAccount {

// The household group as the user's profile names it.
struct ProfileGroup {
    QString id;
    QString name;
    QString role;
    int memberCount = 0;

    static ProfileGroup fromJson(const QJsonObject& json);
};

// The user's record at the account service; an empty id means none was read.
struct Profile {
    QString id;
    QString email;
    QString displayName;
    QString avatarUrl;
    QString language;
    QString timezone;
    QString status;
    QDateTime createdAt;
    ProfileGroup group;

    // Missing members give empty texts, zero and an invalid time.
    static Profile fromJson(const QJsonObject& json);
};

} // namespace MellAccount
