#include "SharedFeed.h"

#include "ServerClock.h"
#include "Sql.h"
#include "Store.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlQuery>
#include <algorithm>

namespace {

QString placeholders(qsizetype count)
{
    return QStringList(count, QStringLiteral("?")).join(QLatin1Char(','));
}

// What a member is left with of a record once access ends: a deletion the
// desktop recognises as the end of a share, not as the owner's delete.
QByteArray revokedBody(const QByteArray& body, qint64 now)
{
    QJsonObject record = QJsonDocument::fromJson(body).object();
    if (record.value("deleted_at").toString().isEmpty())
        record.insert("deleted_at", ServerClock::iso(now));
    record.insert("access_ended", true);
    record.insert("access_revoked", true);
    return QJsonDocument(record).toJson(QJsonDocument::Compact);
}

} // namespace

SharedFeed::SharedFeed(Store& store, QSqlDatabase& db)
    : m_store(store)
    , m_db(db)
    , m_now(ServerClock::now())
{
}

bool SharedFeed::lockGroup(const QString& groupId)
{
    if (groupId.isEmpty())
        return true;
    QSqlQuery query(m_db);
    return Sql::exec(query,
        QStringLiteral("SELECT id FROM user_groups WHERE id = ?") + m_store.lockRow(), { groupId });
}

bool SharedFeed::lockUsers(QStringList userIds)
{
    userIds.removeIf([this](const QString& id) { return id.isEmpty() || isLocked(id); });
    userIds.removeDuplicates();
    if (userIds.isEmpty())
        return true;
    std::sort(userIds.begin(), userIds.end());
    QVariantList values;
    for (const QString& id : std::as_const(userIds))
        values << id;
    QSqlQuery query(m_db);
    if (!Sql::exec(query,
            QStringLiteral("SELECT id, change_seq FROM users WHERE id IN (%1) ORDER BY id")
                    .arg(placeholders(userIds.size()))
                + m_store.lockRow(),
            values))
        return false;
    while (query.next()) {
        m_sequences.insert(query.value(0).toString(), query.value(1).toLongLong());
        m_saved.insert(query.value(0).toString(), query.value(1).toLongLong());
    }
    return true;
}

bool SharedFeed::save()
{
    QSqlQuery query(m_db);
    for (auto it = m_sequences.cbegin(); it != m_sequences.cend(); ++it) {
        if (it.value() != m_saved.value(it.key())
            && !Sql::exec(query, QStringLiteral("UPDATE users SET change_seq = ? WHERE id = ?"),
                { it.value(), it.key() }))
            return false;
        m_saved.insert(it.key(), it.value());
    }
    return true;
}

bool SharedFeed::readersOf(const QString& ownerId, QStringList* readers)
{
    QSqlQuery query(m_db);
    if (!Sql::exec(query,
            QStringLiteral("SELECT DISTINCT member_id FROM account_shares "
                           "WHERE owner_id = ? AND ended_at IS NULL"),
            { ownerId }))
        return false;
    while (query.next())
        readers->append(query.value(0).toString());
    return true;
}

bool SharedFeed::publish(const QString& ownerId, const QList<Changed>& changed)
{
    if (changed.isEmpty())
        return true;
    QSqlQuery query(m_db);
    if (!Sql::exec(query,
            QStringLiteral("SELECT account_client_id, member_id FROM account_shares "
                           "WHERE owner_id = ? AND ended_at IS NULL"),
            { ownerId }))
        return false;
    QHash<QString, QStringList> membersOf;
    while (query.next())
        membersOf[query.value(0).toString()].append(query.value(1).toString());
    // Without shares in force no member holds a live entry of this owner.
    if (membersOf.isEmpty())
        return true;
    QVariantList ids;
    for (const Changed& record : changed)
        ids << record.serverId;
    QHash<QString, QStringList> holders;
    if (!Sql::exec(query,
            QStringLiteral("SELECT server_id, reader_id FROM shared_feed WHERE revoked = 0 "
                           "AND server_id IN (%1)")
                .arg(placeholders(ids.size())),
            ids))
        return false;
    while (query.next())
        holders[query.value(0).toString()].append(query.value(1).toString());
    query.finish();
    QStringList endedAccounts;
    for (const Changed& record : changed) {
        const QStringList readers = membersOf.value(record.accountId);
        if (!lockUsers(readers))
            return false;
        for (const QString& reader : readers) {
            if (!enter(reader, record.serverId, record.type))
                return false;
        }
        // Moved to another account: gone for whoever saw it through the old one.
        for (const QString& holder : holders.value(record.serverId)) {
            if (readers.contains(holder))
                continue;
            if (!lockUsers({ holder })
                || !tombstone(
                    holder, record.serverId, record.type, revokedBody(record.body, m_now)))
                return false;
        }
        if (record.type == QLatin1String("account") && record.deleted)
            endedAccounts.append(record.accountId);
    }
    for (const QString& account : std::as_const(endedAccounts)) {
        for (const QString& member : membersOf.value(account)) {
            if (!revoke(ownerId, account, member))
                return false;
        }
    }
    return true;
}

