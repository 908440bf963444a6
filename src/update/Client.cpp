#include "Client.h"

#include "Manifest.h"
#include "UpdateLogging.h"
#include "UpdateRequest.h"
#include "Version.h"
#include "net/NetworkPolicy.h"

#include <QNetworkAccessManager>

namespace MellUpdate {

Client::Client(const UpdateConfig& config, QObject* parent)
    : QObject(parent)
    , m_config(config)
    , m_network(new QNetworkAccessManager(this))
    , m_timeoutMs(UpdateRequest::kTimeoutMs)
{
}

Client* Client::createOneShot(const UpdateConfig& config, QObject* parent)
{
    auto* client = new Client(config, parent);
    connect(client, &Client::updateAvailable, client, &QObject::deleteLater);
    connect(client, &Client::upToDate, client, &QObject::deleteLater);
    connect(client, &Client::checkFailed, client, &QObject::deleteLater);
    return client;
}

void Client::check()
{
    if (m_inFlight) {
        qCDebug(lcUpdate) << "check already in flight, ignoring";
        return;
    }
    if (!NetworkPolicy::isAllowedTarget(m_config.manifestBaseUrl)) {
        fail(Failure::Configuration, QStringLiteral("manifestBaseUrl is not valid"));
        return;
    }
    if (m_config.currentVersion.isEmpty()) {
        fail(Failure::Configuration, QStringLiteral("currentVersion is empty"));
        return;
    }
    QUrl url = m_config.manifestBaseUrl;
    QString path = url.path();
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    url.setPath(path + QLatin1String("latest.json"));

    m_inFlight = true;
    UpdateRequest::get(m_network, url, m_config.app, m_timeoutMs,
        [this](const ReplyResult& reply) { onManifestReply(reply); });
}

void Client::fail(Failure failure, const QString& reason)
{
    m_failure = failure;
    Q_EMIT checkFailed(reason);
}

void Client::onManifestReply(const ReplyResult& reply)
{
    m_inFlight = false;
    if (reply.status == 404) {
        qCInfo(lcUpdate) << "manifest 404, treating as up-to-date";
        Q_EMIT upToDate();
        return;
    }
    if (reply.failed() || reply.status < 200 || reply.status > 299) {
        const QString why
            = reply.failed() ? reply.errorText : QStringLiteral("HTTP %1").arg(reply.status);
        fail(Failure::Network, QStringLiteral("network error: %1").arg(why));
        return;
    }

    QString error;
    const auto manifest = Manifest::parse(reply.body, &error);
    if (!manifest) {
        fail(Failure::Manifest, QStringLiteral("manifest invalid: %1").arg(error));
        return;
    }
    const QString key = Manifest::platformKey();
    if (key.isEmpty()) {
        qCWarning(lcUpdate) << "unknown platform, skipping update check";
        Q_EMIT upToDate();
        return;
    }
    const auto found = manifest->artifacts.constFind(key);
    if (found == manifest->artifacts.constEnd()) {
        qCInfo(lcUpdate).noquote() << "platform" << key << "not shipped in current manifest";
        Q_EMIT upToDate();
        return;
    }
    const Artifact& artifact = *found;
    const Version current = Version::parse(m_config.currentVersion);
    if (Version::parse(artifact.version) <= current) {
        Q_EMIT upToDate();
        return;
    }
    if (!artifact.minUpgradableFrom.isEmpty()
        && current < Version::parse(artifact.minUpgradableFrom)) {
        m_minimumVersion = artifact.minUpgradableFrom;
        fail(Failure::TooOld,
            QStringLiteral("current version %1 is older than min_upgradable_from %2; "
                           "please upgrade to an intermediate release first")
                .arg(m_config.currentVersion, artifact.minUpgradableFrom));
        return;
    }
    Q_EMIT updateAvailable(artifact);
}

} // namespace MellUpdate
