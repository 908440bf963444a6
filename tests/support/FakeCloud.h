#pragma once

#include "TestHttpServer.h"
#include "account/ClientConfig.h"

#include <QHash>
#include <QSet>
#include <optional>

// The sign-in service on a local test server, for what the real server cannot
// be made to do (short token lifetimes, a clock of its own, sign-in pages that
// answer otherwise): the authentication routes (the hosted sign-in page,
// refresh with rotating refresh tokens, logout, users/me) under the realm
// "test"; tests add other routes with protectedRoute(). Every sign-in is a session; its
// refresh tokens end with it (sign-out, revocation), while an access token,
// an unsigned JWT, stays good until it expires or a test revokes it. The
// server's clock is the program's Clock plus an offset a test sets.
class FakeCloud {
public:
    struct Tokens {
        QString access;
        QString refresh;
    };

    // How the sign-in page answers: with tokens or a refusal in the query of
    // the redirect, with or without the `state` echoed.
    struct LoginPage {
        bool echoState = true;
        bool refuse = false;
    };

    FakeCloud();

    TestHttpServer& server() { return m_server; }
    MellAccount::ClientConfig config() const;
    QUrl syncApiUrl() const { return m_server.url(QStringLiteral("/ledgerine/v1")); }
    static QString authPath(const QString& path);
    QList<TestHttpRequest> refreshRequests() const;

    // A new session for `userId`, as the browser sign-in hands it over.
    Tokens signIn(const QString& userId = QStringLiteral("user-1"));
    void setLoginPage(const LoginPage& page) { m_loginPage = page; }
    void setAccessLifetime(int seconds) { m_lifetime = seconds; }
    // The server's clock minus the program's.
    void setClockOffset(int seconds) { m_offset = seconds; }
    // Refresh answers carry no "refresh_token"; the old one stays valid.
    void setRotateRefreshTokens(bool rotate) { m_rotate = rotate; }
    void revokeAccessTokens() { m_accessTokens.clear(); }
    void revokeRefreshTokens() { m_refreshSessions.clear(); }
    // How many refresh tokens would still be honoured.
    int liveRefreshTokens() const { return int(m_refreshSessions.size()); }

    // Answers `handler` for a valid bearer token, 401 for anything else.
    void protectedRoute(
        const QByteArray& method, const QString& path, TestHttpServer::Handler handler);

    static QString unsignedJwt(const QJsonObject& claims);

private:
    // The user a request's bearer token stands for, if it is valid now.
    std::optional<QString> bearerUser(const TestHttpRequest& request) const;
    qint64 serverNow() const;
    Tokens issue(const QString& sessionId);
    void addAuthRoutes();
    void addLoginPage();
    QJsonObject user(const QString& userId) const;

    TestHttpServer m_server;
    LoginPage m_loginPage;
    int m_lifetime = 900;
    int m_offset = 0;
    bool m_rotate = true;
    int m_serial = 0;
    int m_sessionSerial = 0;
    QSet<QString> m_accessTokens;
    // Refresh token -> session id.
    QHash<QString, QString> m_refreshSessions;
    // Session id -> user id.
    QHash<QString, QString> m_sessionUsers;
};
