#pragma once

#include <QString>
#include <functional>

namespace MellAccount {

class ApiClient;
class TokenManager;

namespace TokenRefresh {

// What one exchange of a refresh token came to: new tokens (the refresh token
// may be empty when the server keeps the old one), or a failure that says
// whether the refresh token itself was refused.
struct Answer {
    bool ok = false;
    bool rejected = false;
    QString access;
    QString refresh;
};

// Lets `tokens` refresh through the authentication server's
// "/auth/token/refresh" on `authApi`.
void install(TokenManager* tokens, ApiClient* authApi);

// One refresh request, outside the token manager.
void request(
    ApiClient* authApi, const QString& refreshToken, std::function<void(const Answer&)> done);

// 400, 401 and 403 say the refresh token is no good; any other failure (408,
// 429, 5xx, no answer) may pass and keeps the user signed in.
bool isRejection(int status);

} // namespace TokenRefresh
} // namespace MellAccount
