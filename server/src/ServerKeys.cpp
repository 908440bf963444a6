#include "ServerKeys.h"

#include "Crypto.h"
#include "Sql.h"
#include "Store.h"

ServerKeys::ServerKeys(const QByteArray& secret)
    : m_access(Crypto::hmacSha256(secret, "access tokens"))
    , m_cursors(Crypto::hmacSha256(secret, "pull cursors"))
    , m_forms(Crypto::hmacSha256(secret, "sign-in forms"))
    , m_refresh(Crypto::hmacSha256(secret, "refresh successors"))
{
}

std::optional<ServerKeys> ServerKeys::load(Store& store, QString* error)
{
    QByteArray secret;
    const bool ok = store.write([&secret](QSqlDatabase& db) {
        QSqlQuery query(db);
        // Of several servers starting on a new database, the first one's key stays.
        if (!Sql::exec(query,
                QStringLiteral("INSERT INTO server_settings (name, value) VALUES ('secret', ?) "
                               "ON CONFLICT (name) DO NOTHING"),
                { QString::fromLatin1(Crypto::randomBytes(32).toBase64()) })
            || !Sql::exec(
                query, QStringLiteral("SELECT value FROM server_settings WHERE name = 'secret'"))
            || !query.next())
            return false;
        secret = QByteArray::fromBase64(query.value(0).toString().toLatin1());
        return true;
    });
    if (!ok || secret.size() < 32) {
        *error = QStringLiteral("cannot read or create the server's secret key");
        return std::nullopt;
    }
    return ServerKeys(secret);
}
