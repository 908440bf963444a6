#include "FakeCloud.h"
#include "account/ApiClient.h"
#include "account/Client.h"
#include "account/FileTokenStore.h"
#include "account/TokenManager.h"
#include "data/Clock.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QNetworkAccessManager>
#include <QSignalSpy>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace MellAccount;

namespace {

struct Answer {
    bool arrived = false;
    bool ok = false;
    int status = -1;
    QJsonObject body;
};

const QString kEcho = QStringLiteral("/account/v1/echo");

constexpr QFileDevice::Permissions kOwnerReadWrite
    = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

QString token(qint64 expiresIn, bool stamped = true)
{
    const qint64 now = Clock::nowUtc().toSecsSinceEpoch();
    QJsonObject claims { { "sub", "user-7" }, { "exp", now + expiresIn } };
    if (stamped)
        claims.insert("iat", now);
    return FakeCloud::unsignedJwt(claims);
}

// Permission bits as the file system reports them, without Qt's user/owner doubling.
QFileDevice::Permissions ownerAndOthers(const QString& path)
{
    return QFileInfo(path).permissions()
        & ~(QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser);
}

} // namespace

class TestApiClient : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void headersPathsAndBodies();
    void refreshesOnceBeforeAnExpiringToken();
    void retriesOnceAfter401();
    void refreshOutcomes_data();
    void refreshOutcomes();
    void judgesExpiryOnTheServersClock_data();
    void judgesExpiryOnTheServersClock();
    void lateRefreshAfterSignOutWritesNothing();
    void redirectsTimeoutsAndCaps();
    void fileStoreIsOwnerOnly();
    void readsTokensAndJudgesExpiry();

private:
    // Starts a call; its answer lands in the returned record.
    std::shared_ptr<Answer> start(const std::function<void(ApiCallback)>& call);
    Answer wait(const std::shared_ptr<Answer>& answer);
    // One call of `api` ("GET", "POST", "PATCH", "DELETE" or "PUBLIC" for a public POST).
    Answer ask(ApiClient* api, const QByteArray& method, const QString& path,
        const QJsonObject& body = {}, const QUrlQuery& query = {});
    Answer echo() { return ask(accountApi(), "GET", "/echo"); }
    void signIn(int lifetime = 900);
    QList<TestHttpRequest> echoes() const { return m_fake->server().requestsTo(kEcho); }
    TokenManager* tokens() const { return m_client->tokenManager(); }
    ApiClient* accountApi() const { return m_client->accountApi(); }
    void advanceClock(int seconds) { Clock::setFixedUtc(Clock::nowUtc().addSecs(seconds)); }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<FakeCloud> m_fake;
    std::unique_ptr<Client> m_client;
    FakeCloud::Tokens m_signedIn;
};

void TestApiClient::init()
{
    Clock::setFixedUtc(QDateTime(QDate(2024, 5, 1), QTime(12, 0), Qt::UTC));
    m_dir = std::make_unique<QTemporaryDir>();
    m_fake = std::make_unique<FakeCloud>();
    m_client = std::make_unique<Client>(
        m_fake->config(), std::make_unique<FileTokenStore>(m_dir->filePath("tokens.json")));
    m_client->syncApi()->setBaseUrl(m_fake->syncApiUrl());
    const auto echoHandler = [](const TestHttpRequest& request) {
        return TestHttpResponse::json(
            200, { { "method", QString::fromLatin1(request.method) }, { "body", request.json() } });
    };
    for (const QByteArray method : { "GET", "POST", "PATCH", "DELETE" })
        m_fake->protectedRoute(method, kEcho, echoHandler);
    m_fake->protectedRoute("GET", "/ledgerine/v1/echo", echoHandler);
}

void TestApiClient::cleanup()
{
    m_client.reset();
    m_fake.reset();
    m_dir.reset();
    Clock::clearFixed();
}

std::shared_ptr<Answer> TestApiClient::start(const std::function<void(ApiCallback)>& call)
{
    auto answer = std::make_shared<Answer>();
    call([answer](bool ok, int status, const QJsonObject& body) {
        *answer = { true, ok, status, body };
    });
    return answer;
}

