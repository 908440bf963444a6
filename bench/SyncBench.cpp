#include "BenchHarness.h"

#include "BenchHttpClient.h"
#include "RealServer.h"
#include "SyncSide.h"
#include "data/AccountRepository.h"
#include "data/CategoryRepository.h"
#include "data/Clock.h"
#include "data/Database.h"
#include "data/Ids.h"
#include "data/SplitLineRepository.h"
#include "data/TransactionBulkInsert.h"
#include "data/TransactionRepository.h"
#include "data/TransactionScope.h"
#include "sync/SyncEngine.h"
#include "sync/SyncWire.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLoggingCategory>
#include <QSqlQuery>
#include <QTimer>
#include <QUrl>

#include <sqlite3.h>

#include <ctime>

namespace {

int count(const SyncSide& side, const char* sql)
{
    QSqlQuery query(side->database()->database());
    query.exec(QString::fromLatin1(sql));
    return query.next() ? query.value(0).toInt() : -1;
}

// `transactions` pending rows over ten accounts, every tenth one split in two.
void fill(SyncSide& side, int transactions)
{
    const QList<Category> categories = side->categories()->findAll();
    QStringList accounts;
    TransactionScope scope(side->database());
    for (int i = 0; i < 10; ++i) {
        Account a;
        a.id = Ids::newId();
        a.name = QStringLiteral("Account %1").arg(i);
        a.sortOrder = i;
        a.createdAt = a.updatedAt = Clock::nowUtc();
        side->accounts()->insert(a);
        accounts << a.id;
    }
    for (int i = 0; i < transactions; ++i) {
        Transaction t;
        t.id = Ids::newId();
        t.accountId = accounts.at(i % accounts.size());
        t.date = QDate(2024, 1, 1).addDays(i % 700);
        t.payee = QStringLiteral("Payee %1").arg(i % 500);
        t.memo = i % 3 ? QString() : QStringLiteral("memo %1").arg(i);
        t.amount = -(100 + i);
        t.categoryId = categories.at(i % categories.size()).id;
        t.isSplit = i % 10 == 0;
        t.createdAt = t.updatedAt = Clock::nowUtc();
        side->transactions()->insert(t);
        if (!t.isSplit)
            continue;
        for (int part = 0; part < 2; ++part)
            side->splitLines()->insert(
                { Ids::newId(), t.id, categories.at((i + part) % categories.size()).id,
                    t.amount / 2, QString(), t.createdAt, t.updatedAt });
    }
    scope.commit();
}

// Until the engine is idle after as many cycles as the rows need.
double timeUntilInStep(SyncSide& side)
{
    QElapsedTimer timer;
    timer.start();
    do {
        side.sync(600000);
    } while (count(side, "SELECT COUNT(*) FROM transactions WHERE sync_status = 'pending'") > 0);
    side.settle(600000);
    return timer.nsecsElapsed() / 1e6;
}

// The pages a first pull fetches, fetched and parsed without applying them:
// what the transport alone costs. `pages` keeps them for the write baseline.
double transportMs(
    const RealServer& server, const QString& accessToken, int* records, QList<QJsonObject>* pages)
{
    BenchHttpClient client(quint16(QUrl(server.origin()).port()));
    const QByteArray bearer = "Bearer " + accessToken.toLatin1();
    QElapsedTimer timer;
    timer.start();
    QString cursor;
    *records = 0;
    for (bool more = true; more;) {
        const auto reply = client.request("GET",
            "/ledgerine/v1/sync/pull?limit=" + QByteArray::number(SyncEngine::kPullPage)
                + "&cursor=" + QUrl::toPercentEncoding(cursor),
            {}, { { "Authorization", bearer } });
        const QJsonObject page = QJsonDocument::fromJson(reply.body).object();
        *records += int(page.value("transactions").toArray().size());
        pages->append(page);
        cursor = page.value("cursor").toString();
        more = reply.status == 200 && page.value("has_more").toBool();
    }
    return timer.nsecsElapsed() / 1e6;
}

// One statement of the write baseline, prepared once and fed record by record.
class RawInsert {
public:
    RawInsert(sqlite3* db, const char* sql)
    {
        if (sqlite3_prepare_v2(db, sql, -1, &m_statement, nullptr) != SQLITE_OK)
            qFatal("sync baseline: %s", sqlite3_errmsg(db));
    }
    ~RawInsert() { sqlite3_finalize(m_statement); }
    RawInsert(const RawInsert&) = delete;
    RawInsert& operator=(const RawInsert&) = delete;

