#pragma once

#include "Households.h"
#include "LoginGuard.h"
#include "Router.h"
#include "ServerConfig.h"
#include "ServerKeys.h"
#include "SessionStore.h"
#include "SyncStore.h"
#include "UserStore.h"

class Store;

// Everything the routes share: the configuration and the stores.
struct ServerContext {
    ServerContext(Store& store, const ServerKeys& keys, const ServerConfig& config);

    using BearerHandler = std::function<HttpResponse(
        const HttpRequest&, const SessionStore::Bearer&, const QStringList& captured)>;
    // A route for signed-in callers only: anything but a good bearer access
    // token answers 401.
    Router::Handler authenticated(BearerHandler handler);
    // The origin clients use for this server, from the configuration or the request.
    QString publicOrigin(const HttpRequest& request) const;

    Store& store;
    ServerKeys keys;
    ServerConfig config;
    UserStore users;
    SessionStore sessions;
    LoginGuard guard;
    SyncStore sync;
    Households households;
};
