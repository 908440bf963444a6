#pragma once

#include <QMutex>
#include <QObject>
#include <QString>
#include <functional>

class QThread;
struct sqlite3;

// SQLite's quick_check of a ledger file over a read-only connection of its
// own. It reads every page, which takes seconds on a large ledger, so a start
// runs it on a thread of its own. Damage it finds is reported to StoreHealth,
// which stops every connection to the file from writing.
class StoreCheck : public QObject {
    Q_OBJECT

public:
    struct Outcome {
        bool ran = false; // false: the check itself could not run (the file is busy...)
        QString problem; // SQLite's first complaint; empty when the file is sound
    };

    explicit StoreCheck(QObject* parent = nullptr);
    // Interrupts a check still running and waits for its thread.
    ~StoreCheck() override;

    void start(const QString& path);
    bool isFinished() const { return m_finished; }
    const Outcome& outcome() const { return m_outcome; }

    // On the calling thread; damage found is reported as by start().
    static Outcome run(const QString& path);

Q_SIGNALS:
    void finished();

private:
    static Outcome check(const QString& path, const std::function<void(sqlite3*)>& opened);

    QThread* m_thread = nullptr;
    QMutex m_mutex;
    sqlite3* m_running = nullptr;
    Outcome m_outcome;
    bool m_finished = false;
};
