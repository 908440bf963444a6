#include "WebAuthHandler.h"

#include "AccountLogging.h"

#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

namespace MellAccount {

namespace {

// Set on a socket once it has its answer; anything more it sends is dropped.
const char* const kAnswered = "mellAnswered";

QByteArray reason(int status)
{
    switch (status) {
    case 200: return "OK";
    case 303: return "See Other";
    case 400: return "Bad Request";
    case 404: return "Not Found";
    case 405: return "Method Not Allowed";
    case 414: return "URI Too Long";
    case 431: return "Request Header Fields Too Large";
    default: return "Error";
    }
}

} // namespace

WebAuthHandler::WebAuthHandler(QObject* parent)
    : QObject(parent)
    , m_ipv4(new QTcpServer(this))
    , m_ipv6(new QTcpServer(this))
    , m_timeout(new QTimer(this))
{
    m_timeout->setSingleShot(true);
    connect(m_timeout, &QTimer::timeout, this, [this] {
        qCInfo(lcAccount) << "Sign-in listener timed out without a callback";
        stopListening();
        Q_EMIT timedOut();
    });
    for (QTcpServer* server : { m_ipv4, m_ipv6 })
        connect(server, &QTcpServer::newConnection, this, [this, server] { acceptFrom(server); });
}

WebAuthHandler::~WebAuthHandler() = default;

bool WebAuthHandler::listenOn(quint16 port)
{
    if (!m_ipv4->listen(QHostAddress::LocalHost, port))
        return false;
    // Browsers may try "localhost" over IPv6 first: holding that address too
    // keeps another program listening there from being handed the tokens.
    if (!m_ipv6->listen(QHostAddress::LocalHostIPv6, m_ipv4->serverPort())
        && m_ipv6->serverError() == QAbstractSocket::AddressInUseError) {
        m_ipv4->close();
        return false;
    }
    return true;
}

QString WebAuthHandler::start()
{
    if (!m_ipv4->isListening()) {
        bool bound = listenOn(m_preferredPort);
        for (int attempt = 0; !bound && attempt < 5; ++attempt)
            bound = listenOn(0);
        if (!bound) {
            qCWarning(lcAccount).noquote()
                << "Sign-in listener cannot listen on the loopback address:"
                << m_ipv4->errorString();
            return QString();
        }
        m_timeout->start(m_timeoutMs);
    }
    return QStringLiteral("http://localhost:%1/callback").arg(port());
}

quint16 WebAuthHandler::port() const
{
    return m_ipv4->serverPort();
}

void WebAuthHandler::setOutcome(Outcome outcome, const QString& detail)
{
    m_outcome = outcome;
    m_detail = detail;
}

void WebAuthHandler::stopListening()
{
    m_timeout->stop();
    m_ipv4->close();
    m_ipv6->close();
}

void WebAuthHandler::acceptFrom(QTcpServer* server)
{
    while (QTcpSocket* socket = server->nextPendingConnection()) {
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { readFrom(socket); });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }
}

void WebAuthHandler::readFrom(QTcpSocket* socket)
{
    if (socket->property(kAnswered).toBool()) {
        socket->readAll();
        return;
    }
    // A request may arrive in any number of pieces: wait for its whole head.
    const QByteArray head = socket->peek(kMaxRequestHead + 1);
    const qsizetype lineEnd = head.indexOf("\r\n");
    if (lineEnd > kMaxRequestLine || (lineEnd < 0 && head.size() > kMaxRequestLine)) {
        reply(socket, 414, page(tr("Request too long"), {}));
        return;
    }
    const qsizetype headEnd = head.indexOf("\r\n\r\n");
    if (headEnd < 0) {
        if (head.size() > kMaxRequestHead)
            reply(socket, 431, page(tr("Request too long"), {}));
        return;
    }
    socket->read(headEnd + 4);
    const QList<QByteArray> parts = head.left(lineEnd).split(' ');
    if (parts.size() != 3 || !parts.at(1).startsWith('/') || !parts.at(2).startsWith("HTTP/1.")) {
        reply(socket, 400, page(tr("Bad request"), {}));
        return;
    }
    route(socket, parts.at(0), parts.at(1));
}

