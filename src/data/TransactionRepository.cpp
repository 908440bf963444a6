#include "TransactionRepository.h"

#include "Category.h"
#include "Clock.h"
#include "Money.h"
#include "Permutation.h"
#include "RowOrder.h"
#include "SqlValue.h"
#include "SyncColumns.h"
#include "TextPool.h"

#include <QtNumeric>
#include <algorithm>
#include <array>
#include <memory>

namespace {

const QString kColumns = QStringLiteral(
    "t.id, t.account_id, t.date, t.payee, t.memo, t.amount, t.category_id, t.check_number, "
    "t.cleared, t.reconciled, t.transfer_link_id, t.transfer_dest_account_id, t.is_split, "
    "t.recurring_id, t.version, t.sync_status, t.server_id, t.created_at, t.updated_at, "
    "t.deleted_at");

// A sub-category is qualified by its parent only while its name is ambiguous.
// Worked out once per query for every category instead of once per row: the
// per-row subqueries cost more than the rest of a large register together.
const QString kCategoryNames = QStringLiteral(
    "SELECT c.id, CASE WHEN c.parent_id IS NOT NULL AND (SELECT COUNT(*) FROM categories cc WHERE "
    "cc.name = c.name AND cc.deleted_at IS NULL) > 1 THEN COALESCE((SELECT p.name FROM categories "
    "p WHERE p.id = c.parent_id), '') || ' > ' || c.name ELSE c.name END AS category_name FROM "
    "categories c");

const QString kOrderNewestFirst = QStringLiteral(" ORDER BY t.date DESC, t.created_at DESC, t.rowid DESC");

// Texts that repeat across rows (account, payee, memo, category, schedule)
// are shared through `pool`.
void readTransaction(const SqlRow& row, TextPool& pool, Transaction& t)
{
    t.id = row.text(0);
    t.accountId = row.text(1, pool);
    t.date = row.date(2);
    t.payee = row.text(3, pool);
    t.memo = row.text(4, pool);
    t.amount = row.int64(5);
    t.categoryId = row.text(6, pool);
    t.checkNumber = row.text(7);
    t.cleared = row.flag(8);
    t.reconciled = row.flag(9);
    t.transferLinkId = row.text(10);
    t.transferDestAccountId = row.text(11, pool);
    t.isSplit = row.flag(12);
    t.recurringId = row.text(13, pool);
    SyncColumns::read(row, 14, t);
}

// A mapper with a pool of its own for one query.
auto transactionMapper()
{
    return [pool = std::make_shared<TextPool>()](const SqlRow& row) {
        Transaction t;
        readTransaction(row, *pool, t);
        return t;
    };
}

// Reads rows with their category's display name; a category that does not
// exist names nothing.
auto rowMapper(const QHash<QString, QString>& categoryNames)
{
    return [&categoryNames, pool = std::make_shared<TextPool>()](
               const SqlRow& row, TransactionRow& transaction) {
        readTransaction(row, *pool, transaction);
        transaction.categoryName = categoryNames.value(transaction.categoryId);
    };
}

// The values of every column that insert and update both write, from date to recurring_id.
QVariantList recordValues(const Transaction& t)
{
    using namespace SqlValue;
    return { date(t.date), text(t.payee), text(t.memo), t.amount, textOrNull(t.categoryId),
        text(t.checkNumber), flag(t.cleared), flag(t.reconciled), text(t.transferLinkId),
        text(t.transferDestAccountId), flag(t.isSplit), text(t.recurringId) };
}

} // namespace

TransactionRepository::TransactionRepository(Database* db, QObject* parent)
    : Repository(db, "TransactionRepository", parent)
{
}

QList<Transaction> TransactionRepository::findByAccount(const QString& accountId) const
{
    return selectList<Transaction>(QStringLiteral("SELECT %1 FROM transactions t WHERE "
                                                  "t.account_id = ? AND t.deleted_at IS NULL")
                                       .arg(kColumns)
            + kOrderNewestFirst,
        { accountId }, transactionMapper());
}

