#include "platform/thread_cpu_deadline.h"

#include <ctime>

namespace {

qint64 threadCpuNs()
{
    timespec now{};
    if (clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now) != 0)
        return 0; // no such clock: the deadline never passes, the other limits still hold
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

} // namespace

ThreadCpuDeadline::ThreadCpuDeadline(qint64 milliseconds)
    : m_endNs(threadCpuNs() + milliseconds * 1000000)
{}

bool ThreadCpuDeadline::hasExpired() const
{
    return threadCpuNs() > m_endNs;
}
