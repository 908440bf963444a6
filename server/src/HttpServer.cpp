#include "HttpServer.h"

#include "ServerLogging.h"

#include <atomic>
#include <boost/asio/signal_set.hpp>
#include <boost/asio/ssl.hpp>
#include <boost/asio/steady_timer.hpp>
#include <boost/asio/strand.hpp>
#include <boost/beast/core.hpp>
#include <boost/beast/http.hpp>
#include <boost/beast/ssl.hpp>
#include <optional>
#include <thread>
#include <vector>

namespace beast = boost::beast;
namespace http = beast::http;
namespace net = boost::asio;
namespace ssl = boost::asio::ssl;
using tcp = boost::asio::ip::tcp;

namespace {

constexpr std::uint64_t kBodyReadChunk = 256 * 1024;

struct Shared {
    HttpServer::Handler handler;
    HttpLimits limits;
    // Stopping: answers go out with "Connection: close" and no more requests are read.
    std::atomic<bool> draining { false };
    // Requests read whole whose answers are not yet written.
    std::atomic<int> inFlight { 0 };
};

HttpRequest toRequest(
    const http::request<http::string_body>& message, const QString& peer, bool secure)
{
    HttpRequest request;
    request.method
        = QByteArray(message.method_string().data(), qsizetype(message.method_string().size()));
    request.target = QByteArray(message.target().data(), qsizetype(message.target().size()));
    for (const auto& field : message) {
        const QByteArray name
            = QByteArray(field.name_string().data(), qsizetype(field.name_string().size()))
                  .toLower();
        if (!request.headers.contains(name))
            request.headers.insert(
                name, QByteArray(field.value().data(), qsizetype(field.value().size())));
    }
    request.body = QByteArray(message.body().data(), qsizetype(message.body().size()));
    request.peer = peer;
    request.secure = secure;
    return request;
}

// One connection, plain or TLS (Derived supplies stream() and the close), in
// the shape of Beast's own server examples.
template <class Derived> class Session {
public:
    Session(std::shared_ptr<Shared> shared, QString peer)
        : m_shared(std::move(shared))
        , m_peer(std::move(peer))
    {
    }

protected:
    void readNext()
    {
        m_parser.emplace();
        m_parser->body_limit(std::uint64_t(m_shared->limits.maxBody));
        m_parser->header_limit(std::uint32_t(m_shared->limits.maxHeader));
        beast::get_lowest_layer(derived().stream())
            .expires_after(std::chrono::seconds(m_shared->limits.requestSeconds));
        http::async_read_header(derived().stream(), m_buffer, *m_parser,
            beast::bind_front_handler(&Session::onHeader, derived().shared_from_this()));
    }

    beast::flat_buffer m_buffer;

private:
    Derived& derived() { return static_cast<Derived&>(*this); }

    void onHeader(beast::error_code error, std::size_t)
    {
        if (error)
            return onReadFailed(error);
        // From its head on, a request is in flight: a stop waits for its answer.
        ++m_shared->inFlight;
        m_counted = true;
        if (beast::iequals(m_parser->get()[http::field::expect], "100-continue")) {
            auto interim = std::make_shared<http::response<http::empty_body>>(
                http::status::continue_, m_parser->get().version());
            http::async_write(derived().stream(), *interim,
                [self = derived().shared_from_this(), interim](
                    beast::error_code error, std::size_t) {
                    if (error) {
                        self->answered();
                        return self->derived().close();
                    }
                    self->readBody();
                });
            return;
        }
        readBody();
    }

    void readBody()
    {
        // Beast reads as much as the buffer holds free, at least 512 bytes:
        // a large body read through the header's small buffer takes thousands of reads.
        if (const auto length = m_parser->content_length())
            m_buffer.reserve(std::size_t(std::min<std::uint64_t>(*length, kBodyReadChunk)));
        http::async_read(derived().stream(), m_buffer, *m_parser,
            beast::bind_front_handler(&Session::onRead, derived().shared_from_this()));
    }

    void onReadFailed(beast::error_code error)
    {
        if (error == http::error::body_limit)
            return answerAndClose(413, "payload_too_large");
        if (error == http::error::header_limit)
            return answerAndClose(431, "header_too_large");
        if (error.category() == beast::http::make_error_code(http::error::bad_method).category()
            && error != http::error::end_of_stream && error != http::error::partial_message)
            return answerAndClose(400, "bad_request");
        // The client went away, stalled past the deadline or sent nothing more.
        answered();
        derived().close();
    }

    void onRead(beast::error_code error, std::size_t)
    {
        if (error)
            return onReadFailed(error);
        const http::request<http::string_body> message = m_parser->release();
        HttpRequest request = toRequest(message, m_peer, Derived::kSecure);
        HttpResponse response;
        try {
            response = m_shared->handler(request);
        } catch (const std::exception& exception) {
            qCCritical(lcHttp) << "Request handler failed:" << exception.what();
            response = HttpResponse::error(500, QStringLiteral("internal_error"));
        }
        send(response, message.version(), !message.keep_alive() || m_shared->draining);
    }

    void answerAndClose(int status, const char* code)
    {
        send(HttpResponse::error(status, QLatin1String(code)), 11, true);
    }

    void send(const HttpResponse& answer, unsigned version, bool close)
    {
        auto response = std::make_shared<http::response<http::string_body>>(
            http::status(answer.status), version);
        if (!answer.contentType.isEmpty())
            response->set(http::field::content_type, answer.contentType.toStdString());
        for (const auto& [name, value] : answer.headers)
            response->set(name.toStdString(), value.toStdString());
        response->body() = answer.body.toStdString();
        response->keep_alive(!close);
        response->prepare_payload();
        beast::get_lowest_layer(derived().stream())
            .expires_after(std::chrono::seconds(m_shared->limits.requestSeconds));
        http::async_write(derived().stream(), *response,
            [self = derived().shared_from_this(), response, close](
                beast::error_code error, std::size_t) {
                self->answered();
                if (error || close || self->m_shared->draining)
                    return self->close();
                self->readNext();
            });
    }

    void answered()
    {
        if (m_counted)
            --m_shared->inFlight;
        m_counted = false;
    }

    std::shared_ptr<Shared> m_shared;
    QString m_peer;
    std::optional<http::request_parser<http::string_body>> m_parser;
    bool m_counted = false;
};

class PlainSession : public Session<PlainSession>,
                     public std::enable_shared_from_this<PlainSession> {
public:
    static constexpr bool kSecure = false;

    PlainSession(tcp::socket&& socket, std::shared_ptr<Shared> shared, QString peer)
        : Session(std::move(shared), std::move(peer))
        , m_stream(std::move(socket))
    {
    }

    void run() { readNext(); }
    beast::tcp_stream& stream() { return m_stream; }
    // Stops sending and reads what the client still sends for a moment: a
    // socket closed with unread data resets the connection, and the client
    // could lose the answer (a 413 sent before the body arrived).
    void close()
    {
        beast::error_code ignored;
        m_stream.socket().shutdown(tcp::socket::shutdown_send, ignored);
        m_stream.expires_after(std::chrono::seconds(2));
        drain();
    }

private:
    void drain()
    {
        m_stream.async_read_some(net::buffer(m_drain),
            [self = shared_from_this()](beast::error_code error, std::size_t) {
                if (error)
                    return self->m_stream.close();
                self->drain();
            });
    }

    beast::tcp_stream m_stream;
    std::array<char, 16384> m_drain;
};

class TlsSession : public Session<TlsSession>, public std::enable_shared_from_this<TlsSession> {
public:
    static constexpr bool kSecure = true;

