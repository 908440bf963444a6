#pragma once

#include "TokenManager.h"

#include <QJsonObject>
#include <QObject>
#include <QUrl>
#include <QUrlQuery>
#include <functional>
#include <optional>

class QNetworkAccessManager;
struct ReplyResult;

namespace MellAccount {

// The end of every cloud call: `status` is the HTTP status, 0 when none
// arrived; `body` the reply's JSON object or an empty one.
using ApiCallback = std::function<void(bool ok, int status, const QJsonObject& body)>;

// One REST endpoint family under one base URL: JSON in and out, the client's
// headers, the bearer token refreshed before it runs out and once more after a
// 401. Requests end after a transfer timeout, replies are read up to a cap, and
// redirects are never followed (they would carry the token elsewhere).
class ApiClient : public QObject {
    Q_OBJECT

public:
    static constexpr int kTransferTimeoutMs = 60000;
    static constexpr qint64 kMaxReplyBytes = 32 * 1024 * 1024;

    explicit ApiClient(TokenManager* tokens, QObject* parent = nullptr);

    void setBaseUrl(const QUrl& url) { m_baseUrl = url; }
    QUrl baseUrl() const { return m_baseUrl; }
    void setClientInfo(const QString& appId, const QString& appVersion, const QString& platform);
    void setLimits(int transferTimeoutMs, qint64 maxReplyBytes);

    void get(const QString& path, ApiCallback callback, const QUrlQuery& query = {});
    void getPublic(const QString& path, ApiCallback callback, const QUrlQuery& query = {});
    void post(const QString& path, const QJsonObject& body, ApiCallback callback);
    void postPublic(const QString& path, const QJsonObject& body, ApiCallback callback);
    void patch(const QString& path, const QJsonObject& body, ApiCallback callback);
    void remove(const QString& path, ApiCallback callback);
    // Sent once with `token` as the bearer instead of the signed-in user's,
    // without refresh or retry: for tokens not yet kept (a sign-in to confirm)
    // or no longer kept (a sign-out).
    void sendAs(const QByteArray& method, const QString& path, const QJsonObject& body,
        const QString& token, ApiCallback callback);

Q_SIGNALS:
    void authenticationRequired();
    void networkError(const QString& message);

private:
    // The address of `path`, or nothing when no request may go there.
    std::optional<QUrl> target(
        const QByteArray& method, const QString& path, const QUrlQuery& query) const;
    void sendRequest(const QByteArray& method, const QString& path, const QJsonObject& body,
        ApiCallback callback, const QUrlQuery& query, bool requireAuth);
    void executeRequest(const QByteArray& method, const QUrl& url, const QByteArray& bytes,
        const QString& token, ApiCallback callback, bool allowRetry);
    void onReply(const ReplyResult& reply, const QByteArray& method, const QUrl& url,
        const QByteArray& bytes, ApiCallback callback, bool allowRetry);
    // Refreshes the token, then sends; a refresh that fails ends the call.
    void sendAfterRefresh(const QByteArray& method, const QUrl& url, const QByteArray& bytes,
        ApiCallback callback, bool beforeFirstTry);
    void failLater(ApiCallback callback);

    QNetworkAccessManager* m_network;
    TokenManager* m_tokens;
    QUrl m_baseUrl;
    QString m_appId;
    QString m_appVersion;
    QString m_platform;
    int m_timeoutMs = kTransferTimeoutMs;
    qint64 m_maxReplyBytes = kMaxReplyBytes;
};

} // namespace MellAccount
