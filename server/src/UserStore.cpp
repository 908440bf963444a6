#include "UserStore.h"

#include "Crypto.h"
#include "Households.h"
#include "ServerClock.h"
#include "ServerLogging.h"
#include "Sql.h"
#include "Store.h"

#include <QRegularExpression>
#include <QSqlError>

namespace {

const QString kColumns = QStringLiteral(
    "id, email, display_name, password_hash, disabled, created_at, deletion_requested_at");

UserRecord fromRow(const QSqlQuery& query)
{
    return { query.value(0).toString(), query.value(1).toString(), query.value(2).toString(),
        query.value(3).toString(), query.value(4).toInt() != 0, query.value(5).toLongLong(),
        query.value(6).toLongLong() };
}

} // namespace

QJsonObject UserRecord::toJson() const
{
    return { { "id", id }, { "email", email }, { "display_name", displayName },
        { "username", email }, { "avatar_url", "" },
        { "created_at", ServerClock::iso(createdAt) } };
}

UserStore::UserStore(Store& store)
    : m_store(store)
{
}

QString UserStore::normalEmail(const QString& email)
{
    return email.trimmed().toLower();
}

bool UserStore::isPlausibleEmail(const QString& email)
{
    static const QRegularExpression pattern(QStringLiteral("^[^@\\s]+@[^@\\s]+\\.[^@\\s]+$"));
    return email.size() <= 254 && pattern.match(email).hasMatch()
        && !email.contains(QRegularExpression(QStringLiteral("[\\x00-\\x1f\\x7f]")));
}

UserStore::AddResult UserStore::add(const QString& email, const QString& displayName,
    const QString& passwordHash, UserRecord* added)
{
    const UserRecord user { Crypto::newId(), normalEmail(email), displayName.trimmed(),
        passwordHash, false, ServerClock::now(), 0 };
    bool exists = false;
    const bool ok = m_store.write([&](QSqlDatabase& db) {
        QSqlQuery query(db);
        if (!Sql::exec(
                query, QStringLiteral("SELECT 1 FROM users WHERE email = ?"), { user.email }))
            return false;
        if (query.next()) {
            exists = true;
            return false;
        }
        return Sql::exec(query,
            QStringLiteral("INSERT INTO users (id, email, display_name, password_hash, created_at) "
                           "VALUES (?, ?, ?, ?, ?)"),
            { user.id, user.email, user.displayName, user.passwordHash, user.createdAt });
    });
    if (exists)
        return AddResult::Exists;
    if (!ok)
        return AddResult::Failed;
    if (added)
        *added = user;
    qCInfo(lcAuth).noquote() << "Added user" << user.id;
    return AddResult::Added;
}

std::optional<UserRecord> UserStore::findOne(const QString& where, const QString& value)
{
    QSqlDatabase db = m_store.db();
    QSqlQuery query(db);
    if (!Sql::exec(query, QStringLiteral("SELECT %1 FROM users WHERE %2 = ?").arg(kColumns, where),
            { value })
        || !query.next())
        return std::nullopt;
    return fromRow(query);
}

std::optional<UserRecord> UserStore::byEmail(const QString& email)
{
    return findOne(QStringLiteral("email"), normalEmail(email));
}

std::optional<UserRecord> UserStore::byId(const QString& id)
{
    return findOne(QStringLiteral("id"), id);
}

QList<UserRecord> UserStore::all()
{
    QList<UserRecord> users;
    QSqlDatabase db = m_store.db();
    QSqlQuery query(db);
    if (Sql::exec(query, QStringLiteral("SELECT %1 FROM users ORDER BY email").arg(kColumns))) {
        while (query.next())
            users.append(fromRow(query));
    }
    return users;
}

bool UserStore::setDisplayName(const QString& id, const QString& name)
{
    return m_store.write([&](QSqlDatabase& db) {
        QSqlQuery query(db);
        return Sql::exec(query, QStringLiteral("UPDATE users SET display_name = ? WHERE id = ?"),
                   { name, id })
            && query.numRowsAffected() == 1;
    });
}

bool UserStore::setDisabled(const QString& id, bool disabled)
{
    return m_store.write([&](QSqlDatabase& db) {
        QSqlQuery query(db);
        return Sql::exec(query, QStringLiteral("UPDATE users SET disabled = ? WHERE id = ?"),
                   { disabled ? 1 : 0, id })
            && query.numRowsAffected() == 1
            && (!disabled
                || Sql::exec(
                    query, QStringLiteral("DELETE FROM sessions WHERE user_id = ?"), { id }));
    });
}

bool UserStore::setPasswordHash(const QString& id, const QString& hash, const QString& keepSession)
{
    return m_store.write([&](QSqlDatabase& db) {
        QSqlQuery query(db);
        return Sql::exec(query, QStringLiteral("UPDATE users SET password_hash = ? WHERE id = ?"),
                   { hash, id })
            && query.numRowsAffected() == 1
            && Sql::exec(query,
                QStringLiteral("DELETE FROM sessions WHERE user_id = ? AND id <> ?"),
                { id, keepSession });
    });
}

bool UserStore::requestDeletion(const QString& id, qint64 at)
{
    return m_store.write([&](QSqlDatabase& db) {
        QSqlQuery query(db);
        return Sql::exec(query,
                   QStringLiteral("UPDATE users SET deletion_requested_at = ? WHERE id = ?"),
                   { at, id })
            && Sql::exec(query, QStringLiteral("DELETE FROM sessions WHERE user_id = ?"), { id });
    });
}

bool UserStore::cancelDeletion(const QString& id)
{
    return m_store.write([&](QSqlDatabase& db) {
        QSqlQuery query(db);
        return Sql::exec(query,
            QStringLiteral("UPDATE users SET deletion_requested_at = NULL WHERE id = ?"), { id });
    });
}

int UserStore::purgeDeletedBefore(qint64 cutoff)
{
    QStringList due;
    m_store.read([&](QSqlDatabase& db) {
        QSqlQuery query(db);
        if (!Sql::exec(query,
                QStringLiteral("SELECT id FROM users WHERE deletion_requested_at IS NOT NULL "
                               "AND deletion_requested_at < ?"),
                { cutoff }))
            return false;
        while (query.next())
            due.append(query.value(0).toString());
        return true;
    });
    int removed = 0;
    for (const QString& id : std::as_const(due)) {
        // Members lose the user's shares as tombstones before the records go.
        const bool ok = m_store.write([&](QSqlDatabase& db) {
            QSqlQuery query(db);
            return Households::withdraw(m_store, db, id)
                && Sql::exec(query,
                    QStringLiteral("DELETE FROM users WHERE id = ? AND deletion_requested_at "
                                   "IS NOT NULL AND deletion_requested_at < ?"),
                    { id, cutoff });
        });
        removed += ok ? 1 : 0;
    }
    if (removed > 0)
        qCInfo(lcAuth) << "Removed" << removed << "accounts whose deletion was due";
    return removed;
}