std::optional<QHash<QString, QString>> TransactionRepository::categoryDisplayNames() const
{
    QHash<QString, QString> names;
    QList<std::pair<QString, QString>> rows;
    if (!selectInto(rows, kCategoryNames, {},
            [](const SqlRow& row) { return std::pair(row.text(0), row.text(1)); }))
        return std::nullopt;
    for (const auto& [id, name] : std::as_const(rows))
        names.insert(id, name.isEmpty() ? Category::standInName() : name);
    return names;
}

QList<TransactionRow> TransactionRepository::findRegisterRows(
    const QString& accountId, bool* ok) const
{
    if (ok)
        *ok = false;
    const auto firstNumber = [](const SqlRow& row) { return row.int64(0); };
    bool failed = false;
    const std::optional<qint64> account
        = selectOne<qint64>(QStringLiteral("SELECT starting_balance FROM accounts WHERE id = ?"),
            { accountId }, firstNumber, &failed);
    const qint64 startingBalance = account.value_or(0);
    const auto categoryNames = failed ? std::nullopt : categoryDisplayNames();
    if (!categoryNames)
        return {};

    // The opening row goes in first: putting it in front of a large list
    // afterwards would move every row.
    // Room for every row up front (deleted ones included, an index-only
    // count): growing a list of 100,000 rows step by step copies it repeatedly.
    const std::optional<qint64> count = selectOne<qint64>(
        QStringLiteral("SELECT COUNT(*) FROM transactions WHERE account_id = ?"), { accountId },
        firstNumber);
    QList<TransactionRow> rows;
    rows.reserve(count.value_or(0) + 1);
    if (startingBalance != 0) {
        TransactionRow opening;
        opening.payee = QStringLiteral("Opening Balance");
        opening.amount = startingBalance;
        opening.cleared = true;
        opening.reconciled = true;
        rows.append(opening);
    }
    const qsizetype first = rows.size();
    const auto mapRow = rowMapper(*categoryNames);
    const QString select
        = QStringLiteral("SELECT %1 FROM transactions t WHERE t.account_id = ? AND t.deleted_at "
                         "IS NULL")
              .arg(kColumns);
    // Oldest first by date, then created_at: sorted here rather than by SQLite.
    // Read in insertion order (the account index walks it without sorting),
    // so entries of the same second stay in the order they were made.
    RowOrder order({ 2, 17 });
    bool read = selectInto(rows, select + QStringLiteral(" ORDER BY t.rowid"), { accountId },
        [&](const SqlRow& row, TransactionRow& out) {
            order.add(row);
            mapRow(row, out);
        });
    // After a failure the order still holds the keys of the rows read before it.
    if (read && order.isUsable()) {
        applyPermutation(rows, order.permutation(), first);
    } else if (read) {
        rows.resize(first);
        read = selectInto(rows,
            select + QStringLiteral(" ORDER BY t.date ASC, t.created_at ASC, t.rowid ASC"),
            { accountId }, mapRow);
    }
    if (!read)
        return {};

    qint64 balance = 0;
    for (TransactionRow& row : rows) {
        // Only amounts no path of ours stores can get here.
        if (qAddOverflow(balance, row.amount, &balance)) {
            logReadFailure(QStringLiteral("running balance overflows"));
            return {};
        }
        row.runningBalance = balance;
    }
    if (first > 0) {
        // The rows are oldest first, so the first one carries the earliest live date.
        rows.first().date = rows.size() > first ? rows.at(first).date : Clock::today();
    }
    if (ok)
        *ok = true;
    return rows;
}

namespace {

const QString kLive
    = QStringLiteral(" FROM transactions t WHERE t.account_id = ? AND t.deleted_at IS NULL");
const QString kRegisterOrder
    = QStringLiteral(" ORDER BY t.date ASC, t.created_at ASC, t.rowid ASC");
const QString kRegisterOrderBack
    = QStringLiteral(" ORDER BY t.date DESC, t.created_at DESC, t.rowid DESC");

} // namespace

