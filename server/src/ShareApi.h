#pragma once

class Router;
struct ServerContext;

// Who sees an account besides its owner: GET /accounts/{id}/members,
// POST /accounts/{id}/share, DELETE /accounts/{id}/share/{user}, under the
// sync API. The id is the account's server id.
namespace ShareApi {

void addRoutes(Router& router, ServerContext& context);

} // namespace ShareApi
