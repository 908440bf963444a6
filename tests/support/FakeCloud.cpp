#include "FakeCloud.h"

#include "account/TokenManager.h"
#include "data/Clock.h"

#include <QJsonDocument>

namespace {

const QString kRealm = QStringLiteral("test");
const QString kRealmPath = QStringLiteral("/api/v1/realms/test");

QJsonObject claimsOf(const QString& token)
{
    const auto payload
        = QByteArray::fromBase64Encoding(token.section(QLatin1Char('.'), 1, 1).toLatin1(),
            QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals);
    return payload ? QJsonDocument::fromJson(*payload).object() : QJsonObject();
}

QString bearerToken(const TestHttpRequest& request)
{
    const QByteArray header = request.header("authorization");
    return header.startsWith("Bearer ") ? QString::fromLatin1(header.mid(7)) : QString();
}

} // namespace

FakeCloud::FakeCloud()
{
    addAuthRoutes();
    addLoginPage();
}

MellAccount::ClientConfig FakeCloud::config() const
{
    MellAccount::ClientConfig config;
    config.authBaseUrl = m_server.url(QString()).toString();
    config.realmSlug = kRealm;
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

FakeCloud::Tokens FakeCloud::issue(const QString& sessionId)
{
    const qint64 now = serverNow();
    const int serial = ++m_serial;
    const QString userId = m_sessionUsers.value(sessionId);
    Tokens tokens { unsignedJwt({ { "sub", userId }, { "sid", sessionId }, { "iat", now },
                        { "exp", now + m_lifetime }, { "jti", serial } }),
        QStringLiteral("refresh-%1-%2").arg(sessionId).arg(serial) };
    m_accessTokens.insert(tokens.access);
    m_refreshSessions.insert(tokens.refresh, sessionId);
    return tokens;
}

FakeCloud::Tokens FakeCloud::signIn(const QString& userId)
{
    const QString id = QStringLiteral("session-%1").arg(++m_sessionSerial);
    m_sessionUsers.insert(id, userId);
    return issue(id);
}

std::optional<QString> FakeCloud::bearerUser(const TestHttpRequest& request) const
{
    const QString token = bearerToken(request);
    if (!m_accessTokens.contains(token) || MellAccount::expiry(token) <= serverNow())
        return std::nullopt;
    return MellAccount::subject(token);
}

void FakeCloud::protectedRoute(
    const QByteArray& method, const QString& path, TestHttpServer::Handler handler)
{
    m_server.route(method, path, [this, handler](const TestHttpRequest& request) {
        return bearerUser(request) ? handler(request)
                                   : TestHttpResponse::error(401, "invalid_token");
    });
}

QJsonObject FakeCloud::user(const QString& userId) const
{
    return { { "id", userId }, { "email", userId + "@example.com" },
        { "display_name", "Test User" }, { "username", userId }, { "avatar_url", "" },
        { "created_at", "2024-01-01T00:00:00Z" } };
}

void FakeCloud::addLoginPage()
{
    m_server.route("GET", QStringLiteral("/%1/account/login").arg(kRealm),
        [this](const TestHttpRequest& request) {
            QUrlQuery result;
            if (m_loginPage.refuse) {
                result.addQueryItem("error", "access_denied");
                result.addQueryItem("error_description", "The user cancelled the sign-in");
            } else {
                const Tokens tokens = signIn();
                result.addQueryItem("access_token", tokens.access);
                result.addQueryItem("refresh_token", tokens.refresh);
            }
            const QString state = request.query.queryItemValue("state", QUrl::FullyDecoded);
            if (m_loginPage.echoState && !state.isEmpty())
                result.addQueryItem("state", state);
            QUrl location(request.query.queryItemValue("redirect_uri", QUrl::FullyDecoded));
            location.setQuery(result);
            return TestHttpResponse::redirect(302, location);
        });
}

void FakeCloud::addAuthRoutes()
{
    m_server.route("POST", authPath("/auth/token/refresh"), [this](const TestHttpRequest& request) {
        const QString presented = request.json().value("refresh_token").toString();
        const auto session = m_refreshSessions.constFind(presented);
        if (session == m_refreshSessions.constEnd())
            return TestHttpResponse::error(401, "invalid_grant");
        const QString sessionId = *session;
        const Tokens tokens = issue(sessionId);
        QJsonObject answer { { "access_token", tokens.access }, { "token_type", "Bearer" },
            { "expires_in", m_lifetime } };
        if (m_rotate) {
            m_refreshSessions.remove(presented);
            answer.insert("refresh_token", tokens.refresh);
        } else {
            m_refreshSessions.remove(tokens.refresh);
        }
        return TestHttpResponse::json(200, answer);
    });
    protectedRoute("POST", authPath("/auth/logout"), [this](const TestHttpRequest& request) {
        // The session ends: its refresh tokens with it.
        const QString sessionId = claimsOf(bearerToken(request)).value("sid").toString();
        m_refreshSessions.removeIf(
            [&sessionId](const auto& entry) { return entry.value() == sessionId; });
        return TestHttpResponse::noContent();
    });
    protectedRoute("GET", authPath("/users/me"), [this](const TestHttpRequest& request) {
        return TestHttpResponse::json(200, user(*bearerUser(request)));
    });
}
