#include "RegisterModel.h"

#include "app/DisplaySettings.h"
#include "app/ThemeColors.h"
#include "app/ThemeManager.h"
#include "data/Clock.h"
#include "data/DateText.h"
#include "data/Money.h"
#include "data/Permutation.h"
#include "services/TypedTransactionWriter.h"

#include <QCollator>
#include <QColor>
#include <QHash>

#include <algorithm>
#include <numeric>
#include <vector>

namespace {

const QColor kPlaceholderColor(QStringLiteral("#6E8A7E"));
const QColor kMutedColor(QStringLiteral("#6E8A7E"));

bool isAmountColumn(int column)
{
    return column == RegisterModel::PaymentColumn || column == RegisterModel::DepositColumn
        || column == RegisterModel::BalanceColumn;
}

QString clearedMark(const Transaction& t)
{
    return TypedTransactionWriter::markOf(t.cleared, t.reconciled);
}

QVariant alignment(int column)
{
    if (isAmountColumn(column))
        return int(Qt::AlignRight | Qt::AlignVCenter);
    if (column == RegisterModel::ClearedColumn)
        return int(Qt::AlignCenter);
    return int(Qt::AlignLeft | Qt::AlignVCenter);
}

qint64 numericKey(const TransactionRow& t, int column)
{
    switch (column) {
    case RegisterModel::DateColumn: return t.date.toJulianDay();
    case RegisterModel::PaymentColumn: return t.amount < 0 ? -t.amount : -1;
    case RegisterModel::DepositColumn: return t.amount >= 1 ? t.amount : -1;
    case RegisterModel::ClearedColumn: return t.reconciled ? 2 : (t.cleared ? 1 : 0);
    default: return t.runningBalance;
    }
}

const QString& textKey(const TransactionRow& t, int column)
{
    switch (column) {
    case RegisterModel::CheckNumberColumn: return t.checkNumber;
    case RegisterModel::PayeeColumn: return t.payee;
    case RegisterModel::CategoryColumn: return t.categoryName;
    default: return t.memo;
    }
}

} // namespace

RegisterModel::RegisterModel(QObject* parent)
    : QAbstractTableModel(parent)
{
    resetBuffer();
}

QString RegisterModel::dateText(const QDate& date)
{
    return DateText::format(date);
}

QString RegisterModel::headerText(int column)
{
    switch (column) {
    case DateColumn: return tr("Date");
    case CheckNumberColumn: return tr("Chk #");
    case PayeeColumn: return tr("Payee");
    case CategoryColumn: return tr("Category");
    case MemoColumn: return tr("Memo");
    case PaymentColumn: return tr("Payment");
    case DepositColumn: return tr("Deposit");
    case ClearedColumn: return tr("Clr");
    case BalanceColumn: return tr("Balance");
    default: return QString();
    }
}

int RegisterModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(transactionCount()) + (m_entryRowShown ? 1 : 0);
}

int RegisterModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

int RegisterModel::newEntryRow() const
{
    if (!m_entryRowShown)
        return -1;
    const bool newestFirst = m_sortColumn == DateColumn && m_sortOrder == Qt::DescendingOrder;
    return newestFirst ? 0 : int(transactionCount());
}

qsizetype RegisterModel::transactionCount() const
{
    return paged() ? m_pages->size() : m_rows.size();
}

int RegisterModel::transactionIndex(int row) const
{
    if (row < 0 || row >= rowCount() || row == newEntryRow())
        return -1;
    return newEntryRow() == 0 ? row - 1 : row;
}

const TransactionRow* RegisterModel::transactionAt(int row) const
{
    const int i = transactionIndex(row);
    if (i < 0)
        return nullptr;
    if (!paged())
        return &m_rows[i];
    return m_pages->at(m_sortOrder == Qt::AscendingOrder ? i : m_pages->size() - 1 - i);
}

bool RegisterModel::isOpeningRow(int row) const
{
    const TransactionRow* t = transactionAt(row);
    return t && t->id.isEmpty();
}

int RegisterModel::rowOfTransaction(const QString& id) const
{
    if (id.isEmpty())
        return -1;
    if (paged()) {
        const qsizetype position = m_pages->positionOf(id);
        if (position < 0)
            return -1;
        const qsizetype i
            = m_sortOrder == Qt::AscendingOrder ? position : m_pages->size() - 1 - position;
        return int(newEntryRow() == 0 ? i + 1 : i);
    }
    for (int i = 0; i < m_rows.size(); ++i) {
        if (m_rows[i].id == id)
            return newEntryRow() == 0 ? i + 1 : i;
    }
    return -1;
}

