#include "ServerTest.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QMutex>
#include <QSet>
#include <QTest>
#include <QUrl>
#include <atomic>
#include <thread>

namespace {

const QByteArray kPull = "/ledgerine/v1/sync/pull";

QJsonObject account(
    const QString& id, qint64 version, const QString& name, const QString& action = "upsert")
{
    return syncChange("account", id, { { "name", name } }, action, version);
}

} // namespace

// What the sync API keeps and hands back.
class TestSync : public ServerTestCase {
    Q_OBJECT

public:
    using ServerTestCase::ServerTestCase;

private Q_SLOTS:
    void initTestCase() { QVERIFY(startServer()); }
    void pushFollowsTheVersionRules();
    void pullPagesInChangeOrder();
    void usersSeeOnlyTheirOwn();
    void concurrentPushesNeverHideFromAPull();
};

void TestSync::pushFollowsTheVersionRules()
{
    const QByteArray bearer = m_server->bearer(m_server->addUser("rules@example.org"));
    struct Step {
        const char* what;
        QJsonObject change;
        // The answer's status and version ("server_version" for a conflict),
        // then the stored record's version, name and whether it is deleted.
        const char* outcome;
    };
    const QList<Step> steps {
        { "new record", account("a1", 1, "A"), "ok 2 2 A" },
        { "the same push again", account("a1", 1, "A"), "ok 2 2 A" },
        { "older version, other content", account("a1", 1, "B"), "conflict 2 2 A" },
        { "current version", account("a1", 2, "B"), "ok 3 3 B" },
        { "newer version than stored", account("a1", 7, "C"), "ok 8 8 C" },
        { "delete", account("a1", 8, "C", "delete"), "ok 9 9 C deleted" },
        { "stale delete of a deleted record", account("a1", 3, "C", "delete"), "ok 9 9 C deleted" },
        { "stale upsert of a deleted record", account("a1", 3, "D"), "conflict 9 9 C deleted" },
        { "upsert restores", account("a1", 9, "E"), "ok 10 10 E" },
    };
    QString serverId;
    for (const Step& step : steps) {
        const QJsonObject result = m_server->push(bearer, { step.change }).at(0).toObject();
        const QJsonObject stored = pulledRecords(m_server->pull(bearer)).value("a1");
        const bool conflict = result.value("status").toString() == "conflict";
        const QString outcome = QStringList { result.value("status").toString(),
            QString::number(result.value(conflict ? "server_version" : "version").toInteger()),
            QString::number(stored.value("version").toInteger()), stored.value("name").toString() }
                                    .join(' ')
            + (stored.value("deleted_at").toString().isEmpty() ? "" : " deleted");
        const QString context = QString::fromLatin1(step.what) + ": "
            + QJsonDocument(result).toJson(QJsonDocument::Compact);
        QVERIFY2(outcome == step.outcome, qPrintable(context + ' ' + outcome));
        QVERIFY2(!conflict || !result.contains("version"), qPrintable(context));
        QVERIFY2(result.value("entity_id").toString() == "a1", qPrintable(context));
        if (serverId.isEmpty())
            serverId = result.value("server_id").toString();
        QVERIFY2(result.value("server_id").toString() == serverId
                && stored.value("id").toString() == serverId,
            qPrintable(context));
    }

    // A delete of something the server never had: nothing to keep.
    QJsonObject unknown
        = m_server->push(bearer, { account("a9", 1, "X", "delete") }).at(0).toObject();
    QCOMPARE(unknown.value("status").toString(), "ok");
    QCOMPARE(unknown.value("server_id"), QJsonValue(QString()));
    QVERIFY(!pulledRecords(m_server->pull(bearer)).contains("a9"));

    // Changes to one record within a push are decided against each other, in order.
    const QJsonArray chained = m_server->push(bearer,
        { account("a2", 1, "A"), account("a2", 2, "B"), account("a2", 1, "C"),
            account("a3", 1, "A"), account("a3", 2, "A", "delete") });
    QCOMPARE(chained.at(1).toObject().value("version").toInteger(), 3);
    QCOMPARE(chained.at(2).toObject().value("status").toString(), "conflict");
    QCOMPARE(chained.at(2).toObject().value("server_version").toInteger(), 3);
    QCOMPARE(
        chained.at(4).toObject().value("server_id"), chained.at(3).toObject().value("server_id"));
    // Two computers that start with the same default record, made at other
    // times: the second is told it is already there, not that it conflicts.
    const auto category = [](const char* at) {
        return syncChange("category", "c1",
            { { "name", "Groceries" }, { "created_at", at }, { "updated_at", at } });
    };
    const QJsonObject firstDefault
        = m_server->push(bearer, { category("2026-01-01T08:00:00Z") }).at(0).toObject();
    const QJsonObject secondDefault
        = m_server->push(bearer, { category("2026-02-02T09:00:00Z") }).at(0).toObject();
    QCOMPARE(secondDefault.value("status").toString(), "ok");
    QCOMPARE(secondDefault.value("version"), firstDefault.value("version"));
    const auto afterChain = pulledRecords(m_server->pull(bearer));
    QCOMPARE(afterChain.value("a2").value("name").toString(), "B");
    QVERIFY(!afterChain.value("a3").value("deleted_at").toString().isEmpty());

    // Broken changes are refused one by one; the rest of the push is kept.
    QJsonObject mismatch = syncChange("account", "m1");
    mismatch.insert("payload", QJsonObject { { "client_id", "other" } });
    const QJsonArray results = m_server->push(bearer,
        { syncChange("budget", "x1"), syncChange("account", "x2", {}, "upsert", -1),
            syncChange("account", "x3", {}, "upsert", 1.5), syncChange("account", ""),
            syncChange("account", "x5", {}, "merge"), mismatch, QJsonValue(7),
            syncChange("transaction", "t1",
                { { "amount", -1250 }, { "memo", "Café ☕" }, { "is_split", true },
                    { "split_lines", QJsonArray { QJsonObject { { "amount", -1250 } } } },
                    { "server_id", "forged" } }) });
    QCOMPARE(pushStatuses(results), QStringList(7, "error") << "ok");
    // What was pushed comes back as it was, under the server's id and version.
    const QJsonObject transaction = pulledRecords(m_server->pull(bearer)).value("t1");
    QCOMPARE(transaction.value("memo").toString(), QString::fromUtf8("Café ☕"));
    QCOMPARE(
        transaction.value("split_lines").toArray().at(0).toObject().value("amount").toInt(), -1250);
    QCOMPARE(
        transaction.value("id").toString(), results.at(7).toObject().value("server_id").toString());
    QVERIFY(!transaction.contains("server_id"));
}

