#pragma once

#include <QByteArray>
#include <QHash>
#include <QJsonObject>
#include <QList>
#include <QNetworkAccessManager>
#include <QTcpServer>
#include <QUrl>
#include <QUrlQuery>
#include <functional>
#include <optional>

class QTcpSocket;

// One request as the server received it.
struct TestHttpRequest {
    QByteArray method;
    QString path;
    // The path as it came, still percent-encoded.
    QByteArray rawPath;
    QUrlQuery query;
    // Names in lower case.
    QHash<QByteArray, QByteArray> headers;
    QByteArray body;

    QByteArray header(const QByteArray& name) const { return headers.value(name.toLower()); }
    QJsonObject json() const;
};

struct TestHttpResponse {
    int status = 200;
    QByteArray body;
    QList<QPair<QByteArray, QByteArray>> headers;

    static TestHttpResponse json(int status, const QJsonObject& body = {});
    static TestHttpResponse redirect(int status, const QUrl& location);
    // {"error": code}, as the services answer.
    static TestHttpResponse error(int status, const QString& code);
    static TestHttpResponse noContent() { return { 204, {}, {} }; }
};

// What goes wrong with the answers to one path.
struct TestHttpFault {
    int delayMs = 0; // answer this much later
    int status = 0; // answer with this status and an empty JSON object instead
    bool drop = false; // close the connection without an answer
    bool dropAfterAnswer = false; // let the route do its work, then close without an answer
    bool hang = false; // keep the connection open and never answer
    bool endlessBody = false; // send the status line, then body bytes until the client leaves
    int times = -1; // how many requests it spoils; -1 for every one
};

// Changes a forwarded request on its way and its answer (given the request as
// it came) on the way back.
struct TestHttpRewrite {
    std::function<void(TestHttpRequest&)> request = {};
    std::function<void(const TestHttpRequest&, TestHttpResponse&)> answer = {};
};

// A small HTTP/1.1 server on 127.0.0.1 at a port the system chooses (or the
// one asked for), answering the routes a test gives it or passing requests on
// to a real server in front of which it stands, logging every request, and
// misbehaving on request. With TLS it presents a certificate for 127.0.0.1
// that trustCertificate() makes this process's clients accept.
class TestHttpServer : public QTcpServer {
    Q_OBJECT

public:
    using Handler = std::function<TestHttpResponse(const TestHttpRequest&)>;
    enum class Scheme { Http, Https };

    explicit TestHttpServer(
        Scheme scheme = Scheme::Http, QObject* parent = nullptr, quint16 port = 0);
    ~TestHttpServer() override;

    QUrl url(const QString& path = QStringLiteral("/")) const;

    // A path ending in "/*" matches every path below it. Unknown paths get 404,
    // or go to the server forwardTo() names.
    void route(const QByteArray& method, const QString& path, Handler handler);
    void forwardTo(const QUrl& origin) { m_upstream = origin; }
    // An empty rewrite takes the path's back.
    void setRewrite(const QString& path, const TestHttpRewrite& rewrite);
    void serve(const QString& path, const TestHttpResponse& response);
    void setFault(const QString& path, const TestHttpFault& fault);
    void clearFaults() { m_faults.clear(); }
    // Faults, rewrites and the log gone: as new for the next test that shares it.
    void reset()
    {
        m_faults.clear();
        m_rewrites.clear();
        m_requests.clear();
    }

    const QList<TestHttpRequest>& requests() const { return m_requests; }
    QList<TestHttpRequest> requestsTo(const QString& path) const;
    void clearRequests() { m_requests.clear(); }
    int connectionCount() const { return m_connections; }

    static void trustCertificate();

protected:
    void incomingConnection(qintptr descriptor) override;

private:
    void readFrom(QTcpSocket* socket);
    void answer(QTcpSocket* socket, const TestHttpRequest& request);
    void forward(TestHttpRequest request, const std::function<void(const TestHttpResponse&)>& send);
    std::optional<TestHttpFault> takeFault(const QString& path);

    struct Route {
        QByteArray method;
        QString path;
        Handler handler;
    };
    const Route* routeFor(const TestHttpRequest& request) const;

    Scheme m_scheme;
    QList<Route> m_routes;
    QHash<QString, TestHttpFault> m_faults;
    QHash<QString, TestHttpRewrite> m_rewrites;
    QUrl m_upstream;
    QNetworkAccessManager m_network;
    QList<TestHttpRequest> m_requests;
    // What arrived on each connection before its request was complete.
    QHash<QTcpSocket*, QByteArray> m_incoming;
    int m_connections = 0;
};