QVariant RegisterModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (section == PayeeColumn && m_twoLine)
        return tr("Payee / Memo");
    return headerText(section);
}

Qt::ItemFlags RegisterModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    const Qt::ItemFlags readOnly = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    const int row = index.row();
    if (index.column() == BalanceColumn || (row != newEntryRow() && row != m_editingRow)
        || isOpeningRow(row))
        return readOnly;
    const TransactionRow* t = transactionAt(row);
    const int column = index.column();
    if (t && t->isSplit
        && (column == CategoryColumn || column == PaymentColumn || column == DepositColumn))
        return readOnly;
    return readOnly | Qt::ItemIsEditable;
}

QString RegisterModel::bufferText(int column) const
{
    switch (column) {
    case DateColumn: return m_buffer.date;
    case CheckNumberColumn: return m_buffer.checkNumber;
    case PayeeColumn: return m_buffer.payee;
    case CategoryColumn: return m_buffer.category;
    case MemoColumn: return m_buffer.memo;
    case PaymentColumn: return m_buffer.payment;
    case DepositColumn: return m_buffer.deposit;
    case ClearedColumn: return m_buffer.cleared;
    default: return QString();
    }
}

void RegisterModel::setBufferText(int column, const QString& text)
{
    switch (column) {
    case DateColumn: m_buffer.date = text; break;
    case CheckNumberColumn: m_buffer.checkNumber = text; break;
    case PayeeColumn: m_buffer.payee = text; break;
    case CategoryColumn: m_buffer.category = text; break;
    case MemoColumn: m_buffer.memo = text; break;
    case PaymentColumn: m_buffer.payment = text; break;
    case DepositColumn: m_buffer.deposit = text; break;
    case ClearedColumn: m_buffer.cleared = text; break;
    default: break;
    }
}

QVariant RegisterModel::editingBackground() const
{
    if (m_twoLine)
        return {};
    return QColor(ThemeColors::isDark() ? QStringLiteral("#1A2E28") : QStringLiteral("#E8F5E9"));
}

QFont RegisterModel::amountFont() const
{
    const int key = DisplaySettings::fontScale();
    if (key != m_amountFontKey) {
        m_amountFont = ThemeManager::monospaceFont();
        m_amountFontKey = key;
    }
    return m_amountFont;
}

QVariant RegisterModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= ColumnCount)
        return {};
    const int row = index.row();
    const int column = index.column();
    if (row == newEntryRow()) {
        // While an existing row is being edited the buffer belongs to it, and
        // the highlight too.
        if (m_editingRow >= 0 && m_editingRow != row)
            return {};
        return entryData(row, column, role);
    }
    const TransactionRow* t = transactionAt(row);
    if (!t)
        return {};
    if (row == m_editingRow) {
        switch (role) {
        case Qt::DisplayRole:
            if (column == CategoryColumn && t->isSplit)
                return tr("—Split—");
            [[fallthrough]];
        case Qt::EditRole:
            if (column == BalanceColumn)
                return Money::formatAmount(t->runningBalance, m_currency);
            return bufferText(column);
        case Qt::BackgroundRole: return editingBackground();
        default: break;
        }
    }
    return transactionData(*t, column, role);
}

QVariant RegisterModel::entryData(int, int column, int role) const
{
    const QString text = bufferText(column);
    switch (role) {
    case Qt::DisplayRole:
        if (text.isEmpty() && column != BalanceColumn)
            return headerText(column);
        return text;
    case Qt::EditRole: return text;
    case Qt::ForegroundRole:
        if (text.isEmpty())
            return kPlaceholderColor;
        return {};
    case Qt::BackgroundRole: return editingBackground();
    default: return {};
    }
}

bool RegisterModel::isConflict(const TransactionRow& t)
{
    return t.syncStatus == SyncStatus::Conflict;
}

QString RegisterModel::conflictMark()
{
    return QStringLiteral("\u26A0 ");
}

