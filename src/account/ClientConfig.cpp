#include "ClientConfig.h"

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
    ClientConfig config;
    config.authBaseUrl = valueOr("AUTH_BASE_URL", QStringLiteral(LEDGERINE_DEFAULT_AUTH_BASE_URL));
    config.realmSlug = valueOr("AUTH_REALM_SLUG", QStringLiteral("mellowind"));
    config.accountApiUrl
        = valueOr("ACCOUNT_API_URL", QStringLiteral(LEDGERINE_DEFAULT_ACCOUNT_API_URL));
    config.clientId = valueOr("AUTH_CLIENT_ID", QStringLiteral("7d2e94b0c1f35a86e0b4d2c9f817a3e5"));
    config.appId = QStringLiteral("com.mellowindvantor.ledgerine");
    config.appName = QStringLiteral("Mellowind Ledgerine");
    config.appVersion = QStringLiteral(LEDGERINE_VERSION);
    return config;
}

QString ClientConfig::syncApiUrlFromEnvironment()
{
    return valueOr("SYNC_API_URL", QStringLiteral(LEDGERINE_DEFAULT_SYNC_API_URL));
}

} // namespace MellAccount
