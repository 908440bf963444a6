#include "Awaited.h"
#include "RealServer.h"
#include "TestAppState.h"
#include "account/AccountClient.h"
#include "account/AuthClient.h"
#include "account/Client.h"
#include "account/SystemBrowser.h"
#include "account/TokenManager.h"
#include "app/AppPaths.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/mainwindow/SignInActions.h"
#include "ui/mainwindow/StatusBar.h"
#include "ui/screens/AccountScreen.h"
#include "ui/screens/WelcomeScreen.h"
#include "ui/widgets/MessageBoxes.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

namespace {

QAction* fileEntry(QMainWindow* window, const QString& text)
{
    for (QAction* action : window->menuBar()->actions().first()->menu()->actions()) {
        if (action->text() == text)
            return action;
    }
    qFatal("no File menu entry %s", qPrintable(text));
}

const char* const kCloudVariables[]
    = { "AUTH_BASE_URL", "AUTH_REALM_SLUG", "ACCOUNT_API_URL", "SYNC_API_URL", "AUTH_CLIENT_ID" };
const QString kAnn = QStringLiteral("ann@example.org");

// Whether the server still takes `refreshToken`.
bool honoured(const RealServer& server, const QString& refreshToken)
{
    QNetworkAccessManager network;
    QNetworkRequest request(QUrl(server.origin() + "/api/v1/realms/mellowind/auth/token/refresh"));
    request.setHeader(QNetworkRequest::ContentTypeHeader, "application/json");
    const std::unique_ptr<QNetworkReply> reply(network.post(
        request, QJsonDocument(QJsonObject { { "refresh_token", refreshToken } }).toJson()));
    if (!QTest::qWaitFor([&reply] { return reply->isFinished(); }, 10000))
        return false;
    return reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt() == 200;
}

} // namespace

// The signed-in state as the main window shows it, from the welcome page's
// button through the browser and back, and out again.
class TestSignInUi : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void withoutAServiceNothingIsSent();
    void signInAndOutThroughTheWindow();

private:
    void openWindow(bool configured);
    QString syncText() const
    {
        return m_window->statusLine()->findChild<QLabel*>(QStringLiteral("syncLabel"))->text();
    }
    QString welcomeTitle() const
    {
        return m_window->welcomeScreen()->findChild<QLabel*>(QStringLiteral("titleLabel"))->text();
    }
    void clickSignIn()
    {
        QTest::mouseClick(
            m_window->welcomeScreen()->findChild<QPushButton*>(QStringLiteral("signInButton")),
            Qt::LeftButton);
    }
    MellAccount::AuthClient* auth() const { return m_app->state()->cloudClient()->authClient(); }

    QTemporaryDir m_noBus;
    RealServer m_server;
    std::unique_ptr<TestAppState> m_app;
    std::unique_ptr<MainWindow> m_window;
    QUrl m_opened;
};

void TestSignInUi::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    // Tokens go to the owner-only file: no keyring in this test.
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + QFile::encodeName(m_noBus.filePath("bus")));
    QVERIFY(m_server.start() && m_server.addUser(kAnn, RealServer::kPassword));
}

void TestSignInUi::init()
{
    QSettings().remove(QStringLiteral("auth"));
    m_opened = QUrl();
    SystemBrowser::setOpener([this](const QUrl& url) {
        m_opened = url;
        return true;
    });
}

void TestSignInUi::cleanup()
{
    m_window.reset();
    m_app.reset();
    for (const char* variable : kCloudVariables)
        qunsetenv(variable);
    SystemBrowser::setOpener({});
    MessageBoxes::clearAnswers();
}

void TestSignInUi::openWindow(bool configured)
{
    if (configured) {
        const MellAccount::ClientConfig server = m_server.config();
        qputenv("AUTH_BASE_URL", server.authBaseUrl.toUtf8());
        qputenv("AUTH_REALM_SLUG", server.realmSlug.toUtf8());
        qputenv("ACCOUNT_API_URL", server.accountApiUrl.toUtf8());
        qputenv("SYNC_API_URL", m_server.syncApiUrl().toUtf8());
    }
    m_app = std::make_unique<TestAppState>();
    m_window = std::make_unique<MainWindow>(m_app->state());
    m_window->show();
}

