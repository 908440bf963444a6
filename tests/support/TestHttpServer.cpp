#include "TestHttpServer.h"

#include <QFile>
#include <QJsonDocument>
#include <QNetworkReply>
#include <QPointer>
#include <QSslConfiguration>
#include <QSslKey>
#include <QSslSocket>
#include <QTimer>

namespace {

QByteArray fixture(const char* name)
{
    QFile file(QStringLiteral(LEDGERINE_TEST_DATA "/%1").arg(QLatin1String(name)));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing test fixture %s", name);
    return file.readAll();
}

QSslCertificate certificate()
{
    return QSslCertificate(fixture("loopback-tls.crt"));
}

// Headers each side of a forwarded exchange sets for itself.
bool hopByHop(const QByteArray& name)
{
    static const QList<QByteArray> names { "host", "connection", "content-length",
        "accept-encoding", "content-encoding", "transfer-encoding" };
    return names.contains(name.toLower());
}

bool matches(const QString& pattern, const QString& path)
{
    if (pattern.endsWith(QLatin1String("/*")))
        return path.startsWith(pattern.chopped(1));
    return pattern == path;
}

} // namespace

QJsonObject TestHttpRequest::json() const
{
    return QJsonDocument::fromJson(body).object();
}

TestHttpResponse TestHttpResponse::json(int status, const QJsonObject& body)
{
    return { status, QJsonDocument(body).toJson(QJsonDocument::Compact),
        { { "Content-Type", "application/json" } } };
}

TestHttpResponse TestHttpResponse::redirect(int status, const QUrl& location)
{
    return { status, {}, { { "Location", location.toEncoded() } } };
}

TestHttpResponse TestHttpResponse::error(int status, const QString& code)
{
    return json(status, { { QStringLiteral("error"), code } });
}

TestHttpServer::TestHttpServer(Scheme scheme, QObject* parent, quint16 port)
    : QTcpServer(parent)
    , m_scheme(scheme)
{
    if (!listen(QHostAddress::LocalHost, port))
        qFatal("test HTTP server cannot listen: %s", qPrintable(errorString()));
}

TestHttpServer::~TestHttpServer() = default;

void TestHttpServer::trustCertificate()
{
    QSslConfiguration config = QSslConfiguration::defaultConfiguration();
    config.addCaCertificate(certificate());
    QSslConfiguration::setDefaultConfiguration(config);
}

QUrl TestHttpServer::url(const QString& path) const
{
    QUrl url;
    url.setScheme(m_scheme == Scheme::Https ? QStringLiteral("https") : QStringLiteral("http"));
    url.setHost(QStringLiteral("127.0.0.1"));
    url.setPort(serverPort());
    url.setPath(path);
    return url;
}

void TestHttpServer::route(const QByteArray& method, const QString& path, Handler handler)
{
    // Later routes win, so a test can replace one a fixture set up.
    m_routes.prepend({ method, path, std::move(handler) });
}

void TestHttpServer::setRewrite(const QString& path, const TestHttpRewrite& rewrite)
{
    if (rewrite.request || rewrite.answer)
        m_rewrites.insert(path, rewrite);
    else
        m_rewrites.remove(path);
}

void TestHttpServer::serve(const QString& path, const TestHttpResponse& response)
{
    route("GET", path, [response](const TestHttpRequest&) { return response; });
}

void TestHttpServer::setFault(const QString& path, const TestHttpFault& fault)
{
    m_faults.insert(path, fault);
}

QList<TestHttpRequest> TestHttpServer::requestsTo(const QString& path) const
{
    QList<TestHttpRequest> found;
    for (const TestHttpRequest& request : m_requests) {
        if (request.path == path)
            found.append(request);
    }
    return found;
}

void TestHttpServer::incomingConnection(qintptr descriptor)
{
    ++m_connections;
    QTcpSocket* socket = nullptr;
    if (m_scheme == Scheme::Https) {
        auto* tls = new QSslSocket(this);
        if (!tls->setSocketDescriptor(descriptor)) {
            delete tls;
            return;
        }
        tls->setLocalCertificate(certificate());
        tls->setPrivateKey(QSslKey(fixture("loopback-tls.key"), QSsl::Ec));
        tls->startServerEncryption();
        socket = tls;
    } else {
        socket = new QTcpSocket(this);
        if (!socket->setSocketDescriptor(descriptor)) {
            delete socket;
            return;
        }
    }
    m_incoming.insert(socket, {});
    connect(socket, &QTcpSocket::readyRead, this, [this, socket] { readFrom(socket); });
    connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
        m_incoming.remove(socket);
        socket->deleteLater();
    });
}

