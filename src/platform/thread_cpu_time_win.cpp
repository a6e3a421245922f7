#include "platform/thread_cpu_time.h"

#include <windows.h>

// Kernel and user time, counted in steps of the scheduler's tick.
qint64 threadCpuNanoseconds()
{
    FILETIME creation, exit, kernel, user;
    if (!GetThreadTimes(GetCurrentThread(), &creation, &exit, &kernel, &user))
        return 0;
    const auto units = [](FILETIME time) { return qint64(time.dwHighDateTime) << 32 | time.dwLowDateTime; };
    return (units(kernel) + units(user)) * 100;
}
