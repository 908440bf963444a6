#pragma once

#include <QByteArray>
#include <QHash>
#include <QJsonObject>
#include <QList>
#include <QPair>
#include <QStringList>
#include <QUrlQuery>

// One request as the routes see it, whatever carried it.
struct HttpRequest {
    QByteArray method;
    // As received: path and query, still encoded.
    QByteArray target;
    // The path split at "/" and each segment percent-decoded once, so an
    // encoded "/" inside a segment never separates segments.
    QStringList segments;
    QUrlQuery query;
    // Names in lower case.
    QHash<QByteArray, QByteArray> headers;
    QByteArray body;
    // The client's address; behind a trusted proxy, the one it forwarded.
    QString peer;
    bool secure = false;

    QByteArray header(const QByteArray& lowerCaseName) const
    {
        return headers.value(lowerCaseName);
    }
    // Splits and decodes `target` into segments and query; false when the
    // target is not an absolute path or does not decode to UTF-8 text.
    bool parseTarget();
    // The JSON object of the body; nothing when the body is not one.
    std::optional<QJsonObject> jsonBody() const;
};

struct HttpResponse {
    int status = 200;
    QByteArray contentType;
    QByteArray body;
    QList<QPair<QByteArray, QByteArray>> headers;

    static HttpResponse json(int status, const QJsonObject& body);
    // An already serialised JSON text.
    static HttpResponse jsonText(int status, QByteArray body);
    // {"error": code, "message": message}
    static HttpResponse error(int status, const QString& code, const QString& message = {});
    static HttpResponse noContent();
    static HttpResponse html(int status, QByteArray page);
    static HttpResponse redirect(const QByteArray& location);
};
