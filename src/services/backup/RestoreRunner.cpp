#include "RestoreRunner.h"

#include "BackupLogging.h"
#include "data/Database.h"
#include "data/TransactionRepository.h"

#include <QThread>

RestoreRunner::RestoreRunner(Database* db, BackupService* service, QObject* parent)
    : QObject(parent)
    , m_db(db)
    , m_service(service)
{
}

RestoreRunner::~RestoreRunner()
{
    m_cancel = true;
    if (m_thread) {
        m_thread->wait();
        delete m_thread;
    }
}

void RestoreRunner::start(const QString& archivePath, BackupService::RestorePolicy policy)
{
    if (m_running)
        return;
    m_running = true;
    m_cancel = false;
    m_lastPosted = 0;
    const QString path = m_db->database().databaseName();
    if (Database::isInMemory(path)) {
        BackupService::Observer observer;
        observer.cancelRequested = &m_cancel;
        m_service->setObserver(observer);
        const BackupService::RestoreResult result = m_service->importFile(archivePath, policy);
        m_service->setObserver({});
        // As from the thread: the caller hears of it once back in the event loop.
        QMetaObject::invokeMethod(
            this, [this, result] { deliver(result, false); }, Qt::QueuedConnection);
        return;
    }
    if (m_thread) {
        m_thread->wait();
        delete m_thread;
    }
    m_thread = QThread::create([this, archivePath, policy] {
        const BackupService::RestoreResult result = restoreOnWorker(archivePath, policy);
        QMetaObject::invokeMethod(
            this, [this, result] { deliver(result, true); }, Qt::QueuedConnection);
    });
    m_thread->setObjectName(QStringLiteral("restore"));
    m_thread->start();
}

BackupService::RestoreResult RestoreRunner::restoreOnWorker(
    const QString& archivePath, BackupService::RestorePolicy policy)
{
    Database db;
    if (!db.open(m_db->database().databaseName())) {
        BackupService::RestoreResult result;
        result.errors << BackupService::tr("The ledger could not be opened for the restore: %1")
                             .arg(db.failure().detail);
        return result;
    }
    TransactionRepository transactions(&db);
    BackupService service(&db, &transactions);
    service.setSafetyDirectory(m_service->safetyDirectory());
    service.setLimits(m_service->limits());
    BackupService::Observer observer;
    observer.cancelRequested = &m_cancel;
    observer.progress = [this](quint64 done, quint64 total) {
        const quint64 step = std::max<quint64>(1, total / 100);
        if (done != total && done < m_lastPosted + step)
            return;
        m_lastPosted = done;
        QMetaObject::invokeMethod(
            this, [this, done, total] { Q_EMIT progress(done, total); }, Qt::QueuedConnection);
    };
    service.setObserver(observer);
    return service.importFile(archivePath, policy);
}

void RestoreRunner::deliver(const BackupService::RestoreResult& result, bool onWorker)
{
    m_running = false;
    // The worker's own service announced to nobody: the owner's says it here.
    if (onWorker && result.completed && result.applied() > 0)
        Q_EMIT m_service->dataRestored();
    Q_EMIT finished(result);
}
