// A bounded load run against the real server on loopback: households of
// three members with two computers each sync every few seconds with random
// edits, shares and unshares; the server is killed (-9) once midway and
// started again. At the end every computer's copy must equal what the server
// lets its user see, and every acknowledged change must be there once.
// ledgerine-server-load [--seconds N] [--postgres]
#include "Crypto.h"
#include "Server.h"
#include "ServerContext.h"
#include "ServerTest.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QUrl>
#include <algorithm>
#include <atomic>
#include <mutex>
#include <thread>

namespace {

constexpr int kHouseholds = 10;
constexpr int kMembers = 3;
constexpr int kDevices = 2;
const QStringList kArrays
    = { "accounts", "categories", "recurring_transactions", "transactions", "reconciliations" };

struct Stats {
    std::mutex lock;
    QList<double> latencies;
    std::atomic<int> failures { 0 };
};

std::atomic<quint16> g_port { 0 };
Stats g_stats;
// The versions the server acknowledged, by user and client id.
std::mutex g_ackedLock;
QHash<QString, QHash<QString, int>> g_acked;

HttpReply call(const QByteArray& method, const QByteArray& target, const QByteArray& bearer,
    const QJsonObject& body = {})
{
    QElapsedTimer timer;
    timer.start();
    const HttpReply reply = request(g_port, method, target,
        method == "GET" ? QByteArray() : QJsonDocument(body).toJson(QJsonDocument::Compact),
        { { "Authorization", bearer }, { "Content-Type", "application/json" } });
    const std::lock_guard guard(g_stats.lock);
    g_stats.latencies.append(double(timer.nsecsElapsed()) / 1e6);
    if (reply.status == 0 || reply.status >= 500)
        ++g_stats.failures;
    return reply;
}

qint64 rssKb(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const auto match
        = QRegularExpression("VmRSS:\\s+(\\d+)").match(QString::fromLatin1(status.readAll()));
    return match.hasMatch() ? match.captured(1).toLongLong() : -1;
}

struct User {
    QString id;
    QByteArray bearer;
    QString account;
    QString accountServerId;
};

// One computer: its copy of what it may see, and the changes not yet acknowledged.
struct Device {
    User* user = nullptr;
    QString cursor;
    QHash<QString, QJsonObject> copy;
    QHash<QString, QJsonObject> pending;
    int serial = 0;

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
                const QString id = r.value("entity_id").toString();
                // A conflict or a refusal: the server's copy comes with the pull.
                pending.remove(id);
                if (r.value("status").toString() == "ok"
                    && !r.value("server_id").toString().isEmpty()) {
                    const std::lock_guard guard(g_ackedLock);
                    int& acked = g_acked[user->id][id];
                    acked = std::max(acked, r.value("version").toInt());
                }
            }
        }
        for (bool more = true; more;) {
            const HttpReply reply = call("GET",
                "/ledgerine/v1/sync/pull?limit=500&cursor=" + QUrl::toPercentEncoding(cursor),
                user->bearer);
            if (reply.status != 200)
                return false;
            const QJsonObject page = reply.json();
            for (const QString& array : kArrays) {
                for (const QJsonValue& value : page.value(array).toArray()) {
                    const QJsonObject record = value.toObject();
                    const QString id = record.value("client_id").toString();
                    if (!record.value("deleted_at").toString().isEmpty())
                        copy.remove(id);
                    else
                        copy.insert(id, record);
                }
            }
            cursor = page.value("cursor").toString();
            more = page.value("has_more").toBool();
        }
        return true;
    }

    void edit(QRandomGenerator& random, const QString& sharedAccount)
    {
        const QString account
            = random.bounded(2) && !sharedAccount.isEmpty() ? sharedAccount : user->account;
        const int what = random.bounded(10);
        QList<QString> mine;
        for (auto it = copy.cbegin(); it != copy.cend(); ++it) {
            if (it.value().contains("amount"))
                mine.append(it.key());
        }
        if (what < 6 || mine.isEmpty()) {
            const QString id = QStringLiteral("%1-%2").arg(user->id.left(8)).arg(++serial)
                + QStringLiteral("-%1").arg(random.generate(), 8, 16, QLatin1Char('0'));
            pending.insert(id,
                change(id, "upsert", 1,
                    { { "account_id", account }, { "amount", -random.bounded(100000) } }));
            return;
        }
        const QString id = mine.at(random.bounded(int(mine.size())));
        const QJsonObject record = copy.value(id);
        pending.insert(id,
            change(id, what < 9 ? "upsert" : "delete", record.value("version").toInt(),
                { { "account_id", record.value("account_id") },
                    { "amount", -random.bounded(100000) } }));
    }

    static QJsonObject change(
        const QString& id, const char* action, int version, QJsonObject payload)
    {
        payload.insert("client_id", id);
        return { { "entity_type", "transaction" }, { "entity_id", id }, { "action", action },
            { "version", version }, { "payload", payload } };
    }
};

