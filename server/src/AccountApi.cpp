#include "AccountApi.h"

#include "Access.h"
#include "Crypto.h"
#include "ServerClock.h"
#include "ServerContext.h"
#include "ServerLogging.h"
#include "Sql.h"
#include "Store.h"

#include <QJsonArray>
#include <QSqlQuery>

namespace {

constexpr int kMaxDeviceText = 200;

const QString kBase = QStringLiteral("/account/v1");

QJsonObject profileOf(ServerContext& context, const UserRecord& user)
{
    QJsonObject profile { { "id", user.id }, { "email", user.email },
        { "display_name", user.displayName }, { "avatar_url", "" }, { "language", "" },
        { "timezone", "" },
        { "status", user.deletionRequestedAt > 0 ? "pending_deletion" : "active" },
        { "created_at", ServerClock::iso(user.createdAt) } };
    if (const auto group = context.households.profileGroup(user.id))
        profile.insert("group", *group);
    return profile;
}

QJsonObject deviceOf(const QSqlQuery& query)
{
    return { { "id", query.value(0).toString() },
        { "device_fingerprint", query.value(1).toString() },
        { "device_name", query.value(2).toString() }, { "platform", query.value(3).toString() },
        { "app_id", query.value(4).toString() }, { "app_version", query.value(5).toString() },
        { "created_at", ServerClock::iso(query.value(6).toLongLong()) },
        { "last_sync_at", ServerClock::iso(query.value(7).toLongLong()) } };
}

const QString kDeviceColumns = QStringLiteral(
    "id, fingerprint, device_name, platform, app_id, app_version, created_at, last_sync_at");

HttpResponse unavailable()
{
    return HttpResponse::error(503, QStringLiteral("unavailable"));
}

HttpResponse listDevices(ServerContext& context, const QString& userId)
{
    QJsonArray devices;
    QSqlDatabase db = context.store.db();
    QSqlQuery query(db);
    if (!Sql::exec(query,
            QStringLiteral("SELECT %1 FROM devices WHERE user_id = ? ORDER BY created_at, id")
                .arg(kDeviceColumns),
            { userId }))
        return unavailable();
    while (query.next())
        devices.append(deviceOf(query));
    return HttpResponse::json(200, { { "devices", devices } });
}

// Stored by fingerprint, so signing in again on one computer updates its entry.
HttpResponse registerDevice(
    ServerContext& context, const HttpRequest& request, const SessionStore::Bearer& bearer)
{
    const auto body = request.jsonBody();
    if (!body)
        return HttpResponse::error(400, QStringLiteral("invalid_json"));
    const auto text = [&body](const char* member) {
        return body->value(QLatin1String(member)).toString().left(kMaxDeviceText);
    };
    const QString fingerprint = text("device_fingerprint");
    if (fingerprint.isEmpty())
        return HttpResponse::error(400, QStringLiteral("invalid_request"),
            QStringLiteral("device_fingerprint is required"));
    const qint64 now = ServerClock::now();
    QJsonObject device;
    const bool ok = context.store.write([&](QSqlDatabase& db) {
        QSqlQuery query(db);
        if (!Sql::exec(query,
                QStringLiteral("INSERT INTO devices (id, user_id, fingerprint, created_at) "
                               "VALUES (?, ?, ?, ?) ON CONFLICT (user_id, fingerprint) DO NOTHING"),
                { Crypto::newId(), bearer.userId, fingerprint, now })
            || !Sql::exec(query,
                QStringLiteral(
                    "UPDATE devices SET device_name = ?, platform = ?, app_id = ?, "
                    "app_version = ?, last_sync_at = ? WHERE user_id = ? AND fingerprint = ?"),
                { text("device_name"), text("platform"), text("app_id"), text("app_version"), now,
                    bearer.userId, fingerprint })
            || !Sql::exec(query,
                QStringLiteral("SELECT %1 FROM devices WHERE user_id = ? AND fingerprint = ?")
                    .arg(kDeviceColumns),
                { bearer.userId, fingerprint })
            || !query.next())
            return false;
        device = deviceOf(query);
        query.finish();
        // The session now knows its computer, whose last sync its pulls note.
        return Sql::exec(query, QStringLiteral("UPDATE sessions SET device_id = ? WHERE id = ?"),
            { device.value("id").toString(), bearer.sessionId });
    });
    return ok ? HttpResponse::json(200, device) : unavailable();
}

HttpResponse removeDevice(ServerContext& context, const QString& userId, const QString& id)
{
    std::optional<Access::Verdict> refused;
    const bool ok = context.store.write([&](QSqlDatabase& db) {
        Access access(db);
        if (Access::Verdict verdict = access.mayRemoveDevice(userId, id); !verdict.allowed()) {
            if (access.ok())
                refused = verdict;
            return false;
        }
        QSqlQuery query(db);
        return Sql::exec(query, QStringLiteral("DELETE FROM devices WHERE id = ?"), { id });
    });
    if (refused)
        return refused->response();
    return ok ? HttpResponse::noContent() : unavailable();
}

HttpResponse deleteAccount(ServerContext& context, const SessionStore::Bearer& bearer)
{
    const auto user = context.users.byId(bearer.userId);
    if (!user)
        return unavailable();
    std::optional<Access::Verdict> refused;
    const bool ok = context.store.read([&](QSqlDatabase& db) {
        Access access(db);
        const Access::Verdict verdict = access.mayDeleteAccount(user->id);
        if (!verdict.allowed())
            refused = verdict;
        return access.ok();
    });
    if (refused)
        return refused->response();
    if (!ok || !context.users.requestDeletion(user->id, ServerClock::now()))
        return unavailable();
    qCInfo(lcAuth).noquote() << "User" << user->id << "asked for the account to be deleted";
    UserRecord scheduled = *user;
    scheduled.deletionRequestedAt = ServerClock::now();
    return HttpResponse::json(200, profileOf(context, scheduled));
}

} // namespace

