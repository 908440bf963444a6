#include "CategoryTreeModel.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QHash>

CategoryTreeModel::CategoryTreeModel(QObject* parent)
    : QAbstractItemModel(parent)
{
}

CategoryTreeModel::~CategoryTreeModel() = default;

void CategoryTreeModel::setCategories(const QList<Category>& categories)
{
    beginResetModel();
    m_root.children.clear();
    std::vector<std::unique_ptr<Node>> nodes;
    QHash<QString, Node*> byId;
    for (const Category& c : categories) {
        auto node = std::make_unique<Node>();
        node->category = c;
        byId.insert(c.id, node.get());
        nodes.push_back(std::move(node));
    }
    for (auto& node : nodes) {
        const QString& parentId = node->category.parentId;
        Node* parentNode
            = parentId.isEmpty() || parentId == node->category.id ? nullptr : byId.value(parentId);
        // Only two levels: a parent that is itself a child would hide a loop.
        if (!parentNode
            || (!parentNode->category.parentId.isEmpty()
                && byId.contains(parentNode->category.parentId)))
            parentNode = &m_root;
        node->parent = parentNode;
        parentNode->children.push_back(std::move(node));
    }
    endResetModel();
}

CategoryTreeModel::Node* CategoryTreeModel::nodeAt(const QModelIndex& index) const
{
    return index.isValid() ? static_cast<Node*>(index.internalPointer())
                           : const_cast<Node*>(&m_root);
}

int CategoryTreeModel::rowOf(const Node* node) const
{
    const auto& siblings = node->parent->children;
    for (size_t i = 0; i < siblings.size(); ++i) {
        if (siblings[i].get() == node)
            return int(i);
    }
    return -1;
}

const Category* CategoryTreeModel::categoryAt(const QModelIndex& index) const
{
    return index.isValid() && index.model() == this ? &nodeAt(index)->category : nullptr;
}

QModelIndex CategoryTreeModel::indexOf(const QString& id) const
{
    for (const auto& top : m_root.children) {
        if (top->category.id == id)
            return createIndex(rowOf(top.get()), 0, top.get());
        for (const auto& child : top->children) {
            if (child->category.id == id)
                return createIndex(rowOf(child.get()), 0, child.get());
        }
    }
    return {};
}

QModelIndex CategoryTreeModel::index(int row, int column, const QModelIndex& parent) const
{
    if (column < 0 || column >= ColumnCount || (parent.isValid() && parent.column() != 0))
        return {};
    const Node* parentNode = nodeAt(parent);
    if (row < 0 || row >= int(parentNode->children.size()))
        return {};
    return createIndex(row, column, parentNode->children[size_t(row)].get());
}

QModelIndex CategoryTreeModel::parent(const QModelIndex& child) const
{
    if (!child.isValid())
        return {};
    const Node* parentNode = nodeAt(child)->parent;
    if (!parentNode || parentNode == &m_root)
        return {};
    return createIndex(rowOf(parentNode), 0, const_cast<Node*>(parentNode));
}

int CategoryTreeModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid() && parent.column() != 0)
        return 0;
    return int(nodeAt(parent)->children.size());
}

int CategoryTreeModel::columnCount(const QModelIndex&) const
{
    return ColumnCount;
}

QVariant CategoryTreeModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const Node* node = nodeAt(index);
    const Category& c = node->category;
    switch (role) {
    case Qt::DisplayRole:
        switch (index.column()) {
        case NameColumn: return c.name;
        case TypeColumn: return categoryTypeToText(c.type);
        case TaxCodeColumn: return c.isTaxRelevant ? c.taxCategory : QString();
        }
        break;
    case Qt::ForegroundRole:
        if (index.column() == TypeColumn && c.type == CategoryType::Income)
            return QBrush(QColor(0, 136, 0));
        break;
    case Qt::FontRole:
        if (index.column() == NameColumn && !node->children.empty()) {
            QFont font;
            font.setWeight(QFont::Bold);
            return font;
        }
        break;
    }
    return {};
}

QVariant CategoryTreeModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case NameColumn: return tr("Category");
    case TypeColumn: return tr("Type");
    case TaxCodeColumn: return tr("Tax Code");
    }
    return {};
}
