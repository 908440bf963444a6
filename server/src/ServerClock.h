#pragma once

#include <QString>
#include <QtGlobal>

// The server's "now" in whole seconds since the epoch. Tests move it forward
// to pass the grace, lifetime and rate-limit windows without waiting.
namespace ServerClock {

qint64 now();
void setOffset(qint64 seconds);
// "2025-06-18T09:30:00Z"; empty for 0 (never).
QString iso(qint64 seconds);

} // namespace ServerClock
