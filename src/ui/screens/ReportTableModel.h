#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QStringList>
#include <functional>

// One report as a table. Cells are formatted when a view asks for them, so a
// list of a million transactions costs nothing until it is scrolled through.
class ReportTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    using CellText = std::function<QString(int row, int column)>;

    ReportTableModel(
        const QStringList& headers, const QList<int>& amountColumns, QObject* parent = nullptr);

    // `rows` rows whose texts `cell` gives; a non-empty `total` adds a bold last row.
    void setRows(int rows, CellText cell, const QStringList& total = {});
    void clear();
    // `count` more rows at the end, their texts from the same `cell` (no "Total" row).
    void appendRows(int count);

    const QStringList& headers() const { return m_headers; }
    const QList<int>& amountColumns() const { return m_amountColumns; }
    // Every row as shown, the "Total" row included.
    QList<QStringList> texts() const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(
        int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QString text(int row, int column) const;

    QStringList m_headers;
    QList<int> m_amountColumns;
    int m_rows = 0;
    CellText m_cell;
    QStringList m_total;
};