QHash<QString, QJsonObject> serverView(const User& user, int* duplicates, int* lost)
{
    QHash<QString, int> versions;
    QHash<QString, QJsonObject> seen;
    QString cursor;
    for (bool more = true; more;) {
        const QJsonObject page = call("GET",
            "/ledgerine/v1/sync/pull?limit=1000&cursor=" + QUrl::toPercentEncoding(cursor),
            user.bearer)
                                     .json();
        for (const QString& array : kArrays) {
            for (const QJsonValue& value : page.value(array).toArray()) {
                const QJsonObject record = value.toObject();
                const QString id = record.value("client_id").toString();
                versions.insert(id, record.value("version").toInt());
                if (record.value("deleted_at").toString().isEmpty()) {
                    if (seen.contains(id))
                        ++*duplicates;
                    seen.insert(id, record);
                } else {
                    seen.remove(id);
                }
            }
        }
        cursor = page.value("cursor").toString();
        more = page.value("has_more").toBool();
    }
    const std::lock_guard guard(g_ackedLock);
    const QHash<QString, int> acked = g_acked.value(user.id);
    for (auto it = acked.cbegin(); it != acked.cend(); ++it) {
        if (versions.value(it.key(), -1) < it.value())
            ++*lost;
    }
    return seen;
}

