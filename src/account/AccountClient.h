#pragma once

#include "ApiClient.h"
#include "ClientConfig.h"
#include "Device.h"
#include "Group.h"
#include "Profile.h"

#include <QObject>
#include <functional>

namespace MellAccount {

class AuthClient;

// The account service: the user's profile, household group, invitations and
// devices, and the deletion of the account.
class AccountClient : public QObject {
    Q_OBJECT

public:
    // `reason` is the server's own account of a failure, empty when it gave none.
    using ResultCallback = std::function<void(bool ok, const QString& reason)>;
    using InvitationCallback
        = std::function<void(const GroupInvitation& invitation, const QString& reason)>;
    static constexpr int kMaxInviteCodeLength = 64;

    AccountClient(ApiClient* accountApi, AuthClient* auth, const ClientConfig& config,
        QObject* parent = nullptr);

    // Each read says whether it succeeded: a failed one is not an empty answer.
    void getProfile(std::function<void(bool ok, const Profile&)> callback);
    void getGroup(std::function<void(bool ok, const Group&)> callback);
    // Without a group the server makes one, with the caller as its owner; on
    // success the token is refreshed and the group counts as changed.
    void generateInviteCode(InvitationCallback callback);
    void inviteByEmail(const QString& email, InvitationCallback callback);
    void revokeInvitation(const QString& invitationId, ApiCallback callback);
    // A code holding anything but what codes are made of is refused without a request.
    void joinGroup(const QString& code, ResultCallback callback);
    void leaveGroup(ResultCallback callback = {});
    void removeMember(const QString& userId, ResultCallback callback = {});
    void getDevices(std::function<void(bool ok, const QList<Device>&)> callback);
    void registerDevice(ResultCallback callback = {});
    void removeDevice(const QString& deviceId, ApiCallback callback);
    void deleteAccount(ResultCallback callback);

    // What registerDevice sends as this computer's fingerprint.
    QString deviceFingerprint() const { return m_fingerprint; }
    void setDeviceFingerprint(const QString& fingerprint) { m_fingerprint = fingerprint; }

    // Letters, digits, '-' and '_', at most kMaxInviteCodeLength of them.
    static bool isValidInviteCode(const QString& code);
    // The "message" of a failed reply: the server's words for the user.
    static QString reasonOf(const QJsonObject& body);

Q_SIGNALS:
    void groupChanged();

private:
    // DELETE of `path` with "%1" filled by `id` as one path segment; an id that
    // cannot be one fails `callback` after this call has returned.
    void removeAt(const QString& path, const QString& id, ApiCallback callback);
    void failLater(ApiCallback callback);
    // On success the token is refreshed (its claims carry the group) before
    // the group counts as changed.
    ApiCallback membershipReply(ResultCallback callback);
    ApiCallback invitationReply(InvitationCallback callback);

    ApiClient* m_api;
    AuthClient* m_auth;
    QString m_appId;
    QString m_appName;
    QString m_appVersion;
    QString m_fingerprint;
};

} // namespace MellAccount
