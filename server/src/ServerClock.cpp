#include "ServerClock.h"

#include <QDateTime>
#include <atomic>

namespace {
std::atomic<qint64> g_offset { 0 };
}

qint64 ServerClock::now()
{
    return QDateTime::currentSecsSinceEpoch() + g_offset.load();
}

void ServerClock::setOffset(qint64 seconds)
{
    g_offset.store(seconds);
}

QString ServerClock::iso(qint64 seconds)
{
    if (seconds <= 0)
        return QString();
    return QDateTime::fromSecsSinceEpoch(seconds, Qt::UTC).toString(Qt::ISODate);
}
