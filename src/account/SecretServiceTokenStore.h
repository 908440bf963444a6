#pragma once

#include "TokenStore.h"

namespace MellAccount {

// Tokens in the desktop's keyring through the freedesktop Secret Service
// (GNOME Keyring, KWallet), each an item with the attributes service=<app id>,
// key=<token name> and data_dir=<directory key> in the default collection, so
// that every data directory keeps its own sign-in. An item from before the
// directory was part of its name is taken over by the first directory that
// finds none of its own. Every call waits for the service: callers on the
// window's thread go through SystemTokenStore, which makes them elsewhere.
class SecretServiceTokenStore : public TokenStore {
public:
    SecretServiceTokenStore(const QString& serviceName, const QString& directoryKey);

    // Whether a Secret Service answers on the session bus; if not, `why`.
    static bool isAvailable(QString* why = nullptr);

    std::optional<QString> read(const QString& key) override;
    bool write(const QString& key, const QString& value) override;
    bool removeKey(const QString& key) override;

private:
    // The item of `key` that names no directory, which it then deletes.
    std::optional<QString> takeUnkeyed(const QString& key);

    QString m_serviceName;
    QString m_directoryKey;
};

} // namespace MellAccount
