#include "ServerDiscovery.h"

#include "AccountLogging.h"
#include "net/BoundedReply.h"
#include "net/NetworkPolicy.h"
#include "net/ServerWire.h"

#include <QJsonDocument>
#include <QNetworkAccessManager>
#include <QNetworkRequest>
#include <QPointer>

namespace MellAccount {

namespace {

constexpr int kTimeoutMs = 15000;
constexpr qint64 kMaxBytes = 64 * 1024;

} // namespace

ServerDiscovery::ServerDiscovery(QObject* parent)
    : QObject(parent)
    , m_network(new QNetworkAccessManager(this))
{
}

QUrl ServerDiscovery::addressFrom(const QString& typed, QString* error)
{
    QString text = typed.trimmed();
    // Without a scheme: plain http for a server on this computer (how
    // ledgerine-server starts), https anywhere else.
    if (!text.contains(QLatin1String("://"))) {
        const bool here = NetworkPolicy::isLoopback(QUrl(QLatin1String("http://") + text));
        text.prepend(here ? QLatin1String("http://") : QLatin1String("https://"));
    }
    const QUrl url(text, QUrl::StrictMode);
    if (!url.isValid() || url.host().isEmpty()
        || (url.scheme() != QLatin1String("https") && url.scheme() != QLatin1String("http"))) {
        *error = tr("This is not a web address.");
        return QUrl();
    }
    if (!NetworkPolicy::isAllowedTarget(url)) {
        *error = tr("Plain http is only for a server on this computer; use https.");
        return QUrl();
    }
    QUrl origin;
    origin.setScheme(url.scheme());
    origin.setHost(url.host());
    origin.setPort(url.port());
    return origin;
}

void ServerDiscovery::check(const QString& typed, Done done)
{
    QString error;
    const QUrl origin = addressFrom(typed, &error);
    if (!origin.isValid()) {
        done(std::nullopt, error);
        return;
    }
    QUrl url = origin;
    url.setPath(QLatin1String(ServerWire::kDiscoveryPath));
    QNetworkRequest request(url);
    request.setAttribute(
        QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setRawHeader("Accept", "application/json");
    QPointer<ServerDiscovery> self(this);
    const QString address = origin.toString();
    BoundedReply::read(m_network->get(request), { kTimeoutMs, kMaxBytes },
        [self, address, done = std::move(done)](const ReplyResult& result) {
            if (!self)
                return;
            if (result.failed() || result.status != 200) {
                qCInfo(lcAccount).noquote()
                    << "No sync server at" << address << result.status << result.errorText;
                done(std::nullopt,
                    result.status > 0
                        ? tr("The server answered with HTTP status %1.").arg(result.status)
                        : tr("Nothing answered at this address."));
                return;
            }
            const auto server
                = SyncServer::fromDiscovery(address, QJsonDocument::fromJson(result.body).object());
            if (!server) {
                done(std::nullopt,
                    tr("The answer does not come from a Mellowind Ledgerine sync server."));
                return;
            }
            done(server, QString());
        });
}

} // namespace MellAccount
