#include "Access.h"

#include "Sql.h"
#include "UserStore.h"

#include <QSet>
#include <QSqlQuery>

namespace {

QJsonObject answer(const QJsonObject& change, const char* status, const char* message = nullptr)
{
    QJsonObject result { { "entity_type", change.value("entity_type") },
        { "entity_id", change.value("entity_id") }, { "status", status } };
    if (message)
        result.insert("message", message);
    else
        result.insert("server_id", QString());
    return result;
}

} // namespace

Access::Verdict Access::Verdict::deny(int status, const char* code, const QString& message)
{
    return { status, QLatin1String(code), message };
}

Access::Access(QSqlDatabase& db)
    : m_db(db)
{
}

bool Access::check(bool statementOk)
{
    m_failed = m_failed || !statementOk;
    return statementOk;
}

std::optional<Access::Membership> Access::membership(const QString& userId)
{
    QSqlQuery query(m_db);
    if (!check(Sql::exec(query,
            QStringLiteral("SELECT group_id, role FROM group_members WHERE user_id = ?"),
            { userId }))
        || !query.next())
        return std::nullopt;
    return Membership { query.value(0).toString(), query.value(1).toString() };
}

int Access::memberCount(const QString& groupId)
{
    QSqlQuery query(m_db);
    if (!check(Sql::exec(query,
            QStringLiteral("SELECT COUNT(*) FROM group_members WHERE group_id = ?"), { groupId }))
        || !query.next())
        return 0;
    return query.value(0).toInt();
}

Access::Verdict Access::mayInvite(const std::optional<Membership>& caller) const
{
    if (caller && !caller->isOwner())
        return Verdict::deny(
            403, "not_owner", QStringLiteral("Only the group owner can invite members"));
    return {};
}

Access::Verdict Access::mayRevokeInvitation(const QString& userId, const QString& invitationId)
{
    QSqlQuery query(m_db);
    if (!check(Sql::exec(query,
            QStringLiteral("SELECT m.role FROM group_invitations i JOIN group_members m "
                           "ON m.group_id = i.group_id WHERE i.id = ? AND m.user_id = ? "
                           "AND i.status = 'pending'"),
            { invitationId, userId }))
        || !query.next())
        return Verdict::deny(404, "not_found", QStringLiteral("No such invitation"));
    if (query.value(0).toString() != QLatin1String("owner"))
        return Verdict::deny(
            403, "not_owner", QStringLiteral("Only the group owner can revoke invitations"));
    return {};
}

Access::Verdict Access::mayJoin(
    const QString& userId, const QString& code, qint64 now, Invitation* invitation)
{
    QSqlQuery query(m_db);
    if (!check(Sql::exec(query,
            QStringLiteral("SELECT id, group_id, invited_email FROM group_invitations "
                           "WHERE code = ? AND status = 'pending' AND expires_at > ?"),
            { code.trimmed().toUpper(), now }))
        || !query.next())
        return Verdict::deny(404, "invalid_code", QStringLiteral("Invalid or expired invite code"));
    *invitation
        = { query.value(0).toString(), query.value(1).toString(), query.value(2).toString() };
    query.finish();
    if (membership(userId))
        return Verdict::deny(409, "already_in_group", QStringLiteral("You are already in a group"));
    if (!invitation->email.isEmpty()) {
        if (!check(Sql::exec(
                query, QStringLiteral("SELECT email FROM users WHERE id = ?"), { userId }))
            || !query.next() || query.value(0).toString() != invitation->email)
            return Verdict::deny(403, "wrong_address",
                QStringLiteral("This invitation is for another e-mail address"));
        query.finish();
    }
    if (!check(Sql::exec(query, QStringLiteral("SELECT max_seats FROM user_groups WHERE id = ?"),
            { invitation->groupId }))
        || !query.next())
        return Verdict::deny(404, "invalid_code", QStringLiteral("Invalid or expired invite code"));
    const int seats = query.value(0).toInt();
    query.finish();
    if (memberCount(invitation->groupId) >= seats)
        return Verdict::deny(403, "no_free_seat", QStringLiteral("This group has no free seats"));
    return {};
}