    TlsSession(
        tcp::socket&& socket, ssl::context& context, std::shared_ptr<Shared> shared, QString peer)
        : Session(std::move(shared), std::move(peer))
        , m_stream(std::move(socket), context)
    {
    }

    void run()
    {
        beast::get_lowest_layer(m_stream).expires_after(std::chrono::seconds(30));
        m_stream.async_handshake(ssl::stream_base::server, m_buffer.data(),
            [self = shared_from_this()](beast::error_code error, std::size_t used) {
                if (error)
                    return self->drop();
                self->m_buffer.consume(used);
                self->readNext();
            });
    }
    beast::ssl_stream<beast::tcp_stream>& stream() { return m_stream; }
    void close()
    {
        beast::get_lowest_layer(m_stream).expires_after(std::chrono::seconds(5));
        m_stream.async_shutdown([self = shared_from_this()](beast::error_code) { self->drop(); });
    }

private:
    void drop() { beast::get_lowest_layer(m_stream).close(); }

    beast::ssl_stream<beast::tcp_stream> m_stream;
};

} // namespace

struct HttpServer::Private {
    net::io_context io;
    tcp::acceptor acceptor { io };
    std::optional<ssl::context> tls;
    std::shared_ptr<Shared> shared;
    std::vector<std::thread> threads;
    std::optional<net::signal_set> stopSignals;
    net::steady_timer retry { io };
    net::steady_timer drain { io };
    std::chrono::steady_clock::time_point finishing;

    // Idle kept-alive connections end with the I/O threads.
    void waitForRequests()
    {
        if (shared->inFlight == 0 || std::chrono::steady_clock::now() > finishing)
            return io.stop();
        drain.expires_after(std::chrono::milliseconds(20));
        drain.async_wait([this](beast::error_code error) {
            if (!error)
                waitForRequests();
        });
    }

