#pragma once

#include <QString>
#include <optional>

namespace MellAccount {

// Where the signed-in user's tokens outlive the process.
class TokenStore {
public:
    static inline const QString kAccessTokenKey = QStringLiteral("mellowind_access_token");
    static inline const QString kRefreshTokenKey = QStringLiteral("mellowind_refresh_token");

    virtual ~TokenStore() = default;

    // Nothing when no value is stored under `key`.
    virtual std::optional<QString> read(const QString& key) = 0;
    virtual bool write(const QString& key, const QString& value) = 0;
    virtual bool removeKey(const QString& key) = 0;
    // Removes both tokens.
    virtual void clear();
};

} // namespace MellAccount
