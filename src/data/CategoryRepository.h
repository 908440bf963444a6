#pragma once

#include "Category.h"
#include "Repository.h"

#include <QList>

// The categories table. Stores the parent link only; the tree rules belong to
// the category service and the screens.
class CategoryRepository : public Repository {
    Q_OBJECT

public:
    CategoryRepository(Database* db, QObject* parent = nullptr);

    QList<Category> findAll() const;
    std::optional<Category> findById(const QString& id) const;
    std::optional<Category> findByName(const QString& name) const;
    QList<Category> findPending() const;
    int count() const;

    bool insert(const Category& category);
    bool update(const Category& category);
    bool softDelete(const QString& id);
    bool restore(const QString& id);
    // A row as the sync server sent it, deleted_at included; no signal.
    bool storeReceived(const Category& record);
    bool markSynced(const QString& id, const QString& serverId);
    // Makes a stand-in row for `id` unless a row of that id exists; no signal.
    bool storeStandIn(const QString& id);
    int markAllPendingForResync();

Q_SIGNALS:
    void categoriesChanged();

private:
    QList<Category> select(const QString& tail, const QVariantList& values) const;
};
