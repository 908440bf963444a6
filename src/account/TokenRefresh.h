#pragma once

namespace MellAccount {

class ApiClient;
class TokenManager;

namespace TokenRefresh {

// Lets `tokens` refresh through the authentication server's
// "/auth/token/refresh" on `authApi`.
void install(TokenManager* tokens, ApiClient* authApi);

// 400, 401 and 403 say the refresh token is no good; any other failure (408,
// 429, 5xx, no answer) may pass and keeps the user signed in.
bool isRejection(int status);

} // namespace TokenRefresh
} // namespace MellAccount
