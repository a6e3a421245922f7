#pragma once

#include <QDateTime>

// Turns instants into the wall-clock time of the system's time zone. The zone's rules are read once, when
// the object is made (one per listing); conversions then read no file, and one object may serve several
// threads at once. Implemented once per platform.
class LocalTime
{
public:
    LocalTime();

    // The local date and time of `instant`, as the fields of a UTC date-time (the form of a wall-clock
    // DocumentDate); `instant` in UTC when the system cannot convert it.
    QDateTime wallClock(const QDateTime &instant) const;
};
