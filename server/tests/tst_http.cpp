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
class TestHttp : public QObject {
    Q_OBJECT

public:
    explicit TestHttp(TestServer::Backend backend)
        : m_backend(backend)
    {
    }

private Q_SLOTS:
    void initTestCase();
    void badRequestsAreRefused_data();
    void badRequestsAreRefused();
    void oversizeBodyIsRefusedBeforeItArrives();
    void stalledClientsDoNotStopOthers();
    void discoveryNamesTheServices();
    void servesTlsWithACertificate();

private:
    TestServer::Backend m_backend;
    std::unique_ptr<TestServer> m_server;
    QByteArray m_bearer;
};

void TestHttp::initTestCase()
{
    qInfo("Backend: %s", qPrintable(TestServer::backendName(m_backend)));
    m_server = std::make_unique<TestServer>(m_backend);
    QVERIFY(m_server->start());
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
    const QByteArray userRow = "user";
    const qint64 soon = QDateTime::currentSecsSinceEpoch() + 600;
    const QByteArray foreignKey = "Bearer "
        + Jwt::sign({ { "sub", "x" }, { "sid", "y" }, { "exp", soon } }, Crypto::randomBytes(32))
              .toLatin1();
    const QByteArray unsignedToken = "Bearer "
        + Crypto::base64Url(R"({"alg":"none","typ":"JWT"})").toLatin1() + '.'
        + Crypto::base64Url(R"({"sub":"x","sid":"y","exp":9999999999})").toLatin1() + '.';
    QJsonArray tooMany;
    for (int i = 0; i < 501; ++i)
        tooMany.append(
            QJsonObject { { "entity_type", "account" }, { "entity_id", QString::number(i) },
                { "action", "upsert" }, { "version", 1 }, { "payload", QJsonObject() } });
    const QByteArray tooManyBody
        = QJsonDocument(QJsonObject { { "changes", tooMany } }).toJson(QJsonDocument::Compact);

    QTest::newRow("unknown route") << QByteArray("GET") << QByteArray("/nothing/here")
                                   << QByteArray() << QByteArray("none") << 404 << "not_found";
    QTest::newRow("trailing slash")
        << QByteArray("GET") << pull + '/' << QByteArray() << userRow << 404 << "not_found";
    QTest::newRow("wrong method") << QByteArray("DELETE") << push << QByteArray() << userRow << 405
                                  << "method_not_allowed";
    QTest::newRow("encoded slash stays in its segment")
        << QByteArray("GET") << QByteArray("/ledgerine%2Fv1/sync/pull") << QByteArray() << userRow
        << 404 << "not_found";
    QTest::newRow("decoded once, not twice")
        << QByteArray("DELETE") << QByteArray("/account/v1/devices/%252e%252e%252fprofile")
        << QByteArray() << userRow << 404 << "not_found";
    QTest::newRow("encoded letters are letters")
        << QByteArray("GET") << QByteArray("/account/v1/%70rofile") << QByteArray() << userRow
        << 200 << QString();
    QTest::newRow("not UTF-8") << QByteArray("GET") << QByteArray("/account/v1/%FF") << QByteArray()
                               << userRow << 400 << "bad_target";
    QTest::newRow("not a path") << QByteArray("OPTIONS") << QByteArray("*") << QByteArray()
                                << userRow << 400 << "bad_target";
    QTest::newRow("no bearer") << QByteArray("GET") << pull << QByteArray() << QByteArray("none")
                               << 401 << "invalid_token";
    QTest::newRow("not a token") << QByteArray("GET") << pull << QByteArray()
                                 << QByteArray("Bearer abc.def.ghi") << 401 << "invalid_token";
    QTest::newRow("another key's token")
        << QByteArray("GET") << pull << QByteArray() << foreignKey << 401 << "invalid_token";
    QTest::newRow("unsigned token")
        << QByteArray("GET") << me << QByteArray() << unsignedToken << 401 << "invalid_token";
    QTest::newRow("basic credentials") << QByteArray("GET") << me << QByteArray()
                                       << QByteArray("Basic YW5uOnB3") << 401 << "invalid_token";
    QTest::newRow("broken JSON") << QByteArray("POST") << push << QByteArray("{\"changes\": [")
                                 << userRow << 400 << "invalid_json";
    QTest::newRow("JSON array body")
        << QByteArray("POST") << push << QByteArray("[]") << userRow << 400 << "invalid_json";
    QTest::newRow("changes not a list")
        << QByteArray("POST") << push << QByteArray(R"({"changes": {}})") << userRow << 400
        << "invalid_request";
    QTest::newRow("501 changes") << QByteArray("POST") << push << tooManyBody << userRow << 413
                                 << "too_many_changes";
    QTest::newRow("limit 0") << QByteArray("GET") << pull + "?limit=0" << QByteArray() << userRow
                             << 400 << "invalid_limit";
    QTest::newRow("limit 1001") << QByteArray("GET") << pull + "?limit=1001" << QByteArray()
                                << userRow << 400 << "invalid_limit";
    QTest::newRow("limit not a number") << QByteArray("GET") << pull + "?limit=ten" << QByteArray()
                                        << userRow << 400 << "invalid_limit";
    QTest::newRow("made-up cursor") << QByteArray("GET") << pull + "?cursor=AAAAAAAAAAA"
                                    << QByteArray() << userRow << 400 << "invalid_cursor";
    QTest::newRow("refresh without JSON")
        << QByteArray("POST") << QByteArray("/api/v1/realms/mellowind/auth/token/refresh")
        << QByteArray("refresh_token=x") << QByteArray("none") << 400 << "invalid_json";
    QTest::newRow("other realm") << QByteArray("GET") << QByteArray("/api/v1/realms/other/users/me")
                                 << QByteArray() << userRow << 404 << "not_found";
    QTest::newRow("display name not text")
        << QByteArray("PATCH") << me << QByteArray(R"({"display_name": 5})") << userRow << 400
        << "invalid_display_name";
    QTest::newRow("device without fingerprint")
        << QByteArray("POST") << QByteArray("/account/v1/devices/register")
        << QByteArray(R"({"device_name": "PC"})") << userRow << 400 << "invalid_request";
    QTest::newRow("someone else's session")
        << QByteArray("DELETE") << me + "/sessions/00000000-0000-0000-0000-000000000000"
        << QByteArray() << userRow << 404 << "not_found";
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

void TestHttp::discoveryNamesTheServices()
{
    const QJsonObject document = m_server->get(ServerWire::kDiscoveryPath).json();
    const QString origin = m_server->origin();
    QCOMPARE(document.value(ServerWire::kService).toString(), ServerWire::kServiceName);
    QCOMPARE(document.value(ServerWire::kAuthBaseUrl).toString(), origin);
    QCOMPARE(document.value(ServerWire::kRealm).toString(), "mellowind");
    QCOMPARE(document.value(ServerWire::kClientId).toString(), "7d2e94b0c1f35a86e0b4d2c9f817a3e5");
    QCOMPARE(document.value(ServerWire::kAccountApiUrl).toString(), origin + "/account/v1");
    QCOMPARE(document.value(ServerWire::kSyncApiUrl).toString(), origin + "/ledgerine/v1");
    QCOMPARE(document.value(ServerWire::kRegistrationOpen).toBool(), false);
}

void TestHttp::servesTlsWithACertificate()
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
    socket.write("GET /.well-known/ledgerine.json HTTP/1.1\r\nHost: 127.0.0.1:"
        + QByteArray::number(tls.port()) + "\r\nConnection: close\r\n\r\n");
    QByteArray answer;
    while (socket.waitForReadyRead(5000))
        answer += socket.readAll();
    QVERIFY2(answer.startsWith("HTTP/1.1 200"), answer.constData());
    QVERIFY(answer.contains(("\"auth_base_url\":\"" + tls.origin() + '"').toUtf8()));
    // Plain HTTP to the TLS port gets no answer.
    QCOMPARE(request(tls.port(), "GET", "/.well-known/ledgerine.json").status, 0);
}

int main(int argc, char** argv)
{
    return runOnBothBackends(
        argc, argv, [](TestServer::Backend backend) { return new TestHttp(backend); });
}

#include "tst_http.moc"
