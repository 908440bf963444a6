#pragma once

#include "HttpMessage.h"

#include <QString>
#include <functional>
#include <memory>

// HTTP/1.1 on Boost.Beast: asynchronous reads and writes, so a slow or
// stalled client holds a socket, never a thread; every request must arrive
// whole within a deadline, bodies beyond the limit are refused with 413
// before they are read, and TLS (OpenSSL) runs on the same path. Handlers run
// on the I/O threads and may block on the database.
struct HttpLimits {
    qsizetype maxBody = 16 * 1024 * 1024;
    qsizetype maxHeader = 16 * 1024;
    // For a whole request, from the first byte to the last, and for the wait
    // for the next request on a kept-alive connection.
    int requestSeconds = 60;
};

class HttpServer {
public:
    using Handler = std::function<HttpResponse(HttpRequest&)>;

    explicit HttpServer(Handler handler, const HttpLimits& limits = HttpLimits());
    ~HttpServer();
    HttpServer(const HttpServer&) = delete;
    HttpServer& operator=(const HttpServer&) = delete;

    // PEM files; the certificate file may hold the chain.
    bool useTls(const QString& certificateFile, const QString& keyFile, QString* error);
    bool isTls() const;
    // Binds and listens; port 0 takes a free one.
    bool listen(const QString& host, quint16 port, QString* error);
    quint16 port() const;

    // Runs the I/O threads; `threadEnding` runs on each as it ends.
    void start(int threads, std::function<void()> threadEnding = {});
    // SIGINT and SIGTERM stop the server gracefully.
    void stopOnSignals();
    // Refuses new connections, answers the requests already read (with
    // "Connection: close"), then stops; at most `maxSeconds` later in any case.
    void stopGracefully(int maxSeconds = 30);
    bool isStopping() const;
    void stop();
    // Blocks until the server stops and its threads have ended.
    void wait();

private:
    struct Private;
    std::unique_ptr<Private> d;
};
