#pragma once

#include <QJsonObject>
#include <QList>
#include <QString>
#include <optional>

class Store;

struct UserRecord {
    QString id;
    QString email;
    QString displayName;
    QString passwordHash;
    bool disabled = false;
    qint64 createdAt = 0;
    // When the user asked for the account to be deleted; 0 when not.
    qint64 deletionRequestedAt = 0;

    // The members the desktop reads as its User.
    QJsonObject toJson() const;
};

// The people who may sign in. E-mail addresses are kept trimmed and in lower
// case, so "Ann@Example.org" and "ann@example.org" are one account.
class UserStore {
public:
    enum class AddResult { Added, Exists, Failed };

    explicit UserStore(Store& store);

    static QString normalEmail(const QString& email);
    // Something, "@", something with a dot; no spaces or control characters.
    static bool isPlausibleEmail(const QString& email);

    AddResult add(const QString& email, const QString& displayName, const QString& passwordHash,
        UserRecord* added = nullptr);
    std::optional<UserRecord> byEmail(const QString& email);
    std::optional<UserRecord> byId(const QString& id);
    QList<UserRecord> all();
    bool setDisplayName(const QString& id, const QString& name);
    // Disabling ends every session of the user at once.
    bool setDisabled(const QString& id, bool disabled);
    // Ends every session but `keepSession` (empty: all of them).
    bool setPasswordHash(const QString& id, const QString& hash, const QString& keepSession = {});
    bool requestDeletion(const QString& id, qint64 at);
    bool cancelDeletion(const QString& id);
    // Removes accounts whose deletion was asked for before `cutoff`, with
    // everything they stored; the number removed.
    int purgeDeletedBefore(qint64 cutoff);

private:
    std::optional<UserRecord> findOne(const QString& where, const QString& value);

    Store& m_store;
};
