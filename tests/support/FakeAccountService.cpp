#include "FakeAccountService.h"

#include "data/Clock.h"

#include <QJsonArray>
#include <QRandomGenerator>

namespace {

const QString kBase = QStringLiteral("/account/v1");

// As the real server answers: a code for programs and a message for people.
TestHttpResponse error(int status, const QString& text)
{
    static const QHash<int, QString> codes { { 400, QStringLiteral("invalid_request") },
        { 401, QStringLiteral("invalid_token") }, { 403, QStringLiteral("forbidden") },
        { 404, QStringLiteral("not_found") }, { 409, QStringLiteral("conflict") } };
    return TestHttpResponse::error(status, codes.value(status, QStringLiteral("error")), text);
}

// The one segment after `prefix`, decoded; nothing when the path has more.
std::optional<QString> lastSegment(const TestHttpRequest& request, const QString& prefix)
{
    const QString raw = request.path.mid(prefix.size());
    if (raw.isEmpty() || raw.contains(QLatin1Char('/')))
        return std::nullopt;
    return QUrl::fromPercentEncoding(raw.toUtf8());
}

QString inviteCode()
{
    static const char alphabet[] = "ABCDEFGHJKLMNPQRSTUVWXYZ23456789";
    QString code;
    for (int i = 0; i < 8; ++i)
        code
            += QLatin1Char(alphabet[QRandomGenerator::global()->bounded(int(sizeof alphabet - 1))]);
    return code;
}

} // namespace

QString FakeAccountService::path(const QString& route)
{
    return kBase + route;
}

FakeAccountService::FakeAccountService(TestHttpServer& server, UserOf userOf, UserInfo userInfo)
    : m_server(server)
    , m_userOf(std::move(userOf))
    , m_userInfo(std::move(userInfo))
{
    addRoutes();
}

void FakeAccountService::route(const QByteArray& method, const QString& route, Handler handler)
{
    m_server.route(method, path(route), [this, handler](const TestHttpRequest& request) {
        const std::optional<QString> user = m_userOf(request);
        return user ? handler(*user, request) : error(401, QStringLiteral("Not signed in"));
    });
}

QString FakeAccountService::createGroup(const QString& ownerId, const QString& name, int maxSeats)
{
    Group group { QStringLiteral("group-%1").arg(++m_serial), name, maxSeats,
        { { ownerId, QStringLiteral("owner"), Clock::nowIso() } }, {} };
    m_groups.append(group);
    return group.id;
}

FakeAccountService::Group* FakeAccountService::groupOfUser(const QString& userId)
{
    for (Group& group : m_groups) {
        if (memberOf(group, userId))
            return &group;
    }
    return nullptr;
}

std::optional<QString> FakeAccountService::groupOf(const QString& userId) const
{
    const Group* group = const_cast<FakeAccountService*>(this)->groupOfUser(userId);
    return group ? std::optional(group->id) : std::nullopt;
}

QStringList FakeAccountService::members(const QString& groupId) const
{
    QStringList ids;
    for (const Group& group : m_groups) {
        if (group.id == groupId) {
            for (const Member& member : group.members)
                ids.append(member.userId);
        }
    }
    return ids;
}

const FakeAccountService::Member* FakeAccountService::memberOf(
    const Group& group, const QString& userId) const
{
    for (const Member& member : group.members) {
        if (member.userId == userId)
            return &member;
    }
    return nullptr;
}

QJsonObject FakeAccountService::profile(const QString& userId) const
{
    const QJsonObject user = m_userInfo(userId);
    QJsonObject profile { { "id", "acct-" + userId }, { "email", user.value("email") },
        { "display_name", user.value("display_name") }, { "avatar_url", "" }, { "language", "en" },
        { "timezone", "UTC" },
        { "status", m_deleted.contains(userId) ? "pending_deletion" : "active" },
        { "created_at", user.value("created_at") } };
    for (const Group& group : m_groups) {
        if (const Member* member = memberOf(group, userId)) {
            profile.insert("group",
                QJsonObject { { "id", group.id }, { "name", group.name }, { "role", member->role },
                    { "member_count", int(group.members.size()) } });
        }
    }
    return profile;
}

QJsonObject FakeAccountService::invitationJson(const Invitation& invitation)
{
    return { { "id", invitation.id }, { "invited_email", invitation.email },
        { "invite_code", invitation.code }, { "status", invitation.status },
        { "expires_at", invitation.expiresAt } };
}

