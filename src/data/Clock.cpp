#include "Clock.h"

#include <QTimeZone>

namespace {
QDateTime& fixedNow()
{
    static QDateTime value;
    return value;
}
} // namespace

QDateTime Clock::nowUtc()
{
    QDateTime now = fixedNow().isValid() ? fixedNow() : QDateTime::currentDateTimeUtc();
    now.setTime(QTime(now.time().hour(), now.time().minute(), now.time().second()));
    return now;
}

QString Clock::nowIso()
{
    return nowUtc().toString(Qt::ISODate);
}

QDate Clock::today()
{
    return fixedNow().isValid() ? fixedNow().toLocalTime().date() : QDate::currentDate();
}

void Clock::setFixedUtc(const QDateTime& utc)
{
    fixedNow() = utc.toUTC();
}

void Clock::clearFixed()
{
    fixedNow() = QDateTime();
}
