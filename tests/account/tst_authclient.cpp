#include "Awaited.h"
#include "FakeCloud.h"
#include "TestBrowser.h"
#include "account/ApiClient.h"
#include "account/AuthClient.h"
#include "account/Client.h"
#include "account/FileTokenStore.h"
#include "account/SystemBrowser.h"
#include "account/TokenManager.h"
#include "data/Clock.h"

#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace MellAccount;

namespace {

// One raw exchange with the listener: `parts` are written one after the
// other with a pause between them, then the answer is read to its end.
QByteArray exchange(quint16 port, const QList<QByteArray>& parts)
{
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    if (!socket.waitForConnected(5000))
        return "not connected";
    for (const QByteArray& part : parts) {
        socket.write(part);
        socket.flush();
        QTest::qWait(50);
    }
    QByteArray answer;
    const bool closed = QTest::qWaitFor(
        [&] {
            answer += socket.readAll();
            return socket.state() == QAbstractSocket::UnconnectedState;
        },
        5000);
    if (!closed)
        qWarning("the listener kept the connection open");
    return answer + socket.readAll();
}

QByteArray get(quint16 port, const QByteArray& target)
{
    return exchange(port, { "GET " + target + " HTTP/1.1\r\nHost: localhost\r\n\r\n" });
}

} // namespace

class TestAuthClient : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void listenerSurvivesWhatBrowsersSend();
    void refusesResultsItDidNotAskFor();
    void timesOut();
    void startUpRestoresTheSession();
    void signOutEndsTheSessionOnTheServer();

private:
    AuthClient* auth() const { return m_client->authClient(); }
    TokenManager* tokens() const { return m_client->tokenManager(); }
    // Starts a sign-in; the sign-in page the browser was sent to.
    QUrl startSignIn();
    QString expectedState() const { return QUrlQuery(m_opened).queryItemValue("state"); }
    quint16 listenerPort() const { return auth()->listener()->port(); }
    // A client over the token file, which holds `tokens` first when given.
    void newClient(const std::optional<FakeCloud::Tokens>& tokens = {});
    std::optional<QString> stored(const QString& key) const
    {
        return FileTokenStore(m_dir->filePath("tokens.json")).read(key);
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<FakeCloud> m_fake;
    std::unique_ptr<Client> m_client;
    QUrl m_opened;
};

void TestAuthClient::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TestAuthClient::init()
{
    Clock::setFixedUtc(QDateTime(QDate(2024, 5, 1), QTime(12, 0), Qt::UTC));
    QSettings().remove(QStringLiteral("auth"));
    m_dir = std::make_unique<QTemporaryDir>();
    m_fake = std::make_unique<FakeCloud>();
    newClient();
    m_opened = QUrl();
    SystemBrowser::setOpener([this](const QUrl& url) {
        m_opened = url;
        return true;
    });
}

void TestAuthClient::cleanup()
{
    SystemBrowser::setOpener({});
    m_client.reset();
    m_fake.reset();
    m_dir.reset();
    Clock::clearFixed();
}

void TestAuthClient::newClient(const std::optional<FakeCloud::Tokens>& tokens)
{
    m_client.reset();
    if (tokens) {
        FileTokenStore store(m_dir->filePath("tokens.json"));
        store.write(TokenStore::kAccessTokenKey, tokens->access);
        store.write(TokenStore::kRefreshTokenKey, tokens->refresh);
    }
    m_client = std::make_unique<Client>(
        m_fake->config(), std::make_unique<FileTokenStore>(m_dir->filePath("tokens.json")));
}

QUrl TestAuthClient::startSignIn()
{
    m_opened = QUrl();
    auth()->login();
    return m_opened;
}

