#include "SyncStore.h"

#include "Crypto.h"
#include "ServerClock.h"
#include "ServerLogging.h"
#include "Sql.h"
#include "Store.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QtEndian>
#include <array>
#include <cmath>
#include <variant>

namespace {

struct EntityType {
    QLatin1String type;
    QLatin1String array;
    QLatin1String count;
};

// Parents before children, as the desktop applies them.
const std::array<EntityType, 5> kEntities { {
    { QLatin1String("account"), QLatin1String("accounts"), QLatin1String("account_count") },
    { QLatin1String("category"), QLatin1String("categories"), QLatin1String("category_count") },
    { QLatin1String("recurring"), QLatin1String("recurring_transactions"),
        QLatin1String("recurring_count") },
    { QLatin1String("transaction"), QLatin1String("transactions"),
        QLatin1String("transaction_count") },
    { QLatin1String("reconciliation"), QLatin1String("reconciliations"),
        QLatin1String("reconciliation_count") },
} };

constexpr int kMaxIdLength = 200;

int entityIndex(const QString& type)
{
    for (std::size_t i = 0; i < kEntities.size(); ++i) {
        if (kEntities[i].type == type)
            return int(i);
    }
    return -1;
}

struct Change {
    QString type;
    QString entityId;
    QString clientId;
    bool remove = false;
    qint64 version = 0;
    QJsonObject payload;
    QString hash;
};

std::optional<qint64> wholeNumber(const QJsonValue& value)
{
    if (!value.isDouble())
        return std::nullopt;
    const double number = value.toDouble();
    if (number < 0 || number > 9007199254740991.0 || std::floor(number) != number)
        return std::nullopt;
    return qint64(number);
}

// The change, or why it cannot be stored.
std::variant<Change, QString> parseChange(const QJsonValue& value)
{
    if (!value.isObject())
        return QStringLiteral("a change must be an object");
    const QJsonObject object = value.toObject();
    Change change;
    change.type = object.value("entity_type").toString();
    change.entityId = object.value("entity_id").toString();
    if (entityIndex(change.type) < 0)
        return QStringLiteral("unknown entity_type");
    const QString action = object.value("action").toString();
    if (action != QLatin1String("upsert") && action != QLatin1String("delete"))
        return QStringLiteral("action must be upsert or delete");
    change.remove = action == QLatin1String("delete");
    const auto version = wholeNumber(object.value("version"));
    if (!version)
        return QStringLiteral("version must be a whole number of at least 0");
    change.version = *version;
    if (!object.value("payload").isObject())
        return QStringLiteral("payload must be an object");
    change.payload = object.value("payload").toObject();
    const QJsonValue clientId = change.payload.value("client_id");
    if (!clientId.isUndefined() && !clientId.isString())
        return QStringLiteral("client_id must be a string");
    change.clientId = clientId.toString(change.entityId);
    if (!change.entityId.isEmpty() && change.clientId != change.entityId)
        return QStringLiteral("entity_id and client_id differ");
    if (change.clientId.isEmpty() || change.clientId.size() > kMaxIdLength)
        return QStringLiteral("the record has no usable id");
    // Key order is fixed in Qt's JSON objects, so equal changes hash alike.
    change.hash = Crypto::sha256Hex(QJsonDocument(object).toJson(QJsonDocument::Compact));
    return change;
}

QJsonObject resultFor(const QJsonValue& value, const QString& status)
{
    const QJsonObject change = value.toObject();
    return { { "entity_type", change.value("entity_type") },
        { "entity_id", change.value("entity_id") }, { "status", status } };
}

QByteArray storedBody(const Change& change, const QString& serverId, qint64 version, qint64 now)
{
    QJsonObject body = change.payload;
    body.remove("server_id");
    body.insert("id", serverId);
    body.insert("client_id", change.clientId);
    body.insert("version", version);
    if (!change.remove)
        body.remove("deleted_at");
    else if (body.value("deleted_at").toString().isEmpty())
        body.insert("deleted_at", ServerClock::iso(now));
    return QJsonDocument(body).toJson(QJsonDocument::Compact);
}

} // namespace

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
        QSqlQuery user(db);
        if (!Sql::exec(user,
                QStringLiteral("SELECT change_seq FROM users WHERE id = ?") + m_store.lockRow(),
                { userId })
            || !user.next())
            return false;
        const qint64 first = user.value(0).toLongLong();
        user.finish();
        qint64 sequence = first;
        QSqlQuery find(db);
        QSqlQuery insert(db);
        QSqlQuery update(db);
        if (!Sql::prepare(find,
                QStringLiteral("SELECT server_id, version, deleted, change_hash FROM records "
                               "WHERE owner_id = ? AND entity_type = ? AND client_id = ?"))
            || !Sql::prepare(insert,
                QStringLiteral("INSERT INTO records (server_id, owner_id, entity_type, client_id, "
                               "version, seq, deleted, body, change_hash, updated_at) "
                               "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"))
            || !Sql::prepare(update,
                QStringLiteral("UPDATE records SET version = ?, seq = ?, deleted = ?, body = ?, "
                               "change_hash = ?, updated_at = ? WHERE server_id = ?")))
            return false;

        for (const QJsonValue& value : changes) {
            const auto parsed = parseChange(value);
            if (const QString* problem = std::get_if<QString>(&parsed)) {
                QJsonObject result = resultFor(value, QStringLiteral("error"));
                result.insert("message", *problem);
                results.append(result);
                continue;
            }
            const Change& change = std::get<Change>(parsed);
            QJsonObject result = resultFor(value, QStringLiteral("ok"));
            if (!Sql::run(find, { userId, change.type, change.clientId }))
                return false;
            if (!find.next()) {
                find.finish();
                // Nothing to delete: nothing to keep either.
                if (change.remove) {
                    result.insert("server_id", QString());
                    results.append(result);
                    continue;
                }
                const QString serverId = Crypto::newId();
                const qint64 version = change.version + 1;
                if (!Sql::run(insert,
                        { serverId, userId, change.type, change.clientId, version, ++sequence, 0,
                            QString::fromUtf8(storedBody(change, serverId, version, now)),
                            change.hash, now }))
                    return false;
                result.insert("server_id", serverId);
                result.insert("version", version);
                results.append(result);
                continue;
            }
            const QString serverId = find.value(0).toString();
            const qint64 stored = find.value(1).toLongLong();
            const bool deleted = find.value(2).toInt() != 0;
            const QString storedHash = find.value(3).toString();
            find.finish();
            result.insert("server_id", serverId);
            // The same change again (its answer was lost): the same answer.
            // A stale delete of a record already deleted asks for nothing new.
            if (storedHash == change.hash
                || (change.version < stored && change.remove && deleted)) {
                result.insert("version", stored);
                results.append(result);
                continue;
            }
            if (change.version < stored) {
                result.insert("status", "conflict");
                result.insert("server_version", stored);
                result.insert("message", "the record changed on the server since this version");
                results.append(result);
                continue;
            }
            const qint64 version = std::max(change.version, stored) + 1;
            if (!Sql::run(update,
                    { version, ++sequence, change.remove ? 1 : 0,
                        QString::fromUtf8(storedBody(change, serverId, version, now)), change.hash,
                        now, serverId }))
                return false;
            result.insert("version", version);
            results.append(result);
        }
        return sequence == first
            || Sql::exec(user, QStringLiteral("UPDATE users SET change_seq = ? WHERE id = ?"),
                { sequence, userId });
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
    std::array<QByteArrayList, kEntities.size()> arrays;
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
        if (!Sql::exec(query,
                QStringLiteral("SELECT seq, entity_type, body FROM records WHERE owner_id = ? "
                               "AND seq > ? ORDER BY seq LIMIT ?"),
                { userId, last, limit + 1 }))
            return false;
        int rows = 0;
        while (query.next()) {
            if (++rows > limit) {
                more = true;
                break;
            }
            last = query.value(0).toLongLong();
            const int index = entityIndex(query.value(1).toString());
            if (index >= 0)
                arrays[std::size_t(index)].append(query.value(2).toString().toUtf8());
        }
        query.finish();
        if (more)
            return true;
        for (const EntityType& entity : kEntities)
            integrity.insert(entity.count, 0);
        if (!Sql::exec(query,
                QStringLiteral("SELECT entity_type, COUNT(*) FROM records WHERE owner_id = ? "
                               "AND deleted = 0 GROUP BY entity_type"),
                { userId }))
            return false;
        while (query.next()) {
            const int index = entityIndex(query.value(0).toString());
            if (index >= 0)
                integrity.insert(kEntities[std::size_t(index)].count, query.value(1).toLongLong());
        }
        return true;
    });
    if (!ok) {
        *error = PullError::Failed;
        return std::nullopt;
    }
    QByteArray page = "{";
    for (std::size_t i = 0; i < kEntities.size(); ++i)
        page += '"' + QByteArray(kEntities[i].array.data()) + "\":[" + arrays[i].join(',') + "],";
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
