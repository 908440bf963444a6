#pragma once

#include "RegisterPages.h"

#include <array>
#include "data/Currency.h"
#include "data/Transaction.h"
#include "services/TypedTransaction.h"

#include <QAbstractTableModel>
#include <QFont>
#include <QHash>
#include <QList>
#include <functional>
#include <memory>
#include <optional>

// The register of one account: its transactions plus one new-entry row.
// Every edit goes into a single entry buffer of texts; the register screen
// turns the buffer into a stored transaction when the row is committed.
class RegisterModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column {
        DateColumn = 0,
        CheckNumberColumn,
        PayeeColumn,
        CategoryColumn,
        MemoColumn,
        PaymentColumn,
        DepositColumn,
        ClearedColumn,
        BalanceColumn,
        ColumnCount
    };

    using EntryBuffer = TypedTransaction;

    explicit RegisterModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(
        int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    void setRows(QList<TransactionRow> rows);
    // An account's register, read page by page while sorted by date; sorted
    // by another column it is read whole.
    void setPages(std::unique_ptr<RegisterPages> pages);
    // The rows read so far (all of them when every row is held).
    void forEachLoadedRow(const std::function<void(const TransactionRow&)>& visit) const;
    // Amounts of rows not read yet that columns must fit: the largest payment,
    // deposit and the final balance; zeros when the rows are held whole.
    std::array<qint64, 3> unreadExtremes() const
    {
        if (!paged())
            return {};
        const auto& t = m_pages->totals();
        return { t.lowestAmount, t.highestAmount, m_pages->finalBalance() };
    }

    // A list of found transactions has no row to type a new one into; the
    // new-entry row is then -1.
    void setEntryRowShown(bool shown);
    int newEntryRow() const;
    bool isNewEntryRow(int row) const { return row == newEntryRow(); }
    // The transaction shown at a view row; nothing for the new-entry row.
    const TransactionRow* transactionAt(int row) const;
    // The "Opening Balance" line shown for a starting balance: not a stored
    // transaction, so it cannot be edited, cleared or deleted.
    bool isOpeningRow(int row) const;
    // View row of the transaction with this id, or -1.
    int rowOfTransaction(const QString& id) const;

    // The row of the transaction being edited, or -1; it follows that
    // transaction through every sort.
    int editingRow() const { return m_editingRow; }
    void setEditingRow(int row);

    Currency currency() const { return m_currency; }
    // Amounts are shown in the account's currency; rows already shown follow.
    void setCurrency(Currency currency);
    // Rows of several accounts (search results) each follow their own
    // account's currency; accounts not listed use currency().
    void setAccountCurrencies(QHash<QString, Currency> currencies);

    const EntryBuffer& buffer() const { return m_buffer; }
    void setBuffer(const EntryBuffer& buffer) { m_buffer = buffer; }
    void setBufferCategoryId(const QString& id) { m_buffer.categoryId = id; }
    // Writes one buffer field without a change notification (two-line editor).
    void setBufferText(int column, const QString& text);
    void resetBuffer();
    void loadBuffer(const TransactionRow& row, const QString& categoryText);
    // What loadBuffer makes of a transaction.
    EntryBuffer bufferFor(const TransactionRow& row, const QString& categoryText) const;

    // The date typed for the previous entry, which the next one starts on.
    void setStickyDate(const QString& date);

    bool twoLine() const { return m_twoLine; }
    void setTwoLine(bool twoLine) { m_twoLine = twoLine; }

    int sortColumn() const { return m_sortColumn; }
    Qt::SortOrder sortOrder() const { return m_sortOrder; }

    static QString dateText(const QDate& date);
    static QString headerText(int column);

Q_SIGNALS:
    void sortChanged(int column, Qt::SortOrder order);

private:
    Currency currencyOf(const TransactionRow& row) const;
    // A row the server refused after it changed elsewhere too, waiting for the user.
    static bool isConflict(const TransactionRow& t);
    static QString conflictMark();
    int transactionIndex(int row) const;
    bool paged() const { return m_pages && m_sortColumn == DateColumn; }
    qsizetype transactionCount() const;
    // Rows by date ascending is the order the pages have; others need them all.
    void followSortSource(bool wasNewestFirst);
    QString bufferText(int column) const;
    QVariant entryData(int row, int column, int role) const;
    QVariant transactionData(const TransactionRow& t, int column, int role) const;
    QVariant editingBackground() const;
    QFont amountFont() const;
    void sortRows();

    QList<TransactionRow> m_rows;
    std::unique_ptr<RegisterPages> m_pages;
    // m_rows holds the paged register whole, for a sort by another column.
    bool m_pagesHeld = false;
    int m_sortColumn = DateColumn;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
    bool m_twoLine = false;
    bool m_entryRowShown = true;
    int m_editingRow = -1;
    QString m_editingId;
    Currency m_currency = Currency::USD;
    QHash<QString, Currency> m_accountCurrencies;
    EntryBuffer m_buffer;
    QDate m_stickyDate;
    // Each row's place in the list as the store gave it: by date, then in
    // the order entered.
    QList<int> m_sequence;

    mutable QFont m_amountFont;
    mutable int m_amountFontKey = -1;
};
