#include "DeviceFingerprint.h"

#include <QCryptographicHash>
#include <QFile>
#include <QMessageAuthenticationCode>
#include <QSettings>
#include <QSysInfo>

namespace MellAccount {

namespace {

constexpr int kFingerprintLength = 32;

QString shortHex(const QByteArray& digest)
{
    return QString::fromLatin1(digest.toHex().left(kFingerprintLength));
}

} // namespace

QString DeviceFingerprint::current(const QString& appId)
{
    const QString hostName = QSysInfo::machineHostName();
#ifdef Q_OS_WIN
    Q_UNUSED(appId)
    const QSettings registry(
        QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Cryptography"),
        QSettings::NativeFormat);
    const QString guid = registry.value(QStringLiteral("MachineGuid")).toString();
    return guid.isEmpty() ? fromHostName(hostName) : guid;
#else
    return fromMachineIdFile(QStringLiteral("/etc/machine-id"), appId, hostName);
#endif
}

QString DeviceFingerprint::fromMachineIdFile(
    const QString& machineIdFile, const QString& appId, const QString& hostName)
{
    QFile file(machineIdFile);
    // The id is one line of 32 hex digits; anything much longer is not one.
    const QByteArray machineId
        = file.open(QIODevice::ReadOnly) ? file.read(256).trimmed() : QByteArray();
    if (machineId.isEmpty())
        return fromHostName(hostName);
    return shortHex(
        QMessageAuthenticationCode::hash(machineId, appId.toUtf8(), QCryptographicHash::Sha256));
}

QString DeviceFingerprint::fromHostName(const QString& hostName)
{
    return shortHex(QCryptographicHash::hash(hostName.toUtf8(), QCryptographicHash::Sha256));
}

QString DeviceFingerprint::platformName()
{
#if defined(Q_OS_WIN)
    return QStringLiteral("Windows");
#elif defined(Q_OS_MACOS)
    return QStringLiteral("macOS");
#elif defined(Q_OS_LINUX)
    return QStringLiteral("Linux");
#else
    return QSysInfo::kernelType();
#endif
}

} // namespace MellAccount
