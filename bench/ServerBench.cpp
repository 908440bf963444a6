#include "BenchHarness.h"
#include "BenchHttpClient.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
#include <QUrlQuery>
#include <QUuid>
#include <algorithm>
#include <atomic>
#include <mutex>
#include <thread>

// ledgerine-server on loopback, on SQLite and on PostgreSQL: one computer
// pushing and pulling 10,000 records, then 50 households at once, each with
// the same rows inserted by plain SQL as the baseline.
namespace {

const QString kPassword = QStringLiteral("benchmark password");
const QByteArray kClient = "7d2e94b0c1f35a86e0b4d2c9f817a3e5";
constexpr int kBatch = 500;

struct Backend {
    QString name;
    QStringList storeOptions;
    // A connection to an empty database of the same kind, for the baseline.
    std::function<QSqlDatabase()> baselineDatabase;
};

// A transaction as the desktop pushes it.
QJsonObject change(const QString& id, int i)
{
    return { { "entity_type", "transaction" }, { "entity_id", id }, { "action", "upsert" },
        { "version", 1 },
        { "payload",
            QJsonObject { { "client_id", id },
                { "account_id", "3f1c2a9e-55a1-4c1e-9d5e-0a6f1b2c3d4e" },
                { "date", QDate(2024, 1, 1).addDays(i % 700).toString(Qt::ISODate) },
                { "payee", QStringLiteral("Payee %1").arg(i % 500) },
                { "memo", i % 3 ? QString() : QStringLiteral("memo %1").arg(i) },
                { "amount", -(100 + i) }, { "category_id", "8d2e7c1a-1b2c-4d5e-8f90-123456789abc" },
                { "check_number", "" }, { "cleared", i % 2 == 0 }, { "reconciled", false },
                { "transfer_link_id", "" }, { "transfer_dest_account_id", "" },
                { "is_split", false }, { "recurring_id", "" }, { "version", 1 },
                { "created_at", "2025-06-18T09:30:00Z" },
                { "updated_at", "2025-06-18T09:30:00Z" } } } };
}

QList<QJsonArray> batches(const QString& prefix, int count)
{
    QList<QJsonArray> all;
    for (int i = 0; i < count; ++i) {
        if (i % kBatch == 0)
            all.append(QJsonArray());
        all.last().append(change(QStringLiteral("%1-%2").arg(prefix).arg(i), i));
    }
    return all;
}

QByteArray body(const QJsonArray& changes)
{
    return QJsonDocument(QJsonObject { { "changes", changes } }).toJson(QJsonDocument::Compact);
}

double percentile(QList<double> values, double p)
{
    if (values.isEmpty())
        return 0;
    std::sort(values.begin(), values.end());
    return values.at(std::min(values.size() - 1, qsizetype(p * double(values.size()))));
}

// The server's peak resident memory so far.
double peakMb(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    }
    return -1;
}

bool addUser(const QStringList& storeOptions, const QString& email)
{
    QProcess add;
    add.start(QStringLiteral(LEDGERINE_SERVER_EXECUTABLE),
        storeOptions + QStringList { "user", "add", email });
    add.write(kPassword.toUtf8() + '\n');
    add.closeWriteChannel();
    return add.waitForFinished(60000) && add.exitCode() == 0;
}

// Through the sign-in page as a browser would: the bearer header value.
QByteArray signIn(quint16 port, const QString& email)
{
    BenchHttpClient client(port);
    const QByteArray redirect
        = QUrl::toPercentEncoding(QStringLiteral("http://localhost:1/callback"));
    const auto page = client.request("GET",
        "/mellowind/account/login?client_id=" + kClient + "&redirect_uri=" + redirect + "&state=b");
    const QString token
        = QRegularExpression(QStringLiteral("name=\"form_token\" value=\"([^\"]+)\""))
              .match(QString::fromUtf8(page.body))
              .captured(1);
    const QByteArray form = "client_id=" + kClient + "&redirect_uri=" + redirect
        + "&state=b&form_token=" + token.toLatin1() + "&email=" + QUrl::toPercentEncoding(email)
        + "&password=" + QUrl::toPercentEncoding(kPassword);
    const auto answer = client.request("POST", "/mellowind/account/login", form,
        { { "Content-Type", "application/x-www-form-urlencoded" },
            { "Cookie", page.header("set-cookie").split(';').value(0) } });
    const QUrlQuery fragment(
        QUrl::fromEncoded(answer.header("location")).fragment(QUrl::FullyEncoded));
    return "Bearer " + fragment.queryItemValue(QStringLiteral("access_token")).toLatin1();
}

