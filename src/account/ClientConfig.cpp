#include "ClientConfig.h"

#include "SyncServer.h"
#include "app/Environment.h"

// Deployment addresses, set when the program is built (empty: no cloud service).
#ifndef LEDGERINE_DEFAULT_AUTH_BASE_URL
#define LEDGERINE_DEFAULT_AUTH_BASE_URL ""
#endif
#ifndef LEDGERINE_DEFAULT_ACCOUNT_API_URL
#define LEDGERINE_DEFAULT_ACCOUNT_API_URL ""
#endif
#ifndef LEDGERINE_DEFAULT_SYNC_API_URL
#define LEDGERINE_DEFAULT_SYNC_API_URL ""
#endif

namespace MellAccount {

namespace {

QString valueOr(const char* variable, const QString& fallback)
{
    const QString value = Environment::value(variable);
    return value.isEmpty() ? fallback : value;
}

} // namespace

ClientConfig ClientConfig::fromEnvironment()
{
    // The sync server chosen in the preferences stands in for the built-in addresses.
    const auto server = SyncServer::stored();
    const auto chosenOr = [&server](QString SyncServer::*member, const QString& builtIn) {
        return server ? (*server).*member : builtIn;
    };
    ClientConfig config;
    config.authBaseUrl = valueOr("AUTH_BASE_URL",
        chosenOr(&SyncServer::authBaseUrl, QStringLiteral(LEDGERINE_DEFAULT_AUTH_BASE_URL)));
    config.realmSlug
        = valueOr("AUTH_REALM_SLUG", chosenOr(&SyncServer::realm, QStringLiteral("mellowind")));
    config.accountApiUrl = valueOr("ACCOUNT_API_URL",
        chosenOr(&SyncServer::accountApiUrl, QStringLiteral(LEDGERINE_DEFAULT_ACCOUNT_API_URL)));
    config.clientId = valueOr("AUTH_CLIENT_ID",
        chosenOr(&SyncServer::clientId, QStringLiteral("7d2e94b0c1f35a86e0b4d2c9f817a3e5")));
    config.appId = QStringLiteral("com.mellowindvantor.ledgerine");
    config.appName = QStringLiteral("Mellowind Ledgerine");
    config.appVersion = QStringLiteral(LEDGERINE_VERSION);
    return config;
}

QString ClientConfig::syncApiUrlFromEnvironment()
{
    const auto server = SyncServer::stored();
    return valueOr("SYNC_API_URL",
        server ? server->syncApiUrl : QStringLiteral(LEDGERINE_DEFAULT_SYNC_API_URL));
}

bool ClientConfig::isSetByEnvironment()
{
    for (const char* variable : { "AUTH_BASE_URL", "ACCOUNT_API_URL", "SYNC_API_URL" }) {
        if (Environment::isSet(variable))
            return true;
    }
    return false;
}

} // namespace MellAccount
