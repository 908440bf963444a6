#pragma once

#include "TestHttpServer.h"
#include "account/ClientConfig.h"

#include <QHash>
#include <QSet>
#include <optional>

// The three cloud services on one local test server: the authentication
// routes (refresh with rotating refresh tokens, logout, users/me, password,
// sessions) under "/api/v1/realms/test", the account API under "/account/v1"
// and the sync API under "/ledgerine/v1", for which tests add routes with
// protectedRoute(). Access tokens are unsigned JWTs whose lifetime and the
// server's clock offset a test sets; the server's clock is the program's
// Clock plus that offset.
class FakeCloud {
public:
    struct Tokens {
        QString access;
        QString refresh;
    };

    FakeCloud();

    TestHttpServer& server() { return m_server; }
    MellAccount::ClientConfig config() const;
    QUrl syncApiUrl() const { return m_server.url(QStringLiteral("/ledgerine/v1")); }
    static QString authPath(const QString& path);
    QList<TestHttpRequest> refreshRequests() const;

    // A new session for `userId`, as the browser sign-in hands it over.
    Tokens signIn(const QString& userId = QStringLiteral("user-1"));
    void setAccessLifetime(int seconds) { m_lifetime = seconds; }
    // The server's clock minus the program's.
    void setClockOffset(int seconds) { m_offset = seconds; }
    // Refresh answers carry no "refresh_token"; the old one stays valid.
    void setRotateRefreshTokens(bool rotate) { m_rotate = rotate; }
    void revokeAccessTokens() { m_accessTokens.clear(); }
    void revokeRefreshTokens() { m_refreshOwners.clear(); }

    // Answers `handler` for a valid bearer token, 401 for anything else.
    void protectedRoute(
        const QByteArray& method, const QString& path, TestHttpServer::Handler handler);
    // The user a request's bearer token stands for, if it is valid now.
    std::optional<QString> bearerUser(const TestHttpRequest& request) const;

    static QString unsignedJwt(const QJsonObject& claims);

private:
    qint64 serverNow() const;
    Tokens issue(const QString& userId);
    void addAuthRoutes();
    QJsonObject user(const QString& userId) const;

    TestHttpServer m_server;
    int m_lifetime = 900;
    int m_offset = 0;
    bool m_rotate = true;
    int m_serial = 0;
    QSet<QString> m_accessTokens;
    QHash<QString, QString> m_refreshOwners;
    QHash<QString, QString> m_displayNames;
    QString m_password = QStringLiteral("correct horse");
    QList<QJsonObject> m_sessions;
};
