#include "Households.h"

#include "Access.h"
#include "Crypto.h"
#include "ServerClock.h"
#include "ServerConfig.h"
#include "ServerLogging.h"
#include "SharedFeed.h"
#include "Sql.h"
#include "Store.h"
#include "UserStore.h"

#include <QJsonArray>
#include <QSqlQuery>
#include <sodium.h>

namespace {

HttpResponse unavailable()
{
    return HttpResponse::error(503, QStringLiteral("unavailable"));
}

QJsonObject invitationJson(const QSqlQuery& query)
{
    return { { "id", query.value(0).toString() }, { "invited_email", query.value(1).toString() },
        { "invite_code", query.value(2).toString() }, { "status", query.value(3).toString() },
        { "expires_at", ServerClock::iso(query.value(4).toLongLong()) } };
}

const QString kInvitationColumns = QStringLiteral("id, invited_email, code, status, expires_at");

} // namespace

Households::Households(Store& store, const ServerConfig& config)
    : m_store(store)
    , m_config(config)
{
}

QString Households::newCode()
{
    static const char alphabet[] = "23456789ABCDEFGHJKLMNPQRSTUVWXYZ";
    QString code;
    for (int i = 0; i < kCodeLength; ++i)
        code += QLatin1Char(alphabet[randombytes_uniform(sizeof(alphabet) - 1)]);
    return code;
}

std::optional<QJsonObject> Households::groupJson(
    QSqlDatabase& db, const QString& groupId, bool owner)
{
    QSqlQuery query(db);
    if (!Sql::exec(query, QStringLiteral("SELECT name, max_seats FROM user_groups WHERE id = ?"),
            { groupId })
        || !query.next())
        return std::nullopt;
    QJsonObject group { { "id", groupId }, { "name", query.value(0).toString() },
        { "max_seats", query.value(1).toInt() } };
    query.finish();
    if (!Sql::exec(query,
            QStringLiteral(
                "SELECT u.id, u.display_name, u.email, m.role, m.joined_at "
                "FROM group_members m JOIN users u ON u.id = m.user_id "
                "WHERE m.group_id = ? ORDER BY m.role = 'owner' DESC, m.joined_at, u.id"),
            { groupId }))
        return std::nullopt;
    QJsonArray members;
    while (query.next()) {
        members.append(QJsonObject { { "account_id", query.value(0).toString() },
            { "auth_user_id", query.value(0).toString() },
            { "display_name", query.value(1).toString() }, { "email", query.value(2).toString() },
            { "role", query.value(3).toString() },
            { "joined_at", ServerClock::iso(query.value(4).toLongLong()) } });
    }
    group.insert("members", members);
    QJsonArray invitations;
    // Codes are the owner's to hand out: members see none.
    if (owner) {
        if (!Sql::exec(query,
                QStringLiteral("SELECT %1 FROM group_invitations WHERE group_id = ? AND "
                               "status = 'pending' AND expires_at > ? ORDER BY created_at, id")
                    .arg(kInvitationColumns),
                { groupId, ServerClock::now() }))
            return std::nullopt;
        while (query.next())
            invitations.append(invitationJson(query));
    }
    group.insert("pending_invitations", invitations);
    return group;
}

HttpResponse Households::group(const QString& userId)
{
    std::optional<QJsonObject> group;
    bool member = false;
    const bool ok = m_store.read([&](QSqlDatabase& db) {
        Access access(db);
        const auto membership = access.membership(userId);
        member = membership.has_value();
        if (membership)
            group = groupJson(db, membership->groupId, membership->isOwner());
        return access.ok() && (!member || group);
    });
    if (!ok)
        return unavailable();
    if (!member)
        return HttpResponse::error(
            404, QStringLiteral("not_in_group"), QStringLiteral("You are not in a group"));
    return HttpResponse::json(200, *group);
}

