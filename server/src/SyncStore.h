#pragma once

#include "ServerKeys.h"

#include <QByteArray>
#include <QJsonArray>
#include <QString>
#include <optional>

class Store;

// The records each user's computers push, keyed by owner, entity type and
// the client's id, each with a version and its place in the user's one change
// sequence. A pull hands out everything past a cursor in sequence order, each
// record in its latest state, deletions as tombstones.
//
// A user's pushes take turns (the user's row is locked for the transaction),
// so sequence numbers commit in order: a pull that has seen number n has seen
// every change before it, and never steps past one still being written.
class SyncStore {
public:
    static constexpr int kMaxChanges = 500;
    static constexpr int kDefaultLimit = 200;
    static constexpr int kMaxLimit = 1000;

    enum class PullError { None, BadCursor, Failed };
    struct Page {
        QByteArray json;
        bool hasMore = false;
    };

    SyncStore(Store& store, const ServerKeys& keys);

    // One result per change, in order; nothing when the store failed (and
    // nothing of the push was kept).
    std::optional<QJsonArray> push(const QString& userId, const QJsonArray& changes);
    std::optional<Page> pull(
        const QString& userId, const QString& cursor, int limit, PullError* error);
    // Notes on the device behind `sessionId` that it synced.
    void touchDevice(const QString& sessionId);

    QString cursorFor(const QString& userId, qint64 sequence) const;
    std::optional<qint64> sequenceOf(const QString& cursor, const QString& userId) const;

private:
    Store& m_store;
    ServerKeys m_keys;
};
