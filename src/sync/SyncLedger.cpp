#include "SyncLedger.h"

#include "SyncLogging.h"
#include "data/Clock.h"
#include "data/TransactionScope.h"

#include <QJsonDocument>

namespace {

QString sql(const char* pattern, SyncEntity entity)
{
    return QString::fromLatin1(pattern).arg(QLatin1String(SyncEntities::table(entity)));
}

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
    execWrite(QStringLiteral("DELETE FROM sync_refusals WHERE entity_type = ? AND entity_id = ?"),
        { SyncEntities::wireType(entity), id }, "accept");
    const int marked = execCount(
        sql("UPDATE %1 SET sync_status = 'synced', server_id = ?, version = COALESCE(?, version) "
            "WHERE id = ? AND change_count = ? AND sync_status = 'pending'",
            entity),
        { serverId, versionValue, id, changeCount }, "accept");
    if (marked > 0)
        return true;
    execWrite(sql("UPDATE %1 SET server_id = ?, version = COALESCE(?, version) WHERE id = ?",
                  entity),
        { serverId, versionValue, id }, "accept");
    return false;
}

bool SyncLedger::refuse(SyncEntity entity, const QString& id, std::optional<int> serverVersion,
    qint64 changeCount)
{
    const QString type = SyncEntities::wireType(entity);
    execWrite(QStringLiteral("INSERT INTO sync_refusals (entity_type, entity_id, refusals) VALUES "
                             "(?, ?, 1) ON CONFLICT(entity_type, entity_id) DO UPDATE SET "
                             "refusals = refusals + 1"),
        { type, id }, "refuse");
    const auto refusals = selectOne<int>(
        QStringLiteral("SELECT refusals FROM sync_refusals WHERE entity_type = ? AND entity_id = ?"),
        { type, id }, [](const SqlRow& row) { return row.integer(0); });
    if (refusals.value_or(0) < kRefusalsBeforeConflict)
        return false;
    const int marked = execCount(
        sql("UPDATE %1 SET sync_status = 'conflict', version = COALESCE(?, version) WHERE id = ? "
            "AND change_count = ? AND sync_status = 'pending'",
            entity),
        { serverVersion ? QVariant(*serverVersion) : QVariant(), id, changeCount }, "refuse");
    if (marked == 0)
        return false;
    execWrite(QStringLiteral("DELETE FROM sync_refusals WHERE entity_type = ? AND entity_id = ?"),
        { type, id }, "refuse");
    return true;
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

QString SyncLedger::idForServerId(SyncEntity entity, const QString& serverId) const
{
    return selectOne<QString>(sql("SELECT id FROM %1 WHERE server_id = ?", entity), { serverId },
        [](const SqlRow& row) { return row.text(0); })
        .value_or(QString());
}

bool SyncLedger::exists(SyncEntity entity, const QString& id) const
{
    return selectOne<bool>(sql("SELECT 1 FROM %1 WHERE id = ?", entity), { id },
        [](const SqlRow&) { return true; })
        .has_value();
}

void SyncLedger::park(SyncEntity entity, const QJsonObject& record, const QString& reason)
{
    qCWarning(lcSync).noquote() << "Parking received" << SyncEntities::wireType(entity)
                                << record.value("id").toString() << "until it can be applied:"
                                << reason;
    execWrite(QStringLiteral("INSERT INTO sync_parked (entity_type, server_id, record, reason, "
                             "parked_at) VALUES (?, ?, ?, ?, ?) ON CONFLICT(entity_type, "
                             "server_id) DO UPDATE SET record = excluded.record, reason = "
                             "excluded.reason"),
        { SyncEntities::wireType(entity), record.value("id").toString(),
            QString::fromUtf8(QJsonDocument(record).toJson(QJsonDocument::Compact)), reason,
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

bool SyncLedger::resetForNewAccount()
{
    TransactionScope scope(database());
    bool ok = execWrite(QStringLiteral("DELETE FROM sync_parked"), {}, "resetForNewAccount")
        && execWrite(QStringLiteral("DELETE FROM sync_refusals"), {}, "resetForNewAccount");
    for (const SyncEntity entity : SyncEntities::kAll) {
        // Deleted rows need not travel: the new place never had them.
        ok = ok
            && execWrite(sql("UPDATE %1 SET server_id = NULL, sync_status = CASE WHEN deleted_at "
                             "IS NULL THEN 'pending' ELSE 'synced' END",
                             entity),
                {}, "resetForNewAccount");
    }
    return ok && scope.commit();
}
