#include "SessionStore.h"

#include "Crypto.h"
#include "Jwt.h"
#include "ServerClock.h"
#include "ServerLogging.h"
#include "Sql.h"
#include "Store.h"

#include <QJsonObject>

namespace {

// Rotated tokens are remembered this long to recognise a stolen copy.
constexpr qint64 kRotatedMemory = 24 * 3600;

QString hashOf(const QString& token)
{
    return Crypto::sha256Hex(token.toUtf8());
}

} // namespace

SessionStore::SessionStore(Store& store, const ServerKeys& keys)
    : m_store(store)
    , m_keys(keys)
{
}

QString SessionStore::accessToken(const QString& userId, const QString& sessionId, qint64 now) const
{
    return Jwt::sign({ { "sub", userId }, { "sid", sessionId }, { "iat", now },
                         { "exp", now + kAccessLifetime }, { "jti", Crypto::randomToken(9) } },
        m_keys.accessTokens());
}

QString SessionStore::successorOf(const QString& refreshToken) const
{
    return Crypto::base64Url(Crypto::hmacSha256(m_keys.refreshTokens(), refreshToken.toUtf8()));
}

std::optional<SessionStore::Tokens> SessionStore::open(
    const QString& userId, const QString& userAgent, const QString& address)
{
    const qint64 now = ServerClock::now();
    const QString sessionId = Crypto::newId();
    const Tokens tokens { accessToken(userId, sessionId, now), Crypto::randomToken() };
    const bool ok = m_store.write([&](QSqlDatabase& db) {
        QSqlQuery query(db);
        return Sql::exec(query,
                   QStringLiteral("INSERT INTO sessions (id, user_id, user_agent, ip_address, "
                                  "created_at, last_active_at) VALUES (?, ?, ?, ?, ?, ?)"),
                   { sessionId, userId, userAgent.left(500), address, now, now })
            && Sql::exec(query,
                QStringLiteral("INSERT INTO refresh_tokens (token_hash, session_id, created_at) "
                               "VALUES (?, ?, ?)"),
                { hashOf(tokens.refresh), sessionId, now });
    });
    if (!ok)
        return std::nullopt;
    qCInfo(lcAuth).noquote() << "Session" << sessionId << "opened for user" << userId;
    return tokens;
}

SessionStore::Refresh SessionStore::refresh(const QString& refreshToken, Tokens* tokens)
{
    const qint64 now = ServerClock::now();
    Refresh outcome = Refresh::Rejected;
    QString reused;
    const bool ok = m_store.write([&](QSqlDatabase& db) {
        QSqlQuery query(db);
        // Locked, so two refreshes with one token take turns and the second
        // finds the first one's successor.
        if (!Sql::exec(query,
                QStringLiteral(
                    "SELECT t.session_id, t.rotated_at, t.successor_access, s.user_id, "
                    "s.last_active_at, u.disabled FROM refresh_tokens t "
                    "JOIN sessions s ON s.id = t.session_id JOIN users u ON u.id = s.user_id "
                    "WHERE t.token_hash = ?")
                    + m_store.lockRow(QStringLiteral("t")),
                { hashOf(refreshToken) }))
            return false;
        if (!query.next())
            return true;
        const QString sessionId = query.value(0).toString();
        const qint64 rotatedAt = query.value(1).toLongLong();
        const QString successorAccess = query.value(2).toString();
        const QString userId = query.value(3).toString();
        const bool idle = query.value(4).toLongLong() < now - kIdleLimit;
        const bool disabled = query.value(5).toInt() != 0;
        if (idle || disabled)
            return true;
        if (rotatedAt > 0) {
            if (now - rotatedAt <= kRefreshGrace && !successorAccess.isEmpty()) {
                *tokens = { successorAccess, successorOf(refreshToken) };
                outcome = Refresh::Issued;
                return true;
            }
            reused = sessionId;
            return Sql::exec(
                query, QStringLiteral("DELETE FROM sessions WHERE id = ?"), { sessionId });
        }
        *tokens = { accessToken(userId, sessionId, now), successorOf(refreshToken) };
        outcome = Refresh::Issued;
        return Sql::exec(query,
                   QStringLiteral("UPDATE refresh_tokens SET rotated_at = ?, successor_access = ? "
                                  "WHERE token_hash = ?"),
                   { now, tokens->access, hashOf(refreshToken) })
            && Sql::exec(query,
                QStringLiteral("INSERT INTO refresh_tokens (token_hash, session_id, created_at) "
                               "VALUES (?, ?, ?)"),
                { hashOf(tokens->refresh), sessionId, now })
            && Sql::exec(query,
                QStringLiteral("UPDATE sessions SET last_active_at = ? WHERE id = ?"),
                { now, sessionId });
    });
    if (!ok)
        return Refresh::Failed;
    if (!reused.isEmpty())
        qCWarning(lcAuth).noquote() << "A replaced refresh token came back after the grace period;"
                                    << "session" << reused << "ended";
    return outcome;
}

