#pragma once

#include "TokenStore.h"

#include <QObject>
#include <functional>
#include <memory>

class QThread;

namespace MellAccount {

class KeyringWorker;

// The Secret Service on a thread of its own: a keyring that stalls (a locked
// session, a hung daemon) holds up that thread, never the window. The thread
// picks the store once (the keyring when a Secret Service answers, else the
// owner-only file) and then runs every write in the order asked.
class KeyringThread : public QObject {
    Q_OBJECT

public:
    struct Opened {
        TokenStore::Stored tokens;
        bool keyring = false;
        // Why the file was chosen.
        QString why;
    };

    KeyringThread(const QString& serviceName, const QString& directoryKey,
        const QString& fallbackPath, QObject* parent = nullptr);
    ~KeyringThread() override;

    // Picks the store and reads both tokens; `done` runs on this thread, at
    // the latest after `timeoutMs` with the tokens marked stalled.
    void open(int timeoutMs, std::function<void(const Opened&)> done);
    void write(const QString& key, const QString& value);
    void remove(const QString& key);
    // After everything asked before: the value of `key`, or nothing after
    // `timeoutMs`. Blocks; for tests and tools, not for the window.
    std::optional<QString> readNow(const QString& key, int timeoutMs);

private:
    KeyringWorker* worker();

    QThread* m_thread;
    KeyringWorker* m_worker;
    quint64 m_tickets = 0;
};

} // namespace MellAccount
