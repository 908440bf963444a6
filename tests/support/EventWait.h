#pragma once

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>

#include <functional>

// Runs the event loop until `done` holds, `timeoutMs` at most. Unlike
// QTest::qWaitFor it never sleeps between turns (qWaitFor sleeps 10 ms), so
// a chain of network replies is handled as each one arrives, as in the
// program: a sync of fifty pages would otherwise wait half a second more.
inline bool waitUntil(const std::function<bool()>& done, int timeoutMs = 5000)
{
    const QDeadlineTimer deadline(timeoutMs);
    QEventLoop loop;
    // Conditions no event announces (another process's work) are looked at
    // again at least this often.
    QTimer wake;
    wake.setSingleShot(true);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        wake.start(int(qBound(qint64(1), deadline.remainingTime(), qint64(20))));
        loop.processEvents(QEventLoop::WaitForMoreEvents);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    return true;
}