Access::Verdict Access::mayLeave(const std::optional<Membership>& caller)
{
    if (!caller)
        return Verdict::deny(404, "not_in_group", QStringLiteral("You are not in a group"));
    if (caller->isOwner() && memberCount(caller->groupId) > 1)
        return Verdict::deny(403, "owner_with_members",
            QStringLiteral(
                "The owner cannot leave while the group has members: remove them first"));
    return {};
}

Access::Verdict Access::mayRemoveMember(
    const QString& userId, const QString& memberId, QString* groupId)
{
    const auto caller = membership(userId);
    if (!caller)
        return Verdict::deny(404, "not_in_group", QStringLiteral("You are not in a group"));
    if (!caller->isOwner())
        return Verdict::deny(
            403, "not_owner", QStringLiteral("Only the group owner can remove members"));
    const auto member = membership(memberId);
    if (!member || member->groupId != caller->groupId)
        return Verdict::deny(404, "not_found", QStringLiteral("No such member"));
    if (memberId == userId)
        return Verdict::deny(
            400, "owner_cannot_be_removed", QStringLiteral("The owner leaves the group instead"));
    *groupId = caller->groupId;
    return {};
}

Access::Verdict Access::mayDeleteAccount(const QString& userId)
{
    const auto caller = membership(userId);
    if (caller && caller->isOwner() && memberCount(caller->groupId) > 1)
        return Verdict::deny(403, "owner_with_members",
            QStringLiteral("You are the group owner: remove all members before deleting your "
                           "account"));
    return {};
}

Access::Verdict Access::mayRemoveDevice(const QString& userId, const QString& deviceId)
{
    QSqlQuery query(m_db);
    if (!check(Sql::exec(
            query, QStringLiteral("SELECT user_id FROM devices WHERE id = ?"), { deviceId }))
        || !query.next() || query.value(0).toString() != userId)
        return Verdict::deny(404, "not_found", QStringLiteral("No such device"));
    return {};
}

Access::Verdict Access::mayRevokeSession(const QString& userId, const QString& sessionId)
{
    QSqlQuery query(m_db);
    if (!check(Sql::exec(
            query, QStringLiteral("SELECT user_id FROM sessions WHERE id = ?"), { sessionId }))
        || !query.next() || query.value(0).toString() != userId)
        return Verdict::deny(404, "not_found", QStringLiteral("No such session"));
    return {};
}

Access::Verdict Access::maySeeAccount(
    const QString& userId, const QString& accountServerId, SharedAccount* account)
{
    const Verdict notFound = Verdict::deny(404, "not_found", QStringLiteral("Account not found"));
    QSqlQuery query(m_db);
    if (!check(Sql::exec(query,
            QStringLiteral("SELECT owner_id, client_id FROM records WHERE server_id = ? "
                           "AND entity_type = 'account' AND deleted = 0"),
            { accountServerId }))
        || !query.next())
        return notFound;
    *account = { query.value(0).toString(), query.value(1).toString(), false };
    query.finish();
    account->isOwner = account->ownerId == userId;
    if (account->isOwner)
        return {};
    if (!check(Sql::exec(query,
            QStringLiteral("SELECT 1 FROM account_shares WHERE owner_id = ? "
                           "AND account_client_id = ? AND member_id = ? AND ended_at IS NULL"),
            { account->ownerId, account->clientId, userId }))
        || !query.next())
        return notFound;
    return {};
}

Access::Verdict Access::mayChangeShares(
    const QString& userId, const QString& accountServerId, SharedAccount* account)
{
    if (Verdict seen = maySeeAccount(userId, accountServerId, account); !seen.allowed())
        return seen;
    if (!account->isOwner)
        return Verdict::deny(403, "not_owner",
            QStringLiteral("Only the owner of this account can change who sees it"));
    return {};
}

