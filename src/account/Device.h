#pragma once

#include <QDateTime>
#include <QJsonObject>
#include <QList>
#include <QString>

namespace MellAccount {

// A computer that has signed in and synchronised with the account.
struct Device {
    QString id;
    QString deviceName;
    QString platform;
    QString appId;
    QString appVersion;
    QDateTime lastSyncAt;
    QString deviceFingerprint;
    QDateTime createdAt;

    static Device fromJson(const QJsonObject& json);
    // The array "devices" of a reply.
    static QList<Device> listFromJson(const QJsonObject& body);
};

} // namespace MellAccount