void TestAuthClient::listenerSurvivesWhatBrowsersSend()
{
    // Whoever holds the usual port, the sign-in goes on at another.
    QTcpServer holder;
    holder.listen(QHostAddress::LocalHost, WebAuthHandler::kPreferredPort);
    auth()->initialize();
    QSignalSpy succeeded(auth(), &AuthClient::loginSucceeded);
    startSignIn();
    const quint16 port = listenerPort();
    QVERIFY(port != WebAuthHandler::kPreferredPort);

    // A preconnect that never sends anything holds up nobody.
    QTcpSocket preconnect;
    preconnect.connectToHost(QHostAddress::LocalHost, port);
    QVERIFY(preconnect.waitForConnected(5000));

    QVERIFY(get(port, "/favicon.ico").startsWith("HTTP/1.1 404"));
    QVERIFY(exchange(port, { "POST /callback HTTP/1.1\r\nContent-Length: 0\r\n\r\n" })
                .startsWith("HTTP/1.1 405"));
    QVERIFY(exchange(port, { "GET /" + QByteArray(9000, 'a') }).startsWith("HTTP/1.1 414"));
    QVERIFY(get(port, "/callback").contains("location.hash"));
    QCOMPARE(succeeded.size(), 0);

    // The request line arrives in two writes.
    const FakeCloud::Tokens issued = m_fake->signIn();
    const QByteArray target = "/callback?access_token=" + issued.access.toLatin1()
        + "&refresh_token=" + issued.refresh.toLatin1() + "&state=" + expectedState().toLatin1();
    const QByteArray answer = exchange(port,
        { "GET " + target.left(40), target.mid(40) + " HTTP/1.1\r\nHost: localhost\r\n\r\n" });
    QVERIFY2(answer.startsWith("HTTP/1.1 303"), answer.constData());
    QVERIFY(answer.contains("Location: /done"));
    QCOMPARE(succeeded.size(), 1);
    QCOMPARE(tokens()->refreshToken(), issued.refresh);
    QVERIFY(preconnect.state() == QAbstractSocket::ConnectedState);

    // Only one result counts: a second is sent to the closing page.
    QVERIFY(get(port, target).startsWith("HTTP/1.1 303"));
    QCOMPARE(succeeded.size(), 1);
    QVERIFY(get(port, "/done").contains("signed in"));
}

void TestAuthClient::refusesResultsItDidNotAskFor()
{
    QSettings().setValue(AuthClient::kHasSignedInBeforeKey, true);
    auth()->initialize();
    QSignalSpy failed(auth(), &AuthClient::loginFailed);
    const FakeCloud::Tokens attacker = m_fake->signIn(QStringLiteral("mallory"));
    const QByteArray forged = "/callback?access_token=" + attacker.access.toLatin1()
        + "&refresh_token=" + attacker.refresh.toLatin1() + "&state=forged";

    // Another page's tokens, sent to the listener while a sign-in is pending,
    // with a state of its own or none at all (even once someone has signed
    // in here before).
    const QString refused = QStringLiteral("the answer did not come from this sign-in.");
    for (const QByteArray& target : { forged, forged.left(forged.indexOf("&state=")) }) {
        startSignIn();
        QVERIFY(get(listenerPort(), target).startsWith("HTTP/1.1 303"));
        QCOMPARE(failed.takeFirst().first().toString(), refused);
        QCOMPARE(auth()->state(), AuthState::SignedOut);
        QVERIFY(tokens()->refreshToken().isEmpty());
        QVERIFY(!stored(TokenStore::kRefreshTokenKey));
    }
    // A service whose page does not echo the state is refused the same way.
    m_fake->setLoginPage({ .echoState = false });
    QVERIFY(TestBrowser().open(startSignIn()).last().body.contains("Sign-in failed"));
    QCOMPARE(failed.takeFirst().first().toString(), refused);
    QCOMPARE(auth()->state(), AuthState::SignedOut);
    m_fake->setLoginPage({});

    // A refresh token missing; the service refusing, with its reason.
    startSignIn();
    QVERIFY(get(listenerPort(),
        "/callback?access_token=" + attacker.access.toLatin1()
            + "&state=" + expectedState().toLatin1())
                .contains("303"));
    QCOMPARE(failed.takeFirst().first().toString(), "No tokens received");
    m_fake->setLoginPage({ .refuse = true });
    const QList<TestBrowser::Page> pages = TestBrowser().open(startSignIn());
    QCOMPARE(failed.takeFirst().first().toString(), "The user cancelled the sign-in");
    QCOMPARE(auth()->state(), AuthState::SignedOut);
    // The browser ends on a page without the answer that says how it went; no
    // listener page is cached or passes a referrer on.
    QCOMPARE(pages.last().url.path(), "/done");
    QVERIFY(!pages.last().url.hasQuery() && !pages.last().url.hasFragment());
    QVERIFY(pages.last().body.contains("Sign-in failed"));
    for (const TestBrowser::Page& visited : pages.mid(1)) {
        QCOMPARE(visited.header("cache-control"), "no-store");
        QCOMPARE(visited.header("referrer-policy"), "no-referrer");
    }
}

