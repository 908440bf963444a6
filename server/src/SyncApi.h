#pragma once

class Router;
struct ServerContext;

// The sync API under "/ledgerine/v1": push and pull.
namespace SyncApi {

void addRoutes(Router& router, ServerContext& context);

} // namespace SyncApi