std::optional<TransactionRepository::RegisterTotals> TransactionRepository::registerTotals(
    const QString& accountId) const
{
    bool failed = false;
    RegisterTotals totals;
    totals.startingBalance = selectOne<qint64>(
        QStringLiteral("SELECT starting_balance FROM accounts WHERE id = ?"), { accountId },
        [](const SqlRow& row) { return row.int64(0); }, &failed)
                                 .value_or(0);
    if (failed)
        return std::nullopt;
    // SQLite's SUM fails on overflow rather than wrapping.
    const auto counted = selectOne<std::array<qint64, 4>>(
        QStringLiteral("SELECT COUNT(*), COALESCE(SUM(t.amount), 0), COALESCE(MIN(t.amount), 0), "
                       "COALESCE(MAX(t.amount), 0)")
            + kLive,
        { accountId },
        [](const SqlRow& row) {
            return std::array { row.int64(0), row.int64(1), row.int64(2), row.int64(3) };
        },
        &failed);
    if (!counted)
        return std::nullopt;
    totals.count = (*counted)[0];
    totals.sum = (*counted)[1];
    totals.lowestAmount = (*counted)[2];
    totals.highestAmount = (*counted)[3];
    totals.firstDate = selectOne<QDate>(
        QStringLiteral("SELECT t.date") + kLive + kRegisterOrder + QStringLiteral(" LIMIT 1"),
        { accountId }, [](const SqlRow& row) { return row.date(0); }, &failed)
                           .value_or(QDate());
    if (failed)
        return std::nullopt;
    return totals;
}

std::optional<QList<TransactionRow>> TransactionRepository::registerStretch(
    const QString& accountId, qint64 position, qint64 limit, const RegisterTotals& totals) const
{
    position = std::clamp<qint64>(position, 0, totals.count);
    limit = std::clamp<qint64>(limit, 0, totals.count - position);
    const auto categoryNames = categoryDisplayNames();
    if (!categoryNames)
        return std::nullopt;
    // The index is walked from whichever end is nearer.
    const qint64 after = totals.count - position - limit;
    const bool fromEnd = after < position;
    QList<TransactionRow> rows;
    rows.reserve(limit);
    if (!selectInto(rows,
            QStringLiteral("SELECT %1").arg(kColumns) + kLive
                + (fromEnd ? kRegisterOrderBack : kRegisterOrder)
                + QStringLiteral(" LIMIT ? OFFSET ?"),
            { accountId, limit, fromEnd ? after : position }, rowMapper(*categoryNames)))
        return std::nullopt;
    if (fromEnd)
        std::reverse(rows.begin(), rows.end());
    return rows;
}

std::optional<qint64> TransactionRepository::registerSumBefore(const QString& accountId,
    qint64 position, const QDate& date, const RegisterTotals& totals) const
{
    if (position <= 0)
        return 0;
    if (position >= totals.count)
        return totals.sum;
    const auto countAndSum
        = [](const SqlRow& row) { return std::pair(row.int64(0), row.int64(1)); };
    const QString sumOf = QStringLiteral("SELECT COUNT(*), COALESCE(SUM(amount), 0) FROM (");
    const QString amounts = QStringLiteral("SELECT t.amount") + kLive;
    const QString day = SqlValue::date(date).toString();
    if (date.isValid()) {
        // Whole days come from the account's date index alone; only the rows
        // of the row's own day are read one by one.
        const bool fromStart = position <= totals.count / 2;
        // Rows without a date come first; each part is a range of the index.
        const QString days = fromStart ? amounts + QStringLiteral(" AND t.date < ? UNION ALL ")
                + amounts + QStringLiteral(" AND t.date IS NULL")
                                       : amounts + QStringLiteral(" AND t.date > ?");
        const QVariantList values = fromStart ? QVariantList { accountId, day, accountId }
                                              : QVariantList { accountId, day };
        const auto whole = selectOne<std::pair<qint64, qint64>>(
            sumOf + days + QStringLiteral(")"), values, countAndSum);
        const qint64 sameDay = whole
            ? (fromStart ? position - whole->first : totals.count - whole->first - position)
            : -1;
        if (!whole)
            return std::nullopt;
        if (sameDay >= 0) {
            const auto part = selectOne<std::pair<qint64, qint64>>(sumOf + amounts
                    + QStringLiteral(" AND t.date = ?")
                    + (fromStart ? QStringLiteral(" ORDER BY t.created_at ASC, t.rowid ASC")
                                 : QStringLiteral(" ORDER BY t.created_at DESC, t.rowid DESC"))
                    + QStringLiteral(" LIMIT ?)"),
                { accountId, day, sameDay }, countAndSum);
            if (!part)
                return std::nullopt;
            if (part->first == sameDay)
                return fromStart ? whole->second + part->second
                                 : totals.sum - whole->second - part->second;
        }
    }
    // Dates the index cannot place: the rows before it, one by one.
    const auto all = selectOne<std::pair<qint64, qint64>>(
        sumOf + amounts + kRegisterOrder + QStringLiteral(" LIMIT ?)"), { accountId, position },
        countAndSum);
    return all ? std::optional(all->second) : std::nullopt;
}