Answer TestApiClient::wait(const std::shared_ptr<Answer>& answer)
{
    if (!QTest::qWaitFor([&answer] { return answer->arrived; }, 10000))
        qWarning("no answer within 10 s");
    return *answer;
}

Answer TestApiClient::ask(ApiClient* api, const QByteArray& method, const QString& path,
    const QJsonObject& body, const QUrlQuery& query)
{
    return wait(start([&](ApiCallback done) {
        if (method == "GET")
            api->get(path, done, query);
        else if (method == "POST")
            api->post(path, body, done);
        else if (method == "PATCH")
            api->patch(path, body, done);
        else if (method == "DELETE")
            api->remove(path, done);
        else
            api->postPublic(path, body, done);
    }));
}

void TestApiClient::signIn(int lifetime)
{
    m_fake->setAccessLifetime(lifetime);
    m_signedIn = m_fake->signIn();
    tokens()->setTokens(m_signedIn.access, m_signedIn.refresh);
    m_fake->setAccessLifetime(900);
}

void TestApiClient::headersPathsAndBodies()
{
    QCOMPARE(Client::derivePlatform("", "Linux"), "linux");
    QCOMPARE(Client::derivePlatform("", "Darwin"), "macos");
    QCOMPARE(Client::derivePlatform("", "WinNT"), "windows");
    QCOMPARE(Client::derivePlatform("", "FreeBSD"), "freebsd");
    QCOMPARE(Client::derivePlatform("kiosk", "Linux"), "kiosk");

    signIn();
    QVERIFY(ask(m_client->authApi(), "GET", "/users/me").ok);
    QVERIFY(ask(m_client->syncApi(), "GET", "/echo").ok);
    QVERIFY(ask(accountApi(), "GET", "/echo", {}, QUrlQuery("since=2024-01-01")).ok);
    QVERIFY(ask(accountApi(), "POST", "/echo").ok);
    const Answer patched = ask(accountApi(), "PATCH", "/echo", { { "name", "Joint" } });
    QCOMPARE(patched.body.value("method").toString(), "PATCH");
    QVERIFY(ask(accountApi(), "DELETE", "/echo").ok);

    const QList<TestHttpRequest> requests = m_fake->server().requests();
    QCOMPARE(requests.size(), 6);
    QCOMPARE(requests.at(0).path, "/api/v1/realms/test/users/me");
    QCOMPARE(requests.at(1).path, "/ledgerine/v1/echo");
    QCOMPARE(requests.at(2).query.queryItemValue("since"), "2024-01-01");
    QCOMPARE(requests.at(3).body, QByteArray()); // an empty object sends no body at all
    QCOMPARE(requests.at(4).body, R"({"name":"Joint"})");
    for (const TestHttpRequest& request : requests) {
        QCOMPARE(request.header("content-type"), "application/json");
        QCOMPARE(request.header("accept"), "application/json");
        QCOMPARE(request.header("x-app-id"), "com.mellowindvantor.ledgerine");
        QCOMPARE(request.header("x-app-version"), "1.1.0");
        QCOMPARE(request.header("x-platform"),
            Client::derivePlatform("", QSysInfo::kernelType()).toUtf8());
        QCOMPARE(request.header("authorization"), "Bearer " + m_signedIn.access.toUtf8());
    }

    // A public call carries no token; a server's error object comes through.
    m_fake->server().route("POST", "/account/v1/broken", [](const TestHttpRequest&) {
        return TestHttpResponse::json(500, { { "error", "database unavailable" } });
    });
    const Answer broken = ask(accountApi(), "PUBLIC", "/broken", { { "x", 1 } });
    QCOMPARE(broken.ok, false);
    QCOMPARE(broken.status, 500);
    QCOMPARE(broken.body.value("error").toString(), "database unavailable");
    QVERIFY(m_fake->server().requests().last().header("authorization").isEmpty());
}

