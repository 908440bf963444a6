#include "SyncApi.h"

#include "ServerContext.h"
#include "ServerLogging.h"

#include <QJsonArray>

namespace {

const QString kBase = QStringLiteral("/ledgerine/v1");

HttpResponse unavailable()
{
    return HttpResponse::error(503, QStringLiteral("unavailable"));
}

HttpResponse push(ServerContext& context, const HttpRequest& request, const QString& userId)
{
    const auto body = request.jsonBody();
    if (!body)
        return HttpResponse::error(
            400, QStringLiteral("invalid_json"), QStringLiteral("the body must be a JSON object"));
    const QJsonValue changes = body->value("changes");
    if (!changes.isArray())
        return HttpResponse::error(
            400, QStringLiteral("invalid_request"), QStringLiteral("changes must be an array"));
    if (changes.toArray().size() > SyncStore::kMaxChanges)
        return HttpResponse::error(413, QStringLiteral("too_many_changes"),
            QStringLiteral("at most %1 changes a push").arg(SyncStore::kMaxChanges));
    const auto results = context.sync.push(userId, changes.toArray());
    if (!results)
        return unavailable();
    return HttpResponse::json(200, { { "results", *results } });
}

HttpResponse pull(
    ServerContext& context, const HttpRequest& request, const SessionStore::Bearer& bearer)
{
    int limit = SyncStore::kDefaultLimit;
    if (request.query.hasQueryItem(QStringLiteral("limit"))) {
        bool ok = false;
        limit = request.query.queryItemValue(QStringLiteral("limit")).toInt(&ok);
        if (!ok || limit < 1 || limit > SyncStore::kMaxLimit)
            return HttpResponse::error(400, QStringLiteral("invalid_limit"),
                QStringLiteral("limit must be from 1 to %1").arg(SyncStore::kMaxLimit));
    }
    const QString cursor
        = request.query.queryItemValue(QStringLiteral("cursor"), QUrl::FullyDecoded);
    SyncStore::PullError error = SyncStore::PullError::None;
    auto page = context.sync.pull(bearer.userId, cursor, limit, &error);
    if (error == SyncStore::PullError::BadCursor)
        return HttpResponse::error(400, QStringLiteral("invalid_cursor"),
            QStringLiteral("the cursor is not one this server gave you"));
    if (!page)
        return unavailable();
    // The last page ends a cycle: that is when the computer last synced.
    if (!page->hasMore)
        context.sync.touchDevice(bearer.sessionId);
    return HttpResponse::jsonText(200, std::move(page->json));
}

} // namespace

void SyncApi::addRoutes(Router& router, ServerContext& context)
{
    router.add("POST", kBase + "/sync/push",
        context.authenticated(
            [&context](const HttpRequest& request, const SessionStore::Bearer& bearer,
                const QStringList&) { return push(context, request, bearer.userId); }));
    router.add("GET", kBase + "/sync/pull",
        context.authenticated(
            [&context](const HttpRequest& request, const SessionStore::Bearer& bearer,
                const QStringList&) { return pull(context, request, bearer); }));
}
