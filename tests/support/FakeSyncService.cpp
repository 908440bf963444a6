#include "FakeSyncService.h"

#include "data/Clock.h"

#include <QJsonDocument>
#include <algorithm>
#include <list>

namespace {

const QString kBase = QStringLiteral("/ledgerine/v1");

// Entity types in the order parents come before children; the pull's arrays.
const QList<QPair<QString, QString>> kEntities = {
    { QStringLiteral("account"), QStringLiteral("accounts") },
    { QStringLiteral("category"), QStringLiteral("categories") },
    { QStringLiteral("recurring"), QStringLiteral("recurring_transactions") },
    { QStringLiteral("transaction"), QStringLiteral("transactions") },
    { QStringLiteral("reconciliation"), QStringLiteral("reconciliations") },
    { QStringLiteral("csv_profile"), QStringLiteral("csv_profiles") },
};

int rankOf(const QString& entityType)
{
    for (int i = 0; i < kEntities.size(); ++i) {
        if (kEntities.at(i).first == entityType)
            return i;
    }
    return -1;
}

TestHttpResponse error(int status, const char* code)
{
    return TestHttpResponse::error(status, QLatin1String(code));
}

// What a record says: every member but those the server assigns.
QJsonObject content(QJsonObject payload)
{
    payload.remove(QLatin1String("version"));
    payload.remove(QLatin1String("server_id"));
    return payload;
}

} // namespace

QString FakeSyncService::pushPath()
{
    return kBase + QStringLiteral("/sync/push");
}

QString FakeSyncService::pullPath()
{
    return kBase + QStringLiteral("/sync/pull");
}

FakeSyncService::FakeSyncService(TestHttpServer& server, UserOf userOf)
    : m_server(server)
    , m_userOf(std::move(userOf))
{
    const auto bind = [this](auto member) {
        return [this, member](const QString& user, const TestHttpRequest& request) {
            return (this->*member)(user, request);
        };
    };
    m_server.userRoute("POST", pushPath(), m_userOf, bind(&FakeSyncService::push));
    m_server.userRoute("GET", pullPath(), m_userOf, bind(&FakeSyncService::pull));
    for (const char* method : { "GET", "POST", "DELETE" })
        m_server.userRoute(method, kBase + QStringLiteral("/accounts/*"), m_userOf,
            bind(&FakeSyncService::shares));
}

void FakeSyncService::dropAfterCommit(int times)
{
    m_server.setFault(pushPath(), { .dropAfterAnswer = true, .times = times });
}

QJsonObject FakeSyncService::apply(UserData& data, const QJsonObject& change)
{
    const QString type = change.value("entity_type").toString();
    const QString entityId = change.value("entity_id").toString();
    QJsonObject payload = change.value("payload").toObject();
    QJsonObject result { { "entity_type", type }, { "entity_id", entityId } };
    const QString clientId = payload.value("client_id").toString(entityId);
    const QString sentServerId = payload.value("server_id").toString();
    if (rankOf(type) < 0 || m_unknownTypes.contains(type)
        || (clientId.isEmpty() && sentServerId.isEmpty())) {
        result.insert("status", "error");
        result.insert("message", "unknown entity type or no id");
        return result;
    }

    QString key = type + QLatin1Char('/') + (clientId.isEmpty() ? sentServerId : clientId);
    if (!data.records.contains(key) && !sentServerId.isEmpty()) {
        const QString known = data.keyOfServerId.value(sentServerId);
        if (known.startsWith(type + QLatin1Char('/')))
            key = known;
    }

    const bool deletion = change.value("action").toString() == QLatin1String("delete");
    if (deletion) {
        if (payload.value("deleted_at").toString().isEmpty())
            payload.insert("deleted_at", payload.value("updated_at"));
    } else {
        payload.remove("deleted_at");
    }
    if (type == QLatin1String("transaction") && !payload.value("is_split").toBool())
        payload.insert("split_lines", QJsonArray());
    const int version = change.value("version").toInt(payload.value("version").toInt(1));
    payload = content(payload);

    auto existing = data.records.find(key);
    if (existing != data.records.end()) {
        result.insert("server_id", existing->serverId);
        if (existing->payload == payload) {
            result.insert("status", "ok");
            result.insert("version", existing->version);
            return result;
        }
        if (version < existing->version) {
            result.insert("status", "conflict");
            result.insert("server_version", existing->version);
            result.insert("message", "the record changed on the server");
            return result;
        }
        existing->payload = payload;
        existing->version = std::max(version, existing->version) + 1;
        existing->sequence = ++m_sequence;
        result.insert("status", "ok");
        result.insert("version", existing->version);
        return result;
    }
    if (deletion) {
        result.insert("status", "ok");
        result.insert("server_id", QString());
        return result;
    }

    Record record { type, QStringLiteral("srv-%1").arg(++m_serverIds), version + 1, ++m_sequence,
        payload };
    data.records.insert(key, record);
    data.keyOfServerId.insert(record.serverId, key);
    result.insert("status", "ok");
    result.insert("server_id", record.serverId);
    result.insert("version", record.version);
    return result;
}

