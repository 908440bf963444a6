#include "Device.h"

#include "User.h"

#include <QJsonArray>

namespace MellAccount {

Device Device::fromJson(const QJsonObject& json)
{
    Device device;
    device.id = json.value(QLatin1String("id")).toString();
    device.deviceName = json.value(QLatin1String("device_name")).toString();
    device.platform = json.value(QLatin1String("platform")).toString();
    device.appId = json.value(QLatin1String("app_id")).toString();
    device.appVersion = json.value(QLatin1String("app_version")).toString();
    device.lastSyncAt = jsonDateTime(json, QLatin1String("last_sync_at"));
    device.deviceFingerprint = json.value(QLatin1String("device_fingerprint")).toString();
    device.createdAt = jsonDateTime(json, QLatin1String("created_at"));
    return device;
}

QList<Device> Device::listFromJson(const QJsonObject& body)
{
    QList<Device> devices;
    for (const QJsonValue& entry : body.value(QLatin1String("devices")).toArray())
        devices.append(fromJson(entry.toObject()));
    return devices;
}

} // namespace MellAccount