QJsonObject FakeAccountService::groupJson(const Group& group) const
{
    QJsonArray members;
    for (const Member& member : group.members) {
        const QJsonObject user = m_userInfo(member.userId);
        members.append(QJsonObject { { "account_id", "acct-" + member.userId },
            { "auth_user_id", member.userId }, { "display_name", user.value("display_name") },
            { "email", user.value("email") }, { "role", member.role },
            { "joined_at", member.joinedAt } });
    }
    QJsonArray invitations;
    for (const Invitation& invitation : group.invitations) {
        if (invitation.status == QLatin1String("pending"))
            invitations.append(invitationJson(invitation));
    }
    return { { "id", group.id }, { "name", group.name }, { "max_seats", group.maxSeats },
        { "members", members }, { "pending_invitations", invitations } };
}

QJsonObject FakeAccountService::registerDevice(const QString& userId, const QJsonObject& body)
{
    QList<QJsonObject>& devices = m_devices[userId];
    const QString fingerprint = body.value("device_fingerprint").toString();
    auto device = std::find_if(devices.begin(), devices.end(), [&](const QJsonObject& known) {
        return known.value("device_fingerprint").toString() == fingerprint;
    });
    if (device == devices.end()) {
        devices.append({ { "id", QStringLiteral("device-%1").arg(++m_serial) },
            { "device_fingerprint", fingerprint }, { "created_at", Clock::nowIso() } });
        device = devices.end() - 1;
    }
    for (const char* key : { "device_name", "platform", "app_id", "app_version" })
        device->insert(QLatin1String(key), body.value(QLatin1String(key)).toString());
    device->insert("last_sync_at", Clock::nowIso());
    return *device;
}

TestHttpResponse FakeAccountService::invite(const QString& userId, const TestHttpRequest& request)
{
    Group* group = groupOfUser(userId);
    if (group && memberOf(*group, userId)->role != QLatin1String("owner"))
        return error(403, QStringLiteral("Only the group owner can invite members"));
    const QString email = request.json().value("email").toString();
    if (request.json().contains("email") && !email.contains(QLatin1Char('@')))
        return error(400, QStringLiteral("Not an email address"));
    // The first invitation makes the household.
    if (!group) {
        const QString name = m_userInfo(userId).value("display_name").toString();
        createGroup(userId,
            name.isEmpty() ? QStringLiteral("Household")
                           : QStringLiteral("%1's household").arg(name));
        group = groupOfUser(userId);
    }
    const Invitation invitation { QStringLiteral("invitation-%1").arg(++m_serial), email,
        inviteCode(), QStringLiteral("pending"), Clock::nowUtc().addDays(7).toString(Qt::ISODate) };
    group->invitations.append(invitation);
    return TestHttpResponse::json(201, invitationJson(invitation));
}

TestHttpResponse FakeAccountService::join(const QString& userId, const QString& code)
{
    for (Group& group : m_groups) {
        for (Invitation& invitation : group.invitations) {
            if (invitation.code != code || invitation.status != QLatin1String("pending")
                || QDateTime::fromString(invitation.expiresAt, Qt::ISODate) <= Clock::nowUtc())
                continue;
            if (!invitation.email.isEmpty()
                && invitation.email.compare(
                    m_userInfo(userId).value("email").toString(), Qt::CaseInsensitive))
                return error(403, QStringLiteral("This invitation is for another address"));
            if (groupOf(userId))
                return error(409, QStringLiteral("You are already in a group"));
            if (group.members.size() >= group.maxSeats)
                return error(403, QStringLiteral("This group has no free seats"));
            invitation.status = QStringLiteral("accepted");
            group.members.append({ userId, QStringLiteral("member"), Clock::nowIso() });
            return TestHttpResponse::json(200, groupJson(group));
        }
    }
    return error(404, QStringLiteral("Invalid or expired invite code"));
}

TestHttpResponse FakeAccountService::leave(const QString& userId)
{
    Group* group = groupOfUser(userId);
    if (!group)
        return error(404, QStringLiteral("You are not in a group"));
    if (memberOf(*group, userId)->role == QLatin1String("owner") && group->members.size() > 1)
        return error(403, QStringLiteral("The owner cannot leave while the group has members"));
    group->members.removeIf([&](const Member& member) { return member.userId == userId; });
    dissolveIfEmpty(group->id);
    return TestHttpResponse::noContent();
}

