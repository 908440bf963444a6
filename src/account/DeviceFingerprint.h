#pragma once

#include <QString>

namespace MellAccount {

// What tells this computer apart at the account service without giving away
// its machine id: on Linux a keyed hash of /etc/machine-id, on Windows the
// installation's MachineGuid, and a hash of the host name where neither exists.
class DeviceFingerprint {
public:
    static QString current(const QString& appId);

    // The first 32 hex characters of HMAC-SHA256(key: appId) over the machine
    // id read from `machineIdFile`, or fromHostName when it is missing or empty.
    static QString fromMachineIdFile(
        const QString& machineIdFile, const QString& appId, const QString& hostName);
    // The first 32 hex characters of the host name's SHA-256.
    static QString fromHostName(const QString& hostName);

    // The operating system as the device list shows it: "Linux", "Windows", ...
    static QString platformName();
};

} // namespace MellAccount
