#include "platform/local_time.h"

#include <windows.h>

namespace {

// 100-nanosecond units between 1601-01-01 and 1970-01-01, both UTC.
constexpr qint64 kFileTimeAtUnixEpoch = 116444736000000000LL;

} // namespace

LocalTime::LocalTime() = default;

QDateTime LocalTime::wallClock(const QDateTime &instant) const
{
    const qint64 msecs = instant.toMSecsSinceEpoch();
    const qint64 units = msecs * 10000 + kFileTimeAtUnixEpoch;
    if (units < 0)
        return instant.toUTC();
    FILETIME utcTime;
    utcTime.dwLowDateTime = DWORD(quint64(units));
    utcTime.dwHighDateTime = DWORD(quint64(units) >> 32);
    SYSTEMTIME utc;
    SYSTEMTIME local;
    // The zone's rules for the year of the instant, daylight saving time included.
    if (!FileTimeToSystemTime(&utcTime, &utc) || !SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local))
        return instant.toUTC();
    return QDateTime(QDate(local.wYear, local.wMonth, local.wDay),
                     QTime(local.wHour, local.wMinute, local.wSecond, local.wMilliseconds), Qt::UTC);
}
