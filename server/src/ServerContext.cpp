#include "ServerContext.h"

#include <QRegularExpression>

ServerContext::ServerContext(Store& store, const ServerKeys& keys, const ServerConfig& config)
    : store(store)
    , keys(keys)
    , config(config)
    , users(store)
    , sessions(store, keys)
    , guard(store)
    , sync(store, keys)
    , households(store, this->config)
{
}

Router::Handler ServerContext::authenticated(BearerHandler handler)
{
    return [this, handler = std::move(handler)](
               const HttpRequest& request, const QStringList& captured) {
        const QByteArray header = request.header("authorization");
        const bool bearerScheme = header.size() > 7 && header.left(7).toLower() == "bearer ";
        const auto bearer = bearerScheme
            ? sessions.authenticate(QString::fromLatin1(header.mid(7).trimmed()))
            : std::nullopt;
        if (!bearer) {
            HttpResponse response = HttpResponse::error(401, QStringLiteral("invalid_token"));
            response.headers.append({ QByteArray("WWW-Authenticate"), QByteArray("Bearer") });
            return response;
        }
        return handler(request, *bearer, captured);
    };
}

QString ServerContext::publicOrigin(const HttpRequest& request) const
{
    if (!config.publicUrl.isEmpty())
        return config.publicUrl;
    // Host as the client sent it, if it looks like one: a name or an address
    // with an optional port, nothing that could break out of the URL.
    static const QRegularExpression hostPattern(
        QStringLiteral("^(\\[[0-9A-Fa-f:.]+\\]|[A-Za-z0-9.-]+)(:[0-9]{1,5})?$"));
    const QString host = QString::fromLatin1(request.header("host"));
    const QString scheme = request.secure ? QStringLiteral("https") : QStringLiteral("http");
    return scheme + QStringLiteral("://")
        + (hostPattern.match(host).hasMatch() ? host : QStringLiteral("localhost"));
}
