#pragma once

#include "data/Category.h"

#include <QAbstractItemModel>
#include <memory>
#include <vector>

// The two-level category tree: name, type and tax code of each category,
// sub-categories under their parent. A category whose parent is not in the
// list (deleted, say) stands at the top level.
class CategoryTreeModel : public QAbstractItemModel {
    Q_OBJECT

public:
    enum Column { NameColumn = 0, TypeColumn, TaxCodeColumn, ColumnCount };

    explicit CategoryTreeModel(QObject* parent = nullptr);
    ~CategoryTreeModel() override;

    void setCategories(const QList<Category>& categories);
    // The category of a row, or nothing for an invalid index.
    const Category* categoryAt(const QModelIndex& index) const;
    // Column 0 of the row of this category, invalid when it is not shown.
    QModelIndex indexOf(const QString& id) const;

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(
        int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    struct Node {
        Category category;
        Node* parent = nullptr;
        std::vector<std::unique_ptr<Node>> children;
    };

    Node* nodeAt(const QModelIndex& index) const;
    int rowOf(const Node* node) const;

    Node m_root;
};
