#pragma once

class Router;
struct ServerContext;

// The authentication API under "/api/v1/realms/{realm}": token refresh,
// sign-out, the signed-in user, the password and the sessions.
namespace AuthApi {

void addRoutes(Router& router, ServerContext& context);

} // namespace AuthApi
