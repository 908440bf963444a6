#pragma once

#include "BackupService.h"

#include <QMutex>
#include <QObject>
#include <atomic>

class QThread;

// Runs a restore on a thread of its own over a connection of its own, so that
// the window goes on painting a progress dialog meanwhile. Its progress and
// result come back on the owner's thread, where a restore that changed rows
// is announced by the service's dataRestored(). A database in memory, which a
// second connection cannot open, is restored on the owner's thread.
class RestoreRunner : public QObject {
    Q_OBJECT

public:
    RestoreRunner(Database* db, BackupService* service, QObject* parent = nullptr);
    // Cancels a restore still running and waits for it.
    ~RestoreRunner() override;

    void start(const QString& archivePath, BackupService::RestorePolicy policy);
    // Asks the running restore to stop; it then rolls back and finishes as cancelled.
    void cancel() { m_cancel = true; }
    bool isRunning() const { return m_running; }

Q_SIGNALS:
    void progress(quint64 done, quint64 total);
    void finished(const BackupService::RestoreResult& result);

private:
    BackupService::RestoreResult restoreOnWorker(
        const QString& archivePath, BackupService::RestorePolicy policy);
    void deliver(const BackupService::RestoreResult& result, bool onWorker);

    Database* m_db;
    BackupService* m_service;
    QThread* m_thread = nullptr;
    std::atomic_bool m_cancel = false;
    // Progress is posted to the owner once per percent, not once per row.
    std::atomic<quint64> m_lastPosted = 0;
    bool m_running = false;
};
