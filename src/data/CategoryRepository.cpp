#include "CategoryRepository.h"

#include "Clock.h"
#include "SqlValue.h"
#include "SyncColumns.h"

namespace {

const QString kColumns
    = QStringLiteral("id, name, category_type, parent_id, is_tax_relevant, tax_category, icon, "
                     "color, is_default, account_id, version, sync_status, server_id, created_at, "
                     "updated_at, deleted_at");

Category mapRow(const SqlRow& row)
{
    Category c;
    c.id = row.text(0);
    c.name = row.text(1);
    c.type = categoryTypeFromText(row.text(2));
    c.parentId = row.text(3);
    c.isTaxRelevant = row.flag(4);
    c.taxCategory = row.text(5);
    c.icon = row.text(6);
    c.color = row.text(7);
    c.isDefault = row.flag(8);
    c.accountId = row.text(9);
    SyncColumns::read(row, 10, c);
    return c;
}

// The values of every column that insert and update both write, from name to account_id.
QVariantList recordValues(const Category& c)
{
    using namespace SqlValue;
    return { text(c.name), categoryTypeToText(c.type), textOrNull(c.parentId),
        flag(c.isTaxRelevant), text(c.taxCategory), text(c.icon), text(c.color), flag(c.isDefault),
        textOrNull(c.accountId) };
}

} // namespace

CategoryRepository::CategoryRepository(Database* db, QObject* parent)
    : Repository(db, "CategoryRepository", parent)
{
}

QList<Category> CategoryRepository::select(const QString& tail, const QVariantList& values) const
{
    return selectList<Category>(
        QStringLiteral("SELECT %1 FROM categories ").arg(kColumns) + tail, values, mapRow);
}

QList<Category> CategoryRepository::findAll() const
{
    return select(QStringLiteral("WHERE deleted_at IS NULL ORDER BY name"), {});
}

std::optional<Category> CategoryRepository::findById(const QString& id) const
{
    return selectOne<Category>(
        QStringLiteral("SELECT %1 FROM categories WHERE id = ?").arg(kColumns), { id }, mapRow);
}

std::optional<Category> CategoryRepository::findByName(const QString& name) const
{
    return selectOne<Category>(
        QStringLiteral("SELECT %1 FROM categories WHERE name = ? AND deleted_at IS NULL")
            .arg(kColumns),
        { name }, mapRow);
}

QList<Category> CategoryRepository::findPending() const
{
    return select(QStringLiteral("WHERE sync_status = 'pending'"), {});
}

int CategoryRepository::count() const
{
    return selectOne<int>(
        QStringLiteral("SELECT COUNT(*) FROM categories WHERE deleted_at IS NULL"), {},
        [](const SqlRow& row) { return row.integer(0); })
        .value_or(0);
}

bool CategoryRepository::insert(const Category& c)
{
    return execWrite(
        QStringLiteral("INSERT INTO categories (id, name, category_type, parent_id, "
                       "is_tax_relevant, tax_category, icon, color, is_default, account_id, "
                       "version, sync_status, server_id, created_at, updated_at) VALUES (?, ?, ?, "
                       "?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
        QVariantList { SqlValue::text(c.id) } + recordValues(c) + SyncColumns::insertValues(c),
        "insert", deferred({}, [this] { Q_EMIT categoriesChanged(); }));
}

bool CategoryRepository::update(const Category& c)
{
    return execWrite(
        QStringLiteral("UPDATE categories SET name=?, category_type=?, parent_id=?, "
                       "is_tax_relevant=?, tax_category=?, icon=?, color=?, is_default=?, "
                       "account_id=?, ")
            + SyncColumns::kUpdateAssignments + QStringLiteral(" WHERE id=?"),
        recordValues(c) + SyncColumns::updateValues(c) + QVariantList { SqlValue::text(c.id) },
        "update", deferred({}, [this] { Q_EMIT categoriesChanged(); }));
}

bool CategoryRepository::softDelete(const QString& id)
{
    return softDeleteIn("categories", id, deferred({}, [this] { Q_EMIT categoriesChanged(); }));
}

bool CategoryRepository::restore(const QString& id)
{
    return restoreIn("categories", id, deferred({}, [this] { Q_EMIT categoriesChanged(); }));
}

bool CategoryRepository::storeReceived(const Category& c)
{
    using namespace SqlValue;
    return upsertIn("categories",
        QStringLiteral("id, name, category_type, parent_id, is_tax_relevant, tax_category, icon, color, is_default, account_id, ") + SyncColumns::kUpsertNames,
        QVariantList { text(c.id) } + recordValues(c) + SyncColumns::upsertValues(c));
}

bool CategoryRepository::markSynced(const QString& id, const QString& serverId)
{
    return markSyncedIn("categories", id, serverId);
}

int CategoryRepository::markAllPendingForResync()
{
    return markAllPendingIn("categories", deferred({}, [this] { Q_EMIT categoriesChanged(); }));
}

bool CategoryRepository::storeStandIn(const QString& id)
{
    // Version 0 and synced: any received category of this id replaces it, and
    // being deleted it is never pushed, counted or offered.
    const QString now = Clock::nowIso();
    return execWrite(QStringLiteral("INSERT OR IGNORE INTO categories (id, name, category_type, "
                                    "version, sync_status, created_at, updated_at, deleted_at) "
                                    "VALUES (?, '', 'expense', 0, 'synced', ?, ?, ?)"),
        { id, now, now, now }, "storeStandIn");
}
