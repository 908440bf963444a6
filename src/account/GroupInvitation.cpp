#include "GroupInvitation.h"

#include "User.h"

namespace MellAccount {

GroupInvitation GroupInvitation::fromJson(const QJsonObject& json)
{
    GroupInvitation invitation;
    invitation.id = json.value(QLatin1String("id")).toString();
    invitation.invitedEmail = json.value(QLatin1String("invited_email")).toString();
    invitation.inviteCode = json.value(QLatin1String("invite_code")).toString();
    invitation.status = json.value(QLatin1String("status")).toString();
    invitation.expiresAt = jsonDateTime(json, QLatin1String("expires_at"));
    return invitation;
}

} // namespace MellAccount
