#include "CsvProfileRepository.h"

#include "Clock.h"
#include "SqlRow.h"
#include "SqlValue.h"
#include "SyncColumns.h"

namespace {

const QString kColumns
    = QStringLiteral("id, account_id, name, header_shape, mapping, ") + SyncColumns::kUpsertNames;

CsvProfileRecord profileFrom(const SqlRow& row)
{
    CsvProfileRecord p;
    p.id = row.text(0);
    p.accountId = row.text(1);
    p.name = row.text(2);
    p.headerShape = row.text(3);
    p.mapping = row.text(4);
    SyncColumns::read(row, 5, p);
    return p;
}

QVariantList recordValues(const CsvProfileRecord& p)
{
    using SqlValue::text;
    return { text(p.id), text(p.accountId), text(p.name), text(p.headerShape), text(p.mapping) };
}

} // namespace

CsvProfileRepository::CsvProfileRepository(Database* db, QObject* parent)
    : Repository(db, "CsvProfileRepository", parent)
{
}

QList<CsvProfileRecord> CsvProfileRepository::forAccount(const QString& accountId) const
{
    return selectList<CsvProfileRecord>(
        QStringLiteral("SELECT %1 FROM csv_profiles WHERE account_id = ? AND deleted_at IS NULL "
                       "ORDER BY name COLLATE NOCASE, rowid")
            .arg(kColumns),
        { accountId }, profileFrom);
}

std::optional<CsvProfileRecord> CsvProfileRepository::findById(const QString& id) const
{
    return selectOne<CsvProfileRecord>(
        QStringLiteral("SELECT %1 FROM csv_profiles WHERE id = ?").arg(kColumns), { id },
        profileFrom);
}

QList<CsvProfileRecord> CsvProfileRepository::findPending() const
{
    return selectList<CsvProfileRecord>(
        QStringLiteral("SELECT %1 FROM csv_profiles WHERE sync_status = 'pending' ORDER BY rowid")
            .arg(kColumns),
        {}, profileFrom);
}

bool CsvProfileRepository::save(const CsvProfileRecord& profile)
{
    CsvProfileRecord p = profile;
    const QDateTime now = Clock::nowUtc();
    if (!p.createdAt.isValid())
        p.createdAt = now;
    if (!p.updatedAt.isValid())
        p.updatedAt = now;
    // Saved again, the row stays the same record: its version and server id
    // stay, and a profile deleted meanwhile lives again.
    return execWrite(QStringLiteral("INSERT INTO csv_profiles (id, account_id, name, header_shape, "
                                    "mapping, created_at, updated_at) VALUES (?, ?, ?, ?, ?, ?, ?) "
                                    "ON CONFLICT(id) DO UPDATE SET account_id = "
                                    "excluded.account_id, name = excluded.name, header_shape = "
                                    "excluded.header_shape, mapping = excluded.mapping, "
                                    "deleted_at = NULL, ")
            + SyncColumns::kUpdateAssignments,
        recordValues(p) << SqlValue::dateTime(p.createdAt) << SqlValue::dateTime(p.updatedAt)
                        << SqlValue::dateTime(p.updatedAt),
        "save", deferred({}, [this] { Q_EMIT csvProfilesChanged(); }));
}

bool CsvProfileRepository::rename(const QString& id, const QString& name)
{
    return execCount(QStringLiteral("UPDATE csv_profiles SET name = ?, ")
                   + SyncColumns::kUpdateAssignments
                   + QStringLiteral(" WHERE id = ? AND deleted_at IS NULL"),
               { name, Clock::nowIso(), id }, "rename",
               deferred({}, [this] { Q_EMIT csvProfilesChanged(); }))
        == 1;
}

bool CsvProfileRepository::remove(const QString& id)
{
    return softDeleteIn("csv_profiles", id, deferred({}, [this] { Q_EMIT csvProfilesChanged(); }));
}

bool CsvProfileRepository::storeReceived(const CsvProfileRecord& p)
{
    return upsertIn("csv_profiles", kColumns, recordValues(p) + SyncColumns::upsertValues(p));
}

int CsvProfileRepository::markAllPendingForResync()
{
    return markAllPendingIn("csv_profiles", deferred({}, [this] { Q_EMIT csvProfilesChanged(); }));
}