void TestHttpServer::readFrom(QTcpSocket* socket)
{
    const auto pending = m_incoming.find(socket);
    if (pending == m_incoming.end())
        return;
    QByteArray& bytes = *pending;
    bytes += socket->readAll();
    const qsizetype headerEnd = bytes.indexOf("\r\n\r\n");
    if (headerEnd < 0)
        return;

    TestHttpRequest request;
    const QList<QByteArray> lines = bytes.left(headerEnd).split('\n');
    const QList<QByteArray> requestLine = lines.value(0).trimmed().split(' ');
    request.method = requestLine.value(0);
    const QUrl target = QUrl::fromEncoded(requestLine.value(1));
    request.path = target.path();
    request.rawPath = target.path(QUrl::FullyEncoded).toUtf8();
    request.query = QUrlQuery(target);
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const qsizetype colon = lines.at(i).indexOf(':');
        if (colon > 0)
            request.headers.insert(
                lines.at(i).left(colon).trimmed().toLower(), lines.at(i).mid(colon + 1).trimmed());
    }
    const qsizetype length = request.header("content-length").toLongLong();
    if (bytes.size() < headerEnd + 4 + length)
        return;
    request.body = bytes.mid(headerEnd + 4, length);
    // One request per connection: every answer closes it.
    m_incoming.erase(pending);
    m_requests.append(request);
    answer(socket, request);
}

std::optional<TestHttpFault> TestHttpServer::takeFault(const QString& path)
{
    auto it = m_faults.find(path);
    if (it == m_faults.end())
        return std::nullopt;
    const TestHttpFault fault = *it;
    if (it->times > 0 && --it->times == 0)
        m_faults.erase(it);
    return fault;
}

const TestHttpServer::Route* TestHttpServer::routeFor(const TestHttpRequest& request) const
{
    for (const Route& route : m_routes) {
        if (route.method == request.method && matches(route.path, request.path))
            return &route;
    }
    return nullptr;
}

void TestHttpServer::forward(
    TestHttpRequest request, const std::function<void(const TestHttpResponse&)>& send)
{
    const TestHttpRequest original = request;
    const TestHttpRewrite rewrite = m_rewrites.value(request.path);
    if (rewrite.request)
        rewrite.request(request);
    QUrl url = m_upstream;
    // Kept as it came: an encoded slash must reach the server encoded.
    url.setPath(QString::fromLatin1(request.rawPath), QUrl::TolerantMode);
    url.setQuery(request.query);
    QNetworkRequest outgoing(url);
    outgoing.setAttribute(
        QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    for (auto header = request.headers.cbegin(); header != request.headers.cend(); ++header) {
        if (!hopByHop(header.key()))
            outgoing.setRawHeader(header.key(), header.value());
    }
    QNetworkReply* reply = m_network.sendCustomRequest(outgoing, request.method, request.body);
    connect(reply, &QNetworkReply::finished, this, [reply, rewrite, original, send] {
        reply->deleteLater();
        TestHttpResponse response {
            reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), reply->readAll(), {}
        };
        if (response.status == 0)
            response = TestHttpResponse::error(502, QStringLiteral("bad_gateway"));
        for (const auto& [name, value] : reply->rawHeaderPairs()) {
            if (!hopByHop(name))
                response.headers.append({ name, value });
        }
        if (rewrite.answer)
            rewrite.answer(original, response);
        send(response);
    });
}

void TestHttpServer::answer(QTcpSocket* socket, const TestHttpRequest& request)
{
    const TestHttpFault fault = takeFault(request.path).value_or(TestHttpFault {});
    if (fault.hang)
        return;
    if (fault.drop) {
        socket->abort();
        return;
    }
    QPointer<QTcpSocket> guarded(socket);
    const auto send = [this, guarded, fault](const TestHttpResponse& response) {
        if (!guarded)
            return;
        if (fault.dropAfterAnswer) {
            guarded->abort();
            return;
        }
        QTimer::singleShot(fault.delayMs, this, [guarded, response, endless = fault.endlessBody] {
            if (!guarded)
                return;
            // No client reads the reason phrase, which may be empty.
            QByteArray head
                = "HTTP/1.1 " + QByteArray::number(response.status) + " \r\nConnection: close\r\n";
            for (const auto& [name, value] : response.headers)
                head += name + ": " + value + "\r\n";
            if (!endless)
                head += "Content-Length: " + QByteArray::number(response.body.size()) + "\r\n";
            guarded->write(head + "\r\n");
            if (!endless) {
                guarded->write(response.body);
                guarded->disconnectFromHost();
                return;
            }
            auto* feed = new QTimer(guarded);
            QObject::connect(feed, &QTimer::timeout, guarded,
                [socket = guarded.data()] { socket->write(QByteArray(16 * 1024, 'x')); });
            feed->start(5);
        });
    };
    if (fault.status)
        send(TestHttpResponse::json(fault.status));
    else if (const Route* route = routeFor(request))
        send(route->handler(request));
    else if (m_upstream.isValid())
        forward(request, send);
    else
        send(TestHttpResponse::error(404, QStringLiteral("not_found")));
}
