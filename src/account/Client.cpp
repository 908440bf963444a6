#include "Client.h"

#include "AccountClient.h"
#include "AccountLogging.h"
#include "ApiClient.h"
#include "AuthClient.h"
#include "SystemTokenStore.h"
#include "TokenManager.h"
#include "app/AppPaths.h"

#include <QSysInfo>

namespace MellAccount {

Client::Client(const ClientConfig& config, QObject* parent)
    : Client(
        config, std::make_unique<SystemTokenStore>(config.appId, AppPaths::dataDirectory()), parent)
{
}

Client::Client(const ClientConfig& config, std::unique_ptr<TokenStore> store, QObject* parent)
    : QObject(parent)
    , m_config(config)
    , m_tokens(new TokenManager(std::move(store), this))
    , m_authApi(new ApiClient(m_tokens, this))
    , m_accountApi(new ApiClient(m_tokens, this))
    , m_syncApi(new ApiClient(m_tokens, this))
    , m_auth(new AuthClient(
          config.authBaseUrl, config.realmSlug, config.clientId, m_authApi, m_tokens, this))
    , m_account(new AccountClient(m_accountApi, m_auth, config, this))
{
    if (!config.authBaseUrl.isEmpty())
        m_authApi->setBaseUrl(
            QUrl(QStringLiteral("%1/api/v1/realms/%2").arg(config.authBaseUrl, config.realmSlug)));
    if (!config.accountApiUrl.isEmpty())
        m_accountApi->setBaseUrl(QUrl(config.accountApiUrl));
    const QString platform = derivePlatform(config.platform, QSysInfo::kernelType());
    for (ApiClient* api : { m_authApi, m_accountApi, m_syncApi }) {
        api->setClientInfo(config.appId, config.appVersion, platform);
        connect(api, &ApiClient::authenticationRequired, this, &Client::authenticationRequired);
    }
    connect(m_auth, &AuthClient::stateChanged, this, &Client::authStateChanged);
    connect(this, &Client::authenticationRequired, m_auth, &AuthClient::onAuthenticationLost);
}

void Client::setServices(const ClientConfig& config, const QString& syncApiUrl)
{
    m_config.authBaseUrl = config.authBaseUrl;
    m_config.realmSlug = config.realmSlug;
    m_config.accountApiUrl = config.accountApiUrl;
    m_config.clientId = config.clientId;
    m_auth->setService(config.authBaseUrl, config.realmSlug, config.clientId);
    m_authApi->setBaseUrl(config.authBaseUrl.isEmpty()
            ? QUrl()
            : QUrl(QStringLiteral("%1/api/v1/realms/%2").arg(config.authBaseUrl, config.realmSlug)));
    m_accountApi->setBaseUrl(QUrl(config.accountApiUrl));
    m_syncApi->setBaseUrl(QUrl(syncApiUrl));
}

Client* Client::fromEnvironment(QObject* parent)
{
    const ClientConfig config = ClientConfig::fromEnvironment();
    const QString syncUrl = ClientConfig::syncApiUrlFromEnvironment();
    qCInfo(lcAccount).noquote() << "Auth:" << config.authBaseUrl
                                << "Account:" << config.accountApiUrl << "Sync:" << syncUrl;
    auto* client = new Client(config, parent);
    if (!syncUrl.isEmpty())
        client->syncApi()->setBaseUrl(QUrl(syncUrl));
    return client;
}

void Client::initialize()
{
    m_auth->initialize();
}

bool Client::isAuthenticated() const
{
    return m_auth->isAuthenticated();
}

QString Client::notConfiguredMessage()
{
    return tr(
        "No sync server is set. Enter its address in Edit › Preferences › Data & Sync › Sync "
        "server, or set AUTH_BASE_URL, ACCOUNT_API_URL and SYNC_API_URL in the environment.");
}

QString Client::derivePlatform(const QString& configured, const QString& kernelType)
{
    if (!configured.isEmpty())
        return configured;
    const QString kernel = kernelType.toLower();
    if (kernel == QLatin1String("darwin"))
        return QStringLiteral("macos");
    if (kernel == QLatin1String("winnt"))
        return QStringLiteral("windows");
    return kernel;
}

} // namespace MellAccount