    void accept()
    {
        acceptor.async_accept(
            net::make_strand(io), [this](beast::error_code error, tcp::socket socket) {
                if (error == net::error::operation_aborted)
                    return;
                if (error) {
                    // Out of file descriptors, most likely: let some connections end first.
                    qCWarning(lcHttp) << "Cannot accept a connection:" << error.message().c_str();
                    retry.expires_after(std::chrono::milliseconds(100));
                    retry.async_wait([this](beast::error_code waited) {
                        if (!waited)
                            accept();
                    });
                    return;
                }
                beast::error_code ignored;
                // Answers go out in pieces (head, body); Nagle's wait for the
                // client's delayed acknowledgement would add tens of ms to each.
                socket.set_option(tcp::no_delay(true), ignored);
                const QString peer
                    = QString::fromStdString(socket.remote_endpoint(ignored).address().to_string());
                if (tls)
                    std::make_shared<TlsSession>(std::move(socket), *tls, shared, peer)->run();
                else
                    std::make_shared<PlainSession>(std::move(socket), shared, peer)->run();
                accept();
            });
    }
};

HttpServer::HttpServer(Handler handler, const HttpLimits& limits)
    : d(std::make_unique<Private>())
{
    d->shared = std::make_shared<Shared>();
    d->shared->handler = std::move(handler);
    d->shared->limits = limits;
}

HttpServer::~HttpServer()
{
    stop();
    wait();
}

bool HttpServer::useTls(const QString& certificateFile, const QString& keyFile, QString* error)
{
    try {
        ssl::context context(ssl::context::tls_server);
        context.set_options(ssl::context::default_workarounds | ssl::context::no_sslv2
            | ssl::context::no_sslv3 | ssl::context::no_tlsv1 | ssl::context::no_tlsv1_1
            | ssl::context::single_dh_use);
        context.use_certificate_chain_file(certificateFile.toStdString());
        context.use_private_key_file(keyFile.toStdString(), ssl::context::pem);
        d->tls.emplace(std::move(context));
        return true;
    } catch (const boost::system::system_error& failure) {
        *error = QStringLiteral("cannot use the certificate %1 with the key %2: %3")
                     .arg(certificateFile, keyFile, QString::fromStdString(failure.what()));
        return false;
    }
}

bool HttpServer::isTls() const
{
    return d->tls.has_value();
}

bool HttpServer::listen(const QString& host, quint16 port, QString* error)
{
    beast::error_code failure;
    const auto address = net::ip::make_address(host.toStdString(), failure);
    if (failure) {
        *error = QStringLiteral("not an IP address: %1").arg(host);
        return false;
    }
    const tcp::endpoint endpoint(address, port);
    d->acceptor.open(endpoint.protocol(), failure);
    if (!failure)
        d->acceptor.set_option(net::socket_base::reuse_address(true), failure);
    if (!failure)
        d->acceptor.bind(endpoint, failure);
    if (!failure)
        d->acceptor.listen(net::socket_base::max_listen_connections, failure);
    if (failure) {
        *error = QStringLiteral("cannot listen on %1 port %2: %3")
                     .arg(host)
                     .arg(port)
                     .arg(QString::fromStdString(failure.message()));
        return false;
    }
    return true;
}

quint16 HttpServer::port() const
{
    beast::error_code ignored;
    return d->acceptor.local_endpoint(ignored).port();
}

void HttpServer::start(int threads, std::function<void()> threadEnding)
{
    d->accept();
    for (int i = 0; i < std::max(1, threads); ++i) {
        d->threads.emplace_back([this, threadEnding] {
            d->io.run();
            if (threadEnding)
                threadEnding();
        });
    }
}

void HttpServer::stopOnSignals()
{
    d->stopSignals.emplace(d->io, SIGINT, SIGTERM);
    d->stopSignals->async_wait([this](beast::error_code error, int) {
        if (!error) {
            qCInfo(lcHttp) << "Stopping: no new connections, finishing the requests in flight";
            stopGracefully();
        }
    });
}

void HttpServer::stopGracefully(int maxSeconds)
{
    d->shared->draining = true;
    net::post(d->io, [this, maxSeconds] {
        beast::error_code ignored;
        d->acceptor.close(ignored);
        d->finishing = std::chrono::steady_clock::now() + std::chrono::seconds(maxSeconds);
        d->waitForRequests();
    });
}

bool HttpServer::isStopping() const
{
    return d->shared->draining;
}

void HttpServer::stop()
{
    d->io.stop();
}

void HttpServer::wait()
{
    for (std::thread& thread : d->threads) {
        if (thread.joinable())
            thread.join();
    }
    d->threads.clear();
}
