#include "SyncPush.h"

#include "Crypto.h"
#include "ServerClock.h"
#include "Sql.h"
#include "SyncEntityTypes.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlQuery>
#include <cmath>
#include <optional>

namespace {

constexpr int kMaxIdLength = 200;
// Rows a statement writes: eleven values each, well within both databases' limits.
constexpr int kRowsPerStatement = 100;

QString keyOf(const QString& type, const QString& clientId)
{
    return type + QLatin1Char('\n') + clientId;
}

std::optional<qint64> wholeNumber(const QJsonValue& value)
{
    if (!value.isDouble())
        return std::nullopt;
    const double number = value.toDouble();
    if (number < 0 || number > 9007199254740991.0 || std::floor(number) != number)
        return std::nullopt;
    return qint64(number);
}

QJsonObject resultFor(const QJsonValue& sent, const QString& status)
{
    const QJsonObject change = sent.toObject();
    return { { "entity_type", change.value("entity_type") },
        { "entity_id", change.value("entity_id") }, { "status", status } };
}

} // namespace

struct SyncPush::Change {
    QString type;
    QString entityId;
    QString clientId;
    bool remove = false;
    qint64 version = 0;
    QJsonObject payload;
    QString hash;
    // Why it cannot be stored; empty when it can.
    QString problem;

    static Change parse(const QJsonValue& value)
    {
        Change change;
        const auto refuse = [&change](const char* why) {
            change.problem = QLatin1String(why);
            return change;
        };
        if (!value.isObject())
            return refuse("a change must be an object");
        const QJsonObject object = value.toObject();
        change.type = object.value("entity_type").toString();
        change.entityId = object.value("entity_id").toString();
        if (syncEntityIndex(change.type) < 0)
            return refuse("unknown entity_type");
        const QString action = object.value("action").toString();
        if (action != QLatin1String("upsert") && action != QLatin1String("delete"))
            return refuse("action must be upsert or delete");
        change.remove = action == QLatin1String("delete");
        const auto version = wholeNumber(object.value("version"));
        if (!version)
            return refuse("version must be a whole number of at least 0");
        change.version = *version;
        if (!object.value("payload").isObject())
            return refuse("payload must be an object");
        change.payload = object.value("payload").toObject();
        const QJsonValue clientId = change.payload.value("client_id");
        if (!clientId.isUndefined() && !clientId.isString())
            return refuse("client_id must be a string");
        change.clientId = clientId.toString(change.entityId);
        if (!change.entityId.isEmpty() && change.clientId != change.entityId)
            return refuse("entity_id and client_id differ");
        if (change.clientId.isEmpty() || change.clientId.size() > kMaxIdLength)
            return refuse("the record has no usable id");
        change.hash = contentHash(object, change.payload);
        return change;
    }

    // Equal for changes that say the same thing. Bookkeeping stays out: two
    // computers that create the same default records at other times (or
    // stamp a record without changing it) send no conflicting content.
    // Key order is fixed in Qt's JSON objects, so equal content hashes alike.
    static QString contentHash(QJsonObject object, QJsonObject payload)
    {
        for (const char* member : { "version", "server_id", "created_at", "updated_at" })
            payload.remove(QLatin1String(member));
        object.remove("version");
        object.insert("payload", payload);
        return Crypto::sha256Hex(QJsonDocument(object).toJson(QJsonDocument::Compact));
    }

    // What a share of an account takes along: the account and what names it.
    QString accountId() const
    {
        if (type == QLatin1String("account"))
            return clientId;
        return payload.value("account_id").toString();
    }

    // The record as pulls hand it out.
    QByteArray body(const QString& serverId, qint64 storedVersion, qint64 now) const
    {
        QJsonObject body = payload;
        body.remove("server_id");
        body.insert("id", serverId);
        body.insert("client_id", clientId);
        body.insert("version", storedVersion);
        if (!remove)
            body.remove("deleted_at");
        else if (body.value("deleted_at").toString().isEmpty())
            body.insert("deleted_at", ServerClock::iso(now));
        return QJsonDocument(body).toJson(QJsonDocument::Compact);
    }
};

SyncPush::SyncPush(QSqlDatabase& db, const QString& userId, qint64 now)
    : m_db(db)
    , m_userId(userId)
    , m_now(now)
{
}

bool SyncPush::run(const QJsonArray& sent, qint64* sequence, QJsonArray* results)
{
    QList<Change> changes;
    for (const QJsonValue& value : sent)
        changes.append(Change::parse(value));
    if (!load(changes))
        return false;
    for (qsizetype i = 0; i < changes.size(); ++i)
        results->append(decide(sent.at(i), changes.at(i), sequence));
    return write();
}