TestHttpResponse FakeAccountService::removeMember(const QString& userId, const QString& memberId)
{
    Group* group = groupOfUser(userId);
    if (!group)
        return error(404, QStringLiteral("You are not in a group"));
    if (memberOf(*group, userId)->role != QLatin1String("owner"))
        return error(403, QStringLiteral("Only the group owner can remove members"));
    if (memberId == userId)
        return error(400, QStringLiteral("The owner cannot remove themselves"));
    if (!memberOf(*group, memberId))
        return error(404, QStringLiteral("No such member"));
    group->members.removeIf([&](const Member& member) { return member.userId == memberId; });
    return TestHttpResponse::noContent();
}

TestHttpResponse FakeAccountService::deleteProfile(const QString& userId)
{
    if (Group* group = groupOfUser(userId)) {
        if (memberOf(*group, userId)->role == QLatin1String("owner") && group->members.size() > 1)
            return error(
                409, QStringLiteral("Transfer ownership or remove all members before deleting"));
        group->members.removeIf([&](const Member& member) { return member.userId == userId; });
        dissolveIfEmpty(group->id);
    }
    m_deleted.insert(userId);
    return TestHttpResponse::json(200, profile(userId));
}

void FakeAccountService::dissolveIfEmpty(const QString& groupId)
{
    m_groups.removeIf(
        [&](const Group& group) { return group.id == groupId && group.members.isEmpty(); });
}

void FakeAccountService::addRoutes()
{
    route("GET", "/profile", [this](const QString& userId, const TestHttpRequest&) {
        return TestHttpResponse::json(200, profile(userId));
    });
    route("DELETE", "/profile",
        [this](const QString& userId, const TestHttpRequest&) { return deleteProfile(userId); });
    route("GET", "/group", [this](const QString& userId, const TestHttpRequest&) {
        const Group* group = groupOfUser(userId);
        return group ? TestHttpResponse::json(200, groupJson(*group))
                     : error(404, QStringLiteral("You are not in a group"));
    });
    route("POST", "/group/invite", [this](const QString& userId, const TestHttpRequest& request) {
        return invite(userId, request);
    });
    route("DELETE", "/group/invitations/*",
        [this](const QString& userId, const TestHttpRequest& request) {
            const auto id = lastSegment(request, path("/group/invitations/"));
            Group* group = groupOfUser(userId);
            if (!group || memberOf(*group, userId)->role != QLatin1String("owner"))
                return error(403, QStringLiteral("Only the group owner can revoke invitations"));
            for (Invitation& invitation : group->invitations) {
                if (id && invitation.id == *id && invitation.status == QLatin1String("pending")) {
                    invitation.status = QStringLiteral("revoked");
                    return TestHttpResponse::noContent();
                }
            }
            return error(404, QStringLiteral("No such invitation"));
        });
    route("POST", "/group/join/*", [this](const QString& userId, const TestHttpRequest& request) {
        const auto code = lastSegment(request, path("/group/join/"));
        return code ? join(userId, *code) : error(404, QStringLiteral("Not found"));
    });
    route("POST", "/group/leave",
        [this](const QString& userId, const TestHttpRequest&) { return leave(userId); });
    route("DELETE", "/group/members/*",
        [this](const QString& userId, const TestHttpRequest& request) {
            const auto member = lastSegment(request, path("/group/members/"));
            return member ? removeMember(userId, *member) : error(404, QStringLiteral("Not found"));
        });
    route("GET", "/devices", [this](const QString& userId, const TestHttpRequest&) {
        QJsonArray devices;
        for (const QJsonObject& device : m_devices.value(userId))
            devices.append(device);
        return TestHttpResponse::json(200, { { "devices", devices } });
    });
    route(
        "POST", "/devices/register", [this](const QString& userId, const TestHttpRequest& request) {
            if (request.json().value("device_fingerprint").toString().isEmpty())
                return error(400, QStringLiteral("device_fingerprint is required"));
            return TestHttpResponse::json(200, registerDevice(userId, request.json()));
        });
    route("DELETE", "/devices/*", [this](const QString& userId, const TestHttpRequest& request) {
        const auto id = lastSegment(request, path("/devices/"));
        const qsizetype removed = m_devices[userId].removeIf(
            [&](const QJsonObject& device) { return id && device.value("id").toString() == *id; });
        return removed ? TestHttpResponse::noContent()
                       : error(404, QStringLiteral("No such device"));
    });
}
