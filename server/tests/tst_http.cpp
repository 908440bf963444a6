#include "Crypto.h"
#include "Jwt.h"
#include "ServerOptions.h"
#include "ServerTest.h"
#include "ServerWire.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QHostAddress>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QSslConfiguration>
#include <QSslSocket>
#include <QTcpSocket>
#include <QTemporaryDir>
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

struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

Run runServer(const QStringList& arguments, const QByteArray& input = {})
{
    QProcess process;
    process.start(QStringLiteral(LEDGERINE_SERVER_EXECUTABLE), arguments);
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(60000))
        process.kill();
    return { process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
        QString::fromUtf8(process.readAllStandardOutput()),
        QString::fromUtf8(process.readAllStandardError()) };
}

} // namespace

// The server as any HTTP client meets it (routing, bad input, limits, slow
// clients, discovery and TLS), what its sync API keeps and hands back, and the
// program itself: starting, stopping, the administration commands and the
// options it refuses.
class TestHttp : public ServerTestCase {
    Q_OBJECT

public:
    using ServerTestCase::ServerTestCase;

private Q_SLOTS:
    void initTestCase();
    void badRequestsAreRefused_data();
    void badRequestsAreRefused();
    void oversizeBodyIsRefusedBeforeItArrives();
    void stalledClientsDoNotStopOthers();
    void servesTlsAndNamesItsServices();
    void pushFollowsTheVersionRules();
    void pullPagesInChangeOrder();
    void usersSeeOnlyTheirOwn();
    void concurrentPushesNeverHideFromAPull();
    void servesFromAFreshStoreAndStopsOnSignal();
    void userCommands();
    void refusedOptions_data();
    void refusedOptions();

private:
    QByteArray m_bearer;
};

void TestHttp::initTestCase()
{
    QVERIFY(startServer());
    m_bearer = m_server->bearer(m_server->addUser(QStringLiteral("ann@example.org")));
    QVERIFY(!m_bearer.isEmpty());
}

