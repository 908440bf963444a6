#pragma once

#include <QDateTime>
#include <QJsonObject>
#include <QList>
#include <QString>

namespace MellAccount {

// One client signed in to the user's account.
struct Session {
    QString id;
    QString userAgent;
    QString ipAddress;
    QDateTime createdAt;
    QDateTime lastActiveAt;
    bool isCurrent = false;

    // Missing members give empty texts, invalid times and false.
    static Session fromJson(const QJsonObject& json);
    // The array "sessions" of a reply.
    static QList<Session> listFromJson(const QJsonObject& body);
};

} // namespace MellAccount
