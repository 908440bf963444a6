#include "FakeCloud.h"

#include "account/TokenManager.h"
#include "data/Clock.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace {

const QString kRealmPath = QStringLiteral("/api/v1/realms/test");

TestHttpResponse error(int status, const char* code)
{
    return TestHttpResponse::json(status, { { QStringLiteral("error"), QLatin1String(code) } });
}

} // namespace

FakeCloud::FakeCloud()
{
    addAuthRoutes();
}

MellAccount::ClientConfig FakeCloud::config() const
{
    MellAccount::ClientConfig config;
    config.authBaseUrl = m_server.url(QString()).toString();
    config.realmSlug = QStringLiteral("test");
    config.accountApiUrl = m_server.url(QStringLiteral("/account/v1")).toString();
    config.clientId = QStringLiteral("0123456789abcdef0123456789abcdef");
    config.appId = QStringLiteral("com.mellowindvantor.ledgerine");
    config.appName = QStringLiteral("Mellowind Ledgerine");
    config.appVersion = QStringLiteral("1.1.0");
    return config;
}

QString FakeCloud::authPath(const QString& path)
{
    return kRealmPath + path;
}

QList<TestHttpRequest> FakeCloud::refreshRequests() const
{
    return m_server.requestsTo(authPath(QStringLiteral("/auth/token/refresh")));
}

qint64 FakeCloud::serverNow() const
{
    return Clock::nowUtc().toSecsSinceEpoch() + m_offset;
}

QString FakeCloud::unsignedJwt(const QJsonObject& claims)
{
    const auto part = [](const QByteArray& bytes) {
        return bytes.toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals);
    };
    return QString::fromLatin1(part(R"({"alg":"none","typ":"JWT"})") + '.'
        + part(QJsonDocument(claims).toJson(QJsonDocument::Compact)) + '.');
}

FakeCloud::Tokens FakeCloud::issue(const QString& userId)
{
    const qint64 now = serverNow();
    const int serial = ++m_serial;
    Tokens tokens { unsignedJwt({ { "sub", userId }, { "iat", now }, { "exp", now + m_lifetime },
                        { "jti", serial } }),
        QStringLiteral("refresh-%1-%2").arg(userId).arg(serial) };
    m_accessTokens.insert(tokens.access);
    m_refreshOwners.insert(tokens.refresh, userId);
    return tokens;
}

FakeCloud::Tokens FakeCloud::signIn(const QString& userId)
{
    const QString stamp = Clock::nowIso();
    for (QJsonObject& session : m_sessions)
        session["is_current"] = false;
    m_sessions.append({ { "id", QStringLiteral("session-%1").arg(m_sessions.size() + 1) },
        { "user_agent", "Mellowind Ledgerine tests" }, { "ip_address", "127.0.0.1" },
        { "created_at", stamp }, { "last_active_at", stamp }, { "is_current", true } });
    return issue(userId);
}

std::optional<QString> FakeCloud::bearerUser(const TestHttpRequest& request) const
{
    const QByteArray header = request.header("authorization");
    if (!header.startsWith("Bearer "))
        return std::nullopt;
    const QString token = QString::fromLatin1(header.mid(7));
    if (!m_accessTokens.contains(token) || MellAccount::expiry(token) <= serverNow())
        return std::nullopt;
    return MellAccount::subject(token);
}

void FakeCloud::protectedRoute(
    const QByteArray& method, const QString& path, TestHttpServer::Handler handler)
{
    m_server.route(method, path, [this, handler](const TestHttpRequest& request) {
        return bearerUser(request) ? handler(request) : error(401, "invalid_token");
    });
}

QJsonObject FakeCloud::user(const QString& userId) const
{
    return { { "id", userId }, { "email", userId + "@example.com" },
        { "display_name", m_displayNames.value(userId, QStringLiteral("Test User")) },
        { "username", userId }, { "avatar_url", "" }, { "created_at", "2024-01-01T00:00:00Z" } };
}

void FakeCloud::addAuthRoutes()
{
    m_server.route("POST", authPath("/auth/token/refresh"), [this](const TestHttpRequest& request) {
        const QString presented = request.json().value("refresh_token").toString();
        const auto owner = m_refreshOwners.constFind(presented);
        if (owner == m_refreshOwners.constEnd())
            return error(401, "invalid_grant");
        const QString userId = *owner;
        const Tokens tokens = issue(userId);
        QJsonObject answer { { "access_token", tokens.access }, { "token_type", "Bearer" },
            { "expires_in", m_lifetime } };
        if (m_rotate) {
            m_refreshOwners.remove(presented);
            answer.insert("refresh_token", tokens.refresh);
        } else {
            m_refreshOwners.remove(tokens.refresh);
        }
        return TestHttpResponse::json(200, answer);
    });
    protectedRoute("POST", authPath("/auth/logout"), [this](const TestHttpRequest& request) {
        const QString userId = *bearerUser(request);
        m_refreshOwners.removeIf([&userId](const auto& entry) { return entry.value() == userId; });
        return TestHttpResponse { 204, {}, {} };
    });
    protectedRoute("GET", authPath("/users/me"), [this](const TestHttpRequest& request) {
        return TestHttpResponse::json(200, user(*bearerUser(request)));
    });
    protectedRoute("PATCH", authPath("/users/me"), [this](const TestHttpRequest& request) {
        const QString userId = *bearerUser(request);
        m_displayNames.insert(userId, request.json().value("display_name").toString());
        return TestHttpResponse::json(200, user(userId));
    });
    protectedRoute("POST", authPath("/users/me/password"), [this](const TestHttpRequest& request) {
        const QJsonObject body = request.json();
        if (body.value("current_password").toString() != m_password)
            return error(403, "invalid_password");
        m_password = body.value("new_password").toString();
        return TestHttpResponse { 204, {}, {} };
    });
    protectedRoute("GET", authPath("/users/me/sessions"), [this](const TestHttpRequest&) {
        QJsonArray sessions;
        for (const QJsonObject& session : m_sessions)
            sessions.append(session);
        return TestHttpResponse::json(200, { { "sessions", sessions } });
    });
    protectedRoute(
        "DELETE", authPath("/users/me/sessions/*"), [this](const TestHttpRequest& request) {
            const QString id = request.path.section(QLatin1Char('/'), -1);
            const qsizetype removed = m_sessions.removeIf(
                [&id](const QJsonObject& session) { return session.value("id").toString() == id; });
            return removed ? TestHttpResponse { 204, {}, {} } : error(404, "not_found");
        });
}
