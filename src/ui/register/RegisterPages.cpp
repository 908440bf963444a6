#include "RegisterPages.h"

#include "data/Clock.h"

namespace {

// About three screenfuls: scrolling by a screen reads at most one page.
constexpr qsizetype kPageRows = 128;
// Enough that a row looked up a moment ago is still there.
constexpr size_t kKeptPages = 48;

} // namespace

RegisterPages::RegisterPages(const TransactionRepository* transactions, const QString& accountId)
    : m_transactions(transactions)
    , m_accountId(accountId)
{
}

bool RegisterPages::open()
{
    m_pages.clear();
    const auto totals = m_transactions->registerTotals(m_accountId);
    if (!totals)
        return false;
    m_totals = *totals;
    m_hasOpening = m_totals.startingBalance != 0;
    TransactionRow opening;
    opening.payee = QStringLiteral("Opening Balance");
    opening.amount = m_totals.startingBalance;
    opening.cleared = true;
    opening.reconciled = true;
    opening.runningBalance = m_totals.startingBalance;
    opening.date = m_totals.count > 0 ? m_totals.firstDate : Clock::today();
    // Copied, not moved: GCC 12 takes the move of an empty QDateTime for a
    // read of uninitialised memory.
    m_opening = opening;
    return true;
}

const TransactionRow* RegisterPages::at(qsizetype position)
{
    if (m_hasOpening) {
        if (position == 0)
            return &m_opening;
        --position;
    }
    if (position < 0 || position >= m_totals.count)
        return nullptr;
    Page* found = page(position / kPageRows);
    if (!found || position % kPageRows >= found->rows.size())
        return nullptr;
    return &found->rows[position % kPageRows];
}

RegisterPages::Page* RegisterPages::page(qsizetype index)
{
    if (auto it = m_pages.find(index); it != m_pages.end()) {
        it->second.used = ++m_uses;
        return &it->second;
    }
    auto rows
        = m_transactions->registerStretch(m_accountId, index * kPageRows, kPageRows, m_totals);
    if (!rows || rows->isEmpty())
        return nullptr;
    const std::optional<qint64> before = balanceBefore(index, *rows);
    if (!before)
        return nullptr;
    qint64 balance = *before;
    for (TransactionRow& row : *rows) {
        balance += row.amount;
        row.runningBalance = balance;
    }
    dropUnused(index);
    Page& added = m_pages[index];
    added.rows = std::move(*rows);
    added.used = ++m_uses;
    return &added;
}

std::optional<qint64> RegisterPages::balanceBefore(
    qsizetype index, const QList<TransactionRow>& rows) const
{
    // A neighbouring page already read gives the balance without a sum over
    // the account.
    if (auto previous = m_pages.find(index - 1); previous != m_pages.end())
        return previous->second.rows.last().runningBalance;
    if (auto next = m_pages.find(index + 1); next != m_pages.end()) {
        const TransactionRow& first = next->second.rows.first();
        qint64 balance = first.runningBalance - first.amount;
        for (const TransactionRow& row : rows)
            balance -= row.amount;
        return balance;
    }
    const auto sum = m_transactions->registerSumBefore(
        m_accountId, index * kPageRows, rows.first().date, m_totals);
    if (!sum)
        return std::nullopt;
    return m_totals.startingBalance + *sum;
}

void RegisterPages::dropUnused(qsizetype keep)
{
    while (m_pages.size() >= kKeptPages) {
        auto oldest = m_pages.end();
        for (auto it = m_pages.begin(); it != m_pages.end(); ++it) {
            if (it->first != keep
                && (oldest == m_pages.end() || it->second.used < oldest->second.used))
                oldest = it;
        }
        m_pages.erase(oldest);
    }
}

qsizetype RegisterPages::positionOf(const QString& id)
{
    if (id.isEmpty())
        return -1;
    for (const auto& [index, page] : m_pages) {
        for (qsizetype i = 0; i < page.rows.size(); ++i) {
            if (page.rows[i].id == id)
                return index * kPageRows + i + (m_hasOpening ? 1 : 0);
        }
    }
    const auto position = m_transactions->registerPosition(m_accountId, id);
    return position ? *position + (m_hasOpening ? 1 : 0) : -1;
}

QList<TransactionRow> RegisterPages::all(bool* ok) const
{
    return m_transactions->findRegisterRows(m_accountId, ok);
}

void RegisterPages::forEachLoaded(const std::function<void(const TransactionRow&)>& visit) const
{
    if (m_hasOpening)
        visit(m_opening);
    for (const auto& [index, page] : m_pages) {
        for (const TransactionRow& row : page.rows)
            visit(row);
    }
}