void WebAuthHandler::route(QTcpSocket* socket, const QByteArray& method, const QByteArray& target)
{
    if (method != "GET") {
        reply(socket, 405, page(tr("Not allowed"), {}), { { "Allow", "GET" } });
        return;
    }
    const qsizetype queryStart = target.indexOf('?');
    const QByteArray path = queryStart < 0 ? target : target.left(queryStart);
    if (path == "/callback")
        onCallback(socket, target);
    else if (path == "/done" && m_resultReceived)
        reply(socket, 200, closingPage());
    else
        reply(socket, 404, page(tr("Not found"), {}));
}

void WebAuthHandler::onCallback(QTcpSocket* socket, const QByteArray& target)
{
    const qsizetype queryStart = target.indexOf('?');
    const QByteArray query = queryStart < 0 ? QByteArray() : target.mid(queryStart + 1);
    if (m_resultReceived) {
        reply(socket, 303, {}, { { "Location", "/done" } });
        return;
    }
    // Without a query the result may be in the fragment, which only the page can read.
    if (query.isEmpty()) {
        reply(socket, 200, relayPage());
        return;
    }
    m_resultReceived = true;
    m_timeout->stop();
    const QUrl url = QUrl::fromEncoded("http://localhost:" + QByteArray::number(port()) + target);
    QPointer<WebAuthHandler> self(this);
    Q_EMIT callbackReceived(url);
    if (!self)
        return;
    reply(socket, 303, {}, { { "Location", "/done" } });
    QTimer::singleShot(m_closingPageMs, this, [this] {
        stopListening();
        deleteLater();
    });
}

void WebAuthHandler::reply(
    QTcpSocket* socket, int status, const QByteArray& body, const Headers& extra)
{
    QByteArray response = "HTTP/1.1 " + QByteArray::number(status) + ' ' + reason(status) + "\r\n";
    Headers headers { { "Content-Type", "text/html; charset=utf-8" },
        { "Content-Length", QByteArray::number(body.size()) },
        // Pages that carried tokens stay out of caches and referrers.
        { "Cache-Control", "no-store" }, { "Referrer-Policy", "no-referrer" },
        { "Connection", "close" } };
    headers += extra;
    for (const auto& [name, value] : headers)
        response += name + ": " + value + "\r\n";
    socket->setProperty(kAnswered, true);
    socket->write(response + "\r\n" + body);
    socket->disconnectFromHost();
}

QByteArray WebAuthHandler::page(const QString& heading, const QStringList& lines) const
{
    QString html = QStringLiteral("<!DOCTYPE html><html><head><meta charset=\"utf-8\">"
                                  "<title>Mellowind Ledgerine</title></head><body style=\""
                                  "font-family: sans-serif; text-align: center; padding: 40px;\">"
                                  "<h2>%1</h2>")
                       .arg(heading.toHtmlEscaped());
    for (const QString& line : lines) {
        if (!line.isEmpty())
            html += QStringLiteral("<p>%1</p>").arg(line.toHtmlEscaped());
    }
    return html.toUtf8() + "</body></html>";
}

QByteArray WebAuthHandler::relayPage() const
{
    QByteArray html = page(tr("Finishing sign-in..."), {});
    // The fragment goes back to this listener as the query, and the address
    // holding it is replaced, not kept in the history.
    html.insert(html.lastIndexOf("</body>"),
        "<script>var f = location.hash.substring(1);"
        "location.replace('/callback?' + (f ? f : 'relay=empty'));</script><noscript><p>"
            + tr("Turn on JavaScript for this page to finish signing in.").toHtmlEscaped().toUtf8()
            + "</p></noscript>");
    return html;
}

QByteArray WebAuthHandler::closingPage() const
{
    switch (m_outcome) {
    case Outcome::SignedIn:
        return page(tr("You're signed in"),
            { tr("You can close this tab and return to Mellowind Ledgerine.") });
    case Outcome::Failed:
        return page(
            tr("Sign-in failed"), { m_detail, tr("Return to Mellowind Ledgerine to try again.") });
    case Outcome::Unknown: break;
    }
    return page(tr("Mellowind Ledgerine"), { tr("You can close this tab.") });
}

} // namespace MellAccount