std::optional<qint64> TransactionRepository::registerPosition(
    const QString& accountId, const QString& id) const
{
    const auto firstText = [](const SqlRow& row) { return row.text(0); };
    const auto day = selectOne<QString>(
        QStringLiteral("SELECT t.date") + kLive + QStringLiteral(" AND t.id = ?"),
        { accountId, id }, firstText);
    if (!day)
        return std::nullopt;
    qint64 before = 0;
    QStringList ids;
    if (!day->isEmpty()) {
        const auto earlier = selectOne<qint64>(QStringLiteral("SELECT (SELECT COUNT(*)") + kLive
                + QStringLiteral(" AND t.date < ?) + (SELECT COUNT(*)") + kLive
                + QStringLiteral(" AND t.date IS NULL)"),
            { accountId, *day, accountId }, [](const SqlRow& row) { return row.int64(0); });
        if (!earlier)
            return std::nullopt;
        before = *earlier;
        ids = selectList<QString>(QStringLiteral("SELECT t.id") + kLive
                + QStringLiteral(" AND t.date = ? ORDER BY t.created_at ASC, t.rowid ASC"),
            { accountId, *day }, firstText);
    } else {
        ids = selectList<QString>(
            QStringLiteral("SELECT t.id") + kLive + kRegisterOrder, { accountId }, firstText);
    }
    const qsizetype at = ids.indexOf(id);
    return at < 0 ? std::nullopt : std::optional<qint64>(before + at);
}

QList<Transaction> TransactionRepository::findUnreconciled(const QString& accountId) const
{
    return selectList<Transaction>(
        QStringLiteral("SELECT %1 FROM transactions t WHERE t.account_id = ? AND t.deleted_at IS "
                       "NULL AND t.reconciled = 0 ORDER BY t.date ASC, t.created_at ASC")
            .arg(kColumns),
        { accountId }, transactionMapper());
}

bool TransactionRepository::hasTransactions(const QString& accountId) const
{
    return selectOne<bool>(QStringLiteral("SELECT 1 FROM transactions WHERE account_id = ? AND "
                                          "deleted_at IS NULL LIMIT 1"),
        { accountId }, [](const SqlRow&) { return true; })
        .has_value();
}

TransactionRepository::ReconciledTotals TransactionRepository::reconciledTotals(
    const QString& accountId) const
{
    return selectOne<ReconciledTotals>(
        QStringLiteral("SELECT COALESCE(SUM(amount), 0), MAX(date) FROM transactions WHERE "
                       "account_id = ? AND deleted_at IS NULL AND reconciled = 1"),
        { accountId },
        [](const SqlRow& row) {
            return ReconciledTotals { row.int64(0), row.date(1) };
        })
        .value_or(ReconciledTotals {});
}

std::optional<Transaction> TransactionRepository::findById(const QString& id) const
{
    return selectOne<Transaction>(
        QStringLiteral("SELECT %1 FROM transactions t WHERE t.id = ?").arg(kColumns), { id },
        transactionMapper());
}

