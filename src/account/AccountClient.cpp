#include "AccountClient.h"

#include "AccountLogging.h"
#include "AuthClient.h"
#include "DeviceFingerprint.h"
#include "PathSegment.h"

#include <QPointer>
#include <QSysInfo>
#include <QTimer>
#include <algorithm>

namespace MellAccount {

namespace {

ApiCallback passResult(AccountClient::ResultCallback callback)
{
    return [callback = std::move(callback)](bool ok, int, const QJsonObject& body) {
        if (callback)
            callback(ok, ok ? QString() : AccountClient::reasonOf(body));
    };
}

void ignoreReply(bool, int, const QJsonObject&) { }

} // namespace

AccountClient::AccountClient(
    ApiClient* accountApi, AuthClient* auth, const ClientConfig& config, QObject* parent)
    : QObject(parent)
    , m_api(accountApi)
    , m_auth(auth)
    , m_appId(config.appId)
    , m_appName(config.appName)
    , m_appVersion(config.appVersion)
    , m_fingerprint(DeviceFingerprint::current(config.appId))
{
}

bool AccountClient::isValidInviteCode(const QString& code)
{
    if (code.isEmpty() || code.size() > kMaxInviteCodeLength)
        return false;
    return std::all_of(code.cbegin(), code.cend(), [](QChar c) {
        return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9')
            || c == u'-' || c == u'_';
    });
}

QString AccountClient::reasonOf(const QJsonObject& body)
{
    return body.value(QLatin1String("message")).toString().trimmed();
}

void AccountClient::failLater(ApiCallback callback)
{
    QTimer::singleShot(0, this, [callback = std::move(callback)] { callback(false, 0, {}); });
}

void AccountClient::getProfile(std::function<void(bool ok, const Profile&)> callback)
{
    m_api->get(QStringLiteral("/profile"),
        [callback = std::move(callback)](bool ok, int, const QJsonObject& body) {
            callback(ok, ok ? Profile::fromJson(body) : Profile());
        });
}

void AccountClient::getGroup(std::function<void(bool ok, const Group&)> callback)
{
    m_api->get(QStringLiteral("/group"),
        [callback = std::move(callback)](bool ok, int, const QJsonObject& body) {
            callback(ok, ok ? Group::fromJson(body) : Group());
        });
}

ApiCallback AccountClient::invitationReply(InvitationCallback callback)
{
    QPointer<AccountClient> self(this);
    return [self, callback = std::move(callback)](bool ok, int, const QJsonObject& body) {
        if (!ok || !self) {
            callback(ok ? GroupInvitation::fromJson(body) : GroupInvitation(),
                ok ? QString() : reasonOf(body));
            return;
        }
        // The first invitation makes the group, which the token's claims carry.
        const GroupInvitation invitation = GroupInvitation::fromJson(body);
        self->m_auth->refreshToken([self, callback, invitation](bool) {
            if (self)
                Q_EMIT self->groupChanged();
            callback(invitation, {});
        });
    };
}

void AccountClient::generateInviteCode(InvitationCallback callback)
{
    m_api->post(QStringLiteral("/group/invite"), {}, invitationReply(std::move(callback)));
}

void AccountClient::inviteByEmail(const QString& email, InvitationCallback callback)
{
    m_api->post(QStringLiteral("/group/invite"), { { QStringLiteral("email"), email } },
        invitationReply(std::move(callback)));
}

void AccountClient::removeAt(const QString& path, const QString& id, ApiCallback callback)
{
    if (!callback)
        callback = ignoreReply;
    const std::optional<QString> segment = pathSegment(id);
    if (!segment) {
        qCWarning(lcAccount).noquote() << "AccountClient: refusing the id" << id << "for" << path;
        failLater(std::move(callback));
        return;
    }
    m_api->remove(path.arg(*segment), std::move(callback));
}

void AccountClient::revokeInvitation(const QString& invitationId, ApiCallback callback)
{
    removeAt(QStringLiteral("/group/invitations/%1"), invitationId, std::move(callback));
}

ApiCallback AccountClient::membershipReply(ResultCallback callback)
{
    QPointer<AccountClient> self(this);
    return [self, callback = std::move(callback)](bool ok, int, const QJsonObject& body) {
        if (!ok || !self) {
            if (callback)
                callback(ok, ok ? QString() : reasonOf(body));
            return;
        }
        self->m_auth->refreshToken([self, callback](bool) {
            if (self)
                Q_EMIT self->groupChanged();
            if (callback)
                callback(true, {});
        });
    };
}

void AccountClient::joinGroup(const QString& code, ResultCallback callback)
{
    ApiCallback reply = membershipReply(std::move(callback));
    if (!isValidInviteCode(code)) {
        failLater(std::move(reply));
        return;
    }
    // A valid code is its own path segment.
    m_api->post(QStringLiteral("/group/join/%1").arg(code), {}, std::move(reply));
}

void AccountClient::leaveGroup(ResultCallback callback)
{
    m_api->post(QStringLiteral("/group/leave"), {}, membershipReply(std::move(callback)));
}

void AccountClient::removeMember(const QString& userId, ResultCallback callback)
{
    QPointer<AccountClient> self(this);
    ApiCallback reply
        = [self, callback = std::move(callback)](bool ok, int, const QJsonObject& body) {
              if (ok && self)
                  Q_EMIT self->groupChanged();
              if (callback)
                  callback(ok, ok ? QString() : reasonOf(body));
          };
    removeAt(QStringLiteral("/group/members/%1"), userId, std::move(reply));
}

void AccountClient::getDevices(std::function<void(bool ok, const QList<Device>&)> callback)
{
    m_api->get(QStringLiteral("/devices"),
        [callback = std::move(callback)](bool ok, int, const QJsonObject& body) {
            callback(ok, ok ? Device::listFromJson(body) : QList<Device>());
        });
}

void AccountClient::registerDevice(ResultCallback callback)
{
    const QJsonObject body { { QStringLiteral("device_name"), QSysInfo::machineHostName() },
        { QStringLiteral("platform"), DeviceFingerprint::platformName() },
        { QStringLiteral("app_id"), m_appId }, { QStringLiteral("app_version"), m_appVersion },
        { QStringLiteral("device_fingerprint"), m_fingerprint } };
    m_api->post(QStringLiteral("/devices/register"), body,
        [callback = std::move(callback)](bool ok, int status, const QJsonObject& body) {
            if (!ok)
                qCWarning(lcAccount) << "Device registration failed, status" << status;
            if (callback)
                callback(ok, ok ? QString() : reasonOf(body));
        });
}

void AccountClient::removeDevice(const QString& deviceId, ApiCallback callback)
{
    removeAt(QStringLiteral("/devices/%1"), deviceId, std::move(callback));
}

void AccountClient::deleteAccount(ResultCallback callback)
{
    m_api->remove(QStringLiteral("/profile"), passResult(std::move(callback)));
}

} // namespace MellAccount