std::optional<QJsonObject> Households::profileGroup(const QString& userId)
{
    std::optional<QJsonObject> group;
    const bool ok = m_store.read([&](QSqlDatabase& db) {
        QSqlQuery query(db);
        if (!Sql::exec(query,
                QStringLiteral("SELECT g.id, g.name, m.role, (SELECT COUNT(*) FROM group_members "
                               "c WHERE c.group_id = g.id) FROM group_members m JOIN user_groups "
                               "g ON g.id = m.group_id WHERE m.user_id = ?"),
                { userId }))
            return false;
        if (query.next())
            group = QJsonObject { { "id", query.value(0).toString() },
                { "name", query.value(1).toString() }, { "role", query.value(2).toString() },
                { "member_count", query.value(3).toInt() } };
        return true;
    });
    return ok ? group : std::nullopt;
}

HttpResponse Households::invite(const QString& userId, const QString& email)
{
    const QString address = UserStore::normalEmail(email);
    if (!address.isEmpty() && !UserStore::isPlausibleEmail(address))
        return HttpResponse::error(
            400, QStringLiteral("invalid_email"), QStringLiteral("That is not an e-mail address"));
    const qint64 now = ServerClock::now();
    std::optional<Access::Verdict> refused;
    QJsonObject invitation;
    const bool ok = m_store.write([&](QSqlDatabase& db) {
        Access access(db);
        auto membership = access.membership(userId);
        if (!access.ok())
            return false;
        if (Access::Verdict verdict = access.mayInvite(membership); !verdict.allowed()) {
            refused = verdict;
            return false;
        }
        QSqlQuery query(db);
        if (!membership) {
            // The first invitation starts the household.
            if (!Sql::exec(query,
                    QStringLiteral("SELECT display_name, email FROM users WHERE id = ?"),
                    { userId })
                || !query.next())
                return false;
            const QString owner = query.value(0).toString().isEmpty() ? query.value(1).toString()
                                                                      : query.value(0).toString();
            query.finish();
            membership = Access::Membership { Crypto::newId(), QStringLiteral("owner") };
            if (!Sql::exec(query,
                    QStringLiteral("INSERT INTO user_groups (id, name, max_seats, created_at) "
                                   "VALUES (?, ?, ?, ?)"),
                    { membership->groupId, QStringLiteral("%1's household").arg(owner),
                        m_config.groupSeats, now })
                || !Sql::exec(query,
                    QStringLiteral("INSERT INTO group_members (user_id, group_id, role, "
                                   "joined_at) VALUES (?, ?, 'owner', ?)"),
                    { userId, membership->groupId, now }))
                return false;
        }
        const QString id = Crypto::newId();
        // A code already taken (one in a billion) is drawn again.
        for (int attempt = 0; attempt < 5; ++attempt) {
            const QString code = newCode();
            if (!Sql::exec(query,
                    QStringLiteral("INSERT INTO group_invitations (id, group_id, code, "
                                   "invited_email, status, created_at, expires_at) VALUES "
                                   "(?, ?, ?, ?, 'pending', ?, ?) ON CONFLICT (code) DO NOTHING"),
                    { id, membership->groupId, code, address, now, now + kInvitationLifetime }))
                return false;
            if (query.numRowsAffected() == 1)
                break;
        }
        if (!Sql::exec(query,
                QStringLiteral("SELECT %1 FROM group_invitations WHERE id = ?")
                    .arg(kInvitationColumns),
                { id })
            || !query.next())
            return false;
        invitation = invitationJson(query);
        return true;
    });
    if (refused)
        return refused->response();
    return ok ? HttpResponse::json(201, invitation) : unavailable();
}

HttpResponse Households::revokeInvitation(const QString& userId, const QString& invitationId)
{
    std::optional<Access::Verdict> refused;
    const bool ok = m_store.write([&](QSqlDatabase& db) {
        Access access(db);
        if (Access::Verdict verdict = access.mayRevokeInvitation(userId, invitationId);
            !verdict.allowed()) {
            if (access.ok())
                refused = verdict;
            return false;
        }
        QSqlQuery query(db);
        return Sql::exec(query,
            QStringLiteral("UPDATE group_invitations SET status = 'revoked' WHERE id = ?"),
            { invitationId });
    });
    if (refused)
        return refused->response();
    return ok ? HttpResponse::noContent() : unavailable();
}

