#pragma once

#include "HttpMessage.h"

#include <functional>

// Routes by method and path segments. A pattern is a path whose "*"
// segments match any one segment and are handed to the handler in order.
// A path that matches no pattern answers 404; one that matches only under
// other methods answers 405 with the methods it takes.
class Router {
public:
    using Handler = std::function<HttpResponse(const HttpRequest&, const QStringList& captured)>;

    void add(const QByteArray& method, const QString& pattern, Handler handler);
    HttpResponse dispatch(const HttpRequest& request) const;

private:
    struct Route {
        QByteArray method;
        QStringList segments;
        Handler handler;
    };
    static bool matches(const Route& route, const QStringList& segments, QStringList* captured);

    QList<Route> m_routes;
};
