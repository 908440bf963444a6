#pragma once

#include "Server.h"
#include "ServerConfig.h"

#include <QByteArray>
#include <QHash>
#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QPair>
#include <QTemporaryDir>
#include <functional>
#include <memory>

struct ServerContext;
class QTcpSocket;

// What came back from one HTTP exchange.
struct HttpReply {
    int status = 0;
    QList<QPair<QByteArray, QByteArray>> headers;
    QByteArray body;

    QByteArray header(const QByteArray& name) const;
    QJsonObject json() const;
};

// Bytes to a loopback port and the answer read back, over a plain blocking
// socket: the test says exactly what goes on the wire (odd targets, broken
// JSON, a lying Content-Length), whatever a client library would tidy up.
HttpReply exchange(quint16 port, const QByteArray& rawRequest, int timeoutMs = 30000);
// The same over a connected socket (TLS too); the answer ends with its body.
HttpReply exchange(QTcpSocket& socket, const QByteArray& rawRequest, int timeoutMs = 30000);
HttpReply request(quint16 port, const QByteArray& method, const QByteArray& target,
    const QByteArray& body = {}, const QList<QPair<QByteArray, QByteArray>>& headers = {});

// The real server in this process on a free loopback port, over a fresh
// database of the backend under test: an SQLite folder of its own, or a new
// database in the PostgreSQL cluster the test command started.
class TestServer {
public:
    enum class Backend { Sqlite, Postgres };

    explicit TestServer(Backend backend, const ServerConfig& config = {});
    ~TestServer();

    // Serves HTTPS with these PEM files; call before start().
    void useTls(const QString& certificate, const QString& key);
    // False (with a warning saying why) when the server or its database cannot start.
    bool start();
    // Only the fresh database, for the program started as a process.
    bool prepareStore();
    // The command-line options naming that database.
    QStringList storeArguments() const;
    const Store::Location& location() const { return m_location; }
    quint16 port() const { return m_server->port(); }
    QString origin() const;
    ServerContext& context() { return m_server->context(); }

    // A user with this password; the user's id.
    QString addUser(
        const QString& email, const QString& password = QStringLiteral("correct horse"));
    // A session's bearer header value for a user, as a sign-in would open.
    QByteArray bearer(const QString& userId);
    // A GET, or any other method with `body` as JSON.
    HttpReply call(const QByteArray& method, const QByteArray& target,
        const QByteArray& bearer = {}, const QJsonObject& body = {});
    // The array `key` of a GET's answer.
    QJsonArray list(const QByteArray& target, const QByteArray& bearer, const char* key);
    // The results of a sync push.
    QJsonArray push(const QByteArray& bearer, const QJsonArray& changes);
    // One page of a sync pull.
    QJsonObject pull(const QByteArray& bearer, const QString& cursor = {}, int limit = 200);

    static QString backendName(Backend backend);

private:
    Backend m_backend;
    ServerConfig m_config;
    QTemporaryDir m_dir;
    QString m_database;
    Store::Location m_location;
    QString m_url;
    QString m_certificate;
    QString m_key;
    std::unique_ptr<Server> m_server;
};

// One change of a sync push; its payload names the record's client id.
QJsonObject syncChange(const QString& type, const QString& id, QJsonObject payload = {},
    const QString& action = QStringLiteral("upsert"), const QJsonValue& version = 1);
// The "status" of each result of a push.
QStringList pushStatuses(const QJsonArray& results);
// The record lists every pull page holds.
extern const QStringList kSyncArrays;
// Every record of a pull page, by client id.
QHash<QString, QJsonObject> pulledRecords(const QJsonObject& page);

// A test object of the server's: one backend, and its server once started.
class ServerTestCase : public QObject {
public:
    explicit ServerTestCase(TestServer::Backend backend)
        : m_backend(backend)
    {
    }

protected:
    // Names the backend in the output and starts m_server over a fresh database.
    bool startServer(const ServerConfig& config = {});

    TestServer::Backend m_backend;
    std::unique_ptr<TestServer> m_server;
};

// Runs the test object once per backend (SQLite, then PostgreSQL), each run
// with a fresh object from `make`; non-zero when either run failed.
int runOnBothBackends(
    int argc, char** argv, const std::function<QObject*(TestServer::Backend)>& make);

#define SERVER_TEST_MAIN(TestObject)                                                               \
    int main(int argc, char** argv)                                                                \
    {                                                                                              \
        return runOnBothBackends(                                                                  \
            argc, argv, [](TestServer::Backend backend) { return new TestObject(backend); });      \
    }

// The URL of the test cluster's admin database, or empty (the test then fails).
QString postgresAdminUrl();
