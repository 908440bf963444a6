#include "LoginGuard.h"

#include "ServerClock.h"
#include "Sql.h"
#include "Store.h"
#include "UserStore.h"

namespace {

QString accountKey(const QString& email)
{
    return QStringLiteral("account:") + UserStore::normalEmail(email);
}

QString addressKey(const QString& address)
{
    return QStringLiteral("address:") + address;
}

} // namespace

LoginGuard::LoginGuard(Store& store)
    : m_store(store)
{
}

bool LoginGuard::isBlocked(const QString& email, const QString& address)
{
    QSqlDatabase db = m_store.db();
    QSqlQuery query(db);
    const qint64 since = ServerClock::now() - kWindowSeconds;
    if (!Sql::exec(query,
            QStringLiteral(
                "SELECT (SELECT COUNT(*) FROM login_failures WHERE subject = ? AND failed_at > ?), "
                "(SELECT COUNT(*) FROM login_failures WHERE subject = ? AND failed_at > ?)"),
            { accountKey(email), since, addressKey(address), since })
        || !query.next())
        return true;
    return query.value(0).toInt() >= kMaxFailures || query.value(1).toInt() >= kMaxFailures;
}

void LoginGuard::recordFailure(const QString& email, const QString& address)
{
    const qint64 now = ServerClock::now();
    m_store.write([&](QSqlDatabase& db) {
        QSqlQuery query(db);
        return Sql::exec(query,
            QStringLiteral("INSERT INTO login_failures (subject, failed_at) VALUES (?, ?), (?, ?)"),
            { accountKey(email), now, addressKey(address), now });
    });
}

void LoginGuard::purgeOld()
{
    m_store.write([this](QSqlDatabase& db) {
        QSqlQuery query(db);
        return Sql::exec(query, QStringLiteral("DELETE FROM login_failures WHERE failed_at < ?"),
            { ServerClock::now() - kWindowSeconds });
    });
}