std::optional<SessionStore::Bearer> SessionStore::authenticate(const QString& accessToken)
{
    const auto claims = Jwt::verify(accessToken, m_keys.accessTokens());
    const qint64 now = ServerClock::now();
    if (!claims || claims->value("exp").toInteger() <= now)
        return std::nullopt;
    const Bearer bearer { claims->value("sub").toString(), claims->value("sid").toString() };
    if (bearer.userId.isEmpty() || bearer.sessionId.isEmpty())
        return std::nullopt;
    QSqlDatabase db = m_store.db();
    QSqlQuery query(db);
    if (!Sql::exec(query,
            QStringLiteral(
                "SELECT s.last_active_at FROM sessions s JOIN users u ON u.id = s.user_id "
                "WHERE s.id = ? AND s.user_id = ? AND u.disabled = 0"),
            { bearer.sessionId, bearer.userId })
        || !query.next())
        return std::nullopt;
    const qint64 lastActive = query.value(0).toLongLong();
    query.finish();
    // Written at most once a minute: a bearer check is not worth a write each time.
    if (now - lastActive >= 60) {
        m_store.write([&](QSqlDatabase& db) {
            QSqlQuery update(db);
            return Sql::exec(update,
                QStringLiteral(
                    "UPDATE sessions SET last_active_at = ? WHERE id = ? AND last_active_at < ?"),
                { now, bearer.sessionId, now });
        });
    }
    return bearer;
}

bool SessionStore::end(const QString& userId, const QString& sessionId)
{
    bool found = false;
    const bool ok = m_store.write([&](QSqlDatabase& db) {
        QSqlQuery query(db);
        if (!Sql::exec(query, QStringLiteral("DELETE FROM sessions WHERE id = ? AND user_id = ?"),
                { sessionId, userId }))
            return false;
        found = query.numRowsAffected() > 0;
        return true;
    });
    return ok && found;
}

QJsonArray SessionStore::list(const QString& userId, const QString& current)
{
    QJsonArray sessions;
    QSqlDatabase db = m_store.db();
    QSqlQuery query(db);
    if (!Sql::exec(query,
            QStringLiteral(
                "SELECT id, user_agent, ip_address, created_at, last_active_at FROM sessions "
                "WHERE user_id = ? ORDER BY last_active_at DESC, id"),
            { userId }))
        return sessions;
    while (query.next()) {
        const QString id = query.value(0).toString();
        sessions.append(QJsonObject { { "id", id }, { "user_agent", query.value(1).toString() },
            { "ip_address", query.value(2).toString() },
            { "created_at", ServerClock::iso(query.value(3).toLongLong()) },
            { "last_active_at", ServerClock::iso(query.value(4).toLongLong()) },
            { "is_current", id == current } });
    }
    return sessions;
}

void SessionStore::purgeExpired()
{
    const qint64 now = ServerClock::now();
    m_store.write([&](QSqlDatabase& db) {
        QSqlQuery query(db);
        return Sql::exec(query, QStringLiteral("DELETE FROM sessions WHERE last_active_at < ?"),
                   { now - kIdleLimit })
            && Sql::exec(query,
                QStringLiteral(
                    "DELETE FROM refresh_tokens WHERE rotated_at IS NOT NULL AND rotated_at < ?"),
                { now - kRotatedMemory });
    });
}
