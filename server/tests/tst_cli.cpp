#include "ServerOptions.h"
#include "ServerTest.h"

#include <QHostAddress>
#include <QProcess>
#include <QRegularExpression>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

namespace {

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

// The program itself: starting, its first line, stopping, the
// administration commands and the options it refuses.
class TestCli : public ServerTestCase {
    Q_OBJECT

public:
    using ServerTestCase::ServerTestCase;

private Q_SLOTS:
    void initTestCase();
    void servesFromAFreshStoreAndStopsOnSignal();
    void userCommands();
    void refusedOptions_data();
    void refusedOptions();

private:
    QStringList m_storeArguments;
};

void TestCli::initTestCase()
{
    qInfo("Backend: %s", qPrintable(TestServer::backendName(m_backend)));
    m_server = std::make_unique<TestServer>(m_backend);
    QVERIFY(m_server->prepareStore());
    m_storeArguments = m_server->storeArguments();
}

void TestCli::servesFromAFreshStoreAndStopsOnSignal()
{
    QTemporaryDir empty;
    QStringList arguments = m_backend == TestServer::Backend::Sqlite
        ? QStringList { "--data-dir", empty.filePath("not/there/yet") }
        : m_storeArguments;
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
    QVERIFY(port > 0);
    QCOMPARE(request(port, "GET", "/.well-known/ledgerine.json").status, 200);
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

void TestCli::userCommands()
{
    const auto run = [this](const QStringList& words, const QByteArray& input = {}) {
        return runServer(m_storeArguments + words, input);
    };
    Run added = run({ "user", "add", "Gus@Example.org", "--name", "Gus" }, "long enough\n");
    QVERIFY2(added.exitCode == 0, qPrintable(added.err));
    QCOMPARE(added.out, "Added gus@example.org\n");
    QCOMPARE(run({ "user", "add", "gus@example.org" }, "long enough\n").exitCode, 1);
    QCOMPARE(run({ "user", "add", "hal@example.org" }, "short\n").exitCode, 1);
    QCOMPARE(run({ "user", "add", "no-address" }, "long enough\n").exitCode, 1);
    QVERIFY(run({ "user", "list" })
                .out.contains(QRegularExpression("^gus@example.org\tGus\tactive\t20\\d\\d-")));
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

void TestCli::refusedOptions_data()
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

void TestCli::refusedOptions()
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

SERVER_TEST_MAIN(TestCli)

#include "tst_cli.moc"