void TestAuthClient::timesOut()
{
    auth()->initialize();
    auth()->setSignInTimeout(200);
    QSignalSpy failed(auth(), &AuthClient::loginFailed);
    startSignIn();
    const quint16 port = listenerPort();
    QTRY_COMPARE(failed.size(), 1);
    QCOMPARE(failed.first().first().toString(), "Sign-in timed out");
    QVERIFY(!auth()->isSignInPending());
    QTcpSocket late;
    late.connectToHost(QHostAddress::LocalHost, port);
    QVERIFY(!late.waitForConnected(1000));
}

void TestAuthClient::startUpRestoresTheSession()
{
    // An expired access token and the server unreachable: still signed in,
    // once the refresh has failed, and announced then. (A valid one signs in
    // at once: the sign-out test starts so.)
    m_fake->setAccessLifetime(0);
    newClient(m_fake->signIn());
    m_fake->server().setFault(FakeCloud::authPath("/auth/token/refresh"), { .drop = true });
    QSignalSpy signedIn(auth(), &AuthClient::signedInChanged);
    m_client->initialize();
    QCOMPARE(auth()->state(), AuthState::Undetermined);
    QTRY_COMPARE(auth()->state(), AuthState::SignedIn);
    QCOMPARE(signedIn.size(), 1);

    // The server back: the next call refreshes and goes through; a failed
    // one still answers, with the user known from before.
    m_fake->server().clearFaults();
    m_fake->setAccessLifetime(900);
    const auto currentUser = [this] {
        return std::get<1>(awaited<bool, User>([&](auto done) { auth()->fetchCurrentUser(done); }));
    };
    QCOMPARE(currentUser().email, "user-1@example.com");
    QVERIFY(!tokens()->accessToken().isEmpty());
    m_fake->server().setFault(FakeCloud::authPath("/users/me"), { .status = 500, .times = 1 });
    QCOMPARE(currentUser().email, "user-1@example.com");

    // An expired one with the server reachable: signed in when the refresh ends.
    m_fake->setAccessLifetime(0);
    newClient(m_fake->signIn());
    QSignalSpy restored(auth(), &AuthClient::signedInChanged);
    m_client->initialize();
    QTRY_COMPARE(restored.size(), 1);
    QCOMPARE(auth()->state(), AuthState::SignedIn);

    // A refresh token the server no longer knows: signed out, nothing kept.
    const FakeCloud::Tokens forgotten = m_fake->signIn();
    m_fake->revokeRefreshTokens();
    newClient(forgotten);
    m_client->initialize();
    QTRY_COMPARE(auth()->state(), AuthState::SignedOut);
    QVERIFY(!stored(TokenStore::kRefreshTokenKey));
}

void TestAuthClient::signOutEndsTheSessionOnTheServer()
{
    newClient(m_fake->signIn());
    m_client->initialize();
    QCOMPARE(auth()->state(), AuthState::SignedIn);

    // A refresh in flight when the user signs out: the tokens it brings are
    // signed out as they arrive, never kept.
    Clock::setFixedUtc(Clock::nowUtc().addSecs(1000));
    m_fake->server().setFault(FakeCloud::authPath("/auth/token/refresh"), { .delayMs = 300 });
    std::optional<bool> refreshed;
    auth()->refreshToken([&refreshed](bool ok) { refreshed = ok; });
    QTRY_COMPARE(m_fake->refreshRequests().size(), 1);
    QVERIFY(tokens()->isRefreshing());
    QSignalSpy completed(auth(), &AuthClient::logoutCompleted);
    auth()->logout();
    QCOMPARE(completed.size(), 1);
    QCOMPARE(auth()->state(), AuthState::SignedOut);
    QCOMPARE(refreshed, false);
    QTRY_COMPARE(m_fake->server().requestsTo(FakeCloud::authPath("/auth/logout")).size(), 1);
    QCOMPARE(m_fake->liveRefreshTokens(), 0);
    QVERIFY(tokens()->refreshToken().isEmpty());
    QVERIFY(!stored(TokenStore::kAccessTokenKey));
    m_fake->server().clearFaults();

    // A fresh access token signs out with itself; a stale one after one last refresh.
    for (const int lifetime : { 900, 0 }) {
        m_fake->setAccessLifetime(lifetime);
        const FakeCloud::Tokens issued = m_fake->signIn();
        m_fake->setAccessLifetime(900);
        newClient(issued);
        m_client->initialize();
        QTRY_COMPARE(auth()->state(), AuthState::SignedIn);
        QTRY_VERIFY(!tokens()->isRefreshing());
        QCOMPARE(m_fake->liveRefreshTokens(), 1);
        auth()->logout();
        QTRY_COMPARE(m_fake->liveRefreshTokens(), 0);
    }
}

QTEST_MAIN(TestAuthClient)
#include "tst_authclient.moc"