QVariant RegisterModel::transactionData(const TransactionRow& t, int column, int role) const
{
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        switch (column) {
        case DateColumn: return dateText(t.date);
        case CheckNumberColumn: return t.checkNumber;
        case PayeeColumn:
            return isConflict(t) && role == Qt::DisplayRole ? conflictMark() + t.payee : t.payee;
        case CategoryColumn:
            return t.isSplit && role == Qt::DisplayRole ? tr("—Split—") : t.categoryName;
        case MemoColumn: return t.memo;
        case PaymentColumn:
            return t.amount < 0 ? Money::formatAmount(-t.amount, currencyOf(t)) : QString();
        case DepositColumn:
            return t.amount >= 0 ? Money::formatAmount(t.amount, currencyOf(t)) : QString();
        case ClearedColumn: return clearedMark(t);
        case BalanceColumn: return Money::formatAmount(t.runningBalance, currencyOf(t));
        default: return {};
        }
    case Qt::TextAlignmentRole: return alignment(column);
    case Qt::FontRole:
        if (isAmountColumn(column))
            return amountFont();
        return {};
    case Qt::ToolTipRole:
        if (isConflict(t) && column == PayeeColumn)
            return tr("Changed on this computer and on another one. Right-click to choose "
                      "which version to keep.");
        return {};
    case Qt::ForegroundRole:
        switch (column) {
        case PayeeColumn:
            return isConflict(t) ? QVariant(ThemeColors::pick(ThemeColors::kOrange)) : QVariant();
        case MemoColumn:
        case ClearedColumn: return kMutedColor;
        case PaymentColumn: return ThemeColors::pick(ThemeColors::kRed);
        case DepositColumn:
            return t.amount >= 0 ? QVariant(ThemeColors::pick(ThemeColors::kGreen)) : QVariant();
        case BalanceColumn:
            return t.runningBalance < 0 ? QVariant(ThemeColors::pick(ThemeColors::kRed))
                                        : QVariant();
        default: return {};
        }
    default: return {};
    }
}

bool RegisterModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    setBufferText(index.column(), value.toString());
    // A category text from anywhere but the category editor names no list entry.
    if (index.column() == CategoryColumn)
        m_buffer.categoryId.clear();
    Q_EMIT dataChanged(index, index);
    return true;
}

void RegisterModel::setEditingRow(int row)
{
    const int previous = m_editingRow;
    const TransactionRow* t = transactionAt(row);
    m_editingId = t ? t->id : QString();
    m_editingRow = t ? row : -1;
    // The new-entry row shows the buffer only while no other row is edited.
    for (int r : { previous, m_editingRow, newEntryRow() }) {
        if (r >= 0 && r < rowCount())
            Q_EMIT dataChanged(index(r, 0), index(r, ColumnCount - 1));
    }
}

void RegisterModel::setCurrency(Currency currency)
{
    if (currency == m_currency)
        return;
    m_currency = currency;
    if (transactionCount() > 0)
        Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
}

void RegisterModel::setAccountCurrencies(QHash<QString, Currency> currencies)
{
    m_accountCurrencies = std::move(currencies);
    if (transactionCount() > 0)
        Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
}

Currency RegisterModel::currencyOf(const TransactionRow& row) const
{
    return m_accountCurrencies.value(row.accountId, m_currency);
}

void RegisterModel::resetBuffer()
{
    m_buffer = EntryBuffer();
    m_buffer.date = dateText(m_stickyDate.isValid() ? m_stickyDate : Clock::today());
}

RegisterModel::EntryBuffer RegisterModel::bufferFor(
    const TransactionRow& row, const QString& categoryText) const
{
    EntryBuffer buffer;
    buffer.date = dateText(row.date);
    buffer.checkNumber = row.checkNumber;
    buffer.payee = row.payee;
    buffer.memo = row.memo;
    buffer.category = categoryText;
    buffer.categoryId = row.categoryId;
    if (row.amount < 0)
        buffer.payment = Money::formatAmount(-row.amount, m_currency);
    else
        buffer.deposit = Money::formatAmount(row.amount, m_currency);
    buffer.cleared = clearedMark(row);
    return buffer;
}

void RegisterModel::loadBuffer(const TransactionRow& row, const QString& categoryText)
{
    m_buffer = bufferFor(row, categoryText);
}

void RegisterModel::setEntryRowShown(bool shown)
{
    beginResetModel();
    m_entryRowShown = shown;
    endResetModel();
}

void RegisterModel::setStickyDate(const QString& date)
{
    m_stickyDate = DateText::parse(date);
}

void RegisterModel::setRows(QList<TransactionRow> rows)
{
    beginResetModel();
    m_pages.reset();
    m_pagesHeld = false;
    m_rows = std::move(rows);
    m_sequence.resize(m_rows.size());
    std::iota(m_sequence.begin(), m_sequence.end(), 0);
    sortRows();
    m_editingRow = -1;
    m_editingId.clear();
    resetBuffer();
    endResetModel();
}