TestHttpResponse FakeSyncService::push(const QString& user, const TestHttpRequest& request)
{
    const QJsonValue changesValue = request.json().value("changes");
    if (!changesValue.isArray())
        return error(400, "invalid_request");
    QJsonArray changes = changesValue.toArray();
    QList<QJsonObject> ordered;
    for (const QJsonValue& change : std::as_const(changes))
        ordered.append(change.toObject());
    if (m_childFirst) {
        std::stable_sort(ordered.begin(), ordered.end(), [](const auto& a, const auto& b) {
            return rankOf(a.value("entity_type").toString())
                > rankOf(b.value("entity_type").toString());
        });
    }
    QJsonArray results;
    for (const QJsonObject& change : std::as_const(ordered)) {
        const auto owner = ownerFor(user, change);
        if (owner) {
            results.append(apply(m_users[*owner], change));
            continue;
        }
        results.append(QJsonObject { { "entity_type", change.value("entity_type") },
            { "entity_id", change.value("entity_id") }, { "status", "forbidden" },
            { "message", "no access to this account" } });
    }
    return TestHttpResponse::json(200, { { "results", results } });
}

QJsonObject FakeSyncService::wireRecord(const Record& record) const
{
    QJsonObject wire = record.payload;
    wire.insert("id", record.serverId);
    wire.insert("version", record.version);
    return wire;
}

QString FakeSyncService::cursorFor(const QString& userId, qint64 sequence) const
{
    const QByteArray plain = "c1:" + userId.toUtf8() + ':' + QByteArray::number(sequence);
    return QString::fromLatin1(plain.toBase64(QByteArray::Base64UrlEncoding));
}

std::optional<qint64> FakeSyncService::sequenceOf(
    const QString& cursor, const QString& userId) const
{
    if (cursor.isEmpty())
        return 0;
    const QByteArray plain
        = QByteArray::fromBase64(cursor.toLatin1(), QByteArray::Base64UrlEncoding);
    const QByteArray prefix = "c1:" + userId.toUtf8() + ':';
    if (!plain.startsWith(prefix))
        return std::nullopt;
    bool ok = false;
    const qint64 sequence = plain.mid(prefix.size()).toLongLong(&ok);
    if (!ok || sequence < 0)
        return std::nullopt;
    return sequence;
}