void TestHttp::badRequestsAreRefused_data()
{
    QTest::addColumn<QByteArray>("method");
    QTest::addColumn<QByteArray>("target");
    QTest::addColumn<QByteArray>("body");
    // "user": a good bearer token; "none"; or the Authorization header itself.
    QTest::addColumn<QByteArray>("authorization");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("error");

    const QByteArray push = "/ledgerine/v1/sync/push";
    const QByteArray me = "/api/v1/realms/mellowind/users/me";
    const QByteArray user = "user", none = "none", noBody;
    const QByteArray get = "GET", post = "POST", patch = "PATCH", del = "DELETE";
    const qint64 soon = QDateTime::currentSecsSinceEpoch() + 600;
    const QByteArray foreignKey = "Bearer "
        + Jwt::sign({ { "sub", "x" }, { "sid", "y" }, { "exp", soon } }, Crypto::randomBytes(32))
              .toLatin1();
    const QByteArray unsignedToken = "Bearer "
        + Crypto::base64Url(R"({"alg":"none","typ":"JWT"})").toLatin1() + '.'
        + Crypto::base64Url(R"({"sub":"x","sid":"y","exp":9999999999})").toLatin1() + '.';
    QJsonArray tooMany;
    for (int i = 0; i < 501; ++i)
        tooMany.append(syncChange("account", QString::number(i)));
    const QByteArray tooManyBody
        = QJsonDocument(QJsonObject { { "changes", tooMany } }).toJson(QJsonDocument::Compact);

    QTest::newRow("unknown route")
        << get << QByteArray("/nothing/here") << noBody << none << 404 << "not_found";
    QTest::newRow("trailing slash") << del << QByteArray("/account/v1/devices/") << noBody << user
                                    << 404 << "not_found";
    QTest::newRow("wrong method") << del << push << noBody << user << 405 << "method_not_allowed";
    QTest::newRow("encoded slash stays in its segment")
        << get << QByteArray("/ledgerine%2Fv1/sync/pull") << noBody << user << 404 << "not_found";
    QTest::newRow("decoded once, not twice")
        << del << QByteArray("/account/v1/devices/%252e%252e%252fprofile") << noBody << user << 404
        << "not_found";
    QTest::newRow("encoded letters are letters")
        << get << QByteArray("/account/v1/%70rofile") << noBody << user << 200 << QString();
    QTest::newRow("not UTF-8") << get << QByteArray("/account/v1/%FF") << noBody << user << 400
                               << "bad_target";
    QTest::newRow("not a path") << QByteArray("OPTIONS") << QByteArray("*") << noBody << user << 400
                                << "bad_target";
    QTest::newRow("no bearer") << get << kPull << noBody << none << 401 << "invalid_token";
    QTest::newRow("not a token") << get << kPull << noBody << QByteArray("Bearer abc.def.ghi") << 401
                                 << "invalid_token";
    QTest::newRow("another key's token")
        << get << kPull << noBody << foreignKey << 401 << "invalid_token";
    QTest::newRow("unsigned token")
        << get << me << noBody << unsignedToken << 401 << "invalid_token";
    QTest::newRow("basic credentials")
        << get << me << noBody << QByteArray("Basic YW5uOnB3") << 401 << "invalid_token";
    QTest::newRow("broken JSON") << post << push << QByteArray("{\"changes\": [") << user << 400
                                 << "invalid_json";
    QTest::newRow("JSON array body")
        << post << push << QByteArray("[]") << user << 400 << "invalid_json";
    QTest::newRow("changes not a list")
        << post << push << QByteArray(R"({"changes": {}})") << user << 400 << "invalid_request";
    QTest::newRow("501 changes") << post << push << tooManyBody << user << 413
                                 << "too_many_changes";
    for (const char* limit : { "0", "1001", "ten" })
        QTest::addRow("limit %s", limit)
            << get << kPull + "?limit=" + limit << noBody << user << 400 << "invalid_limit";
    QTest::newRow("made-up cursor")
        << get << kPull + "?cursor=AAAAAAAAAAA" << noBody << user << 400 << "invalid_cursor";
    QTest::newRow("refresh without JSON")
        << post << QByteArray("/api/v1/realms/mellowind/auth/token/refresh")
        << QByteArray("refresh_token=x") << none << 400 << "invalid_json";
    QTest::newRow("display name not text") << patch << me << QByteArray(R"({"display_name": 5})")
                                           << user << 400 << "invalid_display_name";
    QTest::newRow("device without fingerprint")
        << post << QByteArray("/account/v1/devices/register")
        << QByteArray(R"({"device_name": "PC"})") << user << 400 << "invalid_request";
}

void TestHttp::badRequestsAreRefused()
{
    QFETCH(QByteArray, method);
    QFETCH(QByteArray, target);
    QFETCH(QByteArray, body);
    QFETCH(QByteArray, authorization);
    QFETCH(int, status);
    QFETCH(QString, error);
    QList<QPair<QByteArray, QByteArray>> headers;
    if (authorization == "user")
        headers.append({ "Authorization", m_bearer });
    else if (authorization != "none")
        headers.append({ "Authorization", authorization });
    const HttpReply reply = request(m_server->port(), method, target, body, headers);
    QCOMPARE(reply.status, status);
    QCOMPARE(reply.json().value("error").toString(), error);
    if (status == 401)
        QCOMPARE(reply.header("WWW-Authenticate"), QByteArray("Bearer"));
    if (status == 405)
        QCOMPARE(reply.header("Allow"), QByteArray("POST"));
}

void TestHttp::oversizeBodyIsRefusedBeforeItArrives()
{
    // Only the head is sent: the answer must not wait for 16 MiB that never come.
    const HttpReply reply = exchange(m_server->port(),
        "POST /ledgerine/v1/sync/push HTTP/1.1\r\nHost: x\r\nAuthorization: " + m_bearer
            + "\r\nContent-Length: " + QByteArray::number(16 * 1024 * 1024 + 1) + "\r\n\r\n{",
        5000);
    QCOMPARE(reply.status, 413);
    QCOMPARE(exchange(m_server->port(), "NONSENSE\r\n\r\n", 5000).status, 400);
}