HttpResponse Households::join(const QString& userId, const QString& code)
{
    std::optional<Access::Verdict> refused;
    QJsonObject group;
    const qint64 now = ServerClock::now();
    const bool ok = m_store.write([&](QSqlDatabase& db) {
        Access access(db);
        SharedFeed feed(m_store, db);
        Access::Invitation invitation;
        Access::Verdict verdict = access.mayJoin(userId, code, now, &invitation);
        // Seats are counted again under the group's lock, so two joins cannot
        // both take the last one.
        if (verdict.allowed()) {
            if (!feed.lockGroup(invitation.groupId))
                return false;
            verdict = access.mayJoin(userId, code, now, &invitation);
        }
        if (!verdict.allowed()) {
            if (access.ok())
                refused = verdict;
            return false;
        }
        QSqlQuery query(db);
        if (!Sql::exec(query,
                QStringLiteral("UPDATE group_invitations SET status = 'accepted' WHERE id = ? "
                               "AND status = 'pending'"),
                { invitation.id })
            || query.numRowsAffected() != 1
            || !Sql::exec(query,
                QStringLiteral("INSERT INTO group_members (user_id, group_id, role, joined_at) "
                               "VALUES (?, ?, 'member', ?)"),
                { userId, invitation.groupId, now }))
            return false;
        const auto json = groupJson(db, invitation.groupId, false);
        if (!json)
            return false;
        group = *json;
        return true;
    });
    if (refused)
        return refused->response();
    if (!ok)
        return unavailable();
    qCInfo(lcAuth).noquote() << "User" << userId << "joined group" << group.value("id").toString();
    return HttpResponse::json(200, group);
}

bool Households::withdraw(Store& store, QSqlDatabase& db, const QString& userId)
{
    Access access(db);
    SharedFeed feed(store, db);
    const auto membership = access.membership(userId);
    if (!access.ok() || (membership && !feed.lockGroup(membership->groupId))
        || !feed.endSharesOf(userId))
        return false;
    if (!membership)
        return true;
    QSqlQuery query(db);
    if (!Sql::exec(
            query, QStringLiteral("DELETE FROM group_members WHERE user_id = ?"), { userId }))
        return false;
    // An owner leaves last: the group goes with them, invitations and all.
    return !membership->isOwner()
        || Sql::exec(
            query, QStringLiteral("DELETE FROM user_groups WHERE id = ?"), { membership->groupId });
}

HttpResponse Households::leave(const QString& userId)
{
    std::optional<Access::Verdict> refused;
    const bool ok = m_store.write([&](QSqlDatabase& db) {
        Access access(db);
        SharedFeed feed(m_store, db);
        auto membership = access.membership(userId);
        if (membership && !feed.lockGroup(membership->groupId))
            return false;
        if (Access::Verdict verdict = access.mayLeave(membership); !verdict.allowed()) {
            if (access.ok())
                refused = verdict;
            return false;
        }
        return withdraw(m_store, db, userId);
    });
    if (refused)
        return refused->response();
    return ok ? HttpResponse::noContent() : unavailable();
}

HttpResponse Households::removeMember(const QString& userId, const QString& memberId)
{
    std::optional<Access::Verdict> refused;
    const bool ok = m_store.write([&](QSqlDatabase& db) {
        Access access(db);
        QString groupId;
        if (Access::Verdict verdict = access.mayRemoveMember(userId, memberId, &groupId);
            !verdict.allowed()) {
            if (access.ok())
                refused = verdict;
            return false;
        }
        return withdraw(m_store, db, memberId);
    });
    if (refused)
        return refused->response();
    return ok ? HttpResponse::noContent() : unavailable();
}