TestHttpResponse FakeSyncService::pull(const QString& user, const TestHttpRequest& request)
{
    const QString cursor = request.query.queryItemValue("cursor", QUrl::FullyDecoded);
    const auto from = sequenceOf(cursor, user);
    if (!from)
        return error(400, "invalid_cursor");
    int limit = request.query.queryItemValue("limit").toInt();
    if (limit <= 0 || limit > 1000)
        limit = 200;
    if (m_pageCap > 0)
        limit = std::min(limit, m_pageCap);

    // Copies share their records with the stored ones, so the pointers below
    // stay good while nothing is stored.
    const UserData data = m_users.value(user);
    std::list<UserData> owners;
    const QHash<QString, Record> tombstones = m_tombstones.value(user);
    QList<const Record*> changed;
    int liveCategories = 0;
    for (const Record& record : data.records) {
        if (record.sequence > *from)
            changed.append(&record);
        if (record.entityType == QLatin1String("category")
            && record.payload.value("deleted_at").toString().isEmpty())
            ++liveCategories;
    }
    // A shared account tells its member whose it is.
    QHash<const Record*, QString> sharedBy;
    for (const Share& share : std::as_const(m_shares)) {
        if (!share.members.contains(user))
            continue;
        for (const Record& record :
            std::as_const(owners.emplace_back(m_users.value(share.owner)).records)) {
            if (record.sequence > *from && inShare(share, record)) {
                changed.append(&record);
                if (record.entityType == QLatin1String("account"))
                    sharedBy.insert(&record, share.owner);
            }
        }
    }
    for (const Record& record : tombstones) {
        if (record.sequence > *from)
            changed.append(&record);
    }
    std::sort(changed.begin(), changed.end(),
        [](const Record* a, const Record* b) { return a->sequence < b->sequence; });
    const bool hasMore = changed.size() > limit;
    changed = changed.mid(0, limit);

    QHash<QString, QJsonArray> arrays;
    for (const Record* record : std::as_const(changed)) {
        QJsonObject wire = wireRecord(*record);
        if (const QString owner = sharedBy.value(record); !owner.isEmpty()) {
            const QJsonObject who = person(owner);
            wire.insert("shared_by",
                QJsonObject { { "user_id", owner }, { "email", who.value("email") },
                    { "display_name", who.value("display_name") } });
        }
        arrays[record->entityType].append(wire);
    }
    QJsonObject body;
    for (const auto& [type, array] : kEntities) {
        if (!m_unknownTypes.contains(type))
            body.insert(array, arrays.value(type));
    }
    body.insert("integrity", QJsonObject { { "category_count", liveCategories } });
    if (m_stalled) {
        if (!cursor.isEmpty())
            body.insert("cursor", cursor);
        body.insert("has_more", true);
        return TestHttpResponse::json(200, body);
    }
    body.insert("cursor", cursorFor(user, changed.isEmpty() ? *from : changed.last()->sequence));
    body.insert("has_more", hasMore);
    return TestHttpResponse::json(200, body);
}

std::optional<QJsonObject> FakeSyncService::record(
    const QString& userId, const QString& entityType, const QString& clientId) const
{
    const auto data = m_users.constFind(userId);
    if (data == m_users.constEnd())
        return std::nullopt;
    const auto found = data->records.constFind(entityType + QLatin1Char('/') + clientId);
    if (found == data->records.constEnd())
        return std::nullopt;
    return wireRecord(*found);
}

int FakeSyncService::recordCount(const QString& userId) const
{
    return int(m_users.value(userId).records.size());
}

QJsonObject FakeSyncService::store(
    const QString& userId, const QString& entityType, const QJsonObject& payload)
{
    const auto existing = record(userId, entityType, payload.value("client_id").toString());
    const bool deleted = !payload.value("deleted_at").toString().isEmpty();
    return apply(m_users[userId],
        { { "entity_type", entityType }, { "entity_id", payload.value("client_id") },
            { "action", deleted ? "delete" : "upsert" },
            { "version", existing ? existing->value("version").toInt() : 1 },
            { "payload", payload } });
}

std::optional<QString> FakeSyncService::ownerFor(
    const QString& user, const QJsonObject& change) const
{
    const QString type = change.value("entity_type").toString();
    const QJsonObject payload = change.value("payload").toObject();
    const QString clientId
        = payload.value("client_id").toString(change.value("entity_id").toString());
    if (type == QLatin1String("category")
        || m_users.value(user).records.contains(type + '/' + clientId))
        return user;
    const bool isAccount = type == QLatin1String("account");
    const QString accountId = isAccount ? clientId : payload.value("account_id").toString();
    for (const Share& share : m_shares) {
        if (share.accountClientId != accountId || share.owner == user)
            continue;
        // A member works in the owner's account but cannot delete it.
        if (share.members.contains(user)
            && !(isAccount && change.value("action").toString() == QLatin1String("delete")))
            return share.owner;
        if (share.members.contains(user) || share.formerMembers.contains(user))
            return std::nullopt;
    }
    return user;
}

bool FakeSyncService::inShare(const Share& share, const Record& record) const
{
    if (record.entityType == QLatin1String("account"))
        return record.payload.value("client_id").toString() == share.accountClientId;
    return (record.entityType == QLatin1String("transaction")
               || record.entityType == QLatin1String("recurring")
               || record.entityType == QLatin1String("reconciliation")
               || record.entityType == QLatin1String("csv_profile"))
        && record.payload.value("account_id").toString() == share.accountClientId;
}