void TestHttp::stalledClientsDoNotStopOthers()
{
    // More half-sent requests than the server has threads.
    std::vector<std::unique_ptr<QTcpSocket>> stalled;
    for (int i = 0; i < 12; ++i) {
        auto socket = std::make_unique<QTcpSocket>();
        socket->connectToHost(QStringLiteral("127.0.0.1"), m_server->port());
        QVERIFY(socket->waitForConnected(5000));
        socket->write("GET /.well-known/ledgerine.json HTTP/1.1\r\nHost: x\r\n");
        socket->waitForBytesWritten(1000);
        stalled.push_back(std::move(socket));
    }
    QElapsedTimer timer;
    timer.start();
    QCOMPARE(request(m_server->port(), "GET", "/.well-known/ledgerine.json").status, 200);
    QVERIFY2(timer.elapsed() < 5000, qPrintable(QString::number(timer.elapsed())));
}

void TestHttp::servesTlsAndNamesItsServices()
{
    TestServer tls(m_backend);
    const QString fixtures = QStringLiteral(LEDGERINE_TEST_DATA);
    tls.useTls(fixtures + "/loopback-tls.crt", fixtures + "/loopback-tls.key");
    QVERIFY(tls.start());
    QSslSocket socket;
    QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
    configuration.setCaCertificates(QSslCertificate::fromPath(fixtures + "/loopback-tls.crt"));
    socket.setSslConfiguration(configuration);
    socket.connectToHostEncrypted(QStringLiteral("127.0.0.1"), tls.port());
    QVERIFY2(socket.waitForEncrypted(10000), qPrintable(socket.errorString()));
    const HttpReply reply = exchange(socket,
        "GET " + QByteArray(ServerWire::kDiscoveryPath) + " HTTP/1.1\r\nHost: 127.0.0.1:"
            + QByteArray::number(tls.port()) + "\r\n\r\n");
    QCOMPARE(reply.status, 200);
    const QJsonObject document = reply.json();
    const QString origin = tls.origin();
    QVERIFY(origin.startsWith("https://"));
    QCOMPARE(document.value(ServerWire::kService).toString(), ServerWire::kServiceName);
    QCOMPARE(document.value(ServerWire::kAuthBaseUrl).toString(), origin);
    QCOMPARE(document.value(ServerWire::kRealm).toString(), "mellowind");
    QCOMPARE(document.value(ServerWire::kClientId).toString(), "7d2e94b0c1f35a86e0b4d2c9f817a3e5");
    QCOMPARE(document.value(ServerWire::kAccountApiUrl).toString(), origin + "/account/v1");
    QCOMPARE(document.value(ServerWire::kSyncApiUrl).toString(), origin + "/ledgerine/v1");
    QCOMPARE(document.value(ServerWire::kRegistrationOpen), QJsonValue(false));
    // Plain HTTP to the TLS port gets no answer.
    QCOMPARE(request(tls.port(), "GET", ServerWire::kDiscoveryPath).status, 0);
}

void TestHttp::pushFollowsTheVersionRules()
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

void TestHttp::pullPagesInChangeOrder()
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

void TestHttp::usersSeeOnlyTheirOwn()
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

