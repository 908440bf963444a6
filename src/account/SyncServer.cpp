#include "SyncServer.h"

#include "net/NetworkPolicy.h"
#include "net/ServerWire.h"

#include <QSettings>
#include <QUrl>

namespace MellAccount {

namespace {

const QString kGroup = QStringLiteral("syncServer");

} // namespace

std::optional<SyncServer> SyncServer::fromDiscovery(
    const QString& address, const QJsonObject& document)
{
    using namespace ServerWire;
    SyncServer server { address, document.value(kVersion).toString(),
        document.value(kAuthBaseUrl).toString(), document.value(kRealm).toString(),
        document.value(kClientId).toString(), document.value(kAccountApiUrl).toString(),
        document.value(kSyncApiUrl).toString() };
    if (server.realm.isEmpty() || server.clientId.isEmpty())
        return std::nullopt;
    for (const QString& url : { server.authBaseUrl, server.accountApiUrl, server.syncApiUrl }) {
        if (!NetworkPolicy::isAllowedTarget(QUrl(url, QUrl::StrictMode)))
            return std::nullopt;
    }
    return server;
}

std::optional<SyncServer> SyncServer::stored()
{
    QSettings settings;
    settings.beginGroup(kGroup);
    const SyncServer server { settings.value("address").toString(),
        settings.value("version").toString(), settings.value("authBaseUrl").toString(),
        settings.value("realm").toString(), settings.value("clientId").toString(),
        settings.value("accountApiUrl").toString(), settings.value("syncApiUrl").toString() };
    if (server.address.isEmpty() || server.authBaseUrl.isEmpty())
        return std::nullopt;
    return server;
}

void SyncServer::store() const
{
    QSettings settings;
    settings.beginGroup(kGroup);
    settings.setValue("address", address);
    settings.setValue("version", version);
    settings.setValue("authBaseUrl", authBaseUrl);
    settings.setValue("realm", realm);
    settings.setValue("clientId", clientId);
    settings.setValue("accountApiUrl", accountApiUrl);
    settings.setValue("syncApiUrl", syncApiUrl);
}

void SyncServer::forget()
{
    QSettings().remove(kGroup);
}

} // namespace MellAccount