Access::Verdict Access::mayShareWith(
    const QString& ownerId, const QString& target, QString* memberId)
{
    QSqlQuery query(m_db);
    const bool byEmail = target.contains(QLatin1Char('@'));
    if (!check(Sql::exec(query,
            byEmail ? QStringLiteral("SELECT id FROM users WHERE email = ?")
                    : QStringLiteral("SELECT id FROM users WHERE id = ?"),
            { byEmail ? UserStore::normalEmail(target) : target })))
        return Verdict::deny(503, "unavailable", {});
    *memberId = query.next() ? query.value(0).toString() : QString();
    query.finish();
    if (*memberId == ownerId)
        return Verdict::deny(
            400, "self", QStringLiteral("You cannot share an account with yourself"));
    const auto owner = membership(ownerId);
    const auto member = memberId->isEmpty() ? std::nullopt : membership(*memberId);
    // Nobody outside the group learns whether an address has an account here.
    if (!owner || !member || member->groupId != owner->groupId)
        return Verdict::deny(404, "not_in_group",
            QStringLiteral("You can share accounts only with members of your group"));
    return {};
}

bool Access::planPush(const QString& userId, const QJsonArray& changes, PushPlan* plan)
{
    plan->ownerOf = QStringList(changes.size(), userId);
    QSqlQuery query(m_db);
    if (!check(Sql::exec(query,
            QStringLiteral("SELECT owner_id, account_client_id, ended_at IS NULL "
                           "FROM account_shares WHERE member_id = ?"),
            { userId })))
        return false;
    // By the account's client id: the owner while the share is in force,
    // else empty for a share that ended.
    QHash<QString, QString> shares;
    while (query.next()) {
        const QString account = query.value(1).toString();
        if (query.value(2).toInt() != 0)
            shares.insert(account, query.value(0).toString());
        else if (!shares.contains(account))
            shares.insert(account, QString());
    }
    query.finish();
    if (shares.isEmpty())
        return true;

    const auto clientIdOf = [](const QJsonObject& change) {
        return change.value("payload")
            .toObject()
            .value("client_id")
            .toString(change.value("entity_id").toString());
    };
    QVariantList ids { userId };
    QSet<QString> wanted;
    for (const QJsonValue& value : changes) {
        const QString id = clientIdOf(value.toObject());
        if (!id.isEmpty() && !wanted.contains(id)) {
            wanted.insert(id);
            ids << id;
        }
    }
    QSet<QString> own;
    if (ids.size() > 1) {
        if (!check(Sql::exec(query,
                QStringLiteral("SELECT entity_type, client_id FROM records WHERE owner_id = ? "
                               "AND client_id IN (%1)")
                    .arg(QStringList(ids.size() - 1, QStringLiteral("?")).join(QLatin1Char(','))),
                ids)))
            return false;
        while (query.next())
            own.insert(query.value(0).toString() + QLatin1Char('\n') + query.value(1).toString());
    }
    for (int i = 0; i < changes.size(); ++i) {
        const QJsonObject change = changes.at(i).toObject();
        const QString type = change.value("entity_type").toString();
        const QString clientId = clientIdOf(change);
        if (type == QLatin1String("category") || own.contains(type + QLatin1Char('\n') + clientId))
            continue;
        const bool isAccount = type == QLatin1String("account");
        const QString account = isAccount
            ? clientId
            : change.value("payload").toObject().value("account_id").toString();
        const auto share = shares.constFind(account);
        if (account.isEmpty() || share == shares.constEnd())
            continue;
        const bool remove = change.value("action").toString() == QLatin1String("delete");
        if (!share->isEmpty() && !(isAccount && remove))
            plan->ownerOf[i] = *share;
        else if (share->isEmpty() && remove)
            plan->answered.insert(i, answer(change, "ok"));
        else
            plan->answered.insert(i,
                answer(change, "forbidden",
                    share->isEmpty() ? "access to this account has ended"
                                     : "only the owner can delete a shared account"));
    }
    return true;
}
