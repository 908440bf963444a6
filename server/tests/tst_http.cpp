#include "Crypto.h"
#include "Jwt.h"
#include "ServerTest.h"
#include "ServerWire.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSslConfiguration>
#include <QSslSocket>
#include <QTcpSocket>
#include <QTest>

// The server as any HTTP client meets it: routing, bad input, limits, slow
// clients, discovery and TLS.
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
    const QByteArray pull = "/ledgerine/v1/sync/pull";
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
    QTest::newRow("no bearer") << get << pull << noBody << none << 401 << "invalid_token";
    QTest::newRow("not a token") << get << pull << noBody << QByteArray("Bearer abc.def.ghi") << 401
                                 << "invalid_token";
    QTest::newRow("another key's token")
        << get << pull << noBody << foreignKey << 401 << "invalid_token";
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
            << get << pull + "?limit=" + limit << noBody << user << 400 << "invalid_limit";
    QTest::newRow("made-up cursor")
        << get << pull + "?cursor=AAAAAAAAAAA" << noBody << user << 400 << "invalid_cursor";
    QTest::newRow("refresh without JSON")
        << post << QByteArray("/api/v1/realms/mellowind/auth/token/refresh")
        << QByteArray("refresh_token=x") << none << 400 << "invalid_json";
    QTest::newRow("display name not text") << patch << me << QByteArray(R"({"display_name": 5})")
                                           << user << 400 << "invalid_display_name";
    QTest::newRow("device without fingerprint")
        << post << QByteArray("/account/v1/devices/register")
        << QByteArray(R"({"device_name": "PC"})") << user << 400 << "invalid_request";
    QTest::newRow("someone else's session")
        << del << me + "/sessions/00000000-0000-0000-0000-000000000000" << noBody << user << 404
        << "not_found";
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

SERVER_TEST_MAIN(TestHttp)

#include "tst_http.moc"
