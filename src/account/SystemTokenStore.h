#pragma once

#include "TokenStore.h"

#include <memory>

namespace MellAccount {

// The platform's secret store, chosen on first use: the Credential Manager on
// Windows; on Linux the Secret Service when one answers, else an owner-only
// file at `fallbackPath`. Choosing late keeps a program that never signs in
// from waking the keyring.
class SystemTokenStore : public TokenStore {
public:
    enum class Kind { CredentialManager, SecretService, File };

    SystemTokenStore(const QString& serviceName, const QString& fallbackPath);
    ~SystemTokenStore() override;

    std::optional<QString> read(const QString& key) override;
    bool write(const QString& key, const QString& value) override;
    bool removeKey(const QString& key) override;

    Kind kind();

private:
    TokenStore& chosen();

    QString m_serviceName;
    QString m_fallbackPath;
    std::unique_ptr<TokenStore> m_store;
    Kind m_kind = Kind::File;
};

} // namespace MellAccount
