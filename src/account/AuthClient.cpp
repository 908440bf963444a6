#include "AuthClient.h"

#include "AccountLogging.h"
#include "Client.h"
#include "PathSegment.h"
#include "SystemBrowser.h"
#include "TokenManager.h"
#include "TokenRefresh.h"

#include <QRandomGenerator>
#include <QTimer>
#include <QUrlQuery>

namespace MellAccount {

namespace {

const QString kLogoutPath = QStringLiteral("/auth/logout");
const QString kUserPath = QStringLiteral("/users/me");

QString randomState()
{
    quint32 words[6];
    QRandomGenerator::system()->fillRange(words);
    return QString::fromLatin1(
        QByteArray(reinterpret_cast<const char*>(words), sizeof words)
            .toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals));
}

QString encoded(const QString& text)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(text));
}

void ignoreReply(bool, int, const QJsonObject&) { }

} // namespace

AuthClient::AuthClient(const QString& authBaseUrl, const QString& realmSlug,
    const QString& clientId, ApiClient* authApi, TokenManager* tokens, QObject* parent)
    : QObject(parent)
    , m_authBaseUrl(authBaseUrl)
    , m_realmSlug(realmSlug)
    , m_clientId(clientId)
    , m_authApi(authApi)
    , m_tokens(tokens)
{
    while (m_authBaseUrl.endsWith(QLatin1Char('/')))
        m_authBaseUrl.chop(1);
    TokenRefresh::install(m_tokens, m_authApi);
    connect(m_tokens, &TokenManager::tokensAbandoned, this, &AuthClient::revoke);
}

void AuthClient::setState(AuthState state)
{
    if (state == m_state)
        return;
    const bool wasSignedIn = isAuthenticated();
    m_state = state;
    Q_EMIT stateChanged(state);
    if (wasSignedIn != isAuthenticated())
        Q_EMIT signedInChanged(isAuthenticated());
}

void AuthClient::initialize()
{
    // Without a service there is nobody to be signed in to: the keyring stays closed.
    if (m_authBaseUrl.isEmpty()) {
        setState(AuthState::SignedOut);
        return;
    }
    QPointer<AuthClient> self(this);
    m_tokens->load([self] {
        if (self)
            self->restoreSession();
    });
}

void AuthClient::restoreSession()
{
    if (!m_tokens->accessToken().isEmpty()) {
        setState(AuthState::SignedIn);
    } else if (!m_tokens->refreshToken().isEmpty()) {
        QPointer<AuthClient> self(this);
        m_tokens->refresh([self](RefreshResult result) {
            if (!self)
                return;
            if (result == RefreshResult::Rejected) {
                self->forgetSession();
                return;
            }
            // An unreachable server keeps the user signed in until it answers.
            self->setState(AuthState::SignedIn);
        });
    } else {
        setState(AuthState::SignedOut);
    }
}

void AuthClient::setService(
    const QString& authBaseUrl, const QString& realmSlug, const QString& clientId)
{
    m_authBaseUrl = authBaseUrl;
    while (m_authBaseUrl.endsWith(QLatin1Char('/')))
        m_authBaseUrl.chop(1);
    m_realmSlug = realmSlug;
    m_clientId = clientId;
}

QUrl AuthClient::signInPageUrl(const QString& redirectUri, const QString& state) const
{
    return QUrl::fromEncoded(
        QStringLiteral("%1/%2/account/login?client_id=%3&redirect_uri=%4&state=%5")
            .arg(m_authBaseUrl, encoded(m_realmSlug), encoded(m_clientId), encoded(redirectUri),
                encoded(state))
            .toUtf8());
}

bool AuthClient::isSignInPending() const
{
    return m_listener;
}

void AuthClient::cancelSignIn()
{
    for (WebAuthHandler* listener : { m_listener.data(), m_closing.data() }) {
        if (listener)
            listener->deleteLater();
    }
    m_listener = nullptr;
    m_closing = nullptr;
}

void AuthClient::login()
{
    if (m_authBaseUrl.isEmpty()) {
        Q_EMIT loginFailed(Client::notConfiguredMessage());
        return;
    }
    cancelSignIn();
    auto* listener = new WebAuthHandler(this);
    listener->setTimeout(m_signInTimeoutMs);
    const QString redirectUri = listener->start();
    if (redirectUri.isEmpty()) {
        listener->deleteLater();
        Q_EMIT loginFailed(tr("Failed to start local auth server"));
        return;
    }
    m_listener = listener;
    m_expectedState = randomState();
    connect(listener, &WebAuthHandler::callbackReceived, this, [this, listener](const QUrl& url) {
        m_listener = nullptr;
        m_closing = listener;
        const CallbackResult result = handleCallback(url);
        listener->setOutcome(result.outcome, result.detail);
    });
    connect(listener, &WebAuthHandler::timedOut, this, [this, listener] {
        m_listener = nullptr;
        listener->deleteLater();
        Q_EMIT loginFailed(tr("Sign-in timed out"));
    });
    qCInfo(lcAccount) << "Opening the sign-in page; the answer comes to port" << listener->port();
    if (!SystemBrowser::open(signInPageUrl(redirectUri, m_expectedState))) {
        cancelSignIn();
        Q_EMIT loginFailed(tr("The web browser could not be opened"));
    }
}

AuthClient::CallbackResult AuthClient::fail(const QString& error)
{
    qCWarning(lcAccount).noquote() << "Sign-in failed:" << error;
    Q_EMIT loginFailed(error);
    return { WebAuthHandler::Outcome::Failed, error };
}

