#include "platform/thread_cpu_time.h"

#include <ctime>

qint64 threadCpuNanoseconds()
{
    timespec now{};
    if (clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now) != 0)
        return 0;
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}
