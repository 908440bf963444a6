#include "ReportRunner.h"

#include "data/Database.h"
#include "services/ReportLogging.h"
#include "services/ReportService.h"

#include <QThread>

#include <sqlite3.h>

ReportRunner::ReportRunner(Database* db, QObject* parent)
    : QObject(parent)
    , m_path(db->database().databaseName())
{
    if (Database::isInMemory(m_path)) {
        m_inline = new ReportService(db, this);
        return;
    }
    m_thread = QThread::create([this] { work(); });
    m_thread->setObjectName(QStringLiteral("reports"));
    m_thread->start(QThread::LowPriority);
}

ReportRunner::~ReportRunner()
{
    if (!m_thread)
        return;
    {
        const QMutexLocker lock(&m_mutex);
        m_stop = true;
        interruptRunning();
        m_wake.wakeAll();
    }
    m_thread->wait();
    delete m_thread;
}

void ReportRunner::post(int key, Job job)
{
    const quint64 serial = ++m_serial;
    m_pending.insert(key, serial);
    if (m_inline) {
        deliver(key, serial, job(*m_inline));
        return;
    }
    const QMutexLocker lock(&m_mutex);
    m_queue.insert(key, { serial, std::move(job) });
    if (m_runningKey == key)
        interruptRunning();
    m_wake.wakeAll();
}

bool ReportRunner::interrupted() const
{
    const QMutexLocker lock(&m_mutex);
    return m_interrupted;
}

void ReportRunner::interruptRunning()
{
    if (m_runningKey < 0)
        return;
    m_interrupted = true;
    if (m_handle)
        sqlite3_interrupt(m_handle);
}

void ReportRunner::cancel(int key)
{
    m_pending.remove(key);
    if (m_inline)
        return;
    const QMutexLocker lock(&m_mutex);
    m_queue.remove(key);
    if (m_runningKey == key)
        interruptRunning();
}

void ReportRunner::work()
{
    Database db;
    const bool opened = db.open(m_path);
    if (opened) {
        // This connection only ever reads; a slip could not write behind the owner's back.
        sqlite3_exec(db.handle(), "PRAGMA query_only=ON", nullptr, nullptr, nullptr);
    } else {
        qCWarning(lcReports).noquote()
            << "The reports could not open their own connection:" << db.failure().detail;
    }
    const ReportService service(&db);
    QMutexLocker lock(&m_mutex);
    m_handle = opened ? db.handle() : nullptr;
    for (;;) {
        while (!m_stop && m_queue.isEmpty())
            m_wake.wait(&m_mutex);
        if (m_stop)
            break;
        // Oldest request first: the tab on screen asked before the others.
        auto next = m_queue.begin();
        for (auto it = m_queue.begin(); it != m_queue.end(); ++it) {
            if (it->serial < next->serial)
                next = it;
        }
        const int key = next.key();
        const Request request = *next;
        m_queue.erase(next);
        m_runningKey = key;
        m_interrupted = false;
        lock.unlock();
        // Without a connection the report shows empty rather than waiting forever.
        const Apply apply = opened ? request.job(service) : Apply();
        lock.relock();
        m_runningKey = -1;
        QMetaObject::invokeMethod(
            this, [this, key, serial = request.serial, apply] { deliver(key, serial, apply); },
            Qt::QueuedConnection);
    }
    m_handle = nullptr;
}

void ReportRunner::deliver(int key, quint64 serial, const Apply& apply)
{
    // A newer request of the key is on its way; this result is out of date.
    if (m_pending.value(key) != serial)
        return;
    m_pending.remove(key);
    if (apply)
        apply();
    Q_EMIT delivered(key);
}
