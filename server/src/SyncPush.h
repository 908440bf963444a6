#pragma once

#include <QHash>
#include <QJsonArray>
#include <QJsonObject>
#include <QSqlDatabase>
#include <QString>

#include "SharedFeed.h"

// One push inside its transaction: the user's stored records it touches are
// read in one statement, each change is decided in order against them (and
// against the changes before it in the same push), and what changed is
// written back: on PostgreSQL in a few multi-row statements, since round
// trips cost most there; on SQLite one prepared row statement, run per row.
class SyncPush {
public:
    SyncPush(QSqlDatabase& db, const QString& userId, qint64 now);

    // One result per change; `sequence` is the user's last change number
    // and comes back advanced. False when a statement failed.
    bool run(const QJsonArray& changes, qint64* sequence, QJsonArray* results);
    // The records the push stored, for the members who see them.
    QList<SharedFeed::Changed> changed() const;

private:
    struct Change;
    struct Known {
        QString serverId;
        qint64 version = 0;
        bool deleted = false;
        QString hash;
    };
    struct Row {
        QString serverId;
        QString type;
        QString clientId;
        QString accountId;
        qint64 version = 0;
        qint64 sequence = 0;
        bool deleted = false;
        QByteArray body;
        QString hash;
    };

    bool load(const QList<Change>& changes);
    QJsonObject decide(const QJsonValue& sent, const Change& change, qint64* sequence);
    bool write();

    QSqlDatabase& m_db;
    QString m_userId;
    qint64 m_now;
    // By entity type and client id.
    QHash<QString, Known> m_known;
    // The final state of every record this push changes, by server id.
    QHash<QString, Row> m_rows;
    QStringList m_order;
};
