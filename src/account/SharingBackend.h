#pragma once

#include "ShareMember.h"

#include <QObject>
#include <functional>

namespace MellAccount {

// Who may see one account: the people it is shared with, and giving or taking
// away their access. The share dialog talks only to this.
class SharingBackend : public QObject {
    Q_OBJECT

public:
    using MembersCallback = std::function<void(const QList<ShareMember>& members)>;
    using ShareCallback = std::function<void(bool ok, const QString& error)>;
    using DoneCallback = std::function<void(bool ok)>;

    using QObject::QObject;

    virtual void listMembers(const QString& accountId, MembersCallback callback) = 0;
    // `target` is a user id or an e-mail address; an empty role means "member".
    virtual void shareWith(const QString& accountId, const QString& target, const QString& role,
        ShareCallback callback)
        = 0;
    virtual void removeShare(const QString& accountId, const QString& userId, DoneCallback callback)
        = 0;
    // The id under which the share list names a group member.
    virtual QString memberShareId(const QString& memberId) const { return memberId; }
};

} // namespace MellAccount
