#include "CsvProfileRepository.h"

#include "SqlRow.h"
#include "SqlValue.h"

namespace {

const QString kColumns = QStringLiteral("id, account_id, name, header_shape, mapping, updated_at");

CsvProfileRecord profileFrom(const SqlRow& row)
{
    return { row.text(0), row.text(1), row.text(2), row.text(3), row.text(4), row.dateTime(5) };
}

} // namespace

CsvProfileRepository::CsvProfileRepository(Database* db, QObject* parent)
    : Repository(db, "CsvProfileRepository", parent)
{
}

QList<CsvProfileRecord> CsvProfileRepository::forAccount(const QString& accountId) const
{
    return selectList<CsvProfileRecord>(QStringLiteral("SELECT %1 FROM csv_profiles WHERE "
                                                       "account_id = ? ORDER BY name COLLATE "
                                                       "NOCASE, rowid")
                                            .arg(kColumns),
        { accountId }, profileFrom);
}

std::optional<CsvProfileRecord> CsvProfileRepository::findById(const QString& id) const
{
    return selectOne<CsvProfileRecord>(
        QStringLiteral("SELECT %1 FROM csv_profiles WHERE id = ?").arg(kColumns), { id },
        profileFrom);
}

bool CsvProfileRepository::save(const CsvProfileRecord& p)
{
    return execWrite(QStringLiteral("INSERT OR REPLACE INTO csv_profiles (%1) VALUES "
                                    "(?, ?, ?, ?, ?, ?)")
                         .arg(kColumns),
        { p.id, p.accountId, p.name, p.headerShape, p.mapping, SqlValue::dateTime(p.updatedAt) },
        "save");
}

bool CsvProfileRepository::rename(const QString& id, const QString& name)
{
    return execCount(QStringLiteral("UPDATE csv_profiles SET name = ? WHERE id = ?"), { name, id },
               "rename")
        == 1;
}

bool CsvProfileRepository::remove(const QString& id)
{
    return execCount(QStringLiteral("DELETE FROM csv_profiles WHERE id = ?"), { id }, "remove")
        == 1;
}