bool SharedFeed::grant(const QString& ownerId, const QString& accountId, const QString& memberId)
{
    QSqlQuery query(m_db);
    if (!Sql::exec(query,
            QStringLiteral("INSERT INTO account_shares (owner_id, account_client_id, member_id, "
                           "created_at) VALUES (?, ?, ?, ?) ON CONFLICT (owner_id, "
                           "account_client_id, member_id) DO UPDATE SET ended_at = NULL, "
                           "created_at = excluded.created_at"),
            { ownerId, accountId, memberId, m_now })
        || !Sql::exec(query,
            QStringLiteral("SELECT server_id, entity_type FROM records WHERE owner_id = ? "
                           "AND account_id = ? AND deleted = 0 ORDER BY seq"),
            { ownerId, accountId }))
        return false;
    QList<QPair<QString, QString>> records;
    while (query.next())
        records.append({ query.value(0).toString(), query.value(1).toString() });
    query.finish();
    if (!lockUsers({ memberId }))
        return false;
    for (const auto& [serverId, type] : std::as_const(records)) {
        if (!enter(memberId, serverId, type))
            return false;
    }
    return true;
}

bool SharedFeed::revoke(const QString& ownerId, const QString& accountId, const QString& memberId)
{
    QSqlQuery query(m_db);
    if (!Sql::exec(query,
            QStringLiteral("UPDATE account_shares SET ended_at = ? WHERE owner_id = ? "
                           "AND account_client_id = ? AND member_id = ? AND ended_at IS NULL"),
            { m_now, ownerId, accountId, memberId })
        || !Sql::exec(query,
            QStringLiteral("SELECT f.server_id, r.entity_type, r.body FROM shared_feed f "
                           "JOIN records r ON r.server_id = f.server_id WHERE f.reader_id = ? "
                           "AND f.revoked = 0 AND r.owner_id = ? AND r.account_id = ? "
                           "ORDER BY r.seq"),
            { memberId, ownerId, accountId }))
        return false;
    struct Entry {
        QString serverId;
        QString type;
        QByteArray body;
    };
    QList<Entry> entries;
    while (query.next())
        entries.append({ query.value(0).toString(), query.value(1).toString(),
            query.value(2).toString().toUtf8() });
    query.finish();
    if (!lockUsers({ memberId }))
        return false;
    for (const Entry& entry : std::as_const(entries)) {
        if (!tombstone(memberId, entry.serverId, entry.type, revokedBody(entry.body, m_now)))
            return false;
    }
    return true;
}

bool SharedFeed::endSharesOf(const QString& userId)
{
    QSqlQuery query(m_db);
    if (!Sql::exec(query,
            QStringLiteral("SELECT owner_id, account_client_id, member_id FROM account_shares "
                           "WHERE (owner_id = ? OR member_id = ?) AND ended_at IS NULL"),
            { userId, userId }))
        return false;
    QList<QStringList> shares;
    QStringList users { userId };
    while (query.next()) {
        shares.append(
            { query.value(0).toString(), query.value(1).toString(), query.value(2).toString() });
        users << query.value(0).toString() << query.value(2).toString();
    }
    query.finish();
    if (!lockUsers(users))
        return false;
    for (const QStringList& share : std::as_const(shares)) {
        if (!revoke(share.at(0), share.at(1), share.at(2)))
            return false;
    }
    return save();
}

bool SharedFeed::enter(const QString& readerId, const QString& serverId, const QString& type)
{
    QSqlQuery query(m_db);
    return Sql::exec(query,
        QStringLiteral("INSERT INTO shared_feed (reader_id, server_id, entity_type, seq, revoked) "
                       "VALUES (?, ?, ?, ?, 0) ON CONFLICT (reader_id, server_id) DO UPDATE SET "
                       "seq = excluded.seq, revoked = 0, body = NULL, "
                       "entity_type = excluded.entity_type"),
        { readerId, serverId, type, ++sequence(readerId) });
}

bool SharedFeed::tombstone(
    const QString& readerId, const QString& serverId, const QString& type, const QByteArray& body)
{
    QSqlQuery query(m_db);
    return Sql::exec(query,
        QStringLiteral("UPDATE shared_feed SET seq = ?, revoked = 1, body = ?, entity_type = ? "
                       "WHERE reader_id = ? AND server_id = ?"),
        { ++sequence(readerId), QString::fromUtf8(body), type, readerId, serverId });
}
