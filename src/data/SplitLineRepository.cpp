#include "SplitLineRepository.h"

#include "Clock.h"
#include "SqlValue.h"

namespace {

SplitLine mapRow(const SqlRow& row)
{
    SplitLine line;
    line.id = row.text(0);
    line.transactionId = row.text(1);
    line.categoryId = row.text(2);
    line.amount = row.int64(3);
    line.memo = row.text(4);
    line.createdAt = row.dateTime(5);
    line.updatedAt = row.dateTime(6);
    return line;
}

} // namespace

SplitLineRepository::SplitLineRepository(Database* db, QObject* parent)
    : Repository(db, "SplitLineRepository", parent)
{
}

QList<SplitLine> SplitLineRepository::findByTransaction(
    const QString& transactionId, int limit) const
{
    return selectList<SplitLine>(
        QStringLiteral("SELECT id, transaction_id, category_id, amount, memo, created_at, "
                       "updated_at FROM split_lines WHERE transaction_id = ? LIMIT ?"),
        { transactionId, limit }, mapRow);
}

std::pair<int, qint64> SplitLineRepository::countAndSum(const QString& transactionId) const
{
    return selectOne<std::pair<int, qint64>>(
        QStringLiteral("SELECT COUNT(*), COALESCE(SUM(amount), 0) FROM split_lines WHERE "
                       "transaction_id = ?"),
        { transactionId },
        [](const SqlRow& row) { return std::pair(int(row.int64(0)), row.int64(1)); })
        .value_or(std::pair(0, qint64(0)));
}

bool SplitLineRepository::insert(const SplitLine& line)
{
    using namespace SqlValue;
    if (!amountsWithinLimit("insert", { line.amount }))
        return false;
    return execWrite(QStringLiteral("INSERT INTO split_lines (id, transaction_id, category_id, "
                                    "amount, memo, created_at, updated_at) VALUES (?, ?, ?, ?, ?, "
                                    "?, ?)"),
        { text(line.id), text(line.transactionId), text(line.categoryId), line.amount,
            text(line.memo), dateTime(line.createdAt), dateTime(line.updatedAt) },
        "insert");
}

std::optional<int> SplitLineRepository::moveCategories(const QStringList& from, const QString& to)
{
    return tryCount(
        QStringLiteral("UPDATE split_lines SET category_id = ?, updated_at = ? WHERE category_id "
                       "IN (SELECT value FROM json_each(?)) AND transaction_id IN (SELECT id FROM "
                       "transactions WHERE deleted_at IS NULL)"),
        { to, Clock::nowIso(), SqlValue::textList(from) }, "moveCategories", {});
}

bool SplitLineRepository::deleteByTransaction(const QString& transactionId)
{
    QSqlQuery& query = prepared(
        QStringLiteral("DELETE FROM split_lines WHERE transaction_id = ?"), { transactionId });
    return query.exec();
}