void AccountApi::addRoutes(Router& router, ServerContext& context)
{
    router.add("GET", kBase + "/profile",
        context.authenticated(
            [&context](const HttpRequest&, const SessionStore::Bearer& bearer, const QStringList&) {
                const auto user = context.users.byId(bearer.userId);
                return user ? HttpResponse::json(200, profileOf(context, *user)) : unavailable();
            }));
    router.add("DELETE", kBase + "/profile",
        context.authenticated([&context](const HttpRequest&, const SessionStore::Bearer& bearer,
                                  const QStringList&) { return deleteAccount(context, bearer); }));
    Households& households = context.households;
    router.add("GET", kBase + "/group",
        context.authenticated([&households](const HttpRequest&, const SessionStore::Bearer& bearer,
                                  const QStringList&) { return households.group(bearer.userId); }));
    router.add("POST", kBase + "/group/invite",
        context.authenticated([&households](const HttpRequest& request,
                                  const SessionStore::Bearer& bearer, const QStringList&) {
            // An empty body asks for a code anyone may use.
            const auto body = request.body.trimmed().isEmpty() ? QJsonObject() : request.jsonBody();
            if (!body)
                return HttpResponse::error(400, QStringLiteral("invalid_json"));
            return households.invite(bearer.userId, body->value("email").toString());
        }));
    router.add("DELETE", kBase + "/group/invitations/*",
        context.authenticated([&households](const HttpRequest&, const SessionStore::Bearer& bearer,
                                  const QStringList& captured) {
            return households.revokeInvitation(bearer.userId, captured.at(0));
        }));
    router.add("POST", kBase + "/group/join/*",
        context.authenticated([&households](const HttpRequest&, const SessionStore::Bearer& bearer,
                                  const QStringList& captured) {
            return households.join(bearer.userId, captured.at(0));
        }));
    router.add("POST", kBase + "/group/leave",
        context.authenticated([&households](const HttpRequest&, const SessionStore::Bearer& bearer,
                                  const QStringList&) { return households.leave(bearer.userId); }));
    router.add("DELETE", kBase + "/group/members/*",
        context.authenticated([&households](const HttpRequest&, const SessionStore::Bearer& bearer,
                                  const QStringList& captured) {
            return households.removeMember(bearer.userId, captured.at(0));
        }));
    router.add("GET", kBase + "/devices",
        context.authenticated(
            [&context](const HttpRequest&, const SessionStore::Bearer& bearer, const QStringList&) {
                return listDevices(context, bearer.userId);
            }));
    router.add("POST", kBase + "/devices/register",
        context.authenticated(
            [&context](const HttpRequest& request, const SessionStore::Bearer& bearer,
                const QStringList&) { return registerDevice(context, request, bearer); }));
    router.add("DELETE", kBase + "/devices/*",
        context.authenticated([&context](const HttpRequest&, const SessionStore::Bearer& bearer,
                                  const QStringList& captured) {
            return removeDevice(context, bearer.userId, captured.at(0));
        }));
}
