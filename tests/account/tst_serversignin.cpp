#include "Awaited.h"
#include "HeadlessChromium.h"
#include "RealServer.h"
#include "account/ApiClient.h"
#include "account/AuthClient.h"
#include "account/Client.h"
#include "account/FileTokenStore.h"
#include "account/SystemBrowser.h"
#include "account/TokenManager.h"

#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace MellAccount;

// End to end: the desktop's sign-in opens the real server's page in a real
// (headless) Chromium, a person's e-mail address and password go into its
// form, and the browser carries the tokens back to the desktop's listener.
class TestServerSignIn : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void signsInOnTheServersPage();
    void cleanupTestCase() { SystemBrowser::setOpener({}); }
};

void TestServerSignIn::signsInOnTheServersPage()
{
    QStandardPaths::setTestModeEnabled(true);
    QSettings().remove(QStringLiteral("auth"));
    QTemporaryDir dir;
    RealServer server;
    QVERIFY(server.start());
    QVERIFY(server.addUser(
        QStringLiteral("ann@example.org"), QStringLiteral("correct horse"), QStringLiteral("Ann")));
    Client client(server.config(), std::make_unique<FileTokenStore>(dir.filePath("tokens.json")));
    client.initialize();

    QUrl page;
    SystemBrowser::setOpener([&page](const QUrl& url) {
        page = url;
        return true;
    });
    QSignalSpy succeeded(client.authClient(), &AuthClient::loginSucceeded);
    QSignalSpy failed(client.authClient(), &AuthClient::loginFailed);
    client.authClient()->login();
    QVERIFY(page.isValid());

    HeadlessChromium browser(dir.filePath("profile"));
    QVERIFY(browser.open(page));
    QVERIFY(browser.waitFor("document.querySelector('input[name=password]') !== null"));
    QVERIFY(
        browser.evaluate("document.querySelector('input[name=email]').value = 'ann@example.org';"
                         "document.querySelector('input[name=password]').value = 'correct horse';"
                         "document.querySelector('form').submit(); true"));
    QTRY_VERIFY_WITH_TIMEOUT(succeeded.size() + failed.size() > 0, 60000);
    QVERIFY2(failed.isEmpty(), qPrintable(failed.value(0).value(0).toString()));
    QVERIFY(client.isAuthenticated());
    // The browser ends on the desktop's page that says it worked.
    QVERIFY(
        browser.waitFor("document.body !== null && document.body.innerText.includes('signed in')"));

    // The tokens are the server's: it knows who this is.
    const auto [fetched, user] = awaited<bool, User>(
        [&](auto done) { client.authClient()->fetchCurrentUser(done); }, 30000);
    QVERIFY(fetched);
    QCOMPARE(user.email, QStringLiteral("ann@example.org"));
    QCOMPARE(user.displayName, QStringLiteral("Ann"));
    // What the server issued is what the store holds.
    FileTokenStore stored(dir.filePath("tokens.json"));
    QCOMPARE(subject(stored.read(TokenStore::kAccessTokenKey).value_or(QString())), user.id);
    QCOMPARE(stored.read(TokenStore::kRefreshTokenKey), client.tokenManager()->refreshToken());
}

QTEST_MAIN(TestServerSignIn)
#include "tst_serversignin.moc"