void TestHttp::concurrentPushesNeverHideFromAPull()
{
    const QByteArray bearer = m_server->bearer(m_server->addUser("busy@example.org"));
    constexpr int kWriters = 4;
    constexpr int kPushes = 10;
    constexpr int kPerPush = 25;
    std::atomic<int> writing { kWriters };
    std::vector<std::thread> writers;
    for (int writer = 0; writer < kWriters; ++writer) {
        writers.emplace_back([&, writer] {
            for (int push = 0; push < kPushes; ++push) {
                QJsonArray changes;
                for (int i = 0; i < kPerPush; ++i)
                    changes.append(syncChange(
                        "transaction", QStringLiteral("w%1-%2-%3").arg(writer).arg(push).arg(i)));
                m_server->push(bearer, changes);
            }
            --writing;
        });
    }
    // The reader follows the stream while it grows, the way a computer pulls
    // while another pushes; a change it steps past is never seen again. One
    // more full pass after the writers ended finds whatever is left.
    QStringList seen;
    QString cursor;
    for (bool writersWereDone = false;;) {
        const bool writersDone = writing.load() == 0;
        const QJsonObject page = m_server->pull(bearer, cursor, 50);
        QVERIFY(page.contains("cursor"));
        for (const QJsonValue& record : page.value("transactions").toArray())
            seen << record.toObject().value("client_id").toString();
        cursor = page.value("cursor").toString();
        if (writersWereDone && !page.value("has_more").toBool())
            break;
        writersWereDone = writersDone;
    }
    for (std::thread& writer : writers)
        writer.join();
    QCOMPARE(seen.size(), kWriters * kPushes * kPerPush);
    QCOMPARE(QSet<QString>(seen.begin(), seen.end()).size(), seen.size());
}

