#pragma once

#include "GroupInvitation.h"
#include "GroupMember.h"

#include <QList>

namespace MellAccount {

// The user's household group; an empty id means the user has none (or it
// could not be read).
struct Group {
    QString id;
    QString name;
    int maxSeats = 0;
    QList<GroupMember> members;
    QList<GroupInvitation> pendingInvitations;

    static Group fromJson(const QJsonObject& json);
};

} // namespace MellAccount