    // A text member, NULL when absent or empty (the columns that may be).
    RawInsert& text(const QJsonValue& value)
    {
        const QByteArray utf8 = value.toString().toUtf8();
        if (utf8.isEmpty())
            sqlite3_bind_null(m_statement, ++m_column);
        else
            sqlite3_bind_text(
                m_statement, ++m_column, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
        return *this;
    }
    RawInsert& number(qint64 value)
    {
        sqlite3_bind_int64(m_statement, ++m_column, value);
        return *this;
    }
    RawInsert& flag(const QJsonValue& value)
    {
        return number(value.isBool() ? value.toBool() : value.toInteger() != 0);
    }
    void run()
    {
        if (sqlite3_step(m_statement) != SQLITE_DONE)
            qFatal("sync baseline: %s", sqlite3_errmsg(sqlite3_db_handle(m_statement)));
        sqlite3_reset(m_statement);
        m_column = 0;
    }
    sqlite3_stmt* get() const { return m_statement; }

private:
    sqlite3_stmt* m_statement = nullptr;
    int m_column = 0;
};

// This process's processor time: on a shared machine the wall clock also
// counts waiting for the disk and for the other processes.
double cpuMsSince(std::clock_t start)
{
    return double(std::clock() - start) * 1000.0 / CLOCKS_PER_SEC;
}

void rawExec(sqlite3* db, const char* sql)
{
    if (sqlite3_exec(db, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
        qFatal("sync baseline: %s", sqlite3_errmsg(db));
}

// What writing the pulled records costs by itself: the same rows and split
// lines into a fresh store of the real schema (its indexes and search index),
// through the C API with statements prepared once, in the pull's units of
// work, the search index filled once per unit rather than by the per-row
// trigger.
double writeBaselineMs(
    const QString& path, const QList<QJsonObject>& pages, int* rows, double* cpuMs)
{
    Database db;
    if (!db.open(path) || !db.runMigrations())
        qFatal("sync baseline: cannot create %s", qPrintable(path));
    sqlite3* h = db.handle();
    rawExec(h, "DROP TRIGGER transactions_ai");
    // The page cache the pull's pages get.
    rawExec(h, "PRAGMA cache_size = -65536");
    RawInsert account(h,
        "INSERT INTO accounts (id, name, account_type, currency, institution, "
        "account_number_last4, starting_balance, sort_order, is_shared, version, sync_status, "
        "server_id, created_at, updated_at, deleted_at) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
        "'synced', ?, ?, ?, ?)");
    RawInsert category(h,
        "INSERT INTO categories (id, name, category_type, parent_id, is_tax_relevant, "
        "tax_category, icon, color, is_default, account_id, version, sync_status, server_id, "
        "created_at, updated_at, deleted_at) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 'synced', "
        "?, ?, ?, ?)");
    RawInsert transaction(h,
        "INSERT INTO transactions (id, account_id, date, payee, memo, amount, category_id, "
        "check_number, cleared, reconciled, transfer_link_id, transfer_dest_account_id, "
        "is_split, recurring_id, version, sync_status, server_id, created_at, updated_at, "
        "deleted_at) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 'synced', ?, ?, ?, ?)");
    RawInsert splitLine(h,
        "INSERT INTO split_lines (id, transaction_id, category_id, amount, memo, created_at, "
        "updated_at) VALUES (?, ?, ?, ?, ?, ?, ?)");
    RawInsert lastRowid(h, "SELECT COALESCE(MAX(rowid), 0) FROM transactions");
    RawInsert index(h,
        "INSERT INTO transactions_fts(rowid, payee, memo, check_number) SELECT rowid, payee, "
        "memo, check_number FROM transactions WHERE rowid > ?");

    QElapsedTimer timer;
    timer.start();
    const std::clock_t cpuStart = std::clock();
    *rows = 0;
    // Pages go in the pull's units of work.
    qsizetype inUnit = 0;
    qint64 before = 0;
    for (qsizetype i = 0; i < pages.size(); ++i) {
        const QJsonObject& page = pages.at(i);
        if (inUnit == 0) {
            rawExec(h, "BEGIN");
            rawExec(h, "PRAGMA defer_foreign_keys = ON");
        }
        inUnit += SyncWire::recordCount(page);
        if (inUnit == 0) {
            sqlite3_step(lastRowid.get());
            before = sqlite3_column_int64(lastRowid.get(), 0);
            sqlite3_reset(lastRowid.get());
        }
        for (const QJsonValue& value : page.value("accounts").toArray()) {
            const QJsonObject a = value.toObject();
            account.text(a.value("client_id"))
                .text(a.value("name"))
                .text(a.value("account_type"))
                .text(a.value("currency"))
                .text(a.value("institution"))
                .text(a.value("account_number_last4"))
                .number(a.value("starting_balance").toInteger())
                .number(a.value("sort_order").toInteger())
                .flag(a.value("is_shared"))
                .number(a.value("version").toInteger(1))
                .text(a.value("id"))
                .text(a.value("created_at"))
                .text(a.value("updated_at"))
                .text(a.value("deleted_at"))
                .run();
            ++*rows;
        }
        for (const QJsonValue& value : page.value("categories").toArray()) {
            const QJsonObject c = value.toObject();
            category.text(c.value("client_id"))
                .text(c.value("name"))
                .text(c.value("category_type"))
                .text(c.value("parent_id"))
                .flag(c.value("is_tax_relevant"))
                .text(c.value("tax_category"))
                .text(c.value("icon"))
                .text(c.value("color"))
                .flag(c.value("is_default"))
                .text(c.value("account_id"))
                .number(c.value("version").toInteger(1))
                .text(c.value("id"))
                .text(c.value("created_at"))
                .text(c.value("updated_at"))
                .text(c.value("deleted_at"))
                .run();
            ++*rows;
        }
        for (const QJsonValue& value : page.value("transactions").toArray()) {
            const QJsonObject t = value.toObject();
            transaction.text(t.value("client_id"))
                .text(t.value("account_id"))
                .text(t.value("date"))
                .text(t.value("payee"))
                .text(t.value("memo"))
                .number(t.value("amount").toInteger())
                .text(t.value("category_id"))
                .text(t.value("check_number"))
                .flag(t.value("cleared"))
                .flag(t.value("reconciled"))
                .text(t.value("transfer_link_id"))
                .text(t.value("transfer_dest_account_id"))
                .flag(t.value("is_split"))
                .text(t.value("recurring_id"))
                .number(t.value("version").toInteger(1))
                .text(t.value("id"))
                .text(t.value("created_at"))
                .text(t.value("updated_at"))
                .text(t.value("deleted_at"))
                .run();
            ++*rows;
            for (const QJsonValue& line : t.value("split_lines").toArray()) {
                const QJsonObject l = line.toObject();
                splitLine.text(Ids::newId())
                    .text(t.value("client_id"))
                    .text(l.value("category_id"))
                    .number(l.value("amount").toInteger())
                    .text(l.value("memo"))
                    .text(t.value("created_at"))
                    .text(t.value("updated_at"))
                    .run();
                ++*rows;
            }
        }
        if (inUnit < SyncEngine::kPullRecordsPerWrite && i + 1 < pages.size())
            continue;
        sqlite3_bind_int64(index.get(), 1, before);
        index.run();
        rawExec(h, "COMMIT");
        inUnit = 0;
    }
    *cpuMs = cpuMsSince(cpuStart);
    return timer.nsecsElapsed() / 1e6;
}

std::unique_ptr<SyncSide> signedIn(RealServer& server, const QString& email)
{
    const auto tokens = server.signIn(email, QStringLiteral("benchmark password"));
    if (!tokens)
        qFatal("sync bench: cannot sign in to ledgerine-server");
    auto side = std::make_unique<SyncSide>(
        server.config(), server.syncApiUrl(), tokens->access, tokens->refresh);
    // Cycles run when measured, not when the request delay runs out.
    side->engine()->stopAutoSync();
    side->engine()->setRequestDelay(3600000);
    side->settle();
    return side;
}

void run(Bench::Context& context)
{
    Bench::printHeader(QStringLiteral("sync"));
    Bench::note(QStringLiteral("load average before measuring: %1").arg(Bench::loadAverage()));
    QLoggingCategory::setFilterRules(QStringLiteral("ledgerine.*=false"));
    const int rows = qMax(100, int(10000 * context.scale));

    RealServer server;
    const QString email = QStringLiteral("bench@example.org");
    if (!server.start() || !server.addUser(email, QStringLiteral("benchmark password")))
        qFatal("sync bench: ledgerine-server did not start");
    const auto first = signedIn(server, email);
    const auto second = signedIn(server, email);
    fill(*first, rows);

    const double pushMs = timeUntilInStep(*first);
    Bench::report(QStringLiteral("first sync: push %1 pending rows (%2 split) and their echo")
                      .arg(rows)
                      .arg(rows / 10),
        pushMs, std::nullopt, QStringLiteral("10,000 rows < 10 s"));
    Bench::note(QStringLiteral("%1 rows/s").arg(qRound(rows / (pushMs / 1000.0))));

    int fetched = 0;
    QList<QJsonObject> pages;
    const auto tokens = server.signIn(email, QStringLiteral("benchmark password"));
    const double transport
        = transportMs(server, tokens ? tokens->access : QString(), &fetched, &pages);
    int written = 0;
    double writeCpuMs = 0;
    const QString baselinePath = context.workDir + QStringLiteral("/sync-baseline.db");
    const double writeMs = writeBaselineMs(baselinePath, pages, &written, &writeCpuMs);
    Bench::removeDatabase(context, baselinePath);

    // How long the window would wait at worst: the longest gap between turns
    // of the event loop while the pull runs.
    QElapsedTimer sinceTurn;
    qint64 longestWaitMs = 0;
    QTimer turns;
    turns.setInterval(1);
    QObject::connect(&turns, &QTimer::timeout,
        [&] { longestWaitMs = qMax(longestWaitMs, sinceTurn.restart()); });
    sinceTurn.start();
    turns.start();
    QElapsedTimer timer;
    timer.start();
    const std::clock_t cpuStart = std::clock();
    second->sync(600000);
    // One cycle takes at most 50 pages; the engine goes on at once with the rest.
    while (count(*second, "SELECT COUNT(*) FROM transactions") < rows)
        second->sync(600000);
    second->settle(600000);
    const double pullMs = timer.nsecsElapsed() / 1e6;
    const double pullCpuMs = cpuMsSince(cpuStart);
    turns.stop();
    Bench::report(QStringLiteral("first sync of a second computer: pull %1 records").arg(rows),
        pullMs, transport, QStringLiteral("within 3x of the transport"));
    Bench::note(QStringLiteral("%1 rows/s; %2 split lines received; the baseline fetches and "
                               "parses the same %3 records' pages without applying them")
                    .arg(qRound(rows / (pullMs / 1000.0)))
                    .arg(count(*second, "SELECT COUNT(*) FROM split_lines"))
                    .arg(fetched));
    Bench::report(QStringLiteral("the same pull against transport plus write baseline"), pullMs,
        transport + writeMs, QStringLiteral("within 1.5x"));
    Bench::note(QStringLiteral("write baseline %1 ms: the pages' %2 rows and split lines into a "
                               "fresh store through the C API, statements prepared once, a "
                               "transaction per %3 records as the pull, search indexed once per "
                               "transaction")
                    .arg(writeMs, 0, 'f', 2)
                    .arg(written)
                    .arg(SyncEngine::kPullRecordsPerWrite));
    Bench::note(
        QStringLiteral("longest wait of the event loop during the pull: %1 ms").arg(longestWaitMs));
    Bench::note(QStringLiteral("processor time of this process: pull %1 ms, write baseline %2 ms")
                    .arg(pullCpuMs, 0, 'f', 0)
                    .arg(writeCpuMs, 0, 'f', 0));
    Bench::note(QStringLiteral("search finds %1 of %2 rows by payee")
                    .arg(count(*second,
                        "SELECT COUNT(*) FROM transactions_fts WHERE transactions_fts MATCH "
                        "'payee:Payee'"))
                    .arg(rows));

    const double idleMs = Bench::medianMs(5, [&] { first->sync(); });
    Bench::report(QStringLiteral("cycle with nothing to push or pull"), idleMs, std::nullopt,
        QStringLiteral("< 100 ms"));
    Bench::note(QStringLiteral("load average after: %1").arg(Bench::loadAverage()));
    QLoggingCategory::setFilterRules(QString());
}

const Bench::Registration registration(80, "sync", run);

} // namespace
