#include "SyncStore.h"

#include "Access.h"
#include "Crypto.h"
#include "ServerClock.h"
#include "ServerLogging.h"
#include "SharedFeed.h"
#include "Sql.h"
#include "Store.h"
#include "SyncEntityTypes.h"
#include "SyncPush.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QtEndian>
#include <array>

SyncStore::SyncStore(Store& store, const ServerKeys& keys)
    : m_store(store)
    , m_keys(keys)
{
}

std::optional<QJsonArray> SyncStore::push(const QString& userId, const QJsonArray& changes)
{
    QJsonArray results;
    const qint64 now = ServerClock::now();
    const bool ok = m_store.write([&](QSqlDatabase& db) {
        results = QJsonArray();
        Access access(db);
        SharedFeed feed(m_store, db);
        const auto membership = access.membership(userId);
        if (!access.ok() || !feed.lockGroup(membership ? membership->groupId : QString()))
            return false;
        Access::PushPlan plan;
        if (!access.planPush(userId, changes, &plan))
            return false;
        // Whose sequences move: the owners written to and their shares' members.
        QStringList owners;
        for (const QString& owner : std::as_const(plan.ownerOf)) {
            if (!owners.contains(owner))
                owners.append(owner);
        }
        QStringList users = owners;
        for (const QString& owner : std::as_const(owners)) {
            if (!feed.readersOf(owner, &users))
                return false;
        }
        if (!feed.lockUsers(users) || !feed.isLocked(userId))
            return false;
        QList<QJsonValue> answers(changes.size());
        for (auto answered = plan.answered.cbegin(); answered != plan.answered.cend(); ++answered)
            answers[answered.key()] = answered.value();
        for (const QString& owner : std::as_const(owners)) {
            QJsonArray mine;
            QList<int> places;
            for (int i = 0; i < changes.size(); ++i) {
                if (plan.ownerOf.at(i) == owner && !plan.answered.contains(i)) {
                    mine.append(changes.at(i));
                    places.append(i);
                }
            }
            if (mine.isEmpty())
                continue;
            QJsonArray ownerResults;
            SyncPush push(db, owner, now);
            if (!push.run(mine, &feed.sequence(owner), &ownerResults)
                || !feed.publish(owner, push.changed()))
                return false;
            for (int i = 0; i < places.size(); ++i)
                answers[places.at(i)] = ownerResults.at(i);
        }
        for (const QJsonValue& answer : std::as_const(answers))
            results.append(answer);
        return feed.save();
    });
    if (!ok)
        return std::nullopt;
    return results;
}

