#include "FakeCloud.h"
#include "account/AuthClient.h"
#include "account/Client.h"
#include "account/FileTokenStore.h"
#include "account/SystemBrowser.h"
#include "account/TokenManager.h"

#include <QProcess>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace MellAccount;

// A real browser, headless, from the sign-in page through the redirect to the
// listener (and through its relay page when the tokens come in the fragment).
class TestBrowserSignIn : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void signsInWithChromium_data();
    void signsInWithChromium();
    void cleanupTestCase();

private:
    QString m_chromium;
};

void TestBrowserSignIn::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    m_chromium = QStandardPaths::findExecutable(QStringLiteral("chromium"));
    QVERIFY2(!m_chromium.isEmpty(), "chromium is missing: scripts/install-deps.sh installs it");
}

void TestBrowserSignIn::cleanupTestCase()
{
    SystemBrowser::setOpener({});
}

void TestBrowserSignIn::signsInWithChromium_data()
{
    QTest::addColumn<bool>("fragment");
    QTest::newRow("query") << false;
    QTest::newRow("fragment") << true;
}

void TestBrowserSignIn::signsInWithChromium()
{
    QFETCH(bool, fragment);
    QSettings().remove(QStringLiteral("auth"));
    QTemporaryDir dir;
    FakeCloud fake;
    fake.setLoginPage({ .fragment = fragment });
    const QString tokenFile = dir.filePath("tokens.json");
    Client client(fake.config(), std::make_unique<FileTokenStore>(tokenFile));
    client.initialize();

    QProcess chromium;
    chromium.setProcessChannelMode(QProcess::SeparateChannels);
    SystemBrowser::setOpener([&](const QUrl& url) {
        chromium.start(m_chromium,
            { "--headless=new", "--no-sandbox", "--disable-gpu", "--no-first-run",
                "--user-data-dir=" + dir.filePath("profile"), "--dump-dom",
                QString::fromLatin1(url.toEncoded()) });
        return true;
    });
    QSignalSpy succeeded(client.authClient(), &AuthClient::loginSucceeded);
    QSignalSpy failed(client.authClient(), &AuthClient::loginFailed);
    client.authClient()->login();

    QTRY_VERIFY_WITH_TIMEOUT(succeeded.size() + failed.size() > 0, 60000);
    QVERIFY2(failed.isEmpty(), qPrintable(failed.value(0).value(0).toString()));
    QVERIFY(client.isAuthenticated());
    // Waiting with the event loop running: the listener still serves the closing page.
    QTRY_VERIFY_WITH_TIMEOUT(chromium.state() == QProcess::NotRunning, 60000);
    // The browser ends on the closing page, which says that it worked.
    const QByteArray dom = chromium.readAllStandardOutput();
    QVERIFY2(dom.contains("signed in"), dom.constData());

    // What the service issued is what the store holds.
    FileTokenStore stored(tokenFile);
    const QString access = stored.read(TokenStore::kAccessTokenKey).value_or(QString());
    QCOMPARE(subject(access), "user-1");
    QCOMPARE(stored.read(TokenStore::kRefreshTokenKey), client.tokenManager()->refreshToken());
    QCOMPARE(fake.liveRefreshTokens(), 1);
    QCOMPARE(fake.server().requestsTo(FakeCloud::loginPath()).size(), 1);
}

QTEST_MAIN(TestBrowserSignIn)
#include "tst_browsersignin.moc"
