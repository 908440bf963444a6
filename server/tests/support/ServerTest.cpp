#include "ServerTest.h"

#include "Crypto.h"
#include "Passwords.h"
#include "ServerContext.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonDocument>
#include <QLoggingCategory>
#include <QProcess>
#include <QTcpSocket>
#include <QTest>
#include <QUrl>

QByteArray HttpReply::header(const QByteArray& name) const
{
    for (const auto& [key, value] : headers) {
        if (key.compare(name, Qt::CaseInsensitive) == 0)
            return value;
    }
    return {};
}

QJsonObject HttpReply::json() const
{
    return QJsonDocument::fromJson(body).object();
}

HttpReply exchange(quint16 port, const QByteArray& rawRequest, int timeoutMs)
{
    QTcpSocket socket;
    socket.connectToHost(QStringLiteral("127.0.0.1"), port);
    return socket.waitForConnected(timeoutMs) ? exchange(socket, rawRequest, timeoutMs)
                                              : HttpReply();
}

HttpReply exchange(QTcpSocket& socket, const QByteArray& rawRequest, int timeoutMs)
{
    socket.write(rawRequest);
    QByteArray received;
    HttpReply reply;
    QDeadlineTimer deadline(timeoutMs);
    // Until the whole body is in, or the server closes the connection.
    for (qsizetype headEnd = -1; !deadline.hasExpired();) {
        if (socket.bytesAvailable() == 0 && socket.state() != QAbstractSocket::ConnectedState)
            break;
        if (socket.bytesAvailable() == 0
            && !socket.waitForReadyRead(int(std::max<qint64>(1, deadline.remainingTime()))))
            continue;
        received += socket.readAll();
        headEnd = received.indexOf("\r\n\r\n");
        if (headEnd < 0)
            continue;
        const QList<QByteArray> lines = received.left(headEnd).split('\n');
        reply.status = lines.value(0).split(' ').value(1).toInt();
        reply.headers.clear();
        for (const QByteArray& line : lines.mid(1)) {
            const qsizetype colon = line.indexOf(':');
            if (colon > 0)
                reply.headers.append({ line.left(colon).trimmed(), line.mid(colon + 1).trimmed() });
        }
        reply.body = received.mid(headEnd + 4);
        if (reply.body.size() >= reply.header("Content-Length").toLongLong())
            return reply;
    }
    return reply;
}

HttpReply request(quint16 port, const QByteArray& method, const QByteArray& target,
    const QByteArray& body, const QList<QPair<QByteArray, QByteArray>>& headers)
{
    QByteArray raw = method + ' ' + target
        + " HTTP/1.1\r\nHost: 127.0.0.1:" + QByteArray::number(port) + "\r\nConnection: close\r\n";
    for (const auto& [name, value] : headers)
        raw += name + ": " + value + "\r\n";
    if (!body.isEmpty() || method == "POST" || method == "PATCH")
        raw += "Content-Length: " + QByteArray::number(body.size()) + "\r\n";
    return exchange(port, raw + "\r\n" + body);
}

QString postgresAdminUrl()
{
    QFile file(QStringLiteral(LEDGERINE_TEST_POSTGRES_STATE) + QStringLiteral(".url"));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()).trimmed() : QString();
}

namespace {

// Runs one statement on the cluster's admin database.
bool onAdminDatabase(const QString& statement)
{
    QString error;
    const auto admin = Store::postgresLocation(postgresAdminUrl(), &error);
    if (!admin)
        return false;
    QProcess psql;
    psql.setProcessChannelMode(QProcess::ForwardedChannels);
    psql.start(QStringLiteral("psql"),
        { "-qX", "-h", admin->host, "-p", QString::number(admin->port), "-U", admin->user, "-d",
            admin->database, "-c", statement });
    return psql.waitForFinished(60000) && psql.exitStatus() == QProcess::NormalExit
        && psql.exitCode() == 0;
}

} // namespace

TestServer::TestServer(Backend backend, const ServerConfig& config)
    : m_backend(backend)
    , m_config(config)
{
}

TestServer::~TestServer()
{
    m_server.reset();
    if (!m_database.isEmpty())
        onAdminDatabase(QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(m_database));
}

QString TestServer::backendName(Backend backend)
{
    return backend == Backend::Sqlite ? QStringLiteral("SQLite") : QStringLiteral("PostgreSQL");
}

void TestServer::useTls(const QString& certificate, const QString& key)
{
    m_certificate = certificate;
    m_key = key;
}

bool TestServer::prepareStore()
{
    m_location = Store::sqliteLocation(m_dir.path());
    if (m_backend == Backend::Sqlite)
        return true;
    const QString admin = postgresAdminUrl();
    if (admin.isEmpty()) {
        qWarning(
            "No PostgreSQL test cluster: run the tests through ctest, whose fixture starts one");
        return false;
    }
    m_database = QStringLiteral("t_") + Crypto::randomBytes(6).toHex();
    if (!onAdminDatabase(QStringLiteral("CREATE DATABASE %1").arg(m_database)))
        return false;
    QUrl url(admin);
    url.setPath(QLatin1Char('/') + m_database);
    m_url = url.toString();
    QString error;
    m_location = *Store::postgresLocation(m_url, &error);
    return true;
}

