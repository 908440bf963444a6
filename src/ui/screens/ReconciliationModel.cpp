#include "ReconciliationModel.h"

#include "app/ThemeColors.h"
#include "data/DateText.h"
#include "data/Money.h"
#include "services/TypedTransactionWriter.h"

#include <QHash>

ReconciliationModel::ReconciliationModel(QObject* parent)
    : QAbstractTableModel(parent)
{
}

int ReconciliationModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_transactions.size());
}

int ReconciliationModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ReconciliationModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_transactions.size())
        return {};
    const Transaction& t = m_transactions.at(index.row());
    const int column = index.column();
    if (role == Qt::CheckStateRole && column == TickColumn)
        return isTicked(index.row()) ? Qt::Checked : Qt::Unchecked;
    if (role == Qt::DisplayRole) {
        switch (column) {
        case DateColumn: return DateText::format(t.date);
        case PayeeColumn: return t.payee;
        case AmountColumn: return Money::formatMoney(t.amount, m_currency);
        case ClearedColumn: return TypedTransactionWriter::markOf(t.cleared, false);
        default: return {};
        }
    }
    if (role == Qt::TextAlignmentRole) {
        if (column == AmountColumn)
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        if (column == ClearedColumn)
            return QVariant::fromValue(Qt::AlignCenter);
        return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    }
    if (role == Qt::ForegroundRole && column == AmountColumn && t.amount < 0)
        return ThemeColors::pick(ThemeColors::kRed);
    return {};
}

QVariant ReconciliationModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case DateColumn: return tr("Date");
    case PayeeColumn: return tr("Payee");
    case AmountColumn: return tr("Amount");
    case ClearedColumn: return tr("Clr");
    default: return QString();
    }
}

Qt::ItemFlags ReconciliationModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.column() == TickColumn)
        flags |= Qt::ItemIsUserCheckable;
    return flags;
}

bool ReconciliationModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::CheckStateRole || index.column() != TickColumn || !index.isValid())
        return false;
    setTicked(index.row(), value.value<Qt::CheckState>() == Qt::Checked);
    return true;
}

void ReconciliationModel::setCurrency(Currency currency)
{
    m_currency = currency;
    if (!m_transactions.isEmpty())
        Q_EMIT dataChanged(index(0, AmountColumn), index(rowCount() - 1, AmountColumn));
}

void ReconciliationModel::count(qint64 amount, int sign)
{
    (amount >= 0 ? m_deposits : m_withdrawals) += sign * amount;
}

void ReconciliationModel::setTransactions(const QList<Transaction>& transactions)
{
    QHash<QString, bool> previous;
    previous.reserve(m_transactions.size());
    for (qsizetype row = 0; row < m_transactions.size(); ++row)
        previous.insert(m_transactions.at(row).id, m_ticks[row] != 0);

    beginResetModel();
    m_transactions = transactions;
    m_ticks.assign(m_transactions.size(), 0);
    m_deposits = 0;
    m_withdrawals = 0;
    for (qsizetype row = 0; row < m_transactions.size(); ++row) {
        const Transaction& t = m_transactions.at(row);
        const auto known = previous.constFind(t.id);
        m_ticks[row] = known != previous.constEnd() ? *known : t.cleared;
        if (m_ticks[row])
            count(t.amount, 1);
    }
    endResetModel();
    Q_EMIT ticksChanged();
}

int ReconciliationModel::rowOf(const QString& transactionId) const
{
    for (qsizetype row = 0; row < m_transactions.size(); ++row) {
        if (m_transactions.at(row).id == transactionId)
            return int(row);
    }
    return -1;
}

bool ReconciliationModel::isTicked(int row) const
{
    return row >= 0 && row < int(m_ticks.size()) && m_ticks[row];
}

void ReconciliationModel::setTicked(int row, bool ticked)
{
    if (row < 0 || row >= int(m_ticks.size()) || isTicked(row) == ticked)
        return;
    m_ticks[row] = ticked;
    count(m_transactions.at(row).amount, ticked ? 1 : -1);
    const QModelIndex tick = index(row, TickColumn);
    Q_EMIT dataChanged(tick, tick, { Qt::CheckStateRole });
    Q_EMIT ticksChanged();
}

QStringList ReconciliationModel::tickedIds() const
{
    QStringList ids;
    for (qsizetype row = 0; row < m_transactions.size(); ++row) {
        if (m_ticks[row])
            ids.append(m_transactions.at(row).id);
    }
    return ids;
}