void TestSignInUi::withoutAServiceNothingIsSent()
{
    openWindow(false);
    QCOMPARE(m_window->currentPage(), MainWindow::Page::Welcome);
    QCOMPARE(syncText(), "Not signed in");
    QVERIFY(!fileEntry(m_window.get(), "Sign &Out")->isVisible());

    MessageBoxes::setNextAnswer(QMessageBox::Ok);
    clickSignIn();
    QCOMPARE(QStringList({ MessageBoxes::lastShown()->title, MessageBoxes::lastShown()->text }),
        QStringList({ "Sign In", MellAccount::Client::notConfiguredMessage() }));
    MessageBoxes::clearAnswers();
    MessageBoxes::setNextAnswer(QMessageBox::Ok);
    fileEntry(m_window.get(), "&Mellowind Account...")->trigger();
    QCOMPARE(MessageBoxes::lastShown()->text, MellAccount::Client::notConfiguredMessage());
    QVERIFY(!m_opened.isValid());
    QVERIFY(!auth()->isSignInPending());
    QVERIFY(!QFileInfo::exists(AppPaths::dataDirectory() + "/secrets"));
}

void TestSignInUi::signInAndOutThroughTheWindow()
{
    openWindow(true);
    QAction* signOut = fileEntry(m_window.get(), "Sign &Out");
    QAction* account = fileEntry(m_window.get(), "&Mellowind Account...");
    QCOMPARE(QStringList({ welcomeTitle(), account->statusTip() }),
        QStringList({ "Welcome to\nMellowind Ledgerine", "Sign in or sign up" }));

    clickSignIn();
    QVERIFY(
        m_window->statusLine()->findChild<QWidget*>(QStringLiteral("busyIndicator"))->isVisible());
    const QUrlQuery asked(m_opened);
    QCOMPARE(asked.queryItemValue("client_id"), m_server.config().clientId);
    QVERIFY(QRegularExpression("^http://localhost:\\d+/callback$")
                .match(asked.queryItemValue("redirect_uri", QUrl::FullyDecoded))
                .hasMatch());
    QVERIFY(asked.queryItemValue("state").size() >= 32);
    QVERIFY(m_opened.toEncoded().contains("redirect_uri=http%3A%2F%2Flocalhost%3A"));
    // A real (headless) Chromium follows where the server's page sends it:
    // the tokens ride in the fragment, which only the browser's run of the
    // listener's relay page brings back.
    const QUrl back = RealServer::fillIn(m_opened, kAnn, RealServer::kPassword);
    QVERIFY(back.hasFragment());
    QSignalSpy messages(m_window->statusLine(), &QStatusBar::messageChanged);
    QProcess chromium;
    chromium.start(QStringLiteral("chromium"),
        { "--headless=new", "--no-sandbox", "--disable-gpu", "--no-first-run",
            "--user-data-dir=" + m_noBus.filePath("chromium"), "--dump-dom",
            QString::fromLatin1(back.toEncoded()) });
    QVERIFY2(chromium.waitForStarted(10000), "chromium is missing (scripts/install-deps.sh)");
    QTRY_VERIFY_WITH_TIMEOUT(chromium.state() == QProcess::NotRunning, 60000);
    QVERIFY(chromium.readAllStandardOutput().contains("You're signed in"));
    QTRY_VERIFY(auth()->isAuthenticated());
    QVERIFY(messages.contains(QVariantList { QStringLiteral("Signed in successfully") }));
    // The sign-in registers this computer, once.
    MellAccount::AccountClient* accountClient = m_app->state()->cloudClient()->accountClient();
    const auto devices = [accountClient] {
        return std::get<1>(awaited<bool, QList<MellAccount::Device>>(
            [&](auto done) { accountClient->getDevices(done); }));
    };
    QTRY_COMPARE(devices().size(), 1);
    QCOMPARE(devices().at(0).deviceFingerprint, accountClient->deviceFingerprint());
    // Signed in, the line follows the sync engine, which starts at once.
    QTRY_COMPARE(syncText(), "Synced");
    QVERIFY(signOut->isVisible());
    QCOMPARE(account->statusTip(), "Manage your account");
    // Signed in without an account: the page that offers to create one.
    QCOMPARE(m_window->currentPage(), MainWindow::Page::NoAccounts);
    QVERIFY(QSettings().value(MellAccount::AuthClient::kHasSignedInBeforeKey).toBool());

    account->trigger();
    MellAccount::AccountScreen* screen = m_window->signInActions()->accountScreen();
    QVERIFY(screen && screen->isVisible());

    // Signing out ends the session on the server and greets a returning user.
    const QString refreshToken = m_app->state()->cloudClient()->tokenManager()->refreshToken();
    signOut->trigger();
    QCOMPARE(std::tuple(auth()->state(), m_window->currentPage()),
        std::tuple(MellAccount::AuthState::SignedOut, MainWindow::Page::Welcome));
    QCOMPARE(QStringList({ welcomeTitle(), syncText() }),
        QStringList({ "Welcome back", "Not signed in" }));
    QVERIFY(!signOut->isVisible() && !screen->isVisible());
    QTRY_VERIFY(!honoured(m_server, refreshToken));
}

QTEST_MAIN(TestSignInUi)
#include "tst_signinui.moc"
