#include "SignInActions.h"

#include "MainWindow.h"
#include "StatusBar.h"
#include "account/AuthClient.h"
#include "account/Client.h"
#include "account/TokenManager.h"
#include "ui/widgets/MessageBoxes.h"

namespace {

constexpr int kShortMessageMs = 3000;
constexpr int kLongMessageMs = 5000;

} // namespace

SignInActions::SignInActions(MainWindow* window, MellAccount::Client* cloud)
    : QObject(window)
    , m_window(window)
    , m_cloud(cloud)
{
    MellAccount::AuthClient* auth = cloud->authClient();
    connect(auth, &MellAccount::AuthClient::loginSucceeded, this, [this] {
        statusBar()->showTransientMessage(tr("Signed in successfully"), kShortMessageMs);
        // Back from the browser to where the user was.
        m_window->raise();
        m_window->activateWindow();
    });
    connect(auth, &MellAccount::AuthClient::loginFailed, this, [this](const QString& error) {
        statusBar()->showTransientMessage(tr("Sign-in failed: %1").arg(error), kLongMessageMs);
    });
    // Stays until another message replaces it: the user must know why they
    // are signed out.
    connect(cloud->tokenManager(), &MellAccount::TokenManager::storeStalled, this, [this] {
        statusBar()->showTransientMessage(
            tr("The system keyring did not answer in time: you are signed out for now."), 0);
    });
    // The account window describes a signed-in user only.
    connect(auth, &MellAccount::AuthClient::signedInChanged, this, [this](bool signedIn) {
        if (!signedIn && m_accountScreen)
            m_accountScreen->close();
    });
}

StatusBar* SignInActions::statusBar() const
{
    return m_window->statusLine();
}

void SignInActions::startSignIn()
{
    if (!m_cloud->isConfigured()) {
        MessageBoxes::information(
            m_window, tr("Sign In"), MellAccount::Client::notConfiguredMessage());
        return;
    }
    statusBar()->startBusy(tr("Waiting for you to sign in with your web browser..."));
    m_cloud->authClient()->login();
}

void SignInActions::signOut()
{
    m_cloud->authClient()->logout();
    statusBar()->showTransientMessage(tr("Signed out"), kShortMessageMs);
}

void SignInActions::showAccountScreen(MellAccount::AccountScreen::Tab tab)
{
    if (!m_cloud->isAuthenticated()) {
        startSignIn();
        return;
    }
    if (!m_accountScreen) {
        m_accountScreen = new MellAccount::AccountScreen(m_cloud);
        connect(m_accountScreen, &MellAccount::AccountScreen::logoutRequested, this,
            &SignInActions::signOut);
    }
    m_accountScreen->setTab(tab);
    m_accountScreen->refresh();
    m_window->showToolWindow(m_accountScreen, tr("Mellowind Account"), QSize(600, 550));
}
