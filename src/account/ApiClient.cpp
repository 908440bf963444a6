#include "ApiClient.h"

#include "AccountLogging.h"
#include "net/BoundedReply.h"
#include "net/NetworkPolicy.h"

#include <QJsonDocument>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPointer>
#include <QTimer>

namespace MellAccount {

namespace {

// An empty object sends no body at all.
QByteArray jsonBytes(const QJsonObject& body)
{
    return body.isEmpty() ? QByteArray() : QJsonDocument(body).toJson(QJsonDocument::Compact);
}

} // namespace

ApiClient::ApiClient(TokenManager* tokens, QObject* parent)
    : QObject(parent)
    , m_network(new QNetworkAccessManager(this))
    , m_tokens(tokens)
{
}

void ApiClient::setClientInfo(
    const QString& appId, const QString& appVersion, const QString& platform)
{
    m_appId = appId;
    m_appVersion = appVersion;
    m_platform = platform;
}

void ApiClient::setLimits(int transferTimeoutMs, qint64 maxReplyBytes)
{
    m_timeoutMs = transferTimeoutMs;
    m_maxReplyBytes = maxReplyBytes;
}

void ApiClient::get(const QString& path, ApiCallback callback, const QUrlQuery& query)
{
    sendRequest("GET", path, {}, std::move(callback), query, true);
}

void ApiClient::getPublic(const QString& path, ApiCallback callback, const QUrlQuery& query)
{
    sendRequest("GET", path, {}, std::move(callback), query, false);
}

void ApiClient::post(const QString& path, const QJsonObject& body, ApiCallback callback)
{
    sendRequest("POST", path, body, std::move(callback), {}, true);
}

void ApiClient::postPublic(const QString& path, const QJsonObject& body, ApiCallback callback)
{
    sendRequest("POST", path, body, std::move(callback), {}, false);
}

void ApiClient::patch(const QString& path, const QJsonObject& body, ApiCallback callback)
{
    sendRequest("PATCH", path, body, std::move(callback), {}, true);
}

void ApiClient::remove(const QString& path, ApiCallback callback)
{
    sendRequest("DELETE", path, {}, std::move(callback), {}, true);
}

void ApiClient::failLater(ApiCallback callback)
{
    // Callers expect their callback after the call has returned, as for a reply.
    QTimer::singleShot(0, this, [callback = std::move(callback)] { callback(false, 0, {}); });
}

std::optional<QUrl> ApiClient::target(
    const QByteArray& method, const QString& path, const QUrlQuery& query) const
{
    QUrl url = m_baseUrl;
    // Callers percent-encode the ids they put in a path; those must reach the
    // server as sent, not encoded a second time.
    url.setPath(m_baseUrl.path() + path, QUrl::TolerantMode);
    if (!query.isEmpty())
        url.setQuery(query);
    if (NetworkPolicy::isAllowedTarget(url))
        return url;
    if (m_baseUrl.isEmpty())
        qCDebug(lcAccount) << "ApiClient: no service configured for" << method << path;
    else
        qCWarning(lcAccount).noquote()
            << "ApiClient: refusing" << method << "to" << url.scheme() + "://" + url.host()
            << "(HTTPS required off this machine)";
    return std::nullopt;
}

void ApiClient::sendAs(const QByteArray& method, const QString& path, const QJsonObject& body,
    const QString& token, ApiCallback callback)
{
    const std::optional<QUrl> url = target(method, path, {});
    if (!url) {
        failLater(std::move(callback));
        return;
    }
    executeRequest(method, *url, jsonBytes(body), token, std::move(callback), false);
}

void ApiClient::sendRequest(const QByteArray& method, const QString& path, const QJsonObject& body,
    ApiCallback callback, const QUrlQuery& query, bool requireAuth)
{
    const std::optional<QUrl> target = this->target(method, path, query);
    if (!target) {
        failLater(std::move(callback));
        return;
    }
    const QUrl& url = *target;
    const QByteArray bytes = jsonBytes(body);

    if (!requireAuth) {
        executeRequest(method, url, bytes, QString(), std::move(callback), false);
        return;
    }
    if (!m_tokens->needsRefresh()) {
        executeRequest(method, url, bytes, m_tokens->accessToken(), std::move(callback), true);
        return;
    }
    qCDebug(lcAccount) << "ApiClient: token needs refresh before" << method << url.path();
    sendAfterRefresh(method, url, bytes, std::move(callback), true);
}

void ApiClient::sendAfterRefresh(const QByteArray& method, const QUrl& url, const QByteArray& bytes,
    ApiCallback callback, bool beforeFirstTry)
{
    QPointer<ApiClient> self(this);
    m_tokens->refresh([self, method, url, bytes, callback, beforeFirstTry](RefreshResult result) {
        if (!self)
            return;
        if (result == RefreshResult::Success) {
            // A request that already came back with 401 gets this one more try.
            self->executeRequest(
                method, url, bytes, self->m_tokens->accessToken(), callback, beforeFirstTry);
            return;
        }
        if (beforeFirstTry)
            qCWarning(lcAccount).noquote()
                << "ApiClient: token refresh"
                << (result == RefreshResult::Rejected ? "rejected" : "failed (transient)") << "for"
                << method << url.path();
        const bool rejected = result == RefreshResult::Rejected;
        if (rejected)
            Q_EMIT self->authenticationRequired();
        callback(false, rejected ? 401 : 0, {});
    });
}

void ApiClient::executeRequest(const QByteArray& method, const QUrl& url, const QByteArray& bytes,
    const QString& token, ApiCallback callback, bool allowRetry)
{
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/json"));
    request.setRawHeader("Accept", "application/json");
    if (!m_appId.isEmpty())
        request.setRawHeader("X-App-Id", m_appId.toUtf8());
    if (!m_appVersion.isEmpty())
        request.setRawHeader("X-App-Version", m_appVersion.toUtf8());
    if (!m_platform.isEmpty())
        request.setRawHeader("X-Platform", m_platform.toUtf8());
    if (!token.isEmpty())
        request.setRawHeader("Authorization", "Bearer " + token.toUtf8());
    request.setAttribute(
        QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);

    QNetworkReply* reply = nullptr;
    if (method == "GET")
        reply = m_network->get(request);
    else if (method == "POST")
        reply = m_network->post(request, bytes);
    else if (method == "PUT")
        reply = m_network->put(request, bytes);
    else if (method == "PATCH")
        reply = m_network->sendCustomRequest(request, "PATCH", bytes);
    else if (method == "DELETE")
        reply = m_network->deleteResource(request);
    if (!reply) {
        failLater(std::move(callback));
        return;
    }
    QPointer<ApiClient> self(this);
    BoundedReply::read(reply, { m_timeoutMs, m_maxReplyBytes },
        [self, method, url, bytes, callback, allowRetry](const ReplyResult& result) {
            if (self)
                self->onReply(result, method, url, bytes, callback, allowRetry);
        });
}

void ApiClient::onReply(const ReplyResult& reply, const QByteArray& method, const QUrl& url,
    const QByteArray& bytes, ApiCallback callback, bool allowRetry)
{
    if (reply.status == 401 && allowRetry) {
        sendAfterRefresh(method, url, bytes, std::move(callback), false);
        return;
    }
    if (reply.failed()) {
        Q_EMIT networkError(reply.errorText);
        callback(false, 0, {});
        return;
    }
    const QJsonObject body = QJsonDocument::fromJson(reply.body).object();
    callback(reply.status >= 200 && reply.status <= 299, reply.status, body);
}

} // namespace MellAccount
