#include "FakeCloud.h"
#include "TestAppState.h"
#include "TestBrowser.h"
#include "account/AccountClient.h"
#include "account/AuthClient.h"
#include "account/Client.h"
#include "account/SystemBrowser.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/mainwindow/SignInActions.h"
#include "ui/mainwindow/StatusBar.h"
#include "ui/screens/AccountScreen.h"
#include "ui/screens/WelcomeScreen.h"
#include "ui/widgets/MessageBoxes.h"

#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
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
    std::unique_ptr<FakeCloud> m_fake;
    std::unique_ptr<TestAppState> m_app;
    std::unique_ptr<MainWindow> m_window;
    QUrl m_opened;
};

void TestSignInUi::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    // Tokens go to the owner-only file: no keyring in this test.
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + QFile::encodeName(m_noBus.filePath("bus")));
}

void TestSignInUi::init()
{
    QSettings().remove(QStringLiteral("auth"));
    m_fake = std::make_unique<FakeCloud>();
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
    m_fake.reset();
    for (const char* variable : kCloudVariables)
        qunsetenv(variable);
    SystemBrowser::setOpener({});
    MessageBoxes::clearAnswers();
}

void TestSignInUi::openWindow(bool configured)
{
    if (configured) {
        const MellAccount::ClientConfig fake = m_fake->config();
        qputenv("AUTH_BASE_URL", fake.authBaseUrl.toUtf8());
        qputenv("AUTH_REALM_SLUG", fake.realmSlug.toUtf8());
        qputenv("ACCOUNT_API_URL", fake.accountApiUrl.toUtf8());
        qputenv("SYNC_API_URL", m_fake->syncApiUrl().toEncoded());
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
}

void TestSignInUi::signInAndOutThroughTheWindow()
{
    openWindow(true);
    QAction* signOut = fileEntry(m_window.get(), "Sign &Out");
    QAction* account = fileEntry(m_window.get(), "&Mellowind Account...");
    QCOMPARE(QStringList({ welcomeTitle(), account->statusTip() }),
        QStringList({ "Welcome to\nMellowind Ledgerine", "Sign in or sign up" }));

    clickSignIn();
    QVERIFY(m_opened.isValid());
    QVERIFY(
        m_window->statusLine()->findChild<QWidget*>(QStringLiteral("busyIndicator"))->isVisible());
    TestBrowser().open(m_opened);
    QTRY_VERIFY(auth()->isAuthenticated());
    QCOMPARE(m_window->statusLine()->currentMessage(), "Signed in successfully");
    // The sign-in registers this computer, once.
    QTRY_COMPARE(m_fake->account().devices("user-1").size(), 1);
    QCOMPARE(m_fake->account().devices("user-1").at(0).value("device_fingerprint").toString(),
        m_app->state()->cloudClient()->accountClient()->deviceFingerprint());
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
    QCOMPARE(screen->windowTitle(), "Mellowind Account");

    // Signing out ends the session on the server and greets a returning user.
    signOut->trigger();
    QCOMPARE(std::tuple(auth()->state(), m_window->currentPage()),
        std::tuple(MellAccount::AuthState::SignedOut, MainWindow::Page::Welcome));
    QCOMPARE(QStringList({ welcomeTitle(), syncText() }),
        QStringList({ "Welcome back", "Not signed in" }));
    QVERIFY(!signOut->isVisible() && !screen->isVisible());
    QTRY_COMPARE(m_fake->liveRefreshTokens(), 0);
}

QTEST_MAIN(TestSignInUi)
#include "tst_signinui.moc"
