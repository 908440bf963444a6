#pragma once

#include "ui/screens/AccountScreen.h"

#include <QObject>
#include <QPointer>

class MainWindow;
class StatusBar;

namespace MellAccount {
class Client;
struct User;
} // namespace MellAccount

// The main window's side of the cloud account: starting a sign-in (or saying
// that no service is configured), what the status bar says while it runs and
// after, the question about an unfamiliar account, signing out, and the
// account window.
class SignInActions : public QObject {
    Q_OBJECT

public:
    SignInActions(MainWindow* window, MellAccount::Client* cloud);

    // Signed in: the account window on `tab`; otherwise a sign-in.
    void showAccountScreen(MellAccount::AccountScreen::Tab tab);
    MellAccount::AccountScreen* accountScreen() const { return m_accountScreen; }

public Q_SLOTS:
    void startSignIn();
    void signOut();

private:
    StatusBar* statusBar() const;

    MainWindow* m_window;
    MellAccount::Client* m_cloud;
    QPointer<MellAccount::AccountScreen> m_accountScreen;
};
