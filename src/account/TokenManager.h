#pragma once

#include "TokenStore.h"

#include <QMutex>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>

namespace MellAccount {

enum class RefreshResult {
    Success = 0,
    // The refresh token is missing or was refused: the user must sign in again.
    Rejected = 1,
    // Network or server trouble; the tokens stay.
    TransientFailure = 2,
};

// The signed-in user's access and refresh tokens: kept in memory and in the
// store, judged fresh or stale on the server's clock, and refreshed so that
// any number of callers waiting at once cause one refresh request.
class TokenManager : public QObject {
    Q_OBJECT

public:
    using Continuation = std::function<void(RefreshResult)>;
    using RefreshSucceeded = std::function<void(const QString& access, const QString& refresh)>;
    using RefreshFailed = std::function<void(bool rejected)>;
    // Asks the server for new tokens in exchange for `refreshToken`.
    using RefreshCallback = std::function<void(
        const QString& refreshToken, RefreshSucceeded succeeded, RefreshFailed failed)>;

    // An access token this close to its expiry counts as expired; one that
    // lives two minutes or less, when its last quarter begins.
    static constexpr qint64 kExpiryMarginSeconds = 30;

    explicit TokenManager(std::unique_ptr<TokenStore> store, QObject* parent = nullptr);
    ~TokenManager() override;

    // Reads the stored tokens; `done` (may be empty) runs once they are here,
    // at once for most stores, later for a keyring that takes its time.
    void load(std::function<void()> done = {});
    // Tokens fresh from the server (sign-in); a refresh still in flight is
    // forgotten and its waiting callers go on with these.
    void setTokens(const QString& access, const QString& refresh);
    // Sign-out: forgets both tokens here and in the store; callers waiting for
    // a refresh learn that they must sign in again.
    void clear();

    // Empty unless the access token is still good for at least the margin.
    QString accessToken() const;
    QString refreshToken() const { return m_refresh; }
    bool needsRefresh() const;

    void setRefreshCallback(RefreshCallback callback) { m_refreshCallback = std::move(callback); }
    // `continuation` (may be empty) runs once the refresh in flight, or the
    // one this call starts, has ended.
    void refresh(Continuation continuation);

    bool isRefreshing() const;

    TokenStore* store() const { return m_store.get(); }
    // The server's clock minus this machine's, as measured from the last new token.
    qint64 clockSkewSeconds() const { return m_skewSeconds; }

Q_SIGNALS:
    // A refresh answered after a sign-out or a new sign-in: tokens that no one
    // here will use, yet the server honours until they are signed out.
    void tokensAbandoned(const QString& access, const QString& refresh);
    // The store did not answer in time when the tokens were read: the user
    // counts as signed out here, whatever it holds.
    void storeStalled();

private:
    bool isFresh(const QString& token) const;
    void adopt(const QString& access, const QString& refresh);
    void finishRefresh(RefreshResult result);
    void onRefreshed(quint64 generation, const QString& access, const QString& refresh);
    void onRefreshFailed(quint64 generation, bool rejected, const QString& presented);

    std::unique_ptr<TokenStore> m_store;
    QString m_access;
    QString m_refresh;
    qint64 m_skewSeconds = 0;
    // When the access token in hand arrived, for one that says nothing of
    // when it was issued.
    qint64 m_receivedAt = 0;
    RefreshCallback m_refreshCallback;
    // Changes at every sign-in and sign-out: a refresh answer for an earlier
    // generation must not bring tokens back.
    quint64 m_generation = 0;

    mutable QMutex m_mutex;
    bool m_refreshing = false;
    QList<Continuation> m_pending;
};

// The "sub" claim of a JWT; empty when it cannot be read.
QString subject(const QString& token);
// The "exp" claim in seconds since the epoch; 0 when it cannot be read.
qint64 expiry(const QString& token);

} // namespace MellAccount
