#pragma once

#include "HttpServer.h"
#include "Router.h"
#include "ServerConfig.h"
#include "Store.h"

#include <atomic>
#include <memory>

struct ServerContext;

// The whole service: the store, the routes of sign-in, account and sync, the
// discovery document, and the HTTP server in front of them.
class Server {
public:
    Server(const Store::Location& location, const ServerConfig& config);
    ~Server();

    // Opens the store, brings its schema up to date and reads the key.
    bool open(QString* error);
    // Empty certificate and key: plain HTTP.
    bool listen(const QString& host, quint16 port, const QString& certificate, const QString& key,
        QString* error);
    quint16 port() const;
    bool isTls() const;
    void start(int threads);
    void stopOnSignals();
    // Finishes the requests in flight and refuses new ones.
    void stopGracefully();
    void stop();
    void wait();

    // After open(): the stores, for the administration commands and tests.
    ServerContext& context() { return *m_context; }
    HttpResponse handle(HttpRequest& request);

private:
    void maintainIfDue();
    HttpResponse health();

    Store m_store;
    ServerConfig m_config;
    std::unique_ptr<ServerContext> m_context;
    Router m_router;
    std::unique_ptr<HttpServer> m_http;
    std::atomic<qint64> m_lastMaintenance { 0 };
};
