#include "SyncLedger.h"

#include "SyncLogging.h"
#include "data/Clock.h"
#include "data/SqlValue.h"
#include "data/TransactionScope.h"

#include <QJsonDocument>

namespace {

QString sql(const char* pattern, SyncEntity entity)
{
    return QString::fromLatin1(pattern).arg(QLatin1String(SyncEntities::table(entity)));
}

QString json(const QJsonObject& object)
{
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
}

// The tables whose rows belong to one account, with the column naming it.
constexpr std::pair<const char*, const char*> kAccountRows[]
    = { { "accounts", "id" }, { "transactions", "account_id" }, { "reconciliations", "account_id" },
          { "recurring_transactions", "account_id" }, { "csv_profiles", "account_id" } };

} // namespace

SyncLedger::SyncLedger(Database* db, QObject* parent)
    : Repository(db, "SyncLedger", parent)
{
}

QHash<QString, qint64> SyncLedger::pendingChangeCounts(SyncEntity entity) const
{
    QList<QPair<QString, qint64>> rows;
    selectInto(rows, sql("SELECT id, change_count FROM %1 WHERE sync_status = 'pending'", entity),
        {}, [](const SqlRow& row) { return qMakePair(row.text(0), row.int64(1)); });
    QHash<QString, qint64> counts;
    counts.reserve(rows.size());
    for (const auto& [id, count] : std::as_const(rows))
        counts.insert(id, count);
    return counts;
}

bool SyncLedger::accept(SyncEntity entity, const QString& id, const QString& serverId,
    std::optional<int> version, qint64 changeCount)
{
    const QVariant versionValue = version ? QVariant(*version) : QVariant();
    // The server holds this computer's side now. A deletion it does not keep
    // (of a record no longer shared) is answered without an id: the one known
    // still names the record its revocation will come for.
    forgetServerCopy(entity, id);
    const int marked = execCount(
        sql("UPDATE %1 SET sync_status = 'synced', server_id = COALESCE(NULLIF(?, ''), "
            "server_id), version = COALESCE(?, version) WHERE id = ? AND change_count = ? AND "
            "sync_status = 'pending'",
            entity),
        { serverId, versionValue, id, changeCount }, "accept");
    if (marked > 0)
        return true;
    execWrite(sql("UPDATE %1 SET server_id = COALESCE(NULLIF(?, ''), server_id), version = "
                  "COALESCE(?, version) WHERE id = ?",
                  entity),
        { serverId, versionValue, id }, "accept");
    return false;
}

bool SyncLedger::markConflict(
    SyncEntity entity, const QString& id, std::optional<int> serverVersion)
{
    if (serverVersion) {
        execWrite(QStringLiteral("INSERT INTO sync_server_copies (entity_type, entity_id, "
                                 "server_version) VALUES (?, ?, ?) ON CONFLICT(entity_type, "
                                 "entity_id) DO UPDATE SET server_version = MAX(server_version, "
                                 "excluded.server_version)"),
            { SyncEntities::wireType(entity), id, *serverVersion }, "markConflict");
    }
    return execCount(sql("UPDATE %1 SET sync_status = 'conflict' WHERE id = ? AND sync_status = "
                         "'pending'",
                         entity),
               { id }, "markConflict")
        > 0;
}

void SyncLedger::keepServerCopy(SyncEntity entity, const QString& id, const QJsonObject& record)
{
    execWrite(QStringLiteral("INSERT INTO sync_server_copies (entity_type, entity_id, "
                             "server_version, record) VALUES (?, ?, ?, ?) ON "
                             "CONFLICT(entity_type, entity_id) DO UPDATE SET record = "
                             "excluded.record, server_version = MAX(server_version, "
                             "excluded.server_version)"),
        { SyncEntities::wireType(entity), id, record.value("version").toInt(), json(record) },
        "keepServerCopy");
}

std::optional<SyncLedger::ServerCopy> SyncLedger::serverCopy(
    SyncEntity entity, const QString& id) const
{
    return selectOne<ServerCopy>(
        QStringLiteral("SELECT server_version, record FROM sync_server_copies WHERE "
                       "entity_type = ? AND entity_id = ?"),
        { SyncEntities::wireType(entity), id }, [](const SqlRow& row) {
            ServerCopy copy { row.integer(0), std::nullopt };
            if (!row.isNull(1))
                copy.record = QJsonDocument::fromJson(row.text(1).toUtf8()).object();
            return copy;
        });
}

