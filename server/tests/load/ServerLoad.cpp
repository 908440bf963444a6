// A bounded load run against the real server on loopback: households of
// three members with two computers each sync every few seconds with random
// edits, shares and unshares; the server is killed (-9) once midway and
// started again. At the end every computer's copy must equal what the server
// lets its user see, and every acknowledged change must be there once.
// ledgerine-server-load [--seconds N] [--postgres]
#include "Crypto.h"
#include "ServerContext.h"
#include "ServerTest.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLoggingCategory>
#include <QProcess>
#include <QRandomGenerator>
#include <QUrl>
#include <atomic>
#include <mutex>
#include <vector>
#include <thread>

namespace {

constexpr int kHouseholds = 10;
constexpr int kMembers = 3;
constexpr int kDevices = 2;

std::atomic<quint16> g_port { 0 };
std::atomic<int> g_requests { 0 };
std::atomic<int> g_failures { 0 };
// The versions the server acknowledged, by user and client id.
std::mutex g_ackedLock;
QHash<QString, QHash<QString, int>> g_acked;

HttpReply call(const QByteArray& method, const QByteArray& target, const QByteArray& bearer,
    const QJsonObject& body = {})
{
    const HttpReply reply = request(g_port, method, target,
        method == "GET" ? QByteArray() : QJsonDocument(body).toJson(QJsonDocument::Compact),
        { { "Authorization", bearer }, { "Content-Type", "application/json" } });
    ++g_requests;
    if (reply.status == 0 || reply.status >= 500)
        ++g_failures;
    return reply;
}

struct User {
    QString id;
    QByteArray bearer;
    QString account;
    QString accountServerId;
};

// One computer: its copy of what it may see, and the changes not yet acknowledged.
struct Device {
    explicit Device(const User* owner)
        : user(owner)
    {
    }

    const User* user;
    QString cursor;
    QHash<QString, QJsonObject> copy;
    // Every record's last version pulled, deleted ones too.
    QHash<QString, int> versions;
    QHash<QString, QJsonObject> pending;
    // Records that came twice within one sync.
    int repeats = 0;

    bool sync()
    {
        if (!pending.isEmpty()) {
            QJsonArray changes;
            for (const QJsonObject& change : std::as_const(pending))
                changes.append(change);
            const HttpReply reply
                = call("POST", "/ledgerine/v1/sync/push", user->bearer, { { "changes", changes } });
            if (reply.status != 200)
                return false;
            for (const QJsonValue& result : reply.json().value("results").toArray()) {
                const QJsonObject r = result.toObject();
                // A conflict or a refusal: the server's copy comes with the pull.
                pending.remove(r.value("entity_id").toString());
                if (r.value("status").toString() == "ok" && !r.value("server_id").toString().isEmpty()) {
                    const std::lock_guard guard(g_ackedLock);
                    int& acked = g_acked[user->id][r.value("entity_id").toString()];
                    acked = std::max(acked, r.value("version").toInt());
                }
            }
        }
        QSet<QString> seen;
        for (bool more = true; more;) {
            const HttpReply reply = call("GET",
                "/ledgerine/v1/sync/pull?limit=500&cursor=" + QUrl::toPercentEncoding(cursor),
                user->bearer);
            if (reply.status != 200)
                return false;
            const auto records = pulledRecords(reply.json());
            for (auto it = records.cbegin(); it != records.cend(); ++it) {
                repeats += seen.contains(it.key()) ? 1 : 0;
                seen.insert(it.key());
                versions.insert(it.key(), it.value().value("version").toInt());
                if (it.value().value("deleted_at").toString().isEmpty())
                    copy.insert(it.key(), it.value());
                else
                    copy.remove(it.key());
            }
            cursor = reply.json().value("cursor").toString();
            more = reply.json().value("has_more").toBool();
        }
        return true;
    }

