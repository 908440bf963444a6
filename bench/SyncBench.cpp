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

#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QUrl>
#include <QLoggingCategory>
#include <QSqlQuery>

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
            side->splitLines()->insert({ Ids::newId(), t.id,
                categories.at((i + part) % categories.size()).id, t.amount / 2, QString(),
                t.createdAt, t.updatedAt });
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
// what the transport alone costs.
double transportMs(const RealServer& server, const QString& accessToken, int* records)
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
        cursor = page.value("cursor").toString();
        more = reply.status == 200 && page.value("has_more").toBool();
    }
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
    const auto tokens = server.signIn(email, QStringLiteral("benchmark password"));
    const double transport = transportMs(server, tokens ? tokens->access : QString(), &fetched);

    QElapsedTimer timer;
    timer.start();
    second->sync(600000);
    // One cycle takes at most 50 pages; the engine goes on at once with the rest.
    while (count(*second, "SELECT COUNT(*) FROM transactions") < rows)
        second->sync(600000);
    second->settle(600000);
    const double pullMs = timer.nsecsElapsed() / 1e6;
    Bench::report(QStringLiteral("first sync of a second computer: pull %1 records").arg(rows),
        pullMs, transport, QStringLiteral("within 3x of the transport"));
    Bench::note(QStringLiteral("%1 rows/s; %2 split lines received; the baseline fetches and "
                               "parses the same %3 records' pages without applying them")
                    .arg(qRound(rows / (pullMs / 1000.0)))
                    .arg(count(*second, "SELECT COUNT(*) FROM split_lines"))
                    .arg(fetched));
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
