#include "TokenRefresh.h"

#include "ApiClient.h"

namespace MellAccount {

bool TokenRefresh::isRejection(int status)
{
    return status == 400 || status == 401 || status == 403;
}

void TokenRefresh::install(TokenManager* tokens, ApiClient* authApi)
{
    tokens->setRefreshCallback(
        [authApi](const QString& refreshToken, TokenManager::RefreshSucceeded succeeded,
            TokenManager::RefreshFailed failed) {
            authApi->postPublic(QStringLiteral("/auth/token/refresh"),
                { { QStringLiteral("refresh_token"), refreshToken } },
                [succeeded, failed](bool ok, int status, const QJsonObject& body) {
                    const QString access = body.value(QLatin1String("access_token")).toString();
                    if (ok && !access.isEmpty())
                        succeeded(access, body.value(QLatin1String("refresh_token")).toString());
                    else
                        failed(!ok && isRejection(status));
                });
        });
}

} // namespace MellAccount