void RegisterModel::setPages(std::unique_ptr<RegisterPages> pages)
{
    beginResetModel();
    m_pages = std::move(pages);
    m_pagesHeld = false;
    m_rows.clear();
    m_sequence.clear();
    followSortSource(false);
    if (!paged())
        sortRows();
    m_editingRow = -1;
    m_editingId.clear();
    resetBuffer();
    endResetModel();
}

void RegisterModel::followSortSource(bool wasNewestFirst)
{
    if (!m_pages)
        return;
    if (paged()) {
        m_rows.clear();
        m_sequence.clear();
        m_pagesHeld = false;
        return;
    }
    if (!m_pagesHeld) {
        m_rows = m_pages->all(nullptr);
        m_sequence.resize(m_rows.size());
        std::iota(m_sequence.begin(), m_sequence.end(), 0);
        // Rows of equal keys keep the order they were shown in.
        if (wasNewestFirst) {
            std::reverse(m_rows.begin(), m_rows.end());
            std::reverse(m_sequence.begin(), m_sequence.end());
        }
        m_pagesHeld = true;
    }
}

void RegisterModel::forEachLoadedRow(const std::function<void(const TransactionRow&)>& visit) const
{
    if (paged()) {
        m_pages->forEachLoaded(visit);
        return;
    }
    for (const TransactionRow& row : m_rows)
        visit(row);
}

void RegisterModel::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= ColumnCount)
        return;
    // Views see the rows as they were until the reset begins.
    beginResetModel();
    const bool wasNewestFirst = paged() && m_sortOrder == Qt::DescendingOrder;
    m_sortColumn = column;
    m_sortOrder = order;
    followSortSource(wasNewestFirst);
    if (!paged())
        sortRows();
    // A row number from before the sort would point at another transaction.
    if (m_editingRow >= 0)
        m_editingRow = rowOfTransaction(m_editingId);
    endResetModel();
    Q_EMIT sortChanged(column, order);
}

void RegisterModel::sortRows()
{
    const int n = int(m_rows.size());
    std::vector<int> order(n);
    std::iota(order.begin(), order.end(), 0);
    const bool ascending = m_sortOrder == Qt::AscendingOrder;
    std::vector<qint64> keys(n);
    const bool textColumn = m_sortColumn >= CheckNumberColumn && m_sortColumn <= MemoColumn;
    if (textColumn) {
        // Each distinct text is collated once and the rows compare by its
        // rank: a register repeats the same payees and categories thousands
        // of times, and comparing strings per pair is what makes sorting slow.
        QHash<QString, int> distinct;
        std::vector<int> ids(n);
        for (int i = 0; i < n; ++i) {
            const QString& text = textKey(m_rows[i], m_sortColumn);
            auto found = distinct.constFind(text);
            if (found == distinct.constEnd())
                found = distinct.insert(text, int(distinct.size()));
            ids[i] = found.value();
        }
        const QCollator collator;
        std::vector<std::pair<QCollatorSortKey, int>> sortKeys;
        sortKeys.reserve(distinct.size());
        for (auto it = distinct.cbegin(); it != distinct.cend(); ++it)
            sortKeys.emplace_back(collator.sortKey(it.key()), it.value());
        std::sort(sortKeys.begin(), sortKeys.end(),
            [](const auto& a, const auto& b) { return a.first.compare(b.first) < 0; });
        std::vector<qint64> rank(sortKeys.size());
        for (size_t r = 0; r < sortKeys.size(); ++r) {
            const bool tied = r > 0 && sortKeys[r].first.compare(sortKeys[r - 1].first) == 0;
            rank[size_t(sortKeys[r].second)]
                = tied ? rank[size_t(sortKeys[r - 1].second)] : qint64(r);
        }
        for (int i = 0; i < n; ++i)
            keys[i] = rank[size_t(ids[i])];
    } else {
        for (int i = 0; i < n; ++i)
            keys[i] = numericKey(m_rows[i], m_sortColumn);
    }
    // Equal keys: the later date first, whatever the direction. Rows of one
    // day keep the order they were entered in, reversed for newest first, so
    // the top row's balance is the account's balance either way.
    const bool byDate = m_sortColumn == DateColumn;
    const auto before = [&](int a, int b) {
        if (keys[a] != keys[b])
            return ascending ? keys[a] < keys[b] : keys[a] > keys[b];
        if (byDate)
            return ascending ? m_sequence[a] < m_sequence[b] : m_sequence[a] > m_sequence[b];
        return m_rows[a].date > m_rows[b].date;
    };
    std::stable_sort(order.begin(), order.end(), before);

    applyPermutation(m_rows, order);
    applyPermutation(m_sequence, order);
}