AuthClient::CallbackResult AuthClient::handleCallback(const QUrl& url)
{
    // The result comes in the fragment or in the query, never in both.
    const QUrlQuery result(url.fragment().isEmpty() ? url.query(QUrl::FullyEncoded)
                                                    : url.fragment(QUrl::FullyEncoded));
    const auto value = [&result](const char* key) {
        return result.queryItemValue(QLatin1String(key), QUrl::FullyDecoded);
    };
    // A result that does not carry this sign-in's state may be a web page's
    // attempt to sign this computer in to someone else's account, which
    // would then receive the whole ledger.
    if (!result.hasQueryItem(QStringLiteral("state")) || value("state") != m_expectedState)
        return fail(tr("the answer did not come from this sign-in."));
    if (const QString error = value("error"); !error.isEmpty()) {
        const QString description = value("error_description").replace(QLatin1Char('+'), ' ');
        return fail(description.isEmpty() ? error : description);
    }
    const QString access = value("access_token");
    const QString refresh = value("refresh_token");
    if (access.isEmpty() || refresh.isEmpty())
        return fail(tr("No tokens received"));
    accept(access, refresh);
    return { WebAuthHandler::Outcome::SignedIn, QString() };
}

void AuthClient::accept(const QString& access, const QString& refresh)
{
    m_tokens->setTokens(access, refresh);
    m_user = User();
    setState(AuthState::SignedIn);
    qCInfo(lcAccount) << "Signed in";
    Q_EMIT loginSucceeded();
}

void AuthClient::forgetSession()
{
    m_tokens->clear();
    m_user = User();
    setState(AuthState::SignedOut);
}

void AuthClient::logout()
{
    const QString access = m_tokens->accessToken();
    const QString refresh = m_tokens->refreshToken();
    // A refresh on its way brings the newest tokens; those are signed out when
    // they arrive (tokensAbandoned), as the ones held now are spent.
    const bool refreshing = m_tokens->isRefreshing();
    cancelSignIn();
    forgetSession();
    Q_EMIT logoutCompleted();
    if (!refreshing)
        revoke(access, refresh);
}

void AuthClient::revoke(const QString& access, const QString& refresh)
{
    if (!access.isEmpty()) {
        m_authApi->sendAs("POST", kLogoutPath, {}, access, ignoreReply);
        return;
    }
    if (refresh.isEmpty())
        return;
    // Without a fresh access token, one last refresh gets one to sign out with.
    QPointer<ApiClient> api(m_authApi);
    TokenRefresh::request(m_authApi, refresh, [api](const TokenRefresh::Answer& answer) {
        if (api && answer.ok)
            api->sendAs("POST", kLogoutPath, {}, answer.access, ignoreReply);
    });
}

void AuthClient::onAuthenticationLost()
{
    if (isAuthenticated() && m_tokens->refreshToken().isEmpty())
        forgetSession();
}

void AuthClient::refreshToken(std::function<void(bool ok)> callback)
{
    QPointer<AuthClient> self(this);
    m_tokens->refresh([self, callback = std::move(callback)](RefreshResult result) {
        if (!self)
            return;
        if (result == RefreshResult::Rejected)
            self->forgetSession();
        if (callback)
            callback(result == RefreshResult::Success);
    });
}

QString AuthClient::currentUserId() const
{
    return subject(m_tokens->accessToken());
}

ApiCallback AuthClient::userReply(std::function<void(bool ok, const User&)> callback)
{
    QPointer<AuthClient> self(this);
    return [self, callback = std::move(callback)](bool ok, int, const QJsonObject& body) {
        if (!self)
            return;
        // An answer that arrives after a sign-out describes nobody here.
        if (ok && self->isAuthenticated())
            self->m_user = User::fromJson(body);
        if (callback)
            callback(ok, self->m_user);
    };
}

void AuthClient::fetchCurrentUser(std::function<void(bool ok, const User&)> callback)
{
    m_authApi->get(kUserPath, userReply(std::move(callback)));
}

void AuthClient::updateProfile(
    const QString& displayName, std::function<void(bool ok, const User&)> callback)
{
    m_authApi->patch(kUserPath, { { QStringLiteral("display_name"), displayName } },
        userReply(std::move(callback)));
}

void AuthClient::changePassword(const QString& currentPassword, const QString& newPassword,
    std::function<void(bool ok)> callback)
{
    m_authApi->post(QStringLiteral("/users/me/password"),
        { { QStringLiteral("current_password"), currentPassword },
            { QStringLiteral("new_password"), newPassword } },
        [callback = std::move(callback)](bool ok, int, const QJsonObject&) {
            if (callback)
                callback(ok);
        });
}

void AuthClient::listSessions(std::function<void(bool ok, const QList<Session>&)> callback)
{
    m_authApi->get(QStringLiteral("/users/me/sessions"),
        [callback = std::move(callback)](bool ok, int, const QJsonObject& body) {
            if (callback)
                callback(ok, ok ? Session::listFromJson(body) : QList<Session>());
        });
}

void AuthClient::revokeSession(const QString& sessionId, ApiCallback callback)
{
    ApiCallback reply = callback ? std::move(callback) : ApiCallback(ignoreReply);
    const std::optional<QString> segment = pathSegment(sessionId);
    if (!segment) {
        QTimer::singleShot(0, this, [reply] { reply(false, 0, {}); });
        return;
    }
    m_authApi->remove(QStringLiteral("/users/me/sessions/%1").arg(*segment), std::move(reply));
}

} // namespace MellAccount