void TestSync::pullPagesInChangeOrder()
{
    const QByteArray bearer = m_server->bearer(m_server->addUser("pages@example.org"));
    for (int batch = 0; batch < 3; ++batch) {
        QJsonArray changes;
        for (int i = batch * 10; i < std::min(25, batch * 10 + 10); ++i)
            changes.append(
                syncChange("transaction", QStringLiteral("t%1").arg(i, 2, 10, QLatin1Char('0'))));
        QCOMPARE(m_server->push(bearer, changes).size(), changes.size());
    }
    m_server->push(bearer,
        { syncChange("transaction", "t03", { { "memo", "changed" } }, "upsert", 2),
            syncChange("category", "c1"), syncChange("category", "c2", {}, "delete"),
            syncChange("csv_profile", "p1"), syncChange("category", "c3") });
    m_server->push(bearer, { syncChange("category", "c3", {}, "delete", 2) });

    QStringList order;
    QString cursor;
    QList<bool> more;
    for (int page = 0; page < 10; ++page) {
        const QJsonObject body = m_server->pull(bearer, cursor, 10);
        for (const QString& array : kSyncArrays)
            QVERIFY2(body.value(array).isArray(), qPrintable(array));
        for (const char* array : { "transactions", "categories", "csv_profiles" }) {
            for (const QJsonValue& record : body.value(array).toArray())
                order << record.toObject().value("client_id").toString();
        }
        more << body.value("has_more").toBool();
        // The counts come with the last page only: live records only.
        QCOMPARE(body.contains("integrity"), !more.last());
        if (!more.last()) {
            QCOMPARE(body.value("integrity").toObject().value("transaction_count").toInt(), 25);
            QCOMPARE(body.value("integrity").toObject().value("category_count").toInt(), 1);
            QCOMPARE(body.value("integrity").toObject().value("csv_profile_count").toInt(), 1);
        }
        cursor = body.value("cursor").toString();
        if (!more.last())
            break;
    }
    QCOMPARE(more, QList<bool>({ true, true, false }));
    // Each record once, in the order of its last change.
    QCOMPARE(order.size(), 28);
    QCOMPARE(order.mid(24), QStringList({ "t03", "c1", "c3", "p1" }));
    QCOMPARE(QSet<QString>(order.begin(), order.end()).size(), 28);
    // Nothing new: an empty page that keeps the cursor.
    const QJsonObject after = m_server->pull(bearer, cursor, 10);
    QVERIFY(pulledRecords(after).isEmpty());
    QCOMPARE(after.value("cursor").toString(), cursor);
    QCOMPARE(after.value("has_more").toBool(), false);
}