// Pulls everything from the start; the client ids seen, in order.
QStringList pullAll(
    BenchHttpClient& client, const QByteArray& bearer, int limit, QList<double>* latencies)
{
    QStringList seen;
    QString cursor;
    for (int page = 0; page < 100000; ++page) {
        QElapsedTimer timer;
        timer.start();
        const auto reply = client.request("GET",
            "/ledgerine/v1/sync/pull?limit=" + QByteArray::number(limit)
                + "&cursor=" + QUrl::toPercentEncoding(cursor),
            {}, { { "Authorization", bearer } });
        if (latencies)
            latencies->append(timer.nsecsElapsed() / 1e6);
        const QJsonObject json = QJsonDocument::fromJson(reply.body).object();
        if (reply.status != 200)
            break;
        for (const QJsonValue& record : json.value("transactions").toArray())
            seen << record.toObject().value("client_id").toString();
        cursor = json.value("cursor").toString();
        if (!json.value("has_more").toBool())
            break;
    }
    return seen;
}

// The same rows the server stores, inserted by plain SQL in one transaction.
double baselineInsert(QSqlDatabase db, const QString& prefix, int count)
{
    QSqlQuery query(db);
    QElapsedTimer timer;
    timer.start();
    db.transaction();
    query.prepare(QStringLiteral(
        "INSERT INTO records (server_id, owner_id, entity_type, client_id, version, "
        "seq, deleted, body, change_hash, updated_at) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    for (int i = 0; i < count; ++i) {
        const QString id = QStringLiteral("%1-%2").arg(prefix).arg(i);
        QJsonObject stored = change(id, i).value("payload").toObject();
        stored.insert("id", QUuid::createUuid().toString(QUuid::WithoutBraces));
        stored.insert("version", 2);
        const QByteArray json = QJsonDocument(stored).toJson(QJsonDocument::Compact);
        for (const QVariant& value :
            QVariantList { stored.value("id").toString(), QStringLiteral("owner"),
                QStringLiteral("transaction"), id, 2, i + 1, 0, QString::fromUtf8(json),
                QString::fromLatin1(
                    QCryptographicHash::hash(json, QCryptographicHash::Sha256).toHex()),
                0 })
            query.addBindValue(value);
        if (!query.exec())
            qWarning("baseline insert: %s", qPrintable(query.lastError().text()));
    }
    db.commit();
    return timer.nsecsElapsed() / 1e6;
}

double baselineSelect(QSqlDatabase db)
{
    QElapsedTimer timer;
    timer.start();
    QSqlQuery query(db);
    query.setForwardOnly(true);
    query.exec(QStringLiteral(
        "SELECT seq, entity_type, body FROM records WHERE owner_id = 'owner' ORDER BY seq"));
    qint64 bytes = 0;
    while (query.next())
        bytes += query.value(2).toString().toUtf8().size();
    return timer.nsecsElapsed() / 1e6;
}

bool createSchema(QSqlDatabase db, const QString& dialect)
{
    QFile script(QStringLiteral(LEDGERINE_SERVER_MIGRATIONS "/%1/001_initial.sql").arg(dialect));
    if (!script.open(QIODevice::ReadOnly))
        return false;
    QStringList lines;
    for (const QString& line : QString::fromUtf8(script.readAll()).split('\n')) {
        if (!line.trimmed().startsWith(QLatin1String("--")))
            lines << line;
    }
    QSqlQuery query(db);
    for (const QString& statement : lines.join('\n').split(';')) {
        if (!statement.trimmed().isEmpty() && !query.exec(statement))
            return false;
    }
    return query.exec(QStringLiteral("INSERT INTO users (id, email, password_hash, created_at) "
                                     "VALUES ('owner', 'owner@example.org', '', 0)"));
}

void measure(const Bench::Context& context, const Backend& backend)
{
    const int rows = std::max(500, int(10000 * context.scale));
    const int clients = 50;
    const int perClient = std::max(100, int(1000 * context.scale));

    QProcess server;
    server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    server.start(QStringLiteral(LEDGERINE_SERVER_EXECUTABLE),
        backend.storeOptions + QStringList { "--listen", "127.0.0.1:0", "--threads", "8" });
    if (!server.waitForStarted() || !server.waitForReadyRead(60000)) {
        Bench::note(backend.name + QStringLiteral(": the server did not start"));
        return;
    }
    const quint16 port
        = quint16(QString::fromUtf8(server.readLine()).trimmed().section(':', -1).toUInt());
    QList<QByteArray> bearers;
    for (int i = 0; i <= clients; ++i) {
        const QString email = QStringLiteral("household%1@example.org").arg(i);
        if (!addUser(backend.storeOptions, email))
            Bench::note(QStringLiteral("cannot add %1").arg(email));
        bearers << signIn(port, email);
    }

    // One computer: its first push of everything, and another's first pull.
    BenchHttpClient one(port);
    const QList<QJsonArray> pushes = batches(QStringLiteral("one"), rows);
    QList<QByteArray> bodies;
    for (const QJsonArray& changes : pushes)
        bodies << body(changes);
    QElapsedTimer timer;
    timer.start();
    int refused = 0;
    for (const QByteArray& request : bodies)
        refused += one.request("POST", "/ledgerine/v1/sync/push", request,
                          { { "Authorization", bearers.at(0) } })
                       .status
            != 200;
    const double pushMs = timer.nsecsElapsed() / 1e6;
    const auto freshBaseline = [&backend] {
        QSqlDatabase db = backend.baselineDatabase();
        if (!db.isOpen() || !createSchema(db, backend.name == "SQLite" ? "sqlite" : "postgresql"))
            Bench::note(QStringLiteral("no baseline database: ") + db.lastError().text());
        return db;
    };
    QSqlDatabase baseline = freshBaseline();
    const double insertMs
        = baseline.isOpen() ? baselineInsert(baseline, QStringLiteral("one"), rows) : -1;
    Bench::report(QStringLiteral("%1: push %2 changes (%3 requests of %4)")
                      .arg(backend.name)
                      .arg(rows)
                      .arg(bodies.size())
                      .arg(kBatch),
        pushMs, insertMs > 0 ? std::optional(insertMs) : std::nullopt,
        backend.name == "SQLite" ? QStringLiteral("< 1 s") : QString());
    if (refused > 0)
        Bench::note(QStringLiteral("%1 pushes refused").arg(refused));

    for (const int limit : { 1000, 200 }) {
        timer.restart();
        const QStringList seen = pullAll(one, bearers.at(0), limit, nullptr);
        const double pullMs = timer.nsecsElapsed() / 1e6;
        Bench::report(QStringLiteral("%1: pull %2 records, pages of %3")
                          .arg(backend.name)
                          .arg(seen.size())
                          .arg(limit),
            pullMs, baseline.isOpen() ? std::optional(baselineSelect(baseline)) : std::nullopt,
            backend.name == "SQLite" && limit == 1000 ? QStringLiteral("< 0.5 s") : QString());
    }

    // Fifty households at once, each pushing its rows and pulling them back.
    std::atomic<int> lost { 0 };
    std::atomic<int> duplicated { 0 };
    std::atomic<int> failed { 0 };
    std::mutex mutex;
    QList<double> pushLatencies;
    QList<double> pullLatencies;
    const QDeadlineTimer deadline(600000);
    timer.restart();
    std::vector<std::thread> threads;
    for (int c = 0; c < clients; ++c) {
        threads.emplace_back([&, c] {
            BenchHttpClient client(port);
            const QString prefix = QStringLiteral("c%1").arg(c);
            QList<double> pushed;
            QList<double> pulled;
            for (const QJsonArray& changes : batches(prefix, perClient)) {
                if (deadline.hasExpired())
                    break;
                QElapsedTimer each;
                each.start();
                failed += client
                              .request("POST", "/ledgerine/v1/sync/push", body(changes),
                                  { { "Authorization", bearers.at(c + 1) } })
                              .status
                    != 200;
                pushed << each.nsecsElapsed() / 1e6;
            }
            const QStringList seen = pullAll(client, bearers.at(c + 1), 200, &pulled);
            const QSet<QString> distinct(seen.begin(), seen.end());
            duplicated += int(seen.size() - distinct.size());
            lost += perClient - int(distinct.size());
            std::lock_guard lock(mutex);
            pushLatencies << pushed;
            pullLatencies << pulled;
        });
    }
    for (std::thread& thread : threads)
        thread.join();
    const double concurrentMs = timer.nsecsElapsed() / 1e6;
    QSqlDatabase many = freshBaseline();
    const double manyMs
        = many.isOpen() ? baselineInsert(many, QStringLiteral("many"), clients * perClient) : -1;
    const int requests = int(pushLatencies.size() + pullLatencies.size());
    Bench::report(QStringLiteral("%1: %2 clients at once, each pushing %3 changes and pulling them")
                      .arg(backend.name)
                      .arg(clients)
                      .arg(perClient),
        concurrentMs, manyMs > 0 ? std::optional(manyMs) : std::nullopt);
    Bench::note(QStringLiteral(
        "%1 requests, %2 per second; push p50 %3 ms, p99 %4 ms; pull page p50 %5 ms, p99 %6 ms")
                    .arg(requests)
                    .arg(qRound(requests / (concurrentMs / 1000.0)))
                    .arg(percentile(pushLatencies, 0.5), 0, 'f', 1)
                    .arg(percentile(pushLatencies, 0.99), 0, 'f', 1)
                    .arg(percentile(pullLatencies, 0.5), 0, 'f', 1)
                    .arg(percentile(pullLatencies, 0.99), 0, 'f', 1));
    Bench::note(
        QStringLiteral(
            "records lost %1, duplicated %2, failed requests %3%4; peak server memory %5 MB")
            .arg(lost.load())
            .arg(duplicated.load())
            .arg(failed.load())
            .arg(deadline.hasExpired() ? QStringLiteral(" (stopped at the time limit)") : QString())
            .arg(peakMb(server.processId()), 0, 'f', 1));
    server.terminate();
    server.waitForFinished(30000);
}

void run(Bench::Context& context)
{
    Bench::printHeader(QStringLiteral("server"));
    Bench::note(QStringLiteral("load average before measuring: %1").arg(Bench::loadAverage()));

    const QString sqliteDir = QDir(context.workDir).filePath(QStringLiteral("server-sqlite"));
    const QString sqliteBaseline = QDir(context.workDir).filePath(QStringLiteral("baseline.db"));
    measure(context,
        { QStringLiteral("SQLite"), { "--data-dir", sqliteDir }, [sqliteBaseline] {
             QSqlDatabase db = QSqlDatabase::contains(QStringLiteral("baseline"))
                 ? QSqlDatabase::database(QStringLiteral("baseline"))
                 : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("baseline"));
             db.close();
             for (const char* suffix : { "", "-wal", "-shm" })
                 QFile::remove(sqliteBaseline + QLatin1String(suffix));
             db.setDatabaseName(sqliteBaseline);
             db.open();
             // As durable as the server's own file.
             for (const char* pragma : { "PRAGMA journal_mode = WAL", "PRAGMA synchronous = FULL" })
                 QSqlQuery(db).exec(QLatin1String(pragma));
             return db;
         } });

    // PostgreSQL in a cluster of its own, writing to disk as a real one does.
    const QString state = QDir(context.workDir).filePath(QStringLiteral("postgres"));
    QProcess cluster;
    cluster.start(QStringLiteral(LEDGERINE_POSTGRES_CLUSTER), { "start", state, "durable" });
    if (!cluster.waitForFinished(120000) || cluster.exitCode() != 0) {
        Bench::note(QStringLiteral("PostgreSQL did not start: ") + cluster.readAllStandardError());
        return;
    }
    QFile urlFile(state + QStringLiteral(".url"));
    urlFile.open(QIODevice::ReadOnly);
    const QUrl admin(QString::fromUtf8(urlFile.readAll()).trimmed());
    const QUrlQuery where(admin);
    const auto connectTo = [&](const QString& name, const QString& database) {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
        db.setHostName(where.queryItemValue("host"));
        db.setPort(where.queryItemValue("port").toInt());
        db.setUserName(admin.userName());
        db.setDatabaseName(database);
        db.open();
        return db;
    };
    QSqlQuery(connectTo(QStringLiteral("pgadmin"), QStringLiteral("postgres")))
        .exec(QStringLiteral("CREATE DATABASE server"));
    QUrl serverUrl = admin;
    serverUrl.setPath(QStringLiteral("/server"));
    int baselines = 0;
    measure(context, { QStringLiteral("PostgreSQL"), { "--database", serverUrl.toString() }, [&] {
                          const QString name = QStringLiteral("baseline%1").arg(++baselines);
                          QSqlQuery(QSqlDatabase::database(QStringLiteral("pgadmin")))
                              .exec(QStringLiteral("CREATE DATABASE ") + name);
                          return connectTo(name, name);
                      } });
    for (const QString& name : QSqlDatabase::connectionNames()) {
        QSqlDatabase::database(name).close();
        QSqlDatabase::removeDatabase(name);
    }
    cluster.start(QStringLiteral(LEDGERINE_POSTGRES_CLUSTER), { "stop", state });
    cluster.waitForFinished(120000);
}

const Bench::Registration registration(90, "server", run);

} // namespace