QProcess* startServer(const QStringList& storeArguments, quint16 port)
{
    auto* process = new QProcess;
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process->setEnvironment(QProcess::systemEnvironment()
        << QStringLiteral("QT_LOGGING_RULES=ledgerine.server.*.info=false"));
    process->start(QStringLiteral(LEDGERINE_SERVER_EXECUTABLE),
        QStringList(storeArguments)
            << "--listen" << QStringLiteral("127.0.0.1:%1").arg(port) << "--threads"
            << "8");
    if (!process->waitForStarted() || !process->waitForReadyRead(30000))
        return process;
    const auto match
        = QRegularExpression(":(\\d+)$").match(QString::fromUtf8(process->readLine()).trimmed());
    g_port = quint16(match.captured(1).toUInt());
    return process;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    Crypto::initialize();
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
    if (g_port == 0)
        return 1;
    const quint16 port = g_port;
    const qint64 rssStart = rssKb(server->processId());

    // The users, and sessions for them, straight in the store the server uses.
    QString error;
    const QStringList storeArgs = store.storeArguments();
    const Store::Location location = backend == TestServer::Backend::Sqlite
        ? Store::sqliteLocation(storeArgs.at(1))
        : *Store::postgresLocation(storeArgs.at(1), &error);
    Server admin(location, ServerConfig());
    if (!admin.open(&error)) {
        qCritical("%s", qPrintable(error));
        return 1;
    }
    QList<User> users;
    for (int i = 0; i < kHouseholds * kMembers; ++i) {
        UserRecord added;
        admin.context().users.add(
            QStringLiteral("load%1@example.org").arg(i), QString(), QStringLiteral("x"), &added);
        const auto tokens = admin.context().sessions.open(added.id, "load", "127.0.0.1");
        users.append({ added.id, "Bearer " + tokens->access.toLatin1(),
            QStringLiteral("acct-%1").arg(i), {} });
    }
    // Households: the first of three invites the others; each has an account.
    for (int h = 0; h < kHouseholds; ++h) {
        User& owner = users[h * kMembers];
        for (int m = 0; m < kMembers; ++m) {
            User& user = users[h * kMembers + m];
            const QJsonObject account
                = Device::change(user.account, "upsert", 1, { { "name", user.account } });
            QJsonObject fixed = account;
            fixed.insert("entity_type", "account");
            user.accountServerId = call("POST", "/ledgerine/v1/sync/push", user.bearer,
                { { "changes", QJsonArray { fixed } } })
                                       .json()
                                       .value("results")
                                       .toArray()
                                       .at(0)
                                       .toObject()
                                       .value("server_id")
                                       .toString();
            if (m == 0)
                continue;
            const QString code = call("POST", "/account/v1/group/invite", owner.bearer)
                                     .json()
                                     .value("invite_code")
                                     .toString();
            call("POST", "/account/v1/group/join/" + code.toLatin1(), user.bearer);
        }
    }

    QList<Device> devices;
    for (User& user : users) {
        for (int d = 0; d < kDevices; ++d)
            devices.append(Device { &user, {}, {}, {}, 0 });
    }
    // Who sees whose account, as the owners' threads change it.
    std::mutex sharesLock;
    QHash<QString, QString> sharedWith;
    std::atomic<bool> running { true };
    QElapsedTimer clock;
    clock.start();
    std::vector<std::thread> threads;
    for (int i = 0; i < devices.size(); ++i) {
        threads.emplace_back([&, i] {
            QRandomGenerator random(quint32(i + 1));
            Device& device = devices[i];
            const int household = i / kDevices / kMembers;
            while (running) {
                std::this_thread::sleep_for(std::chrono::milliseconds(1000 + random.bounded(3000)));
                if (!running)
                    break;
                QString shared;
                {
                    const std::lock_guard guard(sharesLock);
                    for (auto it = sharedWith.cbegin(); it != sharedWith.cend(); ++it) {
                        if (it.value() == device.user->id)
                            shared = it.key();
                    }
                }
                for (int e = 0; e < 1 + random.bounded(5); ++e)
                    device.edit(random, shared);
                device.sync();
                // Now and then the first computer of a user shares or unshares its account.
                if (i % kDevices == 0 && random.bounded(6) == 0) {
                    const User& member = users.at(household * kMembers + random.bounded(kMembers));
                    if (member.id == device.user->id)
                        continue;
                    const std::lock_guard guard(sharesLock);
                    const QByteArray path
                        = "/ledgerine/v1/accounts/" + device.user->accountServerId.toLatin1();
                    if (sharedWith.contains(device.user->account)) {
                        if (call("DELETE",
                                path + "/share/"
                                    + sharedWith.value(device.user->account).toLatin1(),
                                device.user->bearer)
                                .status
                            == 204)
                            sharedWith.remove(device.user->account);
                    } else if (call("POST", path + "/share", device.user->bearer,
                                   { { "user_id", member.id } })
                                   .status
                        == 201) {
                        sharedWith.insert(device.user->account, member.id);
                    }
                }
            }
        });
    }
    // Halfway: kill -9 and start again on the same port.
    while (clock.elapsed() < seconds * 500)
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    server->kill();
    server->waitForFinished();
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    server.reset(startServer(store.storeArguments(), port));
    if (g_port != port) {
        qCritical("the server did not start again");
        return 1;
    }
    while (clock.elapsed() < seconds * 1000)
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    running = false;
    for (std::thread& thread : threads)
        thread.join();
    const double elapsed = double(clock.elapsed()) / 1000.0;
    const qint64 requests = g_stats.latencies.size();

    // Everything pushed gets through; every computer catches up.
    for (Device& device : devices) {
        for (int attempt = 0; attempt < 5 && !(device.sync() && device.pending.isEmpty());
             ++attempt) { }
        device.sync();
    }
    int mismatches = 0;
    int duplicates = 0;
    int lost = 0;
    int unsent = 0;
    for (int i = 0; i < devices.size(); ++i) {
        const Device& device = devices.at(i);
        // Once per user for what was acknowledged, once per computer for its copy.
        int userLost = 0;
        const auto view = serverView(*device.user, &duplicates, &userLost);
        if (i % kDevices == 0)
            lost += userLost;
        unsent += int(device.pending.size());
        for (auto it = view.cbegin(); it != view.cend(); ++it) {
            const QJsonObject mine = device.copy.value(it.key());
            if (mine.value("version") != it.value().value("version"))
                ++mismatches;
        }
        for (auto it = device.copy.cbegin(); it != device.copy.cend(); ++it) {
            if (!view.contains(it.key()))
                ++mismatches;
        }
    }
    QList<double> latencies = g_stats.latencies;
    std::sort(latencies.begin(), latencies.end());
    const double p99 = latencies.isEmpty() ? 0 : latencies.at(qsizetype(latencies.size() * 0.99));
    printf("%s: %d s, %lld requests, %.0f requests/s, p99 %.1f ms, %d failed (refused while down, "
           "or 5xx)\n"
           "server RSS: %lld kB at start, %lld kB at end (after the restart)\n"
           "copies differing from the server: %d, duplicated records: %d, acknowledged but "
           "lost: %d, never acknowledged: %d\n",
        qPrintable(TestServer::backendName(backend)), seconds, requests, double(requests) / elapsed,
        p99, g_stats.failures.load(), rssStart, rssKb(server->processId()), mismatches, duplicates,
        lost, unsent);
    server->terminate();
    server->waitForFinished();
    return mismatches == 0 && duplicates == 0 && lost == 0 && unsent == 0 ? 0 : 1;
}
