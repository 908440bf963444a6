#pragma once

#include <QString>
#include <functional>
#include <optional>

namespace MellAccount {

// Where the signed-in user's tokens outlive the process.
class TokenStore {
public:
    static inline const QString kAccessTokenKey = QStringLiteral("mellowind_access_token");
    static inline const QString kRefreshTokenKey = QStringLiteral("mellowind_refresh_token");

    // Both tokens as a store holds them, absent ones empty.
    struct Stored {
        QString access;
        QString refresh;
        // The store did not answer in time: the tokens are unknown, not absent.
        bool stalled = false;
    };
    using Opened = std::function<void(const Stored&)>;

    virtual ~TokenStore() = default;

    // Reads both tokens. `opened` runs at once, or later from the event loop
    // for a store whose service may be slow to answer.
    virtual void open(Opened opened);
    // Nothing when no value is stored under `key`.
    virtual std::optional<QString> read(const QString& key) = 0;
    virtual bool write(const QString& key, const QString& value) = 0;
    virtual bool removeKey(const QString& key) = 0;
    // Removes both tokens.
    virtual void clear();

    // What tells one data directory's tokens from another's in a store all
    // of them share: a hash of the directory's canonical path.
    static QString directoryKey(const QString& dataDirectory);
};

} // namespace MellAccount
