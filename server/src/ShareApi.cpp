#include "ShareApi.h"

#include "Access.h"
#include "ServerClock.h"
#include "ServerContext.h"
#include "SharedFeed.h"
#include "Sql.h"
#include "Store.h"

#include <QJsonArray>
#include <QSqlQuery>

namespace {

const QString kBase = QStringLiteral("/ledgerine/v1/accounts/");

HttpResponse unavailable()
{
    return HttpResponse::error(503, QStringLiteral("unavailable"));
}

// The owner first, then the members in the order they were given access.
HttpResponse members(ServerContext& context, const QString& userId, const QString& accountId)
{
    std::optional<Access::Verdict> refused;
    QJsonArray members;
    const bool ok = context.store.read([&](QSqlDatabase& db) {
        Access access(db);
        Access::SharedAccount account;
        if (Access::Verdict verdict = access.maySeeAccount(userId, accountId, &account);
            !verdict.allowed()) {
            if (access.ok())
                refused = verdict;
            return false;
        }
        QSqlQuery query(db);
        if (!Sql::exec(query,
                QStringLiteral("SELECT id, email, display_name, 'owner', created_at, 0 FROM users "
                               "WHERE id = ? UNION ALL SELECT u.id, u.email, u.display_name, "
                               "'member', s.created_at, 1 FROM account_shares s JOIN users u ON "
                               "u.id = s.member_id WHERE s.owner_id = ? AND "
                               "s.account_client_id = ? AND s.ended_at IS NULL ORDER BY 6, 5, 1"),
                { account.ownerId, account.ownerId, account.clientId }))
            return false;
        while (query.next()) {
            members.append(QJsonObject { { "user_id", query.value(0).toString() },
                { "email", query.value(1).toString() },
                { "display_name", query.value(2).toString() },
                { "role", query.value(3).toString() },
                { "created_at", ServerClock::iso(query.value(4).toLongLong()) } });
        }
        return true;
    });
    if (refused)
        return refused->response();
    return ok ? HttpResponse::json(200, { { "members", members } }) : unavailable();
}

HttpResponse share(ServerContext& context, const HttpRequest& request, const QString& userId,
    const QString& accountId)
{
    const auto body = request.jsonBody();
    if (!body)
        return HttpResponse::error(400, QStringLiteral("invalid_json"));
    const QString target = body->value("email").toString(body->value("user_id").toString());
    if (target.isEmpty())
        return HttpResponse::error(400, QStringLiteral("invalid_request"),
            QStringLiteral("Name the member by user_id or email"));
    std::optional<Access::Verdict> refused;
    QString memberId;
    const bool ok = context.store.write([&](QSqlDatabase& db) {
        Access access(db);
        SharedFeed feed(context.store, db);
        const auto membership = access.membership(userId);
        Access::SharedAccount account;
        Access::Verdict verdict;
        if (!access.ok() || !feed.lockGroup(membership ? membership->groupId : QString()))
            return false;
        if (!(verdict = access.mayChangeShares(userId, accountId, &account)).allowed()
            || !(verdict = access.mayShareWith(userId, target, &memberId)).allowed()) {
            if (access.ok())
                refused = verdict;
            return false;
        }
        return feed.grant(account.ownerId, account.clientId, memberId) && feed.save();
    });
    if (refused)
        return refused->response();
    if (!ok)
        return unavailable();
    return HttpResponse::json(201, { { "user_id", memberId }, { "role", "member" } });
}

HttpResponse unshare(ServerContext& context, const QString& userId, const QString& accountId,
    const QString& memberId)
{
    std::optional<Access::Verdict> refused;
    const bool ok = context.store.write([&](QSqlDatabase& db) {
        Access access(db);
        SharedFeed feed(context.store, db);
        const auto membership = access.membership(userId);
        Access::SharedAccount account;
        if (!access.ok() || !feed.lockGroup(membership ? membership->groupId : QString()))
            return false;
        Access::Verdict verdict = access.mayChangeShares(userId, accountId, &account);
        if (verdict.allowed()) {
            QSqlQuery query(db);
            if (!Sql::exec(query,
                    QStringLiteral("SELECT 1 FROM account_shares WHERE owner_id = ? AND "
                                   "account_client_id = ? AND member_id = ? AND ended_at IS NULL"),
                    { userId, account.clientId, memberId }))
                return false;
            if (!query.next())
                verdict = Access::Verdict::deny(
                    404, "not_shared", QStringLiteral("This account is not shared with that user"));
        }
        if (!verdict.allowed()) {
            if (access.ok())
                refused = verdict;
            return false;
        }
        return feed.lockUsers({ userId, memberId })
            && feed.revoke(account.ownerId, account.clientId, memberId) && feed.save();
    });
    if (refused)
        return refused->response();
    return ok ? HttpResponse::noContent() : unavailable();
}

} // namespace

void ShareApi::addRoutes(Router& router, ServerContext& context)
{
    router.add("GET", kBase + "*/members",
        context.authenticated([&context](const HttpRequest&, const SessionStore::Bearer& bearer,
                                  const QStringList& captured) {
            return members(context, bearer.userId, captured.at(0));
        }));
    router.add("POST", kBase + "*/share",
        context.authenticated([&context](const HttpRequest& request,
                                  const SessionStore::Bearer& bearer, const QStringList& captured) {
            return share(context, request, bearer.userId, captured.at(0));
        }));
    router.add("DELETE", kBase + "*/share/*",
        context.authenticated([&context](const HttpRequest&, const SessionStore::Bearer& bearer,
                                  const QStringList& captured) {
            return unshare(context, bearer.userId, captured.at(0), captured.at(1));
        }));
}
