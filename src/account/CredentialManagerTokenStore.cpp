#include "CredentialManagerTokenStore.h"

#ifdef Q_OS_WIN

#include <wincred.h>
#include <windows.h>

namespace MellAccount {

CredentialManagerTokenStore::CredentialManagerTokenStore(
    const QString& serviceName, const QString& directoryKey)
    : m_serviceName(serviceName)
    , m_directoryKey(directoryKey)
{
}

QString CredentialManagerTokenStore::targetName(const QString& key) const
{
    return QStringLiteral("Mellowind/%1/%2/%3").arg(m_serviceName, key, m_directoryKey);
}

std::optional<QString> CredentialManagerTokenStore::readTarget(const QString& target)
{
    const std::wstring name = target.toStdWString();
    PCREDENTIALW credential = nullptr;
    if (!CredReadW(name.c_str(), CRED_TYPE_GENERIC, 0, &credential))
        return std::nullopt;
    const QString value
        = QString::fromUtf8(reinterpret_cast<const char*>(credential->CredentialBlob),
            qsizetype(credential->CredentialBlobSize));
    CredFree(credential);
    return value;
}

std::optional<QString> CredentialManagerTokenStore::read(const QString& key)
{
    if (const auto own = readTarget(targetName(key)))
        return own;
    // Kept before each directory had its own: this directory takes it.
    const QString unkeyed = QStringLiteral("Mellowind/%1/%2").arg(m_serviceName, key);
    const auto value = readTarget(unkeyed);
    if (value && write(key, *value)) {
        const std::wstring name = unkeyed.toStdWString();
        CredDeleteW(name.c_str(), CRED_TYPE_GENERIC, 0);
    }
    return value;
}

bool CredentialManagerTokenStore::write(const QString& key, const QString& value)
{
    std::wstring target = targetName(key).toStdWString();
    QByteArray blob = value.toUtf8();
    CREDENTIALW credential = {};
    credential.Type = CRED_TYPE_GENERIC;
    credential.TargetName = target.data();
    credential.CredentialBlobSize = DWORD(blob.size());
    credential.CredentialBlob = reinterpret_cast<LPBYTE>(blob.data());
    credential.Persist = CRED_PERSIST_LOCAL_MACHINE;
    return CredWriteW(&credential, 0) != FALSE;
}

bool CredentialManagerTokenStore::removeKey(const QString& key)
{
    const std::wstring target = targetName(key).toStdWString();
    return CredDeleteW(target.c_str(), CRED_TYPE_GENERIC, 0) != FALSE;
}

} // namespace MellAccount

#endif
