#include "Router.h"

void Router::add(const QByteArray& method, const QString& pattern, Handler handler)
{
    m_routes.append({ method, pattern.mid(1).split(QLatin1Char('/')), std::move(handler) });
}

bool Router::matches(const Route& route, const QStringList& segments, QStringList* captured)
{
    if (route.segments.size() != segments.size())
        return false;
    captured->clear();
    for (qsizetype i = 0; i < segments.size(); ++i) {
        if (route.segments.at(i) == QLatin1String("*")) {
            if (segments.at(i).isEmpty())
                return false;
            captured->append(segments.at(i));
        } else if (route.segments.at(i) != segments.at(i)) {
            return false;
        }
    }
    return true;
}

HttpResponse Router::dispatch(const HttpRequest& request) const
{
    QList<QByteArray> allowed;
    QStringList captured;
    for (const Route& route : m_routes) {
        if (!matches(route, request.segments, &captured))
            continue;
        if (route.method == request.method)
            return route.handler(request, captured);
        allowed.append(route.method);
    }
    if (allowed.isEmpty())
        return HttpResponse::error(404, QStringLiteral("not_found"));
    HttpResponse response = HttpResponse::error(405, QStringLiteral("method_not_allowed"));
    response.headers.append({ QByteArray("Allow"), allowed.join(", ") });
    return response;
}
