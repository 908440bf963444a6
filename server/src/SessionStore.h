#pragma once

#include "ServerKeys.h"

#include <QJsonArray>
#include <QString>
#include <optional>

class Store;

// Sign-in sessions and their tokens. An access token is a JWT (HS256) naming
// the user ("sub") and the session ("sid"); it is good until it expires or its
// session ends. A refresh token is random and only its hash is kept; every
// refresh replaces it, and for a grace period the replaced one answers with
// the same new pair again, so a reply lost on the way signs nobody out.
// Presented later than that, it ends the session: someone kept a copy.
class SessionStore {
public:
    static constexpr int kAccessLifetime = 900;
    static constexpr int kRefreshGrace = 60;
    // A session nobody used for this long is over.
    static constexpr qint64 kIdleLimit = 90 * 24 * 3600;

    struct Tokens {
        QString access;
        QString refresh;
    };
    struct Bearer {
        QString userId;
        QString sessionId;
    };
    enum class Refresh { Issued, Rejected, Failed };

    SessionStore(Store& store, const ServerKeys& keys);

    std::optional<Tokens> open(
        const QString& userId, const QString& userAgent, const QString& address);
    Refresh refresh(const QString& refreshToken, Tokens* tokens);
    // Who a bearer access token stands for, when its session is still open
    // and the user may still sign in.
    std::optional<Bearer> authenticate(const QString& accessToken);
    // Removes the session with all its tokens; false when `userId` has no such session.
    bool end(const QString& userId, const QString& sessionId);
    // The user's sessions as the desktop lists them, `current` marked.
    QJsonArray list(const QString& userId, const QString& current);
    // Sessions idle past the limit and rotated tokens past any use.
    void purgeExpired();

private:
    QString accessToken(const QString& userId, const QString& sessionId, qint64 now) const;
    QString successorOf(const QString& refreshToken) const;

    Store& m_store;
    ServerKeys m_keys;
};
