#include "HttpMessage.h"

#include <QJsonDocument>
#include <QStringDecoder>

namespace {

std::optional<QString> decodedUtf8(const QByteArray& encoded)
{
    const QByteArray bytes = QByteArray::fromPercentEncoding(encoded);
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder(bytes);
    if (decoder.hasError() || text.contains(QChar(0)))
        return std::nullopt;
    return text;
}

} // namespace

bool HttpRequest::parseTarget()
{
    const qsizetype queryStart = target.indexOf('?');
    const QByteArray path = queryStart < 0 ? target : target.left(queryStart);
    if (!path.startsWith('/'))
        return false;
    segments.clear();
    for (const QByteArray& raw : path.mid(1).split('/')) {
        const auto segment = decodedUtf8(raw);
        if (!segment)
            return false;
        segments << *segment;
    }
    if (queryStart >= 0) {
        const QByteArray rawQuery = target.mid(queryStart + 1);
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString text = decoder(rawQuery);
        if (decoder.hasError())
            return false;
        query.setQuery(text);
    }
    return true;
}

std::optional<QJsonObject> HttpRequest::jsonBody() const
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(body, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    return document.object();
}

HttpResponse HttpResponse::json(int status, const QJsonObject& body)
{
    return jsonText(status, QJsonDocument(body).toJson(QJsonDocument::Compact));
}

HttpResponse HttpResponse::jsonText(int status, QByteArray body)
{
    return { status, "application/json", std::move(body), {} };
}

HttpResponse HttpResponse::error(int status, const QString& code, const QString& message)
{
    QJsonObject body { { "error", code } };
    if (!message.isEmpty())
        body.insert("message", message);
    return json(status, body);
}

HttpResponse HttpResponse::noContent()
{
    return { 204, {}, {}, {} };
}

HttpResponse HttpResponse::html(int status, QByteArray page)
{
    return { status, "text/html; charset=utf-8", std::move(page),
        { { "Cache-Control", "no-store" },
            // The page needs nothing from elsewhere and must not be framed.
            { "Content-Security-Policy",
                "default-src 'none'; style-src 'unsafe-inline'; frame-ancestors 'none'; "
                "base-uri 'none'" },
            { "X-Frame-Options", "DENY" }, { "Referrer-Policy", "no-referrer" } } };
}

HttpResponse HttpResponse::redirect(const QByteArray& location)
{
    return { 303, {}, {},
        { { "Location", location }, { "Cache-Control", "no-store" },
            { "Referrer-Policy", "no-referrer" } } };
}
