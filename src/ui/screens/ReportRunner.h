#pragma once

#include <QMap>
#include <QMutex>
#include <QObject>
#include <QWaitCondition>
#include <functional>

class Database;
class QThread;
class ReportService;
struct sqlite3;

// Computes reports on a thread of its own over a read-only connection of its
// own, so that summing a large ledger never holds the window up. Results come
// back on the owner's thread. A request supersedes any older one of the same
// key: a waiting one is dropped, a running one is interrupted, and neither is
// ever delivered. A store SQLite cannot open twice (in memory) is read on the
// caller's thread instead.
class ReportRunner : public QObject {
    Q_OBJECT

public:
    // Runs on the owner's thread with what the job computed.
    using Apply = std::function<void()>;
    // Runs on the worker thread; returns how to show its result.
    using Job = std::function<Apply(const ReportService&)>;

    explicit ReportRunner(Database* db, QObject* parent = nullptr);
    ~ReportRunner() override;

    void post(int key, Job job);
    // Forgets the request of `key` not yet delivered, interrupting it if it runs.
    void cancel(int key);
    // Worker thread: the running job was superseded, cancelled or the runner is
    // going away. Its statements were interrupted, so what it read may be cut short.
    bool interrupted() const;
    // A request of `key` is waiting or running.
    bool isPending(int key) const { return m_pending.contains(key); }

Q_SIGNALS:
    // After the result of `key` was applied.
    void delivered(int key);

private:
    struct Request {
        quint64 serial = 0;
        Job job;
    };

    void work();
    void deliver(int key, quint64 serial, const Apply& apply);
    // With the lock held.
    void interruptRunning();

    QString m_path;
    ReportService* m_inline = nullptr;
    QThread* m_thread = nullptr;
    // Owner's thread only: the newest request of each key not yet delivered.
    QMap<int, quint64> m_pending;
    quint64 m_serial = 0;

    mutable QMutex m_mutex;
    QWaitCondition m_wake;
    QMap<int, Request> m_queue;
    int m_runningKey = -1;
    sqlite3* m_handle = nullptr;
    bool m_stop = false;
    bool m_interrupted = false;
};
