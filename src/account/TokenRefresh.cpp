#include "TokenRefresh.h"

#include "ApiClient.h"

namespace MellAccount {

bool TokenRefresh::isRejection(int status)
{
    return status == 400 || status == 401 || status == 403;
}

void TokenRefresh::request(
    ApiClient* authApi, const QString& refreshToken, std::function<void(const Answer&)> done)
{
    authApi->postPublic(QStringLiteral("/auth/token/refresh"),
        { { QStringLiteral("refresh_token"), refreshToken } },
        [done = std::move(done)](bool ok, int status, const QJsonObject& body) {
            Answer answer;
            answer.access = body.value(QLatin1String("access_token")).toString();
            answer.refresh = body.value(QLatin1String("refresh_token")).toString();
            answer.ok = ok && !answer.access.isEmpty();
            answer.rejected = !ok && isRejection(status);
            done(answer);
        });
}

void TokenRefresh::install(TokenManager* tokens, ApiClient* authApi)
{
    tokens->setRefreshCallback(
        [authApi](const QString& refreshToken, TokenManager::RefreshSucceeded succeeded,
            TokenManager::RefreshFailed failed) {
            request(authApi, refreshToken, [succeeded, failed](const Answer& answer) {
                if (answer.ok)
                    succeeded(answer.access, answer.refresh);
                else
                    failed(answer.rejected);
            });
        });
}

} // namespace MellAccount
