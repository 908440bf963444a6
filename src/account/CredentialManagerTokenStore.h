#pragma once

#include "TokenStore.h"

#include <QtGlobal>

#ifdef Q_OS_WIN

namespace MellAccount {

// Tokens as generic credentials of the Windows Credential Manager, named
// "Mellowind/<service>/<key>/<directory key>", kept for this user on this
// machine, one sign-in per data directory. A credential named without a
// directory, from before, is taken over by the first directory that finds
// none of its own.
class CredentialManagerTokenStore : public TokenStore {
public:
    CredentialManagerTokenStore(const QString& serviceName, const QString& directoryKey);

    std::optional<QString> read(const QString& key) override;
    bool write(const QString& key, const QString& value) override;
    bool removeKey(const QString& key) override;

    QString targetName(const QString& key) const;

private:
    static std::optional<QString> readTarget(const QString& target);

    QString m_serviceName;
    QString m_directoryKey;
};

} // namespace MellAccount

#endif
