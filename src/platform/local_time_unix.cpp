#include "platform/local_time.h"

#include <ctime>

LocalTime::LocalTime()
{
    // localtime_r() reads the zone's rules only the first time; tzset() makes it read them now, so that a
    // change of zone applies from the next listing on.
    ::tzset();
}

QDateTime LocalTime::wallClock(const QDateTime &instant) const
{
    const qint64 msecs = instant.toMSecsSinceEpoch();
    // Seconds rounded towards the past, so that an instant before 1970 keeps its own second.
    const qint64 seconds = msecs >= 0 ? msecs / 1000 : -((-msecs + 999) / 1000);
    const time_t time = time_t(seconds);
    struct tm fields = {};
    if (::localtime_r(&time, &fields) == nullptr)
        return instant.toUTC();
    return QDateTime::fromMSecsSinceEpoch(msecs + qint64(fields.tm_gmtoff) * 1000, Qt::UTC);
}
