#pragma once

#include "data/Currency.h"
#include "data/Transaction.h"

#include <QAbstractTableModel>
#include <QList>
#include <QStringList>
#include <vector>

// The candidate transactions of a reconciliation with the user's ticks, and
// the sums of the ticked rows, kept up to date with every tick rather than
// added up again.
class ReconciliationModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column {
        TickColumn = 0,
        DateColumn,
        PayeeColumn,
        AmountColumn,
        ClearedColumn,
        ColumnCount
    };

    explicit ReconciliationModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(
        int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    void setCurrency(Currency currency);
    // Replaces the rows. A transaction listed before keeps its tick; any other
    // starts ticked when it is cleared.
    void setTransactions(const QList<Transaction>& transactions);
    const QList<Transaction>& transactions() const { return m_transactions; }
    // The row of a transaction, or -1.
    int rowOf(const QString& transactionId) const;
    bool isTicked(int row) const;
    void setTicked(int row, bool ticked);
    QStringList tickedIds() const;

    // Ticked amounts of zero or more, and the (negative) sum of the others.
    qint64 clearedDeposits() const { return m_deposits; }
    qint64 clearedWithdrawals() const { return m_withdrawals; }

Q_SIGNALS:
    void ticksChanged();

private:
    void count(qint64 amount, int sign);

    QList<Transaction> m_transactions;
    std::vector<char> m_ticks;
    Currency m_currency = Currency::USD;
    qint64 m_deposits = 0;
    qint64 m_withdrawals = 0;
};
