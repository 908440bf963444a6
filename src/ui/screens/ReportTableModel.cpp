#include "ReportTableModel.h"

#include <QFont>

ReportTableModel::ReportTableModel(
    const QStringList& headers, const QList<int>& amountColumns, QObject* parent)
    : QAbstractTableModel(parent)
    , m_headers(headers)
    , m_amountColumns(amountColumns)
{
}

void ReportTableModel::setRows(int rows, CellText cell, const QStringList& total)
{
    beginResetModel();
    m_rows = rows;
    m_cell = std::move(cell);
    m_total = total;
    endResetModel();
}

void ReportTableModel::clear()
{
    setRows(0, {});
}

void ReportTableModel::appendRows(int count)
{
    if (count <= 0 || !m_total.isEmpty())
        return;
    beginInsertRows({}, m_rows, m_rows + count - 1);
    m_rows += count;
    endInsertRows();
}

QList<QStringList> ReportTableModel::texts() const
{
    QList<QStringList> out;
    out.reserve(rowCount());
    for (int row = 0; row < rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < m_headers.size(); ++column)
            cells << text(row, column);
        out << cells;
    }
    return out;
}

int ReportTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rows + (m_total.isEmpty() ? 0 : 1);
}

int ReportTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_headers.size());
}

QString ReportTableModel::text(int row, int column) const
{
    if (row == m_rows)
        return m_total.value(column);
    return m_cell ? m_cell(row, column) : QString();
}

QVariant ReportTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole: return text(index.row(), index.column());
    case Qt::TextAlignmentRole:
        return m_amountColumns.contains(index.column())
            ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
            : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::FontRole:
        if (index.row() == m_rows && !m_total.isEmpty()) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    default: return {};
    }
}

QVariant ReportTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return m_headers.value(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}
