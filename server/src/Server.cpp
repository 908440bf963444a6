#include "Server.h"

#include "AccountApi.h"
#include "AuthApi.h"
#include "ServerClock.h"
#include "ServerContext.h"
#include "ServerLogging.h"
#include "ServerWire.h"
#include "ShareApi.h"
#include "SignInPages.h"
#include "SyncApi.h"

#include <QElapsedTimer>
#include <QHostAddress>
#include <QSqlQuery>

namespace {

constexpr qint64 kMaintenanceInterval = 3600;

HttpResponse discovery(const ServerContext& context, const HttpRequest& request)
{
    using namespace ServerWire;
    const QString origin = context.publicOrigin(request);
    return HttpResponse::json(200,
        { { kService, kServiceName }, { kVersion, QStringLiteral(LEDGERINE_VERSION) },
            { kAuthBaseUrl, origin }, { kRealm, context.config.realm },
            { kClientId, context.config.clientIds.value(0) },
            { kAccountApiUrl, origin + QLatin1String(kAccountApiPath) },
            { kSyncApiUrl, origin + QLatin1String(kSyncApiPath) },
            { kRegistrationOpen, context.config.openRegistration } });
}

} // namespace

Server::Server(const Store::Location& location, const ServerConfig& config)
    : m_store(location)
    , m_config(config)
{
    while (m_config.publicUrl.endsWith(QLatin1Char('/')))
        m_config.publicUrl.chop(1);
}

Server::~Server()
{
    if (m_http) {
        m_http->stop();
        m_http->wait();
    }
}

bool Server::open(QString* error)
{
    if (!m_store.open(error))
        return false;
    const auto keys = ServerKeys::load(m_store, error);
    if (!keys)
        return false;
    m_context = std::make_unique<ServerContext>(m_store, *keys, m_config);
    m_router = Router();
    m_router.add("GET", QStringLiteral("/.well-known/ledgerine.json"),
        [this](const HttpRequest& request, const QStringList&) {
            return discovery(*m_context, request);
        });
    m_router.add("GET", QStringLiteral("/healthz"),
        [this](const HttpRequest&, const QStringList&) { return health(); });
    AuthApi::addRoutes(m_router, *m_context);
    SignInPages::addRoutes(m_router, *m_context);
    AccountApi::addRoutes(m_router, *m_context);
    SyncApi::addRoutes(m_router, *m_context);
    ShareApi::addRoutes(m_router, *m_context);
    return true;
}

bool Server::listen(const QString& host, quint16 port, const QString& certificate,
    const QString& key, QString* error)
{
    m_http = std::make_unique<HttpServer>([this](HttpRequest& request) { return handle(request); });
    if (!certificate.isEmpty() && !m_http->useTls(certificate, key, error))
        return false;
    return m_http->listen(host, port, error);
}

quint16 Server::port() const
{
    return m_http ? m_http->port() : 0;
}

bool Server::isTls() const
{
    return m_http && m_http->isTls();
}

void Server::start(int threads)
{
    m_http->start(threads, [this] { m_store.releaseThreadConnection(); });
}

void Server::stopOnSignals()
{
    m_http->stopOnSignals();
}

void Server::stopGracefully()
{
    m_http->stopGracefully();
}

void Server::stop()
{
    m_http->stop();
}

void Server::wait()
{
    m_http->wait();
}

HttpResponse Server::handle(HttpRequest& request)
{
    if (!request.parseTarget())
        return HttpResponse::error(400, QStringLiteral("bad_target"));
    if (m_config.trustForwardedFor && QHostAddress(request.peer).isLoopback()) {
        const QByteArray forwarded = request.header("x-forwarded-for");
        if (!forwarded.isEmpty())
            request.peer = QString::fromLatin1(forwarded.split(',').constLast().trimmed());
    }
    QElapsedTimer timer;
    timer.start();
    maintainIfDue();
    HttpResponse response = m_router.dispatch(request);
    // The path without its query (cursors, sign-in state) and without an
    // invitation code, which admits whoever holds it.
    QStringList segments = request.segments;
    const qsizetype join = segments.indexOf(QStringLiteral("join"));
    if (join > 0 && segments.at(join - 1) == QLatin1String("group") && join + 1 < segments.size())
        segments[join + 1] = QStringLiteral("…");
    const QString line = QStringLiteral("%1 %2 /%3 %4 %5 ms")
                             .arg(request.peer, QString::fromLatin1(request.method),
                                 segments.join(QLatin1Char('/')))
                             .arg(response.status)
                             .arg(double(timer.nsecsElapsed()) / 1e6, 0, 'f', 1);
    if (response.status >= 500)
        qCWarning(lcHttp).noquote() << line;
    else
        qCInfo(lcHttp).noquote() << line;
    return response;
}

HttpResponse Server::health()
{
    // A stopping server asks the load balancer to send its requests elsewhere.
    if (m_http && m_http->isStopping())
        return HttpResponse::json(503, { { "status", "stopping" } });
    const bool ok = m_store.read([](QSqlDatabase& db) {
        QSqlQuery query(db);
        return query.exec(QStringLiteral("SELECT 1")) && query.next();
    });
    return HttpResponse::json(ok ? 200 : 503, { { "status", ok ? "ok" : "database_unavailable" } });
}

void Server::maintainIfDue()
{
    const qint64 now = ServerClock::now();
    qint64 last = m_lastMaintenance.load();
    // One request an hour does the housekeeping; the others go on.
    // A shortened deletion period is looked after as often as it lasts.
    const qint64 interval = std::min(kMaintenanceInterval, m_config.deletionDelay);
    if (now - last < interval || !m_lastMaintenance.compare_exchange_strong(last, now))
        return;
    m_context->sessions.purgeExpired();
    m_context->guard.purgeOld();
    m_context->users.purgeDeletedBefore(now - m_config.deletionDelay);
}