void SyncLedger::forgetServerCopy(SyncEntity entity, const QString& id)
{
    execWrite(
        QStringLiteral("DELETE FROM sync_server_copies WHERE entity_type = ? AND entity_id = ?"),
        { SyncEntities::wireType(entity), id }, "forgetServerCopy");
}

int SyncLedger::conflictCount() const
{
    QStringList parts;
    for (const SyncEntity entity : SyncEntities::kAll)
        parts << sql("(SELECT COUNT(*) FROM %1 WHERE sync_status = 'conflict')", entity);
    return selectOne<int>(QStringLiteral("SELECT ") + parts.join(QStringLiteral(" + ")), {},
        [](const SqlRow& row) { return row.integer(0); })
        .value_or(0);
}

int SyncLedger::pendingAmong(const QList<Row>& rows) const
{
    int pending = 0;
    for (const Row& row : rows) {
        pending += selectOne<bool>(
            sql("SELECT 1 FROM %1 WHERE id = ? AND sync_status = 'pending'", row.entity),
            { row.id }, [](const SqlRow&) {
                return true;
            }).has_value();
    }
    return pending;
}

QList<SyncLedger::Row> SyncLedger::conflicts() const
{
    QList<Row> rows;
    for (const SyncEntity entity : SyncEntities::kAll) {
        selectInto(rows,
            sql("SELECT id FROM %1 WHERE sync_status = 'conflict' ORDER BY updated_at, id", entity),
            {}, [entity](const SqlRow& row) {
                return Row { entity, row.text(0) };
            });
    }
    return rows;
}

bool SyncLedger::keepLocal(SyncEntity entity, const QString& id)
{
    const auto copy = serverCopy(entity, id);
    TransactionScope scope(database());
    const int changed = execCount(
        sql("UPDATE %1 SET sync_status = 'pending', version = COALESCE(?, version) WHERE id = ? "
            "AND sync_status = 'conflict'",
            entity),
        { copy ? QVariant(copy->version) : QVariant(), id }, "keepLocal");
    forgetServerCopy(entity, id);
    return changed > 0 && scope.commit();
}

bool SyncLedger::yieldToServer(SyncEntity entity, const QString& id)
{
    return execCount(sql("UPDATE %1 SET sync_status = 'synced', version = 0 WHERE id = ? AND "
                         "sync_status = 'conflict'",
                         entity),
               { id }, "yieldToServer")
        > 0;
}

bool SyncLedger::yieldUntouched(SyncEntity entity, const QString& id)
{
    return execCount(sql("UPDATE %1 SET sync_status = 'synced', version = 0 WHERE id = ? AND "
                         "change_count = 0 AND sync_status = 'pending' AND "
                         "COALESCE(server_id, '') = ''",
                         entity),
               { id }, "yieldUntouched")
        > 0;
}

QString SyncLedger::idForServerId(SyncEntity entity, const QString& serverId) const
{
    return selectOne<QString>(sql("SELECT id FROM %1 WHERE server_id = ?", entity), { serverId },
        [](const SqlRow& row) { return row.text(0); })
        .value_or(QString());
}

QHash<QString, QString> SyncLedger::idsForServerIds(
    SyncEntity entity, const QStringList& serverIds) const
{
    QList<QPair<QString, QString>> rows;
    selectInto(rows,
        sql("SELECT server_id, id FROM %1 WHERE server_id IN (SELECT value FROM json_each(?)) "
            "ORDER BY rowid DESC",
            entity),
        { SqlValue::textList(serverIds) },
        [](const SqlRow& row) { return qMakePair(row.text(0), row.text(1)); });
    QHash<QString, QString> ids;
    ids.reserve(rows.size());
    // Read last to first, so a server id on two rows names the first, as one lookup would.
    for (const auto& [serverId, id] : std::as_const(rows))
        ids.insert(serverId, id);
    return ids;
}

bool SyncLedger::exists(SyncEntity entity, const QString& id) const
{
    return selectOne<bool>(sql("SELECT 1 FROM %1 WHERE id = ?", entity), { id }, [](const SqlRow&) {
        return true;
    }).has_value();
}

bool SyncLedger::isUntouched(SyncEntity entity, const QString& id) const
{
    return selectOne<bool>(sql("SELECT 1 FROM %1 WHERE id = ? AND change_count = 0 AND "
                               "sync_status = 'pending' AND COALESCE(server_id, '') = ''",
                               entity),
        { id }, [](const SqlRow&) { return true; })
        .has_value();
}

