#include "TokenManager.h"

#include "data/Clock.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QPointer>

namespace MellAccount {

namespace {

// The claims of a JWT; the signature is the server's business, not ours.
QJsonObject claims(const QString& token)
{
    const QStringList parts = token.split(QLatin1Char('.'));
    if (parts.size() < 2)
        return {};
    const auto payload = QByteArray::fromBase64Encoding(parts.at(1).toLatin1(),
        QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals
            | QByteArray::AbortOnBase64DecodingErrors);
    if (!payload)
        return {};
    return QJsonDocument::fromJson(*payload).object();
}

qint64 now()
{
    return Clock::nowUtc().toSecsSinceEpoch();
}

} // namespace

QString subject(const QString& token)
{
    return claims(token).value(QLatin1String("sub")).toString();
}

qint64 expiry(const QString& token)
{
    return claims(token).value(QLatin1String("exp")).toInteger(0);
}

TokenManager::TokenManager(std::unique_ptr<TokenStore> store, QObject* parent)
    : QObject(parent)
    , m_store(std::move(store))
{
}

TokenManager::~TokenManager() = default;

void TokenManager::load(std::function<void()> done)
{
    QPointer<TokenManager> self(this);
    const quint64 generation = m_generation;
    m_store->open([self, generation, done](const TokenStore::Stored& stored) {
        if (!self)
            return;
        // A sign-in or sign-out meanwhile is newer than what the store held.
        if (generation == self->m_generation) {
            self->m_access = stored.access;
            self->m_refresh = stored.refresh;
        }
        if (stored.stalled)
            Q_EMIT self->storeStalled();
        if (done)
            done();
    });
}

bool TokenManager::isFresh(const QString& token) const
{
    const QJsonObject claimed = claims(token);
    const qint64 expires = claimed.value(QLatin1String("exp")).toInteger(0);
    qint64 issued = claimed.value(QLatin1String("iat")).toInteger(0);
    if (issued <= 0 && token == m_access)
        issued = m_receivedAt;
    // A token that lives no longer than the margin would never be fresh:
    // such a one is used for its first three quarters.
    const qint64 margin = issued > 0 && expires > issued
        ? std::min(kExpiryMarginSeconds, (expires - issued) / 4)
        : kExpiryMarginSeconds;
    return !token.isEmpty() && expires != 0 && now() + m_skewSeconds < expires - margin;
}

QString TokenManager::accessToken() const
{
    return isFresh(m_access) ? m_access : QString();
}

bool TokenManager::needsRefresh() const
{
    return !isFresh(m_access) && !m_refresh.isEmpty();
}

void TokenManager::adopt(const QString& access, const QString& refresh)
{
    // The server stamps a new token with its own time: how far that is from
    // ours says how to read every expiry until the next one.
    const qint64 issuedAt = claims(access).value(QLatin1String("iat")).toInteger(0);
    m_skewSeconds = issuedAt > 0 ? issuedAt - now() : 0;
    m_receivedAt = now();
    m_access = access;
    // A server that does not rotate refresh tokens may leave it out.
    if (!refresh.isEmpty())
        m_refresh = refresh;
    m_store->write(TokenStore::kAccessTokenKey, m_access);
    m_store->write(TokenStore::kRefreshTokenKey, m_refresh);
}

void TokenManager::setTokens(const QString& access, const QString& refresh)
{
    ++m_generation;
    m_refresh.clear();
    adopt(access, refresh);
    finishRefresh(RefreshResult::Success);
}

void TokenManager::clear()
{
    ++m_generation;
    m_access.clear();
    m_refresh.clear();
    m_skewSeconds = 0;
    m_store->clear();
    finishRefresh(RefreshResult::Rejected);
}

void TokenManager::finishRefresh(RefreshResult result)
{
    QMutexLocker lock(&m_mutex);
    m_refreshing = false;
    const QList<Continuation> waiting = std::exchange(m_pending, {});
    lock.unlock();
    for (const Continuation& continuation : waiting)
        continuation(result);
}

void TokenManager::refresh(Continuation continuation)
{
    QMutexLocker lock(&m_mutex);
    if (continuation)
        m_pending.append(std::move(continuation));
    if (m_refreshing)
        return;
    if (m_refresh.isEmpty() || !m_refreshCallback) {
        lock.unlock();
        finishRefresh(RefreshResult::Rejected);
        return;
    }
    m_refreshing = true;
    const QString token = m_refresh;
    const quint64 generation = m_generation;
    const RefreshCallback callback = m_refreshCallback;
    lock.unlock();

    QPointer<TokenManager> self(this);
    callback(
        token,
        [self, generation](const QString& access, const QString& refresh) {
            if (self)
                self->onRefreshed(generation, access, refresh);
        },
        [self, generation, token](bool rejected) {
            if (self)
                self->onRefreshFailed(generation, rejected, token);
        });
}

bool TokenManager::isRefreshing() const
{
    QMutexLocker lock(&m_mutex);
    return m_refreshing;
}

void TokenManager::onRefreshed(quint64 generation, const QString& access, const QString& refresh)
{
    // Signed out or in again meanwhile: this answer belongs to nobody.
    if (generation != m_generation) {
        Q_EMIT tokensAbandoned(access, refresh);
        return;
    }
    adopt(access, refresh);
    finishRefresh(RefreshResult::Success);
}

void TokenManager::onRefreshFailed(quint64 generation, bool rejected, const QString& presented)
{
    if (generation != m_generation) {
        // Not spent after all: the server may still honour it.
        if (!rejected)
            Q_EMIT tokensAbandoned(QString(), presented);
        return;
    }
    if (!rejected) {
        finishRefresh(RefreshResult::TransientFailure);
        return;
    }
    // A refused refresh token is dead everywhere: whoever looks next finds the
    // user signed out.
    clear();
}

} // namespace MellAccount