    void edit(QRandomGenerator& random, const QString& sharedAccount)
    {
        const QString account
            = random.bounded(2) && !sharedAccount.isEmpty() ? sharedAccount : user->account;
        const int what = random.bounded(10);
        QStringList mine;
        for (auto it = copy.cbegin(); it != copy.cend(); ++it) {
            if (it.value().contains("amount"))
                mine.append(it.key());
        }
        const QJsonObject payload { { "amount", -random.bounded(100000) } };
        if (what < 6 || mine.isEmpty()) {
            const QString id = QStringLiteral("%1-%2").arg(user->id.left(8)).arg(random.generate64());
            QJsonObject fresh = payload;
            fresh.insert("account_id", account);
            pending.insert(id, syncChange("transaction", id, fresh));
            return;
        }
        const QString id = mine.at(random.bounded(int(mine.size())));
        QJsonObject changed = payload;
        changed.insert("account_id", copy.value(id).value("account_id"));
        pending.insert(id,
            syncChange("transaction", id, changed, what < 9 ? "upsert" : "delete",
                copy.value(id).value("version")));
    }
};

QProcess* startServer(const QStringList& storeArguments, quint16 port)
{
    auto* process = new QProcess;
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process->setEnvironment(QProcess::systemEnvironment()
        << QStringLiteral("QT_LOGGING_RULES=ledgerine.server.*.info=false"));
    process->start(QStringLiteral(LEDGERINE_SERVER_EXECUTABLE),
        QStringList(storeArguments) << "--listen" << QStringLiteral("127.0.0.1:%1").arg(port)
                                    << "--threads" << "8");
    // Its first line names the port: "listening on http://127.0.0.1:PORT".
    const bool up = process->waitForStarted() && process->waitForReadyRead(30000);
    g_port = up ? quint16(QString::fromUtf8(process->readLine()).section(':', -1).toUInt()) : 0;
    return process;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    Crypto::initialize();
    QLoggingCategory::setFilterRules(QStringLiteral("ledgerine.server.*.info=false"));
    const QStringList arguments = app.arguments();
    const qsizetype secondsAt = arguments.indexOf("--seconds");
    const int seconds = secondsAt > 0 ? arguments.value(secondsAt + 1).toInt() : 180;
    const auto backend = arguments.contains("--postgres") ? TestServer::Backend::Postgres
                                                          : TestServer::Backend::Sqlite;
    TestServer store(backend);
    if (seconds < 1 || !store.prepareStore()) {
        qCritical("usage: ledgerine-server-load [--seconds N] [--postgres] (PostgreSQL needs the "
                  "test cluster of postgres-cluster.sh)");
        return 2;
    }
    std::unique_ptr<QProcess> server(startServer(store.storeArguments(), 0));
    const quint16 port = g_port;
    if (port == 0)
        return 1;

    // The users, and sessions for them, straight in the store the server uses.
    Server admin(store.location(), ServerConfig());
    if (QString error; !admin.open(&error))
        qFatal("%s", qPrintable(error));
    QList<User> users;
    for (int i = 0; i < kHouseholds * kMembers; ++i) {
        UserRecord added;
        admin.context().users.add(
            QStringLiteral("load%1@example.org").arg(i), QString(), QStringLiteral("x"), &added);
        const auto tokens = admin.context().sessions.open(added.id, "load", "127.0.0.1");
        User user { added.id, "Bearer " + tokens->access.toLatin1(),
            QStringLiteral("acct-%1").arg(i), {} };
        const QJsonArray account { syncChange("account", user.account, { { "name", "A" } }) };
        user.accountServerId
            = call("POST", "/ledgerine/v1/sync/push", user.bearer, { { "changes", account } })
                  .json()
                  .value("results")[0]["server_id"]
                  .toString();
        // The first of three invites the others.
        if (i % kMembers != 0) {
            const QString code
                = call("POST", "/account/v1/group/invite", users.at(i - i % kMembers).bearer)
                      .json()
                      .value("invite_code")
                      .toString();
            call("POST", "/account/v1/group/join/" + code.toLatin1(), user.bearer);
        }
        users.append(user);
    }

    QList<Device> devices;
    for (const User& user : users)
        devices.append(QList<Device>(kDevices, Device(&user)));
    // Each user's account goes to the next member of the household and back
    // again, as the user's first computer decides.
    std::vector<std::atomic<bool>> shared(users.size());
    const auto neighbour = [](int user, int step) {
        return user - user % kMembers + (user % kMembers + step + kMembers) % kMembers;
    };
    std::atomic<bool> running { true };
    QElapsedTimer clock;
    clock.start();
    std::vector<std::thread> threads;
    for (int i = 0; i < devices.size(); ++i) {
        threads.emplace_back([&, i] {
            QRandomGenerator random(quint32(i + 1));
            Device& device = devices[i];
            const int me = i / kDevices;
            const User& user = users.at(me);
            while (running) {
                std::this_thread::sleep_for(std::chrono::milliseconds(1000 + random.bounded(3000)));
                const int from = neighbour(me, -1);
                for (int e = 0; e < 1 + random.bounded(5); ++e)
                    device.edit(random, shared[from] ? users.at(from).account : QString());
                device.sync();
                if (i % kDevices != 0 || random.bounded(6) != 0)
                    continue;
                const QByteArray path = "/ledgerine/v1/accounts/" + user.accountServerId.toLatin1();
                const QString with = users.at(neighbour(me, 1)).id;
                if (shared[me])
                    shared[me] = call("DELETE", path + "/share/" + with.toLatin1(), user.bearer)
                                     .status
                        != 204;
                else
                    shared[me] = call("POST", path + "/share", user.bearer, { { "user_id", with } })
                                     .status
                        == 201;
            }
        });
    }
    // Halfway: kill -9 and start again on the same port.
    const auto waitUntil = [&](qint64 ms) {
        while (clock.elapsed() < ms)
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
    };
    waitUntil(seconds * 500);
    server->kill();
    server->waitForFinished();
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    server.reset(startServer(store.storeArguments(), port));
    if (g_port != port) {
        qCritical("the server did not start again");
        return 1;
    }
    waitUntil(seconds * 1000);
    running = false;
    for (std::thread& thread : threads)
        thread.join();
    const double elapsed = double(clock.elapsed()) / 1000.0;
    const int requests = g_requests;

    // Everything pushed gets through; every computer catches up.
    for (Device& device : devices) {
        for (int attempt = 0; attempt < 5 && !(device.sync() && device.pending.isEmpty());)
            ++attempt;
        device.sync();
    }
    int mismatches = 0;
    int repeats = 0;
    int lost = 0;
    int unsent = 0;
    for (int i = 0; i < devices.size(); ++i) {
        const Device& device = devices.at(i);
        Device view(device.user);
        view.sync();
        repeats += view.repeats;
        unsent += int(device.pending.size());
        for (auto it = view.copy.cbegin(); it != view.copy.cend(); ++it)
            mismatches += device.copy.value(it.key()).value("version") != it.value()["version"];
        for (auto it = device.copy.cbegin(); it != device.copy.cend(); ++it)
            mismatches += view.copy.contains(it.key()) ? 0 : 1;
        // What was acknowledged, once per user.
        const std::lock_guard guard(g_ackedLock);
        const QHash<QString, int> acked = g_acked.value(device.user->id);
        for (auto it = acked.cbegin(); i % kDevices == 0 && it != acked.cend(); ++it)
            lost += view.versions.value(it.key(), -1) < it.value() ? 1 : 0;
    }
    printf("%s: %d s, %d requests, %.0f requests/s, %d failed (refused while down, or 5xx)\n"
           "copies differing from the server: %d, duplicated records: %d, acknowledged but "
           "lost: %d, never acknowledged: %d\n",
        qPrintable(TestServer::backendName(backend)), seconds, requests, requests / elapsed,
        g_failures.load(), mismatches, repeats, lost, unsent);
    server->terminate();
    server->waitForFinished();
    return mismatches == 0 && repeats == 0 && lost == 0 && unsent == 0 ? 0 : 1;
}
