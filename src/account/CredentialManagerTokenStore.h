#pragma once

#include "TokenStore.h"

#include <QtGlobal>

#ifdef Q_OS_WIN

namespace MellAccount {

// Tokens as generic credentials of the Windows Credential Manager, named
// "Mellowind/<service>/<key>", kept for this user on this machine.
class CredentialManagerTokenStore : public TokenStore {
public:
    explicit CredentialManagerTokenStore(const QString& serviceName);

    std::optional<QString> read(const QString& key) override;
    bool write(const QString& key, const QString& value) override;
    bool removeKey(const QString& key) override;

    QString targetName(const QString& key) const;

private:
    QString m_serviceName;
};

} // namespace MellAccount

#endif