std::optional<SyncStore::Page> SyncStore::pull(
    const QString& userId, const QString& cursor, int limit, PullError* error)
{
    const auto from = sequenceOf(cursor, userId);
    if (!from) {
        *error = PullError::BadCursor;
        return std::nullopt;
    }
    std::array<QByteArrayList, kSyncEntityTypes.size()> arrays;
    qint64 last = 0;
    bool more = false;
    QJsonObject integrity;
    const bool ok = m_store.read([&](QSqlDatabase& db) {
        QSqlQuery query(db);
        if (!Sql::exec(
                query, QStringLiteral("SELECT change_seq FROM users WHERE id = ?"), { userId })
            || !query.next())
            return false;
        // A cursor beyond the sequence comes from before the database was
        // restored from a backup: start over rather than wait for the numbers.
        last = *from > query.value(0).toLongLong() ? 0 : *from;
        // Shared records come through the user's feed, numbered in the same sequence.
        if (!Sql::exec(query,
                QStringLiteral(
                    "SELECT seq, entity_type, body, NULL, NULL, NULL FROM records "
                    "WHERE owner_id = ? AND seq > ? "
                    "UNION ALL SELECT f.seq, f.entity_type, COALESCE(f.body, r.body), "
                    "u.id, u.display_name, u.email FROM shared_feed f "
                    "LEFT JOIN records r ON r.server_id = f.server_id "
                    "LEFT JOIN users u ON u.id = r.owner_id AND f.body IS NULL "
                    "AND f.entity_type = 'account' "
                    "WHERE f.reader_id = ? AND f.seq > ? ORDER BY 1 LIMIT ?"),
                { userId, last, userId, last, limit + 1 }))
            return false;
        int rows = 0;
        while (query.next()) {
            if (++rows > limit) {
                more = true;
                break;
            }
            last = query.value(0).toLongLong();
            const int index = syncEntityIndex(query.value(1).toString());
            if (index < 0 || query.isNull(2))
                continue;
            QByteArray body = query.value(2).toString().toUtf8();
            // A member's sidebar names whose account it is.
            if (!query.isNull(3)) {
                QJsonObject record = QJsonDocument::fromJson(body).object();
                record.insert("shared_by",
                    QJsonObject { { "user_id", query.value(3).toString() },
                        { "display_name", query.value(4).toString() },
                        { "email", query.value(5).toString() } });
                body = QJsonDocument(record).toJson(QJsonDocument::Compact);
            }
            arrays[std::size_t(index)].append(body);
        }
        query.finish();
        if (more)
            return true;
        for (const SyncEntityType& entity : kSyncEntityTypes)
            integrity.insert(entity.count, 0);
        if (!Sql::exec(query,
                QStringLiteral("SELECT entity_type, COUNT(*) FROM (SELECT entity_type FROM "
                               "records WHERE owner_id = ? AND deleted = 0 UNION ALL SELECT "
                               "r.entity_type FROM shared_feed f JOIN records r ON r.server_id = "
                               "f.server_id WHERE f.reader_id = ? AND f.revoked = 0 AND "
                               "r.deleted = 0) live GROUP BY entity_type"),
                { userId, userId }))
            return false;
        while (query.next()) {
            const int index = syncEntityIndex(query.value(0).toString());
            if (index >= 0)
                integrity.insert(
                    kSyncEntityTypes[std::size_t(index)].count, query.value(1).toLongLong());
        }
        return true;
    });
    if (!ok) {
        *error = PullError::Failed;
        return std::nullopt;
    }
    QByteArray page = "{";
    for (std::size_t i = 0; i < kSyncEntityTypes.size(); ++i)
        page += '"' + QByteArray(kSyncEntityTypes[i].array.data()) + "\":[" + arrays[i].join(',')
            + "],";
    page += "\"cursor\":\"" + cursorFor(userId, last).toLatin1() + "\",\"has_more\":";
    page += more ? "true" : "false";
    if (!more)
        page += ",\"integrity\":" + QJsonDocument(integrity).toJson(QJsonDocument::Compact);
    page += '}';
    *error = PullError::None;
    return Page { page, more };
}

void SyncStore::touchDevice(const QString& sessionId)
{
    const qint64 now = ServerClock::now();
    m_store.write([&](QSqlDatabase& db) {
        QSqlQuery query(db);
        return Sql::exec(query,
            QStringLiteral("UPDATE devices SET last_sync_at = ? WHERE id = "
                           "(SELECT device_id FROM sessions WHERE id = ?)"),
            { now, sessionId });
    });
}

QString SyncStore::cursorFor(const QString& userId, qint64 sequence) const
{
    QByteArray position(8, Qt::Uninitialized);
    qToBigEndian(sequence, position.data());
    const QByteArray mac = Crypto::hmacSha256(m_keys.cursors(), userId.toUtf8() + '\n' + position);
    return Crypto::base64Url(position + mac.left(16));
}

std::optional<qint64> SyncStore::sequenceOf(const QString& cursor, const QString& userId) const
{
    if (cursor.isEmpty())
        return 0;
    const QByteArray raw = Crypto::fromBase64Url(cursor.toLatin1());
    if (raw.size() != 24)
        return std::nullopt;
    const QByteArray position = raw.left(8);
    const QByteArray mac = Crypto::hmacSha256(m_keys.cursors(), userId.toUtf8() + '\n' + position);
    if (!Crypto::sameBytes(raw.mid(8), mac.left(16)))
        return std::nullopt;
    const qint64 sequence = qFromBigEndian<qint64>(position.constData());
    if (sequence < 0)
        return std::nullopt;
    return sequence;
}
