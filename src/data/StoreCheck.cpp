#include "StoreCheck.h"

#include "DataLogging.h"
#include "Database.h"
#include "StoreHealth.h"

#include <QElapsedTimer>
#include <QThread>

#include <sqlite3.h>

StoreCheck::StoreCheck(QObject* parent)
    : QObject(parent)
{
}

StoreCheck::~StoreCheck()
{
    if (!m_thread)
        return;
    {
        const QMutexLocker lock(&m_mutex);
        if (m_running)
            sqlite3_interrupt(m_running);
    }
    m_thread->wait();
    delete m_thread;
}

void StoreCheck::start(const QString& path)
{
    if (m_thread)
        return;
    m_thread = QThread::create([this, path] {
        const Outcome outcome = check(path, [this](sqlite3* handle) {
            const QMutexLocker lock(&m_mutex);
            m_running = handle;
        });
        QMetaObject::invokeMethod(
            this,
            [this, outcome] {
                m_outcome = outcome;
                m_finished = true;
                Q_EMIT finished();
            },
            Qt::QueuedConnection);
    });
    m_thread->setObjectName(QStringLiteral("store check"));
    m_thread->start(QThread::LowPriority);
}

StoreCheck::Outcome StoreCheck::run(const QString& path)
{
    return check(path, {});
}

StoreCheck::Outcome StoreCheck::check(
    const QString& path, const std::function<void(sqlite3*)>& opened)
{
    QElapsedTimer timer;
    timer.start();
    Outcome outcome;
    sqlite3* handle = nullptr;
    const QString uri = Database::asItStandsUri(path);
    int rc = sqlite3_open_v2((uri.isEmpty() ? path : uri).toUtf8().constData(), &handle,
        SQLITE_OPEN_READONLY | (uri.isEmpty() ? 0 : SQLITE_OPEN_URI), nullptr);
    sqlite3_stmt* statement = nullptr;
    if (rc == SQLITE_OK) {
        if (opened)
            opened(handle);
        rc = sqlite3_prepare_v2(handle, "PRAGMA quick_check", -1, &statement, nullptr);
    }
    bool first = true;
    while (rc == SQLITE_OK && (rc = sqlite3_step(statement)) == SQLITE_ROW) {
        // A report starts "*** in database main ***" on a line of its own.
        const QStringList lines
            = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)))
                  .split(QLatin1Char('\n'));
        const QString line = lines.last();
        if (first && line != QLatin1String("ok"))
            outcome.problem = line;
        first = false;
        rc = SQLITE_OK;
    }
    if (rc == SQLITE_DONE) {
        outcome.ran = true;
    } else if (StoreHealth::isDamageCode(rc)
        || StoreHealth::isDamageCode(sqlite3_errcode(handle))) {
        outcome.ran = true;
        outcome.problem = QString::fromUtf8(sqlite3_errmsg(handle));
    }
    const QString checked = StoreHealth::fileOf(handle);
    // Interrupted means the program is closing.
    if (!outcome.ran && rc != SQLITE_INTERRUPT) {
        qCWarning(lcDb).noquote() << "The integrity check could not run:"
                                  << QString::fromUtf8(sqlite3_errmsg(handle));
    }
    sqlite3_finalize(statement);
    if (opened)
        opened(nullptr);
    sqlite3_close(handle);
    qCInfo(lcDb).noquote() << "Integrity check of" << path << "took" << timer.elapsed() << "ms:"
                           << (outcome.problem.isEmpty() ? QStringLiteral("ok") : outcome.problem);
    if (!outcome.problem.isEmpty())
        StoreHealth::reportDamaged(checked, outcome.problem);
    return outcome;
}
