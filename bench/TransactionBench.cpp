#include "BenchHarness.h"
#include "BenchSql.h"
#include "SyntheticLedger.h"

#include "data/Clock.h"
#include "data/Database.h"
#include "data/Ids.h"
#include "data/TransactionRepository.h"
#include "data/TransactionScope.h"

#include <QElapsedTimer>
#include <QSqlQuery>
#include <QSqlRecord>

#include <sqlite3.h>
#include <string>
#include <vector>

namespace {

using BenchSql::kColumns;
using BenchSql::kDisplayName;
using BenchSql::rawRead;
using BenchSql::searchSql;

// The register's query as the plain SQL would run it, display-name subquery included.
const std::string kRegisterSql = "SELECT " + kColumns + ", " + kDisplayName
    + " AS category_name FROM transactions t LEFT JOIN categories c ON t.category_id = c.id "
      "WHERE t.account_id = ? AND t.deleted_at IS NULL ORDER BY t.date ASC, t.created_at ASC";

// What the repository runs instead: the names of all categories once, and the
// account's rows unsorted (it sorts them itself).
const std::string kRegisterPlainSql
    = "SELECT " + kColumns + " FROM transactions t WHERE t.account_id = ? AND t.deleted_at IS NULL";
const std::string kCategoryNamesSql = "SELECT c.id, " + kDisplayName + " FROM categories c";

const char* const kPayeesSql = "SELECT DISTINCT payee FROM transactions WHERE deleted_at IS NULL "
                               "AND payee != '' ORDER BY payee";

// The same with a bare QSqlQuery loop.
qsizetype qtRead(Database& db, const QString& sql, const QVariantList& params)
{
    QSqlQuery q(db.database());
    q.setForwardOnly(true);
    q.prepare(sql);
    for (const QVariant& v : params)
        q.addBindValue(v);
    q.exec();
    QList<QVariantList> rows;
    const int columns = q.record().count();
    while (q.next()) {
        QVariantList row;
        row.reserve(columns);
        for (int c = 0; c < columns; ++c)
            row.append(q.value(c));
        rows.append(row);
    }
    return rows.size();
}

void measureReads(Database& db, const SyntheticLedger::Summary& ledger)
{
    sqlite3* raw = db.handle();
    TransactionRepository repo(&db);
    const QString account = ledger.accountIds.first();
    const int runs = 5;

    qsizetype registerRows = 0;
    const double registerMs
        = Bench::medianMs(runs, [&] { registerRows = repo.findRegisterRows(account).size(); });
    const double sameRaw = Bench::medianMs(runs, [&] {
        rawRead(raw, kCategoryNamesSql, {});
        rawRead(raw, kRegisterPlainSql, { account.toStdString() });
    });
    const double registerRaw
        = Bench::medianMs(runs, [&] { rawRead(raw, kRegisterSql, { account.toStdString() }); });
    const double registerQt = Bench::medianMs(
        runs, [&] { qtRead(db, QString::fromStdString(kRegisterSql), { account }); });
    Bench::report(
        QStringLiteral("findRegisterRows, %1 rows (vs C API, same statements)").arg(registerRows),
        registerMs, sameRaw, QStringLiteral("< 300 ms, < 2x"));
    Bench::report(QStringLiteral("findRegisterRows (vs C API, one sorted query, names per row)"),
        registerMs, registerRaw);
    Bench::report(QStringLiteral("findRegisterRows (vs QSqlQuery loop, the same one query)"),
        registerMs, registerQt);

    const auto words = [](std::initializer_list<QString> list) {
        QString joined;
        for (const QString& w : list)
            joined += (joined.isEmpty() ? QString() : QStringLiteral(" ")) + w;
        return joined;
    };
    const QString common = SyntheticLedger::commonPayeeWord();
    const QString rare = SyntheticLedger::rarePayeeWord();
    struct Case {
        QString text;
        bool withAccount;
    };
    const Case cases[] = { { common.left(4), false }, { common.left(4), true },
        { words({ rare.left(3), common.left(3) }), false },
        { words({ rare.left(3), common.left(3) }), true }, { QStringLiteral("refill"), false },
        { QStringLiteral("12"), true } };
    for (const Case& c : cases) {
        SearchFilter filter;
        if (c.withAccount)
            filter.accountId = account;
        qsizetype found = 0;
        const double ms
            = Bench::medianMs(runs * 2, [&] { found = repo.search(c.text, filter).size(); });
        std::vector<std::string> params {
            TransactionRepository::matchExpression(c.text).toStdString()
        };
        if (c.withAccount)
            params.push_back(account.toStdString());
        const double base
            = Bench::medianMs(runs * 2, [&] { rawRead(raw, searchSql(c.withAccount), params); });
        Bench::report(
            QStringLiteral("search \"%1\"%2 (%3 rows)")
                .arg(c.text, c.withAccount ? QStringLiteral(" in one account") : QString())
                .arg(found),
            ms, base, QStringLiteral("< 50 ms"));
    }

    qsizetype payees = 0;
    const double payeesMs = Bench::medianMs(runs, [&] { payees = repo.distinctPayees().size(); });
    const double payeesRaw = Bench::medianMs(runs, [&] { rawRead(raw, kPayeesSql, {}); });
    Bench::report(QStringLiteral("distinctPayees over %1 transactions (%2 payees)")
                      .arg(ledger.transactions)
                      .arg(payees),
        payeesMs, payeesRaw, QStringLiteral("< 300 ms"));
}

using LedgerBody = std::function<void(Database&, const SyntheticLedger::Summary&)>;

// Times `body` on a new database holding only accounts and categories.
double timeInFreshDatabase(
    const Bench::Context& context, const QString& name, const LedgerBody& body)
{
    const QString path = context.workDir + QLatin1Char('/') + name;
    double ms = 0;
    {
        Database db;
        const SyntheticLedger::Summary ledger = SyntheticLedger::prepare(db, path);
        QElapsedTimer timer;
        timer.start();
        body(db, ledger);
        ms = timer.nsecsElapsed() / 1e6;
    }
    Bench::removeDatabase(context, path);
    return ms;
}

void measureInsert(const Bench::Context& context, int count)
{
    const double repoMs = timeInFreshDatabase(context, QStringLiteral("insert-repo.db"),
        [count](Database& db, const SyntheticLedger::Summary& ledger) {
            TransactionRepository repo(&db);
            TransactionScope scope(&db);
            for (int i = 0; i < count; ++i)
                repo.insert(SyntheticLedger::sample(ledger, i));
            scope.commit();
        });
    const double rawMs = timeInFreshDatabase(context, QStringLiteral("insert-raw.db"),
        [count](Database& db, const SyntheticLedger::Summary& ledger) {
            SyntheticLedger::insertRaw(db, ledger, count, false);
        });
    Bench::report(QStringLiteral("insert %1 transactions in one transaction").arg(count), repoMs,
        rawMs, QStringLiteral("< 1.5x"));
}

void run(Bench::Context& context)
{
    Bench::printHeader(QStringLiteral("transactions"));
    const int total = qMax(1000, int(1'000'000 * context.scale));
    const QString path = context.workDir + QStringLiteral("/ledger.db");
    {
        Database db;
        QElapsedTimer timer;
        timer.start();
        SyntheticLedger::Summary ledger = SyntheticLedger::prepare(db, path);
        SyntheticLedger::addTransactions(db, ledger, total);
        Bench::note(QStringLiteral("load average before measuring: %1").arg(Bench::loadAverage()));
        Bench::note(QStringLiteral("generated %1 transactions in %2 accounts, %3 categories, %4 "
                                   "split lines in %5 s")
                        .arg(ledger.transactions)
                        .arg(ledger.accountIds.size())
                        .arg(ledger.categoryIds.size())
                        .arg(ledger.splitLines)
                        .arg(timer.elapsed() / 1000.0, 0, 'f', 1));
        measureReads(db, ledger);
    }
    Bench::removeDatabase(context, path);
    measureInsert(context, qMax(1000, int(100'000 * context.scale)));
}

const Bench::Registration registration(20, "transactions", run);

} // namespace