void SyncLedger::park(SyncEntity entity, const QJsonObject& record, const QString& reason)
{
    qCWarning(lcSync).noquote() << "Parking received" << SyncEntities::wireType(entity)
                                << record.value("id").toString()
                                << "until it can be applied:" << reason;
    execWrite(QStringLiteral("INSERT INTO sync_parked (entity_type, server_id, record, reason, "
                             "parked_at) VALUES (?, ?, ?, ?, ?) ON CONFLICT(entity_type, "
                             "server_id) DO UPDATE SET record = excluded.record, reason = "
                             "excluded.reason"),
        { SyncEntities::wireType(entity), record.value("id").toString(), json(record), reason,
            Clock::nowIso() },
        "park");
}

void SyncLedger::unpark(SyncEntity entity, const QString& serverId)
{
    execWrite(QStringLiteral("DELETE FROM sync_parked WHERE entity_type = ? AND server_id = ?"),
        { SyncEntities::wireType(entity), serverId }, "unpark");
}

QList<SyncLedger::Parked> SyncLedger::parked() const
{
    QList<std::optional<Parked>> rows;
    selectInto(rows,
        QStringLiteral("SELECT entity_type, record FROM sync_parked ORDER BY parked_at"), {},
        [](const SqlRow& row) -> std::optional<Parked> {
            const auto entity = SyncEntities::fromWireType(row.text(0));
            if (!entity)
                return std::nullopt;
            return Parked { *entity, QJsonDocument::fromJson(row.text(1).toUtf8()).object() };
        });
    QList<Parked> out;
    for (const auto& row : std::as_const(rows)) {
        if (row)
            out.append(*row);
    }
    return out;
}

bool SyncLedger::endAccess(const QString& accountId)
{
    return execWrite(QStringLiteral("INSERT OR IGNORE INTO sync_access_ended (account_id, "
                                    "ended_at) VALUES (?, ?)"),
        { accountId, Clock::nowIso() }, "endAccess");
}

bool SyncLedger::restoreAccess(const QString& accountId)
{
    return execWrite(QStringLiteral("DELETE FROM sync_access_ended WHERE account_id = ?"),
        { accountId }, "restoreAccess");
}

bool SyncLedger::noteSharedBy(const QString& accountId, const std::optional<QString>& owner)
{
    if (!owner)
        return execWrite(QStringLiteral("DELETE FROM sync_shared_from WHERE account_id = ?"),
            { accountId }, "noteSharedBy");
    return execWrite(QStringLiteral("INSERT OR REPLACE INTO sync_shared_from (account_id, owner) "
                                    "VALUES (?, ?)"),
        { accountId, *owner }, "noteSharedBy");
}

QStringList SyncLedger::dropChangesWithoutAccess()
{
    QStringList parts;
    for (const auto& [table, column] : kAccountRows)
        parts << QStringLiteral("SELECT %2 FROM %1 WHERE sync_status != 'synced' AND %2 IN "
                                "(SELECT account_id FROM sync_access_ended)")
                     .arg(QLatin1String(table), QLatin1String(column));
    QStringList accounts;
    selectInto(accounts, parts.join(QStringLiteral(" UNION ")), {},
        [](const SqlRow& row) { return row.text(0); });
    if (accounts.isEmpty())
        return accounts;
    const QString now = Clock::nowIso();
    for (const auto& [table, column] : kAccountRows)
        execWrite(QStringLiteral("UPDATE %1 SET sync_status = 'synced', deleted_at = "
                                 "COALESCE(deleted_at, ?) WHERE sync_status != 'synced' AND %2 "
                                 "IN (SELECT account_id FROM sync_access_ended)")
                      .arg(QLatin1String(table), QLatin1String(column)),
            { now }, "dropChangesWithoutAccess");
    qCWarning(lcSync).noquote() << "Dropped changes to" << accounts.size()
                                << "account(s) no longer shared with this user";
    return accounts;
}

bool SyncLedger::resetForNewAccount()
{
    TransactionScope scope(database());
    bool ok = execWrite(QStringLiteral("DELETE FROM sync_parked"), {}, "resetForNewAccount")
        && execWrite(QStringLiteral("DELETE FROM sync_server_copies"), {}, "resetForNewAccount");
    for (const SyncEntity entity : SyncEntities::kAll) {
        // Every row counts as changed here, deletions included (the new
        // place may be an old one that still holds the row), and a version
        // below any the server gives out cannot overwrite a record there
        // unnoticed.
        ok = ok
            && execWrite(sql("UPDATE %1 SET server_id = NULL, version = 0, change_count = "
                             "change_count + 1, sync_status = 'pending'",
                             entity),
                {}, "resetForNewAccount");
    }
    return ok && scope.commit();
}