bool SyncPush::load(const QList<Change>& changes)
{
    QHash<QString, QStringList> idsByType;
    for (const Change& change : changes) {
        if (change.problem.isEmpty() && !idsByType.value(change.type).contains(change.clientId))
            idsByType[change.type].append(change.clientId);
    }
    if (idsByType.isEmpty())
        return true;
    // One term per entity type, so each can use the (owner, type, client id) index.
    QStringList terms;
    QVariantList values { m_userId };
    for (auto ids = idsByType.cbegin(); ids != idsByType.cend(); ++ids) {
        terms << QStringLiteral("(entity_type = ? AND client_id IN (%1))")
                     .arg(QStringList(ids->size(), QStringLiteral("?")).join(QLatin1Char(',')));
        values << ids.key();
        for (const QString& id : *ids)
            values << id;
    }
    QSqlQuery query(m_db);
    if (!Sql::exec(query,
            QStringLiteral(
                "SELECT entity_type, client_id, server_id, version, deleted, change_hash "
                "FROM records WHERE owner_id = ? AND (%1)")
                .arg(terms.join(QLatin1String(" OR "))),
            values))
        return false;
    while (query.next()) {
        m_known.insert(keyOf(query.value(0).toString(), query.value(1).toString()),
            { query.value(2).toString(), query.value(3).toLongLong(), query.value(4).toInt() != 0,
                query.value(5).toString() });
    }
    return true;
}

QJsonObject SyncPush::decide(const QJsonValue& sent, const Change& change, qint64* sequence)
{
    if (!change.problem.isEmpty()) {
        QJsonObject result = resultFor(sent, QStringLiteral("error"));
        result.insert("message", change.problem);
        return result;
    }
    QJsonObject result = resultFor(sent, QStringLiteral("ok"));
    const QString key = keyOf(change.type, change.clientId);
    const auto known = m_known.find(key);
    if (known == m_known.end() && change.remove) {
        // Nothing to delete: nothing to keep either.
        result.insert("server_id", QString());
        return result;
    }
    if (known != m_known.end()) {
        result.insert("server_id", known->serverId);
        // The same change again (its answer was lost): the same answer. A
        // stale delete of a record already deleted asks for nothing new.
        if (known->hash == change.hash
            || (change.version < known->version && change.remove && known->deleted)) {
            result.insert("version", known->version);
            return result;
        }
        if (change.version < known->version) {
            result.insert("status", "conflict");
            result.insert("server_version", known->version);
            result.insert("message", "the record changed on the server since this version");
            return result;
        }
    }
    Known state { known != m_known.end() ? known->serverId : Crypto::newId(),
        std::max(change.version, known != m_known.end() ? known->version : 0) + 1, change.remove,
        change.hash };
    if (!m_rows.contains(state.serverId))
        m_order.append(state.serverId);
    m_rows.insert(state.serverId,
        { state.serverId, change.type, change.clientId, change.accountId(), state.version,
            ++*sequence, change.remove, change.body(state.serverId, state.version, m_now),
            change.hash });
    m_known.insert(key, state);
    result.insert("server_id", state.serverId);
    result.insert("version", state.version);
    return result;
}

bool SyncPush::write()
{
    // Qt's SQLite driver looks every bound value up by name among all of the
    // statement's, so a statement of many rows costs the square of its
    // values there; one row reprepared never is cheaper. PostgreSQL pays per
    // round trip instead.
    const int perStatement
        = m_db.driverName() == QLatin1String("QSQLITE") ? 1 : kRowsPerStatement;
    QSqlQuery query(m_db);
    qsizetype prepared = 0;
    for (qsizetype first = 0; first < m_order.size(); first += perStatement) {
        const QStringList chunk = m_order.mid(first, perStatement);
        if (chunk.size() != prepared
            && !Sql::prepare(query,
                QStringLiteral(
                    "INSERT INTO records (server_id, owner_id, entity_type, client_id, "
                    "version, seq, deleted, body, change_hash, updated_at, account_id) VALUES %1 "
                    "ON CONFLICT (server_id) DO UPDATE SET version = excluded.version, "
                    "seq = excluded.seq, deleted = excluded.deleted, body = excluded.body, "
                    "change_hash = excluded.change_hash, updated_at = excluded.updated_at, "
                    "account_id = excluded.account_id")
                    .arg(QStringList(
                        chunk.size(), QStringLiteral("(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"))
                             .join(QLatin1Char(',')))))
            return false;
        prepared = chunk.size();
        QVariantList values;
        for (const QString& serverId : chunk) {
            const Row& row = m_rows[serverId];
            values << row.serverId << m_userId << row.type << row.clientId << row.version
                   << row.sequence << (row.deleted ? 1 : 0) << QString::fromUtf8(row.body)
                   << row.hash << m_now << row.accountId;
        }
        if (!Sql::run(query, values))
            return false;
    }
    return true;
}

QList<SharedFeed::Changed> SyncPush::changed() const
{
    QList<SharedFeed::Changed> changed;
    for (const QString& serverId : m_order) {
        const Row& row = m_rows[serverId];
        changed.append({ row.serverId, row.type, row.accountId, row.deleted, row.body });
    }
    return changed;
}