void TestApiClient::refreshesOnceBeforeAnExpiringToken()
{
    signIn(0);
    QVERIFY(tokens()->accessToken().isEmpty());
    QVERIFY(tokens()->needsRefresh());

    QList<std::shared_ptr<Answer>> answers;
    for (int i = 0; i < 10; ++i)
        answers.append(start([this](ApiCallback done) { accountApi()->get("/echo", done); }));
    for (const auto& answer : answers)
        QVERIFY(wait(answer).ok);

    QCOMPARE(m_fake->refreshRequests().size(), 1);
    QCOMPARE(m_fake->refreshRequests().first().json().value("refresh_token").toString(),
        m_signedIn.refresh);
    QCOMPARE(echoes().size(), 10);
    const QString fresh = tokens()->accessToken();
    QVERIFY(!fresh.isEmpty() && fresh != m_signedIn.access);
    for (const TestHttpRequest& request : echoes())
        QCOMPARE(request.header("authorization"), "Bearer " + fresh.toUtf8());
    // The rotated pair is what the store keeps.
    QCOMPARE(tokens()->store()->read(TokenStore::kAccessTokenKey), fresh);
    QVERIFY(tokens()->store()->read(TokenStore::kRefreshTokenKey) != m_signedIn.refresh);
}

void TestApiClient::retriesOnceAfter401()
{
    signIn();
    m_fake->revokeAccessTokens();
    QVERIFY(echo().ok);
    QCOMPARE(echoes().size(), 2);
    QCOMPARE(m_fake->refreshRequests().size(), 1);
    QCOMPARE(m_fake->server().requests().at(1).path, FakeCloud::authPath("/auth/token/refresh"));

    // A second 401 is the answer: no loop of refreshes.
    m_fake->server().setFault(kEcho, { .status = 401 });
    const Answer refused = echo();
    QCOMPARE(refused.ok, false);
    QCOMPARE(refused.status, 401);
    QCOMPARE(echoes().size(), 4);
    QCOMPARE(m_fake->refreshRequests().size(), 2);
    m_fake->server().clearFaults();

    // A server that keeps its refresh tokens leaves "refresh_token" out: the
    // one we hold stays, it is not replaced by nothing.
    m_fake->setRotateRefreshTokens(false);
    const QString kept = tokens()->refreshToken();
    m_fake->revokeAccessTokens();
    QVERIFY(echo().ok);
    QCOMPARE(tokens()->refreshToken(), kept);
    QCOMPARE(tokens()->store()->read(TokenStore::kRefreshTokenKey), kept);
    m_fake->revokeAccessTokens();
    QVERIFY(echo().ok);
}

void TestApiClient::refreshOutcomes_data()
{
    QTest::addColumn<TestHttpFault>("fault");
    QTest::addColumn<bool>("signsOut");
    for (int status : { 400, 401, 403 })
        QTest::addRow("%d", status) << TestHttpFault { .status = status } << true;
    for (int status : { 408, 429, 500, 503 })
        QTest::addRow("%d", status) << TestHttpFault { .status = status } << false;
    QTest::newRow("dropped") << TestHttpFault { .drop = true } << false;
}

void TestApiClient::refreshOutcomes()
{
    QFETCH(TestHttpFault, fault);
    QFETCH(bool, signsOut);
    signIn(0);
    m_fake->server().setFault(FakeCloud::authPath("/auth/token/refresh"), fault);
    QSignalSpy signedOut(m_client.get(), &Client::authenticationRequired);

    const Answer answer = echo();
    QCOMPARE(answer.ok, false);
    QCOMPARE(answer.status, signsOut ? 401 : 0);
    QCOMPARE(signedOut.size(), signsOut ? 1 : 0);
    QVERIFY(echoes().isEmpty());
    QCOMPARE(tokens()->refreshToken().isEmpty(), signsOut);
    QCOMPARE(bool(tokens()->store()->read(TokenStore::kRefreshTokenKey)), !signsOut);
    QCOMPARE(bool(tokens()->store()->read(TokenStore::kAccessTokenKey)), !signsOut);
}

void TestApiClient::judgesExpiryOnTheServersClock_data()
{
    QTest::addColumn<int>("offset");
    QTest::newRow("our clock an hour fast") << -3600;
    QTest::newRow("our clock an hour slow") << 3600;
}