QStringList TestServer::storeArguments() const
{
    return m_backend == Backend::Sqlite ? QStringList { QStringLiteral("--data-dir"), m_dir.path() }
                                        : QStringList { QStringLiteral("--database"), m_url };
}

bool TestServer::start()
{
    if (!prepareStore())
        return false;
    m_server = std::make_unique<Server>(m_location, m_config);
    QString error;
    if (!m_server->open(&error)
        || !m_server->listen(QStringLiteral("127.0.0.1"), 0, m_certificate, m_key, &error)) {
        qWarning("The server did not start: %s", qPrintable(error));
        return false;
    }
    m_server->start(4);
    return true;
}

QString TestServer::origin() const
{
    return QStringLiteral("%1://127.0.0.1:%2")
        .arg(m_certificate.isEmpty() ? QStringLiteral("http") : QStringLiteral("https"))
        .arg(port());
}

QString TestServer::addUser(const QString& email, const QString& password)
{
    // Argon2 is slow by design: one hash serves every user with that password.
    static QHash<QString, QString> hashes;
    if (!hashes.contains(password))
        hashes.insert(password, Passwords::hash(password));
    UserRecord user;
    context().users.add(email, QString(), hashes.value(password), &user);
    return user.id;
}

QByteArray TestServer::bearer(const QString& userId)
{
    const auto tokens
        = context().sessions.open(userId, QStringLiteral("tests"), QStringLiteral("127.0.0.1"));
    return tokens ? "Bearer " + tokens->access.toLatin1() : QByteArray();
}

HttpReply TestServer::call(const QByteArray& method, const QByteArray& target,
    const QByteArray& bearer, const QJsonObject& body)
{
    QList<QPair<QByteArray, QByteArray>> headers;
    if (!bearer.isEmpty())
        headers.append({ "Authorization", bearer });
    if (method == "GET")
        return request(port(), method, target, {}, headers);
    headers.append({ QByteArray("Content-Type"), QByteArray("application/json") });
    return request(
        port(), method, target, QJsonDocument(body).toJson(QJsonDocument::Compact), headers);
}

QJsonArray TestServer::list(const QByteArray& target, const QByteArray& bearer, const char* key)
{
    return call("GET", target, bearer).json().value(QLatin1String(key)).toArray();
}

QJsonArray TestServer::push(const QByteArray& bearer, const QJsonArray& changes)
{
    const HttpReply reply
        = call("POST", "/ledgerine/v1/sync/push", bearer, { { "changes", changes } });
    if (reply.status != 200)
        qWarning("push answered %d: %s", reply.status, reply.body.constData());
    return reply.json().value("results").toArray();
}

QJsonObject TestServer::pull(const QByteArray& bearer, const QString& cursor, int limit)
{
    const HttpReply reply = call("GET", "/ledgerine/v1/sync/pull?limit=" + QByteArray::number(limit)
            + "&cursor=" + QUrl::toPercentEncoding(cursor),
        bearer);
    if (reply.status != 200)
        qWarning("pull answered %d: %s", reply.status, reply.body.constData());
    return reply.json();
}

QJsonObject syncChange(const QString& type, const QString& id, QJsonObject payload,
    const QString& action, const QJsonValue& version)
{
    payload.insert("client_id", id);
    return { { "entity_type", type }, { "entity_id", id }, { "action", action },
        { "version", version }, { "payload", payload } };
}

QStringList pushStatuses(const QJsonArray& results)
{
    QStringList statuses;
    for (const QJsonValue& result : results)
        statuses << result.toObject().value("status").toString();
    return statuses;
}

const QStringList kSyncArrays = { "accounts", "categories", "recurring_transactions",
    "transactions", "reconciliations", "csv_profiles" };

QHash<QString, QJsonObject> pulledRecords(const QJsonObject& page)
{
    QHash<QString, QJsonObject> found;
    for (const QString& array : kSyncArrays) {
        for (const QJsonValue& record : page.value(array).toArray())
            found.insert(record.toObject().value("client_id").toString(), record.toObject());
    }
    return found;
}

bool ServerTestCase::startServer(const ServerConfig& config)
{
    qInfo("Backend: %s", qPrintable(TestServer::backendName(m_backend)));
    m_server = std::make_unique<TestServer>(m_backend, config);
    return m_server->start();
}

int runOnBothBackends(
    int argc, char** argv, const std::function<QObject*(TestServer::Backend)>& make)
{
    QCoreApplication app(argc, argv);
    Crypto::initialize();
    // The server's progress lines would bury the test's own output.
    QLoggingCategory::setFilterRules(QStringLiteral("ledgerine.server.*.info=false"));
    int failures = 0;
    for (const auto backend : { TestServer::Backend::Sqlite, TestServer::Backend::Postgres }) {
        const std::unique_ptr<QObject> test(make(backend));
        failures += QTest::qExec(test.get(), argc, argv);
    }
    return failures;
}
