#include "SearchResultsModel.h"

#include "ui/register/RegisterModel.h"

SearchResultsModel::SearchResultsModel(RegisterModel* source, QObject* parent)
    : QIdentityProxyModel(parent)
    , m_source(source)
{
    setSourceModel(source);
}

int SearchResultsModel::accountColumn() const
{
    return RegisterModel::ColumnCount;
}

void SearchResultsModel::setAccountNames(QHash<QString, QString> names)
{
    m_names = std::move(names);
    if (rowCount() > 0)
        Q_EMIT dataChanged(index(0, accountColumn()), index(rowCount() - 1, accountColumn()));
}

bool SearchResultsModel::isAccountCell(const QModelIndex& index) const
{
    return index.isValid() && index.model() == this && index.column() == accountColumn();
}

int SearchResultsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : QIdentityProxyModel::rowCount();
}

int SearchResultsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : accountColumn() + 1;
}

QModelIndex SearchResultsModel::index(int row, int column, const QModelIndex& parent) const
{
    if (column == accountColumn() && !parent.isValid() && row >= 0 && row < rowCount())
        return createIndex(row, column);
    return QIdentityProxyModel::index(row, column, parent);
}

QModelIndex SearchResultsModel::parent(const QModelIndex& child) const
{
    return isAccountCell(child) ? QModelIndex() : QIdentityProxyModel::parent(child);
}

QModelIndex SearchResultsModel::sibling(int row, int column, const QModelIndex& index) const
{
    return this->index(row, column, parent(index));
}

QModelIndex SearchResultsModel::mapToSource(const QModelIndex& proxyIndex) const
{
    return isAccountCell(proxyIndex) ? QModelIndex() : QIdentityProxyModel::mapToSource(proxyIndex);
}

QVariant SearchResultsModel::data(const QModelIndex& index, int role) const
{
    if (!isAccountCell(index))
        return QIdentityProxyModel::data(index, role);
    const TransactionRow* t = m_source->transactionAt(index.row());
    if (!t || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return {};
    return m_names.value(t->accountId);
}

QVariant SearchResultsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && section == accountColumn())
        return role == Qt::DisplayRole ? QVariant(tr("Account")) : QVariant();
    return QIdentityProxyModel::headerData(section, orientation, role);
}

Qt::ItemFlags SearchResultsModel::flags(const QModelIndex& index) const
{
    if (isAccountCell(index))
        return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    return QIdentityProxyModel::flags(index);
}
