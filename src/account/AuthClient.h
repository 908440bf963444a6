#pragma once

#include "ApiClient.h"
#include "AuthState.h"
#include "Session.h"
#include "User.h"
#include "WebAuthHandler.h"

#include <QObject>
#include <QPointer>
#include <optional>

namespace MellAccount {

class TokenManager;

// The user's sign-in: through the system browser and a loopback listener,
// restored from the stored tokens at start, refreshed and ended; and the
// account's profile, password and signed-in sessions.
class AuthClient : public QObject {
    Q_OBJECT
    Q_PROPERTY(MellAccount::AuthState state READ state NOTIFY stateChanged)
    Q_PROPERTY(bool isAuthenticated READ isAuthenticated NOTIFY stateChanged)

public:
    // Settings key: true once anyone has signed in on this computer.
    static inline const QString kHasSignedInBeforeKey = QStringLiteral("auth/hasSignedInBefore");

    AuthClient(const QString& authBaseUrl, const QString& realmSlug, const QString& clientId,
        ApiClient* authApi, TokenManager* tokens, QObject* parent = nullptr);

    void initialize();
    void login();
    void logout();
    void refreshToken(std::function<void(bool ok)> callback);
    // The stored user, refreshed when `ok`.
    void fetchCurrentUser(std::function<void(bool ok, const User&)> callback);
    void updateProfile(
        const QString& displayName, std::function<void(bool ok, const User&)> callback);
    void changePassword(const QString& currentPassword, const QString& newPassword,
        std::function<void(bool ok)> callback);
    void listSessions(std::function<void(bool ok, const QList<Session>&)> callback);
    void revokeSession(const QString& sessionId, ApiCallback callback);

    QString currentUserId() const;
    AuthState state() const { return m_state; }
    bool isAuthenticated() const { return m_state == AuthState::SignedIn; }
    User currentUser() const { return m_user; }

    // The hosted sign-in page, which sends the browser back to `redirectUri`
    // with `state` echoed.
    QUrl signInPageUrl(const QString& redirectUri, const QString& state) const;
    // From login() to its result.
    bool isSignInPending() const;
    // How long the listener waits for the browser.
    void setSignInTimeout(int ms) { m_signInTimeoutMs = ms; }
    // The listener of the sign-in waiting for the browser, if any.
    WebAuthHandler* listener() const { return m_listener; }
    // Another authentication service, for the next sign-in (signed out only).
    void setService(const QString& authBaseUrl, const QString& realmSlug, const QString& clientId);

Q_SIGNALS:
    void stateChanged(MellAccount::AuthState state);
    void loginSucceeded();
    void loginFailed(const QString& error);
    void logoutCompleted();
    // Into or out of the signed-in state by any path: a sign-in or sign-out,
    // the tokens found at start (also once a refresh at start succeeds), a
    // refresh token refused. Automatic synchronisation follows it.
    void signedInChanged(bool signedIn);

public Q_SLOTS:
    // Some call had its refresh token refused: the session has ended.
    void onAuthenticationLost();

private:
    struct CallbackResult {
        WebAuthHandler::Outcome outcome;
        QString detail;
    };

    void setState(AuthState state);
    // The stored tokens read: signed in with them, after a refresh if need be.
    void restoreSession();
    CallbackResult handleCallback(const QUrl& url);
    CallbackResult fail(const QString& error);
    void accept(const QString& access, const QString& refresh);
    void cancelSignIn();
    void forgetSession();
    // Ends on the server the session these tokens belong to.
    void revoke(const QString& access, const QString& refresh);
    // Stores the user a reply describes, then hands on the stored user.
    ApiCallback userReply(std::function<void(bool ok, const User&)> callback);

    QString m_authBaseUrl;
    QString m_realmSlug;
    QString m_clientId;
    ApiClient* m_authApi;
    TokenManager* m_tokens;
    AuthState m_state = AuthState::Undetermined;
    User m_user;

    int m_signInTimeoutMs = WebAuthHandler::kDefaultTimeoutMs;
    QPointer<WebAuthHandler> m_listener;
    // A listener past its result, still showing the browser its closing page.
    QPointer<WebAuthHandler> m_closing;
    QString m_expectedState;
};

} // namespace MellAccount