void TestApiClient::judgesExpiryOnTheServersClock()
{
    QFETCH(int, offset);
    m_fake->setClockOffset(offset);
    signIn(900);
    QCOMPARE(tokens()->clockSkewSeconds(), offset);
    QCOMPARE(tokens()->accessToken(), m_signedIn.access);
    QVERIFY(echo().ok);
    QCOMPARE(m_fake->refreshRequests().size(), 0);

    // 880 s on, the token is within 30 s of its end on the server's clock.
    advanceClock(880);
    QVERIFY(echo().ok);
    QCOMPARE(m_fake->refreshRequests().size(), 1);
    QCOMPARE(echoes().size(), 2);
}

void TestApiClient::lateRefreshAfterSignOutWritesNothing()
{
    signIn(0);
    m_fake->server().setFault(FakeCloud::authPath("/auth/token/refresh"), { .delayMs = 300 });
    QSignalSpy refreshed(
        m_client->authApi()->findChild<QNetworkAccessManager*>(), &QNetworkAccessManager::finished);
    const auto pending = start([this](ApiCallback done) { accountApi()->get("/echo", done); });
    QTRY_COMPARE(m_fake->refreshRequests().size(), 1);
    tokens()->clear();
    QVERIFY(pending->arrived);
    QCOMPARE(pending->status, 401);

    // The refresh answer lands after the sign-out and is dropped; the session
    // it extended is signed out on the server.
    QTRY_VERIFY(!refreshed.isEmpty());
    QTRY_COMPARE(m_fake->server().requestsTo(FakeCloud::authPath("/auth/logout")).size(), 1);
    QCOMPARE(m_fake->liveRefreshTokens(), 0);
    QVERIFY(tokens()->refreshToken().isEmpty());
    QVERIFY(!tokens()->store()->read(TokenStore::kAccessTokenKey));
    QVERIFY(!tokens()->store()->read(TokenStore::kRefreshTokenKey));
    QVERIFY(echoes().isEmpty());
}

void TestApiClient::redirectsTimeoutsAndCaps()
{
    signIn();
    // A redirect is reported, never followed: the token stays with its server.
    TestHttpServer elsewhere;
    for (const QByteArray method : { "GET", "POST" })
        m_fake->server().route(method, "/account/v1/moved", [&elsewhere](const TestHttpRequest&) {
            return TestHttpResponse::redirect(307, elsewhere.url("/collect"));
        });
    QCOMPARE(ask(accountApi(), "GET", "/moved").status, 307);
    QCOMPARE(ask(accountApi(), "POST", "/moved", { { "secret", "x" } }).status, 307);
    QCOMPARE(elsewhere.connectionCount(), 0);

    QSignalSpy networkErrors(accountApi(), &ApiClient::networkError);
    accountApi()->setLimits(300, 64 * 1024);
    m_fake->server().setFault(kEcho, { .hang = true, .times = 1 });
    const Answer hung = echo();
    QCOMPARE(hung.ok, false);
    QCOMPARE(hung.status, 0);
    QCOMPARE(networkErrors.takeFirst().first().toString(), "timeout");

    m_fake->server().setFault(kEcho, { .endlessBody = true, .times = 1 });
    accountApi()->setLimits(10000, 64 * 1024);
    QCOMPARE(echo().status, 0);
    QCOMPARE(networkErrors.takeFirst().first().toString(), "reply larger than 65536 bytes");
    m_fake->server().serve("/account/v1/large", { 200, QByteArray(70 * 1024, ' ') + "{}", {} });
    QCOMPARE(ask(accountApi(), "GET", "/large").status, 0);

    m_fake->server().setFault(kEcho, { .drop = true });
    QCOMPARE(echo().status, 0);
    m_fake->server().clearFaults();
    QVERIFY(echo().ok);

    // Plain HTTP only to this machine; no address, no request at all.
    const int asked = int(m_fake->server().requests().size());
    accountApi()->setBaseUrl(QUrl("http://cloud.example.com/account/v1"));
    QCOMPARE(echo().status, 0);
    Client unconfigured(ClientConfig {}, std::make_unique<FileTokenStore>(m_dir->filePath("none")));
    QVERIFY(!unconfigured.isConfigured());
    QCOMPARE(ask(unconfigured.authApi(), "GET", "/users/me").status, 0);
    QCOMPARE(m_fake->server().requests().size(), asked);
}