void TestHttp::servesFromAFreshStoreAndStopsOnSignal()
{
    QTemporaryDir empty;
    QStringList arguments = m_backend == TestServer::Backend::Sqlite
        ? QStringList { "--data-dir", empty.filePath("not/there/yet") }
        : m_server->storeArguments();
    QProcess server;
    server.start(QStringLiteral(LEDGERINE_SERVER_EXECUTABLE),
        arguments << "--listen"
                  << "127.0.0.1:0");
    QVERIFY(server.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(server.canReadLine() || server.state() != QProcess::Running, 30000);
    const QString first = QString::fromUtf8(server.readLine()).trimmed();
    const auto match
        = QRegularExpression(QStringLiteral("^listening on http://127\\.0\\.0\\.1:(\\d+)$"))
              .match(first);
    QVERIFY2(match.hasMatch(), qPrintable(first + server.readAllStandardError()));
    const quint16 port = quint16(match.captured(1).toUInt());
    QCOMPARE(request(port, "GET", "/healthz").json().value("status").toString(), "ok");

    // A request under way when the stop comes is answered; new ones are refused.
    QTcpSocket slow;
    slow.connectToHost(QHostAddress::LocalHost, port);
    QVERIFY(slow.waitForConnected(5000));
    slow.write("POST /healthz HTTP/1.1\r\nHost: x\r\nContent-Length: 4\r\n\r\nab");
    QVERIFY(slow.waitForBytesWritten(5000));
    QTest::qWait(300);
    server.terminate();
    QTest::qWait(300);
    QTcpSocket late;
    late.connectToHost(QHostAddress::LocalHost, port);
    QVERIFY(!late.waitForConnected(2000));
    slow.write("cd");
    QVERIFY(slow.waitForReadyRead(10000));
    const QByteArray answer = slow.readAll();
    QVERIFY2(answer.startsWith("HTTP/1.1 405") && answer.contains("Connection: close"),
        answer.constData());
    QVERIFY(server.waitForFinished(20000));
    QCOMPARE(server.exitStatus(), QProcess::NormalExit);
    QCOMPARE(server.exitCode(), 0);
    // One line a request, with its status and time, and nothing of what it carried.
    const QString log = QString::fromUtf8(server.readAllStandardError());
    QVERIFY2(log.contains(QRegularExpression("127\\.0\\.0\\.1 GET /healthz 200 [0-9.]+ ms")),
        qPrintable(log));
    QVERIFY2(log.contains(QRegularExpression("POST /healthz 405 [0-9.]+ ms")), qPrintable(log));
    if (m_backend == TestServer::Backend::Sqlite)
        QVERIFY(QFile::exists(empty.filePath("not/there/yet/ledgerine-server.db")));
}

void TestHttp::userCommands()
{
    const auto run = [this](const QStringList& words, const QByteArray& input = {}) {
        return runServer(m_server->storeArguments() + words, input);
    };
    Run added = run({ "user", "add", "Gus@Example.org", "--name", "Gus" }, "long enough\n");
    QVERIFY2(added.exitCode == 0, qPrintable(added.err));
    QCOMPARE(added.out, "Added gus@example.org\n");
    QCOMPARE(run({ "user", "add", "gus@example.org" }, "long enough\n").exitCode, 1);
    QCOMPARE(run({ "user", "add", "hal@example.org" }, "short\n").exitCode, 1);
    QCOMPARE(run({ "user", "add", "no-address" }, "long enough\n").exitCode, 1);
    QVERIFY(run({ "user", "list" })
                .out.contains(QRegularExpression("^gus@example.org\tGus\tactive\t20\\d\\d-",
                    QRegularExpression::MultilineOption)));
    QCOMPARE(run({ "user", "disable", "gus@example.org" }).exitCode, 0);
    const QString listed = run({ "user", "list" }).out;
    QVERIFY2(listed.contains("\tdisabled\t") && !listed.contains("hal@"), qPrintable(listed));
    QCOMPARE(run({ "user", "enable", "gus@example.org" }).exitCode, 0);
    QCOMPARE(
        run({ "user", "reset-password", "gus@example.org" }, "another long one\n").exitCode, 0);
    QCOMPARE(run({ "user", "disable", "nobody@example.org" }).exitCode, 1);
    QCOMPARE(run({ "user", "remove", "gus@example.org" }).exitCode, 2);
    const Run refused = run({ "--realm", "a/b" });
    QCOMPARE(refused.exitCode, 2);
    QCOMPARE(refused.err, "ledgerine-server: --realm takes letters, digits, '-' and '_'\n");

    QTemporaryDir folder;
    const Run backup = run({ "backup", folder.filePath("copy.db") });
    if (m_backend == TestServer::Backend::Postgres) {
        QCOMPARE(backup.exitCode, 1);
        QVERIFY2(backup.err.contains("pg_dump"), qPrintable(backup.err));
        return;
    }
    QVERIFY2(backup.exitCode == 0, qPrintable(backup.err));
    // The copy is a database of its own, users and all.
    QVERIFY(QFile::rename(folder.filePath("copy.db"), folder.filePath("ledgerine-server.db")));
    QVERIFY(
        runServer({ "--data-dir", folder.path(), "user", "list" }).out.contains("gus@example.org"));
    QCOMPARE(run({ "backup", folder.filePath("ledgerine-server.db") }).exitCode, 1);
}

void TestHttp::refusedOptions_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");
    QTest::newRow("plain HTTP off loopback")
        << QStringList { "--listen", "0.0.0.0:0" } << "refusing plain HTTP on 0.0.0.0";
    QTest::newRow("certificate without key")
        << QStringList { "--tls-cert", "cert.pem" } << "--tls-cert and --tls-key go together";
    QTest::newRow("listen without port")
        << QStringList { "--listen", "127.0.0.1" } << "--listen takes HOST:PORT";
    QTest::newRow("listen on a name")
        << QStringList { "--listen", "example.org:80" } << "--listen takes HOST:PORT";
    QTest::newRow("two stores") << QStringList { "--data-dir", "x", "--database",
        "postgresql://a@/b" } << "not both";
    QTest::newRow("other database")
        << QStringList { "--database", "mysql://a@b/c" } << "not a postgresql://";
}

void TestHttp::refusedOptions()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    ServerOptions options;
    QString refusal;
    bool help = true;
    QVERIFY(!ServerOptions::parse(QStringList("ledgerine-server") + arguments, &options, &refusal,
        &help));
    QVERIFY2(refusal.contains(message), qPrintable(refusal));
    QVERIFY(!help);
}

SERVER_TEST_MAIN(TestHttp)

#include "tst_http.moc"