QList<Transaction> TransactionRepository::findPending() const
{
    return selectList<Transaction>(
        QStringLiteral("SELECT %1 FROM transactions t WHERE t.sync_status = 'pending'")
            .arg(kColumns),
        {}, transactionMapper());
}

std::optional<Transaction> TransactionRepository::findLastForPayee(
    const QString& payee, const QString& accountId) const
{
    return selectOne<Transaction>(QStringLiteral("SELECT %1 FROM transactions t WHERE t.payee = ? "
                                                 "AND t.account_id = ? AND t.deleted_at IS NULL")
                                      .arg(kColumns)
            + kOrderNewestFirst + QStringLiteral(" LIMIT 1"),
        { payee, accountId }, transactionMapper());
}

QStringList TransactionRepository::distinctPayees() const
{
    return selectList<QString>(
        QStringLiteral("SELECT DISTINCT payee FROM transactions WHERE deleted_at IS NULL AND "
                       "payee != '' ORDER BY payee"),
        {}, [](const SqlRow& row) { return row.text(0); });
}

QString TransactionRepository::matchExpression(const QString& text)
{
    // Only letters and digits reach the index; quoting each word keeps words
    // such as AND, OR, NOT or NEAR from being read as operators.
    QStringList terms;
    QString word;
    const auto endWord = [&] {
        if (!word.isEmpty())
            terms << QLatin1Char('"') + word + QStringLiteral("\"*");
        word.clear();
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t codePoint = text.at(i).unicode();
        qsizetype length = 1;
        if (text.at(i).isHighSurrogate() && i + 1 < text.size()
            && text.at(i + 1).isLowSurrogate()) {
            codePoint = QChar::surrogateToUcs4(text.at(i), text.at(i + 1));
            length = 2;
        }
        if (QChar::isLetterOrNumber(codePoint))
            word += text.mid(i, length);
        else
            endWord();
        i += length - 1;
    }
    endWord();
    return terms.join(QLatin1Char(' '));
}

std::optional<qint64> TransactionRepository::searchedAmount(const QString& text)
{
    const bool hasDigit
        = std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c.isDigit(); });
    if (!hasDigit)
        return std::nullopt;
    // Any currency's symbol: the search spans accounts of every currency.
    QString number = text;
    for (const Currency c : { Currency::USD, Currency::EUR, Currency::GBP, Currency::JPY,
             Currency::CAD, Currency::AUD })
        number.remove(Money::currencySymbol(c));
    const auto cents = Money::tryParseAmount(number, Currency::USD);
    if (!cents || *cents == 0 || !Money::isWithinLimit(*cents))
        return std::nullopt;
    return *cents < 0 ? -*cents : *cents;
}