QJsonObject FakeSyncService::person(const QString& idOrEmail) const
{
    if (m_directory)
        return m_directory(idOrEmail).value_or(QJsonObject());
    return { { "id", idOrEmail }, { "email", idOrEmail + "@example.com" },
        { "display_name", idOrEmail } };
}

void FakeSyncService::endShare(Share& share, const QString& member)
{
    share.members.remove(member);
    share.formerMembers.insert(member);
    QHash<QString, Record>& tombstones = m_tombstones[member];
    const QString now = Clock::nowIso();
    for (const Record& record : m_users[share.owner].records) {
        if (!inShare(share, record))
            continue;
        Record tombstone = record;
        if (tombstone.payload.value("deleted_at").toString().isEmpty())
            tombstone.payload.insert("deleted_at", now);
        tombstone.payload.insert("access_revoked", true);
        tombstone.sequence = ++m_sequence;
        tombstones.insert(
            record.entityType + '/' + record.payload.value("client_id").toString(), tombstone);
    }
}

void FakeSyncService::endSharesOf(const QString& userId)
{
    for (Share& share : m_shares) {
        const QStringList members = share.owner == userId ? share.members.keys()
            : share.members.contains(userId)              ? QStringList { userId }
                                                          : QStringList();
        for (const QString& member : members)
            endShare(share, member);
    }
}

TestHttpResponse FakeSyncService::shares(const QString& user, const TestHttpRequest& request)
{
    // The path arrives decoded: the user id is whatever follows "share/".
    const QString rest = request.path.mid(kBase.size() + int(qstrlen("/accounts/")));
    const QString accountId = rest.section('/', 0, 0);
    const QString tail = rest.section('/', 1);

    QString owner;
    QString accountKey;
    for (auto data = m_users.cbegin(); data != m_users.cend(); ++data) {
        const QString key = data->keyOfServerId.value(accountId);
        if (key.startsWith(QLatin1String("account/"))
            && data->records.value(key).payload.value("deleted_at").toString().isEmpty()) {
            owner = data.key();
            accountKey = key;
        }
    }
    if (owner.isEmpty())
        return error(404, "Account not found");
    Share& share = m_shares[accountId];
    share.owner = owner;
    share.accountClientId = accountKey.mid(int(qstrlen("account/")));

    if (request.method == "GET" && tail == QLatin1String("members")) {
        if (user != owner && !share.members.contains(user))
            return error(403, "You do not have access to this account");
        // The owner first, then the others in the order they were given access.
        QList<std::pair<QString, QString>> people { { owner, QString() } };
        for (auto member = share.members.cbegin(); member != share.members.cend(); ++member)
            people.append({ member.key(), member.value() });
        std::sort(people.begin() + 1, people.end(), [](const auto& a, const auto& b) {
            return a.second != b.second ? a.second < b.second : a.first < b.first;
        });
        QJsonArray members;
        for (const auto& [userId, since] : std::as_const(people)) {
            const QJsonObject known = person(userId);
            members.append(QJsonObject { { "user_id", userId }, { "email", known.value("email") },
                { "display_name", known.value("display_name") },
                { "role", userId == owner ? "owner" : "member" }, { "created_at", since } });
        }
        return TestHttpResponse::json(200, { { "members", members } });
    }
    if (user != owner)
        return error(403, "Only the owner of this account can change who sees it");

    if (request.method == "POST" && tail == QLatin1String("share")) {
        const QJsonObject body = request.json();
        const QString target = body.value("email").toString(body.value("user_id").toString());
        const QString member = person(target).value("id").toString();
        if (member.isEmpty())
            return error(404, "No such user");
        if (member == owner)
            return error(400, "You cannot share an account with yourself");
        if (!share.members.contains(member)) {
            share.members.insert(member, Clock::nowIso());
            share.formerMembers.remove(member);
            // Everything of the account is news to the member.
            for (Record& record : m_users[owner].records) {
                if (inShare(share, record))
                    record.sequence = ++m_sequence;
            }
        }
        return TestHttpResponse::json(201, { { "user_id", member }, { "role", "member" } });
    }
    if (request.method == "DELETE" && tail.startsWith(QLatin1String("share/"))) {
        const QString member = tail.mid(int(qstrlen("share/")));
        if (!share.members.contains(member))
            return error(404, "This account is not shared with that user");
        endShare(share, member);
        return TestHttpResponse::noContent();
    }
    return error(404, "not_found");
}
