#pragma once

class Router;
struct ServerContext;

// The account API under "/account/v1": the profile (and deleting the
// account), the devices, and the household group, which this server does
// not have yet (everyone is in none).
namespace AccountApi {

void addRoutes(Router& router, ServerContext& context);

} // namespace AccountApi