QList<TransactionRow> TransactionRepository::search(
    const QString& text, const SearchFilter& filter) const
{
    using namespace SqlValue;
    const QString expression = matchExpression(text);
    const std::optional<qint64> amount = searchedAmount(text);
    QString sql;
    QVariantList values;
    if (amount) {
        // The words, or the amount paid or received: hundredths of the typed
        // number in most currencies, whole units in yen accounts.
        QStringList found;
        if (!expression.isEmpty()) {
            found << QStringLiteral(
                "SELECT rowid FROM transactions_fts WHERE transactions_fts MATCH ?");
            values << expression;
        }
        const QString ofAmount = QStringLiteral(
            "SELECT rowid FROM transactions WHERE deleted_at IS NULL AND amount IN (?, ?)"
            " AND account_id IN (SELECT id FROM accounts WHERE currency %1 'JPY')");
        found << ofAmount.arg(QStringLiteral("<>"));
        values << *amount << -*amount;
        if (*amount % 100 == 0) {
            found << ofAmount.arg(QStringLiteral("="));
            values << *amount / 100 << -*amount / 100;
        }
        sql = QStringLiteral("SELECT %1 FROM transactions t WHERE t.deleted_at IS NULL"
                             " AND t.rowid IN (%2)")
                  .arg(kColumns, found.join(QStringLiteral(" UNION ")));
    } else if (expression.isEmpty()) {
        sql = QStringLiteral("SELECT %1 FROM transactions t WHERE t.deleted_at IS NULL")
                  .arg(kColumns);
    } else {
        sql = QStringLiteral("SELECT %1 FROM transactions t JOIN transactions_fts fts ON "
                             "fts.rowid = t.rowid WHERE t.deleted_at IS NULL AND transactions_fts "
                             "MATCH ?")
                  .arg(kColumns);
        values << expression;
    }
    if (!filter.accountId.isEmpty()) {
        sql += QStringLiteral(" AND t.account_id = ?");
        values << filter.accountId;
    }
    if (!filter.categoryId.isEmpty()) {
        sql += QStringLiteral(" AND t.category_id = ?");
        values << filter.categoryId;
    }
    if (filter.from.isValid()) {
        sql += QStringLiteral(" AND t.date >= ?");
        values << date(filter.from);
    }
    if (filter.to.isValid()) {
        sql += QStringLiteral(" AND t.date <= ?");
        values << date(filter.to);
    }
    if (filter.cleared) {
        sql += QStringLiteral(" AND t.cleared = ?");
        values << flag(*filter.cleared);
    }
    sql += kOrderNewestFirst + QStringLiteral(" LIMIT 200");
    const auto categoryNames = categoryDisplayNames();
    if (!categoryNames)
        return {};
    return selectList<TransactionRow>(sql, values, rowMapper(*categoryNames));
}

bool TransactionRepository::insert(const Transaction& t)
{
    using namespace SqlValue;
    if (!amountsWithinLimit("insert", { t.amount }))
        return false;
    const QString accountId = t.accountId;
    return execWrite(
        QStringLiteral("INSERT INTO transactions (id, account_id, date, payee, memo, amount, "
                       "category_id, check_number, cleared, reconciled, transfer_link_id, "
                       "transfer_dest_account_id, is_split, recurring_id, version, sync_status, "
                       "server_id, created_at, updated_at) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
                       "?, ?, ?, ?, ?, ?, ?, ?, ?)"),
        QVariantList { text(t.id), text(t.accountId) } + recordValues(t)
            + SyncColumns::insertValues(t),
        "insert",
        deferred(accountId, [this, accountId] { Q_EMIT transactionsChanged(accountId); }));
}

bool TransactionRepository::update(const Transaction& t)
{
    using namespace SqlValue;
    if (!amountsWithinLimit("update", { t.amount }))
        return false;
    const QString accountId = t.accountId;
    return execWrite(
        QStringLiteral("UPDATE transactions SET date=?, payee=?, memo=?, amount=?, category_id=?, "
                       "check_number=?, cleared=?, reconciled=?, transfer_link_id=?, "
                       "transfer_dest_account_id=?, is_split=?, recurring_id=?, ")
            + SyncColumns::kUpdateAssignments + QStringLiteral(" WHERE id=?"),
        recordValues(t) + SyncColumns::updateValues(t) + QVariantList { text(t.id) }, "update",
        deferred(accountId, [this, accountId] { Q_EMIT transactionsChanged(accountId); }));
}

bool TransactionRepository::softDelete(const QString& id)
{
    const auto stored = findById(id);
    if (!stored)
        return false;
    const QString accountId = stored->accountId;
    return softDeleteIn("transactions", id,
        deferred(accountId, [this, accountId] { Q_EMIT transactionsChanged(accountId); }));
}

int TransactionRepository::softDeleteByAccount(const QString& accountId)
{
    return softDeleteByAccountIn("transactions", accountId,
        deferred(accountId, [this, accountId] { Q_EMIT transactionsChanged(accountId); }));
}

int TransactionRepository::restoreByAccount(const QString& accountId, const QString& since)
{
    return restoreByAccountIn("transactions", accountId, since,
        deferred(accountId, [this, accountId] { Q_EMIT transactionsChanged(accountId); }));
}

