#pragma once

#include "TokenStore.h"

namespace MellAccount {

// Tokens in the desktop's keyring through the freedesktop Secret Service
// (GNOME Keyring, KWallet), each an item with the attributes service=<app id>
// and key=<token name> in the default collection.
class SecretServiceTokenStore : public TokenStore {
public:
    explicit SecretServiceTokenStore(const QString& serviceName);

    // Whether a Secret Service answers on the session bus; if not, `why`.
    static bool isAvailable(QString* why = nullptr);

    std::optional<QString> read(const QString& key) override;
    bool write(const QString& key, const QString& value) override;
    bool removeKey(const QString& key) override;

private:
    QString m_serviceName;
};

} // namespace MellAccount