void TestSync::usersSeeOnlyTheirOwn()
{
    const QByteArray ann = m_server->bearer(m_server->addUser("own-ann@example.org"));
    const QByteArray ben = m_server->bearer(m_server->addUser("own-ben@example.org"));
    const QString annId = m_server->push(ann, { account("shared-id", 1, "Ann's") })
                              .at(0)
                              .toObject()
                              .value("server_id")
                              .toString();
    const QJsonObject bens
        = m_server->push(ben, { account("shared-id", 1, "Ben's") }).at(0).toObject();
    QCOMPARE(bens.value("status").toString(), "ok");
    QVERIFY(bens.value("server_id").toString() != annId);
    // Naming another user's server id changes nothing of theirs.
    QJsonObject forged = account("shared-id", 5, "Taken");
    forged.insert("payload",
        QJsonObject { { "client_id", "shared-id" }, { "server_id", annId }, { "name", "Taken" } });
    m_server->push(ben, { forged });

    const QJsonObject annPage = m_server->pull(ann);
    QCOMPARE(pulledRecords(annPage).size(), 1);
    QCOMPARE(pulledRecords(annPage).value("shared-id").value("name").toString(), "Ann's");
    QCOMPARE(
        pulledRecords(m_server->pull(ben)).value("shared-id").value("name").toString(), "Taken");
    // A cursor is good only for the user it was given to.
    const HttpReply stolen = m_server->call("GET",
        kPull + "?cursor=" + QUrl::toPercentEncoding(annPage.value("cursor").toString()), ben);
    QCOMPARE(stolen.status, 400);
}

void TestSync::concurrentPushesNeverHideFromAPull()
{
    const QByteArray bearer = m_server->bearer(m_server->addUser("busy@example.org"));
    constexpr int kWriters = 4;
    constexpr int kPushes = 10;
    constexpr int kPerPush = 25;
    std::atomic<int> writing { kWriters };
    std::atomic<int> failures { 0 };
    const quint16 port = m_server->port();

    std::vector<std::thread> writers;
    for (int writer = 0; writer < kWriters; ++writer) {
        writers.emplace_back([&, writer] {
            for (int push = 0; push < kPushes; ++push) {
                QJsonArray changes;
                for (int i = 0; i < kPerPush; ++i)
                    changes.append(syncChange(
                        "transaction", QStringLiteral("w%1-%2-%3").arg(writer).arg(push).arg(i)));
                if (m_server->push(bearer, changes).size() != kPerPush)
                    ++failures;
            }
            --writing;
        });
    }
    // The reader follows the stream while it grows, the way a computer pulls
    // while another pushes; a change it steps past is never seen again.
    QSet<QString> seen;
    int duplicates = 0;
    QString cursor;
    bool lastRound = false;
    for (int round = 0; round < 100000; ++round) {
        const bool writersDone = writing.load() == 0;
        const HttpReply reply
            = request(port, "GET", kPull + "?limit=50&cursor=" + QUrl::toPercentEncoding(cursor),
                {}, { { "Authorization", bearer } });
        QCOMPARE(reply.status, 200);
        const QJsonObject page = reply.json();
        for (const QJsonValue& record : page.value("transactions").toArray()) {
            const QString id = record.toObject().value("client_id").toString();
            duplicates += seen.contains(id) ? 1 : 0;
            seen.insert(id);
        }
        cursor = page.value("cursor").toString();
        if (lastRound && !page.value("has_more").toBool())
            break;
        // One more full pass after the writers ended finds whatever is left.
        lastRound = writersDone;
    }
    for (std::thread& writer : writers)
        writer.join();
    QCOMPARE(failures.load(), 0);
    QCOMPARE(duplicates, 0);
    QCOMPARE(seen.size(), kWriters * kPushes * kPerPush);
}

SERVER_TEST_MAIN(TestSync)

#include "tst_sync.moc"