bool TransactionRepository::storeReceived(const Transaction& t, bool isNew)
{
    using namespace SqlValue;
    if (!amountsWithinLimit("storeReceived", { t.amount }))
        return false;
    return upsertIn("transactions",
        QStringLiteral("id, account_id, date, payee, memo, amount, category_id, check_number, cleared, reconciled, transfer_link_id, transfer_dest_account_id, is_split, recurring_id, ") + SyncColumns::kUpsertNames,
        QVariantList { text(t.id), text(t.accountId) } + recordValues(t) + SyncColumns::upsertValues(t),
        isNew);
}

bool TransactionRepository::markSynced(const QString& id, const QString& serverId)
{
    return markSyncedIn("transactions", id, serverId);
}

int TransactionRepository::markAllPendingForResync()
{
    return markAllPendingIn(
        "transactions", deferred({}, [this] { Q_EMIT transactionsChanged(QString()); }));
}

int TransactionRepository::markReconciled(
    const QString& accountId, const QStringList& ids, const QDateTime& at)
{
    // One statement for the whole statement's worth of rows: the full-text
    // index, refreshed by trigger for every changed row, is written once.
    const QVariant idList = SqlValue::textList(ids);
    return execCount(
        QStringLiteral("UPDATE transactions SET cleared = 1, reconciled = 1, updated_at = ?, "
                       "sync_status = 'pending' WHERE account_id = ? AND deleted_at IS NULL AND "
                       "reconciled = 0 AND id IN (SELECT value FROM json_each(?))"),
        { SqlValue::dateTime(at), accountId, idList }, "markReconciled",
        deferred(accountId, [this, accountId] { Q_EMIT transactionsChanged(accountId); }));
}

QList<TransactionRepository::PayeeCount> TransactionRepository::payeeCounts() const
{
    return selectList<PayeeCount>(
        QStringLiteral("SELECT payee, COUNT(*) FROM transactions WHERE deleted_at IS NULL AND "
                       "payee != '' GROUP BY payee ORDER BY payee"),
        {}, [](const SqlRow& row) {
            return PayeeCount { row.text(0), row.integer(1) };
        });
}

std::optional<int> TransactionRepository::renamePayees(const QStringList& payees, const QString& to)
{
    return tryCount(
        QStringLiteral("UPDATE transactions SET payee = ?, updated_at = ?, sync_status = "
                       "'pending' WHERE payee IN (SELECT value FROM json_each(?)) AND deleted_at "
                       "IS NULL"),
        { SqlValue::text(to), Clock::nowIso(), SqlValue::textList(payees) }, "renamePayees",
        deferred({}, [this] { Q_EMIT transactionsChanged(QString()); }));
}

std::optional<int> TransactionRepository::clearCategories(const QStringList& categoryIds)
{
    return clearCategoriesIn("transactions", categoryIds,
        deferred({}, [this] { Q_EMIT transactionsChanged(QString()); }));
}

std::optional<int> TransactionRepository::touchSplitsIn(const QStringList& categoryIds)
{
    return tryCount(
        QStringLiteral("UPDATE transactions SET updated_at = ?, sync_status = 'pending' WHERE id "
                       "IN (SELECT transaction_id FROM split_lines WHERE category_id IN (SELECT "
                       "value FROM json_each(?))) AND deleted_at IS NULL"),
        { Clock::nowIso(), SqlValue::textList(categoryIds) }, "touchSplitsIn",
        deferred({}, [this] { Q_EMIT transactionsChanged(QString()); }));
}

QString TransactionRepository::insertStatement()
{
    return QStringLiteral("INSERT INTO transactions (id, account_id, date, payee, memo, amount, "
                          "category_id, check_number, cleared, reconciled, transfer_link_id, "
                          "transfer_dest_account_id, is_split, recurring_id, version, "
                          "sync_status, server_id, created_at, updated_at) VALUES (?, ?, ?, ?, "
                          "?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
}

QVariantList TransactionRepository::insertValues(const Transaction& t)
{
    using namespace SqlValue;
    return QVariantList { text(t.id), text(t.accountId) } + recordValues(t)
        + SyncColumns::insertValues(t);
}
