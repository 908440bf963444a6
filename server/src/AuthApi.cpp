#include "AuthApi.h"

#include "Access.h"
#include "Passwords.h"
#include "ServerContext.h"
#include "ServerLogging.h"
#include "Store.h"

#include <QJsonArray>

namespace {

constexpr int kMaxDisplayName = 100;

HttpResponse badJson()
{
    return HttpResponse::error(
        400, QStringLiteral("invalid_json"), QStringLiteral("the body must be a JSON object"));
}

HttpResponse refresh(ServerContext& context, const HttpRequest& request)
{
    const auto body = request.jsonBody();
    if (!body)
        return badJson();
    const QString token = body->value("refresh_token").toString();
    SessionStore::Tokens tokens;
    const SessionStore::Refresh outcome = token.isEmpty() || token.size() > 200
        ? SessionStore::Refresh::Rejected
        : context.sessions.refresh(token, &tokens);
    switch (outcome) {
    case SessionStore::Refresh::Issued:
        return HttpResponse::json(200,
            { { "access_token", tokens.access }, { "refresh_token", tokens.refresh },
                { "token_type", "Bearer" }, { "expires_in", SessionStore::kAccessLifetime } });
    case SessionStore::Refresh::Rejected:
        return HttpResponse::error(401, QStringLiteral("invalid_grant"),
            QStringLiteral("the refresh token is not valid; sign in again"));
    case SessionStore::Refresh::Failed: break;
    }
    return HttpResponse::error(503, QStringLiteral("unavailable"));
}

HttpResponse currentUser(ServerContext& context, const SessionStore::Bearer& bearer)
{
    const auto user = context.users.byId(bearer.userId);
    return user ? HttpResponse::json(200, user->toJson())
                : HttpResponse::error(401, QStringLiteral("invalid_token"));
}

HttpResponse updateUser(
    ServerContext& context, const HttpRequest& request, const SessionStore::Bearer& bearer)
{
    const auto body = request.jsonBody();
    if (!body)
        return badJson();
    const QJsonValue name = body->value("display_name");
    if (!name.isString() || name.toString().trimmed().size() > kMaxDisplayName)
        return HttpResponse::error(400, QStringLiteral("invalid_display_name"),
            QStringLiteral("display_name must be text of at most %1 characters")
                .arg(kMaxDisplayName));
    if (!context.users.setDisplayName(bearer.userId, name.toString().trimmed()))
        return HttpResponse::error(503, QStringLiteral("unavailable"));
    return currentUser(context, bearer);
}

HttpResponse changePassword(
    ServerContext& context, const HttpRequest& request, const SessionStore::Bearer& bearer)
{
    const auto body = request.jsonBody();
    if (!body)
        return badJson();
    const QString current = body->value("current_password").toString();
    const QString wanted = body->value("new_password").toString();
    if (wanted.size() < Passwords::kMinimumLength)
        return HttpResponse::error(400, QStringLiteral("weak_password"),
            QStringLiteral("the new password needs at least %1 characters")
                .arg(Passwords::kMinimumLength));
    const auto user = context.users.byId(bearer.userId);
    if (!user)
        return HttpResponse::error(401, QStringLiteral("invalid_token"));
    // A stolen access token must not become a way to guess the password.
    if (context.guard.isBlocked(user->email, request.peer))
        return HttpResponse::error(429, QStringLiteral("too_many_attempts"));
    if (!Passwords::verify(user->passwordHash, current)) {
        context.guard.recordFailure(user->email, request.peer);
        return HttpResponse::error(403, QStringLiteral("invalid_password"));
    }
    const QString hash = Passwords::hash(wanted);
    if (hash.isEmpty() || !context.users.setPasswordHash(user->id, hash, bearer.sessionId))
        return HttpResponse::error(503, QStringLiteral("unavailable"));
    qCInfo(lcAuth).noquote() << "User" << user->id << "changed the password; other sessions ended";
    return HttpResponse::noContent();
}

} // namespace

void AuthApi::addRoutes(Router& router, ServerContext& context)
{
    const QString base = QStringLiteral("/api/v1/realms/%1").arg(context.config.realm);
    router.add("POST", base + "/auth/token/refresh",
        [&context](
            const HttpRequest& request, const QStringList&) { return refresh(context, request); });
    router.add("POST", base + "/auth/logout",
        context.authenticated(
            [&context](const HttpRequest&, const SessionStore::Bearer& bearer, const QStringList&) {
                context.sessions.end(bearer.userId, bearer.sessionId);
                return HttpResponse::noContent();
            }));
    router.add("GET", base + "/users/me",
        context.authenticated([&context](const HttpRequest&, const SessionStore::Bearer& bearer,
                                  const QStringList&) { return currentUser(context, bearer); }));
    router.add("PATCH", base + "/users/me",
        context.authenticated(
            [&context](const HttpRequest& request, const SessionStore::Bearer& bearer,
                const QStringList&) { return updateUser(context, request, bearer); }));
    router.add("POST", base + "/users/me/password",
        context.authenticated(
            [&context](const HttpRequest& request, const SessionStore::Bearer& bearer,
                const QStringList&) { return changePassword(context, request, bearer); }));
    router.add("GET", base + "/users/me/sessions",
        context.authenticated(
            [&context](const HttpRequest&, const SessionStore::Bearer& bearer, const QStringList&) {
                return HttpResponse::json(200,
                    { { "sessions", context.sessions.list(bearer.userId, bearer.sessionId) } });
            }));
    router.add("DELETE", base + "/users/me/sessions/*",
        context.authenticated([&context](const HttpRequest&, const SessionStore::Bearer& bearer,
                                  const QStringList& captured) {
            Access::Verdict verdict;
            const bool ok = context.store.read([&](QSqlDatabase& db) {
                Access access(db);
                verdict = access.mayRevokeSession(bearer.userId, captured.at(0));
                return access.ok();
            });
            if (ok && !verdict.allowed())
                return verdict.response();
            return ok && context.sessions.end(bearer.userId, captured.at(0))
                ? HttpResponse::noContent()
                : HttpResponse::error(503, QStringLiteral("unavailable"));
        }));
}
