#pragma once

#include <QDate>
#include <QDateTime>

// The one source of "now" and "today" for the whole program. Tests pin it to a
// fixed instant so that nothing depends on the day the suite happens to run.
class Clock {
public:
    // Current UTC time truncated to whole seconds (stored timestamps carry no milliseconds).
    static QDateTime nowUtc();
    // "Now" as stored in the database: ISO 8601, UTC, ending in "Z".
    static QString nowIso();
    static QDate today();

    static void setFixedUtc(const QDateTime& utc);
    static void clearFixed();
};