void TestApiClient::fileStoreIsOwnerOnly()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("data/secrets/tokens.json");
    FileTokenStore store(path);
    QVERIFY(!store.read(TokenStore::kAccessTokenKey));
    QVERIFY(store.write(TokenStore::kAccessTokenKey, "access-1"));
    QVERIFY(store.write(TokenStore::kRefreshTokenKey, "refresh-1"));
    QCOMPARE(ownerAndOthers(path), kOwnerReadWrite);
    QCOMPARE(ownerAndOthers(dir.filePath("data/secrets")), kOwnerReadWrite | QFileDevice::ExeOwner);

    // A file someone opened up is closed again by the next write.
    QFile::setPermissions(path, kOwnerReadWrite | QFileDevice::ReadOther);
    QVERIFY(store.write(TokenStore::kAccessTokenKey, "access-2"));
    QCOMPARE(ownerAndOthers(path), kOwnerReadWrite);

    FileTokenStore again(path);
    QCOMPARE(again.read(TokenStore::kAccessTokenKey), "access-2");
    QCOMPARE(again.read(TokenStore::kRefreshTokenKey), "refresh-1");
    QVERIFY(again.removeKey(TokenStore::kAccessTokenKey));
    QVERIFY(!store.read(TokenStore::kAccessTokenKey));
    again.clear();
    QVERIFY(!QFileInfo::exists(path));
    QVERIFY(!QFileInfo::exists(path + ".new"));
}

void TestApiClient::readsTokensAndJudgesExpiry()
{
    QCOMPARE(subject(token(900)), "user-7");
    QCOMPARE(expiry(token(900)), Clock::nowUtc().toSecsSinceEpoch() + 900);
    for (const QString& garbage : { QString(), QStringLiteral("abc"), QStringLiteral("a.!!!.c"),
             FakeCloud::unsignedJwt({ { "sub", "x" } }) })
        QCOMPARE(expiry(garbage), 0);

    TokenManager tokens(std::make_unique<FileTokenStore>(QTemporaryDir().filePath("t.json")));
    const QDateTime start = Clock::nowUtc();
    const auto after = [&start](int seconds) { Clock::setFixedUtc(start.addSecs(seconds)); };
    // A quarter of an hour's token counts as expired for its last 30 s.
    tokens.setTokens(token(900), "refresh-1");
    after(869);
    QVERIFY(!tokens.accessToken().isEmpty());
    QVERIFY(!tokens.needsRefresh());
    after(880);
    QVERIFY(tokens.accessToken().isEmpty());
    QVERIFY(tokens.needsRefresh());
    // One that lives 20 s in all is good for its first three quarters, also
    // when it does not say when it was issued.
    for (const bool stamped : { true, false }) {
        after(0);
        tokens.setTokens(token(20, stamped), "refresh-1");
        QVERIFY(!tokens.accessToken().isEmpty());
        after(14);
        QVERIFY(!tokens.accessToken().isEmpty());
        after(16);
        QVERIFY(tokens.accessToken().isEmpty());
        QVERIFY(tokens.needsRefresh());
    }
    // Without a refresh token nothing can be refreshed, and a caller hears so
    // at once. Many callers sharing one refresh and its outcomes are the API
    // client's tests.
    tokens.setTokens("not-a-jwt", QString());
    QVERIFY(tokens.accessToken().isEmpty());
    QVERIFY(!tokens.needsRefresh());
    std::optional<RefreshResult> result;
    tokens.refresh([&result](RefreshResult given) { result = given; });
    QVERIFY(result == RefreshResult::Rejected);
}

QTEST_MAIN(TestApiClient)
#include "tst_apiclient.moc"
