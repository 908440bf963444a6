#pragma once

#include <QDateTime>
#include <QJsonObject>
#include <QString>

namespace MellAccount {

// An invitation into the group, by e-mail or by a code to pass on.
struct GroupInvitation {
    QString id;
    QString invitedEmail;
    QString inviteCode;
    QString status;
    QDateTime expiresAt;

    static GroupInvitation fromJson(const QJsonObject& json);
};

} // namespace MellAccount
